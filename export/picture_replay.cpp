#include "picture_replay.h"

#include "line_raster.h"
#include "qt_colour.h"

#include <QPainter>
#include <QSizeF>

#include <cmath>

namespace lumenary
{

void replayRecord(const PictureRecord& record, QPainter& painter, const QSizeF& size)
{
    const double w = size.width();
    const double h = size.height();
    Viewport view = Viewport().resized(w, h);
    auto map = [&](Point p) {
        const Point q = view.toPixels(p);
        return QPointF(q.x, q.y);
    };

    painter.save();
    painter.setClipRect(QRectF(0, 0, w, h), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const std::vector<Primitive>& items = record.primitives();
    const std::vector<RecordedWindow>& windows = record.windows();
    std::size_t nextWindow = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        while (nextWindow < windows.size() && windows[nextWindow].first == i) {
            const RecordedWindow& u = windows[nextWindow++];
            view.setWindow(u.left, u.top, u.right, u.bottom);
        }
        const Primitive& item = items[i];
        const QColor colour = toQColor(item.colour);
        const QPen pen(colour, 1, item.dotted ? Qt::DotLine : Qt::SolidLine);
        switch (item.kind) {
        case Primitive::Kind::Line: {
            // Clipped here rather than by the painter: not every paint device clips.
            QPointF a = map(item.a);
            QPointF b = map(item.b);
            if (!clipSegment(a, b, 0.0, w, h))
                break;
            painter.setPen(pen);
            painter.drawLine(a, b);
            break;
        }
        case Primitive::Kind::Box: {
            painter.setPen(pen);
            painter.setBrush(item.filled ? QBrush(colour) : QBrush());
            painter.drawRect(
                QRectF(clampToGuard(map(item.a), w, h), clampToGuard(map(item.b), w, h))
                    .normalized());
            painter.setBrush(QBrush());
            break;
        }
        case Primitive::Kind::Circle: {
            const QPointF c = map(item.a);
            const double r = item.radius * std::fabs(view.scaleX());
            if (!circleWithinGuard(c, r, w, h))
                break;
            painter.setPen(pen);
            painter.drawEllipse(c, r, r);
            break;
        }
        case Primitive::Kind::Point: {
            const QPointF p = map(item.a);
            if (p.x() >= -1 && p.y() >= -1 && p.x() <= w + 1 && p.y() <= h + 1)
                painter.fillRect(QRectF(p.x() - 0.5, p.y() - 0.5, 1, 1), colour);
            break;
        }
        }
    }
    painter.restore();
}

} // namespace lumenary
