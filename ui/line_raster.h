#pragma once

#include <QImage>
#include <QPointF>

namespace lumenary
{

// Clips the segment a-b to the rectangle [lo, hiX] x [lo, hiY] (Liang-Barsky). False when
// nothing is left or the clipped ends are not finite.
bool clipSegment(QPointF& a, QPointF& b, double lo, double hiX, double hiY);

// How far outside a surface of w x h pixels a primitive is still handed to a painter: the
// screen and every copy of the picture cull the same way.
constexpr double kDrawGuard = 4096.0;
// A box corner moved to within the guard.
QPointF clampToGuard(QPointF p, double w, double h);
// Whether a circle is finite, not huge (over 16 guards) and reaches into the guarded surface.
bool circleWithinGuard(QPointF centre, double radius, double w, double h);

// A one-pixel solid line written straight into a 32-bit image, without a painter: the segment
// is clipped to the image, its ends truncated to pixels, and the pixels between are chosen by
// Bresenham's rule (both ends included). The image must be of a 32-bit format.
void rasterLine(QImage& image, QPointF a, QPointF b, QRgb pixel);

// The same line on an image of scale device pixels to a logical pixel (a high-density screen):
// a and b are in logical pixels, and every logical pixel of the line is a scale x scale block,
// so the line is one logical pixel wide.
void rasterLine(QImage& image, QPointF a, QPointF b, QRgb pixel, int scale);

} // namespace lumenary
