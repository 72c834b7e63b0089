#include "pixel_raster.h"

#include "segment_clip.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumenary
{

namespace
{

// The fixed-point form is exact while the slope's truncation, summed over a span (less than
// one unit of 2^-32 per pixel, so below kBias in all), stays under the smallest distance from
// k * minor / major + 1/2 up to the next whole number (1 / (2 * major), or 2^31 / major units).
constexpr int kExactSpan = 1 << 14;
constexpr std::uint64_t kBias = std::uint64_t(1) << 15;

} // namespace

Point clampToGuard(Point p, double w, double h)
{
    return {std::clamp(p.x, -kDrawGuard, w + kDrawGuard),
            std::clamp(p.y, -kDrawGuard, h + kDrawGuard)};
}

bool circleWithinGuard(Point c, double r, double w, double h)
{
    return std::isfinite(r) && r <= kDrawGuard * 16 && c.x + r >= -kDrawGuard &&
           c.y + r >= -kDrawGuard && c.x - r <= w + kDrawGuard && c.y - r <= h + kDrawGuard;
}

void rasterLine(PixelBuffer image, Point a, Point b, std::uint32_t pixel)
{
    const int w = image.width;
    const int h = image.height;
    if (w <= 0 || h <= 0 || !clipSegment(a, b, 0.0, w - 1e-6, h - 1e-6))
        return;
    const int x0 = static_cast<int>(a.x);
    const int y0 = static_cast<int>(a.y);
    const int x1 = static_cast<int>(b.x);
    const int y1 = static_cast<int>(b.y);
    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const std::ptrdiff_t stepX = x0 < x1 ? 1 : -1;
    const std::ptrdiff_t stepY = (y0 < y1 ? 1 : -1) * image.stride;
    std::uint32_t* const first = image.bits + y0 * image.stride + x0;
    const bool xMajor = dx >= dy;
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    const std::ptrdiff_t stepMajor = xMajor ? stepX : stepY;
    const std::ptrdiff_t stepMinor = xMajor ? stepY : stepX;

    if (major < kExactSpan) {
        // Bresenham's rule in closed form: the k-th pixel along the major axis lies
        // floor(k * minor / major + 1/2) pixels along the minor one. A 32.32 fixed-point sum
        // that starts a little above one half gives exactly that for spans this short (see
        // kExactSpan), with no error term carried from pixel to pixel.
        const std::uint64_t slope =
            major > 0 ? (std::uint64_t(minor) << 32) / std::uint64_t(major) : 0;
        std::uint64_t sum = (std::uint64_t(1) << 31) + kBias;
        std::uint32_t* at = first;
        for (int k = 0; k <= major; ++k) {
            at[static_cast<std::ptrdiff_t>(sum >> 32) * stepMinor] = pixel;
            at += stepMajor;
            sum += slope;
        }
        return;
    }

    // Longer spans: the error terms stepped one pixel at a time, without branches.
    int err = major - minor;
    std::uint32_t* at = first;
    for (int k = 0; k < major; ++k) {
        *at = pixel;
        const int e2 = 2 * err;
        const int moveMinor = -static_cast<int>(e2 <= major);
        err += -minor + (major & moveMinor);
        at += stepMajor + (stepMinor & moveMinor);
    }
    *at = pixel;
}

void rasterLine(PixelBuffer image, Point a, Point b, std::uint32_t pixel, int scale)
{
    if (scale <= 1) {
        rasterLine(image, a, b, pixel);
        return;
    }
    const int w = image.width / scale;
    const int h = image.height / scale;
    if (w <= 0 || h <= 0 || !clipSegment(a, b, 0.0, w - 1e-6, h - 1e-6))
        return;
    int x = static_cast<int>(a.x);
    int y = static_cast<int>(a.y);
    const int x1 = static_cast<int>(b.x);
    const int y1 = static_cast<int>(b.y);
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    auto block = [&](int px, int py) {
        for (int row = 0; row < scale; ++row) {
            std::uint32_t* line = image.bits + (py * scale + row) * image.stride + px * scale;
            std::fill(line, line + scale, pixel);
        }
    };
    int err = dx + dy;
    for (;;) {
        block(x, y);
        if (x == x1 && y == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace lumenary
