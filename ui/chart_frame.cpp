#include "chart_frame.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

namespace lumenary
{

namespace
{

constexpr double kTickLength = 4.0;
constexpr double kLabelHeight = 14.0;
constexpr double kLabelWidth = 40.0; // under an X tick

} // namespace

void drawAxis(QPainter& painter, ChartAxis axis, double edge, const std::vector<AxisTick>& ticks,
              const TickLabel& label, double gap)
{
    for (const AxisTick& tick : ticks) {
        const double at = tick.pixel;
        if (axis == ChartAxis::Y) {
            painter.drawLine(QPointF(edge - kTickLength, at), QPointF(edge, at));
            if (tick.labelled)
                painter.drawText(QRectF(0, at - kLabelHeight / 2, edge - gap, kLabelHeight),
                                 Qt::AlignRight | Qt::AlignVCenter, label(tick.value));
        } else {
            painter.drawLine(QPointF(at, edge), QPointF(at, edge + kTickLength));
            if (tick.labelled)
                painter.drawText(
                    QRectF(at - kLabelWidth / 2, edge + gap, kLabelWidth, kLabelHeight),
                    Qt::AlignCenter, label(tick.value));
        }
    }
}

void drawLeftTitle(QPainter& painter, const QRectF& plot, double x, const QString& title)
{
    painter.save();
    painter.translate(x, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -8, plot.height(), 16), Qt::AlignCenter, title);
    painter.restore();
}

void setScreenPointSize(QPainter& painter, double points)
{
    QFont font = painter.font();
    const QPaintDevice* device = painter.device();
    double scale = 1.0;
    // A widget or an image counts points as the screen does; a page by its own resolution.
    if (device && device->devType() != QInternal::Widget && device->devType() != QInternal::Image &&
        device->devType() != QInternal::Pixmap && device->logicalDpiY() > 0)
        scale = 96.0 / device->logicalDpiY();
    font.setPointSizeF(points * scale);
    painter.setFont(font);
}

} // namespace lumenary
