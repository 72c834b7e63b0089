#include "picture_record.h"

#include "line_raster.h"
#include "qt_colour.h"

#include <QPainter>
#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace lumenary
{

void PictureRecord::scale(double left, double top, double right, double bottom)
{
    // Kept lazily, at the next primitive: a window set on every mouse move must not fill the
    // list when nothing is drawn in it.
    m_scale[0] = left;
    m_scale[1] = top;
    m_scale[2] = right;
    m_scale[3] = bottom;
    m_scaleChanged = true;
}

void PictureRecord::clear()
{
    m_items.clear();
    m_primitives = 0;
    m_overflowed = false;
    m_scaleChanged = true;
}

bool PictureRecord::room()
{
    if (m_primitives < kMaxPrimitives)
        return true;
    if (!m_overflowed) {
        // Nothing kept can stand for the picture any more: the memory goes back.
        m_overflowed = true;
        std::vector<Item>().swap(m_items);
    }
    return false;
}

void PictureRecord::add(Kind kind, Point a, Point b, Rgb colour)
{
    if (!room())
        return;
    if (m_scaleChanged) {
        m_scaleChanged = false;
        m_items.push_back(
            Item{{m_scale[0], m_scale[1]}, {m_scale[2], m_scale[3]}, Rgb{}, Kind::Scale});
    }
    m_items.push_back(Item{{a.x, a.y}, {b.x, b.y}, colour, kind});
    ++m_primitives;
}

void PictureRecord::line(Point a, Point b, Rgb colour, bool dotted)
{
    add(dotted ? Kind::DottedLine : Kind::Line, a, b, colour);
}

void PictureRecord::box(Point a, Point b, Rgb colour, bool filled)
{
    add(filled ? Kind::FilledBox : Kind::Box, a, b, colour);
}

void PictureRecord::circle(Point centre, double radius, Rgb colour)
{
    add(Kind::Circle, centre, Point{radius, 0}, colour);
}

void PictureRecord::point(Point p, Rgb colour)
{
    add(Kind::Point, p, p, colour);
}

void PictureRecord::replay(QPainter& painter, const QSizeF& size) const
{
    const double w = size.width();
    const double h = size.height();
    Viewport view = Viewport().resized(w, h);
    auto map = [&](const double* p) {
        const Point q = view.toPixels(Point{p[0], p[1]});
        return QPointF(q.x, q.y);
    };

    painter.save();
    painter.setClipRect(QRectF(0, 0, w, h), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Item& item : m_items) {
        const QColor colour = toQColor(item.colour);
        QPen pen(colour, 1, item.kind == Kind::DottedLine ? Qt::DotLine : Qt::SolidLine);
        switch (item.kind) {
        case Kind::Scale:
            view.setWindow(item.a[0], item.a[1], item.b[0], item.b[1]);
            break;
        case Kind::Line:
        case Kind::DottedLine: {
            // Clipped here rather than by the painter: not every paint device clips.
            QPointF a = map(item.a);
            QPointF b = map(item.b);
            if (!clipSegment(a, b, 0.0, w, h))
                break;
            painter.setPen(pen);
            painter.drawLine(a, b);
            break;
        }
        case Kind::Box:
        case Kind::FilledBox: {
            painter.setPen(pen);
            painter.setBrush(item.kind == Kind::FilledBox ? QBrush(colour) : QBrush());
            painter.drawRect(
                QRectF(clampToGuard(map(item.a), w, h), clampToGuard(map(item.b), w, h))
                    .normalized());
            painter.setBrush(QBrush());
            break;
        }
        case Kind::Circle: {
            const QPointF c = map(item.a);
            const double r = item.b[0] * std::fabs(view.scaleX());
            if (!circleWithinGuard(c, r, w, h))
                break;
            painter.setPen(pen);
            painter.drawEllipse(c, r, r);
            break;
        }
        case Kind::Point: {
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
