#pragma once

// The Qt face of the pixel-exact line rasteriser and the painters' guard (plot/pixel_raster.h):
// the same functions on QImage and QPointF, for the plot widget and the picture replay.

#include "segment_clip.h"

#include <QImage>
#include <QPointF>

#include "pixel_raster.h"

namespace lumenary
{

// Clips the segment a-b to the rectangle [lo, hiX] x [lo, hiY] (Liang-Barsky). False when
// nothing is left or the clipped ends are not finite.
inline bool clipSegment(QPointF& a, QPointF& b, double lo, double hiX, double hiY)
{
    Point from{a.x(), a.y()};
    Point to{b.x(), b.y()};
    const bool kept = clipSegment(from, to, lo, hiX, hiY);
    a = QPointF(from.x, from.y);
    b = QPointF(to.x, to.y);
    return kept;
}

// A box corner moved to within the guard.
inline QPointF clampToGuard(QPointF p, double w, double h)
{
    const Point q = clampToGuard(Point{p.x(), p.y()}, w, h);
    return {q.x, q.y};
}

// Whether a circle is finite, not huge (over 16 guards) and reaches into the guarded surface.
inline bool circleWithinGuard(QPointF centre, double radius, double w, double h)
{
    return circleWithinGuard(Point{centre.x(), centre.y()}, radius, w, h);
}

// The pixels of a 32-bit image as the rasteriser writes them.
inline PixelBuffer pixelsOf(QImage& image)
{
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            static_cast<std::ptrdiff_t>(image.bytesPerLine() / sizeof(QRgb))};
}

// A one-pixel solid line straight into a 32-bit image (see plot/pixel_raster.h).
inline void rasterLine(QImage& image, QPointF a, QPointF b, QRgb pixel)
{
    rasterLine(pixelsOf(image), Point{a.x(), a.y()}, Point{b.x(), b.y()}, pixel);
}

// The same line on an image of scale device pixels to a logical pixel.
inline void rasterLine(QImage& image, QPointF a, QPointF b, QRgb pixel, int scale)
{
    rasterLine(pixelsOf(image), Point{a.x(), a.y()}, Point{b.x(), b.y()}, pixel, scale);
}

} // namespace lumenary
