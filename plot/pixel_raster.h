#pragma once

#include "point.h"

#include <cstddef>
#include <cstdint>

namespace lumenary
{

// A 32-bit pixel surface owned by someone else (a screen layer, an image being exported):
// width x height pixels, rows stride pixels apart.
struct PixelBuffer {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// How far outside a surface of w x h pixels a primitive is still handed to a painter: the
// screen and every copy of the picture cull the same way.
constexpr double kDrawGuard = 4096.0;
// A box corner moved to within the guard.
Point clampToGuard(Point p, double w, double h);
// Whether a circle is finite, not huge (over 16 guards) and reaches into the guarded surface.
bool circleWithinGuard(Point centre, double radius, double w, double h);

// A one-pixel solid line written straight into the pixels, without a painter: the segment is
// clipped to the surface, its ends truncated to pixels, and the pixels between are chosen by
// Bresenham's rule (both ends included).
void rasterLine(PixelBuffer surface, Point a, Point b, std::uint32_t pixel);

// The same line on a surface of scale device pixels to a logical pixel (a high-density
// screen): a and b are in logical pixels, and every logical pixel of the line is a
// scale x scale block, so the line is one logical pixel wide.
void rasterLine(PixelBuffer surface, Point a, Point b, std::uint32_t pixel, int scale);

} // namespace lumenary
