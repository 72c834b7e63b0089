#include "picture_replay.h"

#include "line_raster.h"
#include "qt_colour.h"

#include <QPainter>
#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace lumenary
{

namespace
{

// Pixel (i, j) covers [i, i + 1] x [j, j + 1]. The screen fills whole pixels: the rasteriser
// fills those that a segment's truncated ends and Bresenham's rule choose, the painter's aliased
// outlines those right of and below their corners. A one-unit pen through the pixels' centres
// fills the same pixels whole at any scale, where a pen through their corners would half-fill
// two rows of them, grey in a viewer that smooths.
double centreOf(double x)
{
    return std::floor(x) + 0.5;
}

QPointF centreOf(QPointF p)
{
    return QPointF(centreOf(p.x()), centreOf(p.y()));
}

// One line as the screen draws it. Solid lines go from the first pixel's outer edge to the
// last one's, so that both end pixels are filled. Dotted lines are dots of one pixel and gaps
// of two, counted along the line's longer axis as the screen's one-pixel pen counts them, with
// flat ends so that a dot is not lengthened into a dash. The screen starts the dots where the
// line enters the surface widened by a pixel (start is the line's start clipped to that).
void drawLine(QPainter& painter, QPointF start, QPointF a, QPointF b, const QColor& colour,
              bool dotted)
{
    const QPointF from = centreOf(a);
    const QPointF to = centreOf(b);
    const QPointF d = to - from;
    const double major = std::max(std::fabs(d.x()), std::fabs(d.y()));
    if (major == 0) {
        painter.fillRect(QRectF(from - QPointF(0.5, 0.5), QSizeF(1, 1)), colour);
        return;
    }
    const QPointF step = d / major; // one pixel along the longer axis
    const double stepLength = std::hypot(step.x(), step.y());
    QPen pen(colour, 1, Qt::SolidLine, Qt::FlatCap);
    if (dotted) {
        const bool alongX = std::fabs(d.x()) >= std::fabs(d.y());
        const double skipped = alongX ? std::fabs(std::floor(a.x()) - std::floor(start.x()))
                                      : std::fabs(std::floor(a.y()) - std::floor(start.y()));
        pen.setDashPattern({stepLength, 2 * stepLength});
        pen.setDashOffset(std::fmod(skipped, 3.0) * stepLength);
    }
    painter.setPen(pen);
    painter.drawLine(from - step / 2, to + step / 2);
}

} // namespace

void replayRecord(const PictureRecord& record, QPainter& painter, const QSizeF& size)
{
    const double w = size.width();
    const double h = size.height();
    Viewport view = Viewport().resized(w, h);
    auto map = [&](Point p) {
        const Point q = view.toPixels(p);
        return QPointF(q.x, q.y);
    };
    // Within the surface, short of its far edges, so that no end falls on a pixel beyond them.
    const double lastX = w - 1e-6;
    const double lastY = h - 1e-6;

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
        QPen pen(colour, 1);
        pen.setJoinStyle(Qt::MiterJoin); // square corners: a box's corner pixel filled whole
        switch (item.kind) {
        case Primitive::Kind::Line: {
            // Clipped here rather than by the painter: not every paint device clips.
            QPointF a = map(item.a);
            QPointF b = map(item.b);
            QPointF start = a;
            QPointF end = b;
            if (!clipSegment(start, end, -1.0, w + 1, h + 1) ||
                !clipSegment(a, b, 0.0, lastX, lastY))
                break;
            drawLine(painter, start, a, b, colour, item.dotted);
            break;
        }
        case Primitive::Kind::Box: {
            painter.setPen(pen);
            painter.setBrush(item.filled ? QBrush(colour) : QBrush());
            painter.drawRect(QRectF(centreOf(clampToGuard(map(item.a), w, h)),
                                    centreOf(clampToGuard(map(item.b), w, h)))
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
            // The screen's aliased outline lies half a pixel right of and below the circle.
            painter.drawEllipse(c + QPointF(0.5, 0.5), r, r);
            break;
        }
        case Primitive::Kind::Point: {
            const QPointF p = map(item.a);
            if (p.x() >= 0 && p.y() >= 0 && p.x() < w && p.y() < h)
                painter.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), colour);
            break;
        }
        }
    }
    painter.restore();
}

} // namespace lumenary
