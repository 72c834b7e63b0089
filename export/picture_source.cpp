#include "picture_source.h"

#include "picture_replay.h"
#include "plot_widget.h"

#include <QCoreApplication>
#include <QGraphicsView>
#include <QPainter>

namespace lumenary
{

QWidget* PlotPicture::surface() const
{
    return m_plot;
}

QSize PlotPicture::size() const
{
    return m_plot->contentsRect().size().expandedTo(QSize(1, 1));
}

void PlotPicture::paint(QPainter& painter) const
{
    const QSize area = size();
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), area), Qt::IntersectClip);
    m_plot->paintBase(painter, area, false);
    if (m_plot->record().overflowed()) {
        // The screen's pixels, each made four, so that viewers show them sharp, not smoothed.
        const QImage layer = m_plot->drawingLayer();
        painter.drawImage(
            QRectF(QPointF(0, 0), area),
            layer.scaled(layer.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    } else {
        replayRecord(m_plot->record(), painter, area);
    }
    // Pictures placed on the plot lie above the drawing, as on screen.
    const QPoint origin = m_plot->contentsRect().topLeft();
    for (QObject* child : m_plot->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isVisible() && !widget->isWindow())
            widget->render(&painter, widget->pos() - origin, QRegion(),
                           QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.restore();
}

QString PlotPicture::rasterNote() const
{
    if (!m_plot->record().overflowed())
        return {};
    return QCoreApplication::translate("lumenary::PictureSource",
                                       "The drawing holds more than %1 lines and points; it is "
                                       "embedded as an image at twice the on-screen resolution.")
        .arg(PictureRecord::kMaxPrimitives);
}

QSize WidgetPicture::size() const
{
    return m_widget->size().expandedTo(QSize(1, 1));
}

void WidgetPicture::paint(QPainter& painter) const
{
    const QRect area(QPoint(0, 0), size());
    if (auto* view = qobject_cast<QGraphicsView*>(m_widget)) {
        painter.fillRect(area, view->backgroundBrush().style() == Qt::NoBrush
                                   ? view->palette().color(QPalette::Base)
                                   : view->backgroundBrush().color());
        view->render(&painter, QRectF(area), view->viewport()->rect());
        return;
    }
    m_widget->render(&painter, QPoint(0, 0), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

} // namespace lumenary
