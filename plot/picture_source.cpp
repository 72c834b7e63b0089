#include "picture_source.h"

#include "plot_widget.h"

#include <QGraphicsView>
#include <QPainter>

namespace lumenary
{

namespace
{

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

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
    painter.fillRect(QRect(QPoint(0, 0), area), toQColor(m_plot->background()));
    paintShapes(painter);
    if (m_plot->record().overflowed()) {
        // The screen's pixels, each made four, so that viewers show them sharp, not smoothed.
        const QImage layer = m_plot->drawingLayer();
        painter.drawImage(
            QRectF(QPointF(0, 0), area),
            layer.scaled(layer.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    } else {
        m_plot->record().replay(painter, area);
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

void PlotPicture::paintShapes(QPainter& painter) const
{
    // As the plot draws them under its drawing, with pens that scale with the picture.
    const QSize area = size();
    const double sx = area.width() / (m_plot->right() - m_plot->left());
    const double sy = area.height() / (m_plot->bottom() - m_plot->top());
    auto map = [&](Point p) {
        return QPointF((p.x - m_plot->left()) * sx, (p.y - m_plot->top()) * sy);
    };
    for (const PlotShape& s : m_plot->shapes()) {
        if (!s.visible)
            continue;
        painter.setPen(QPen(toQColor(s.pen), s.penWidth, s.dotted ? Qt::DotLine : Qt::SolidLine));
        painter.setBrush(s.filled ? QBrush(toQColor(s.fill)) : Qt::NoBrush);
        const QRectF box = QRectF(map(s.a), map(s.b)).normalized();
        const double half = s.penWidth / 2.0;
        switch (s.kind) {
        case PlotShape::Kind::Rect:
            painter.drawRect(box);
            break;
        case PlotShape::Kind::Ellipse:
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawEllipse(box.adjusted(half, half, -half, -half));
            painter.setRenderHint(QPainter::Antialiasing, false);
            break;
        case PlotShape::Kind::Line:
            painter.drawLine(map(s.a), map(s.b));
            break;
        }
    }
    painter.setBrush(Qt::NoBrush);
}

QString PlotPicture::rasterNote() const
{
    if (!m_plot->record().overflowed())
        return {};
    return QStringLiteral("The drawing holds more than %1 lines and points; it is embedded as an "
                          "image at twice the on-screen resolution.")
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
