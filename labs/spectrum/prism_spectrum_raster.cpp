#include "prism_spectrum_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace lumenary
{

namespace
{

// Gamma encoding by table: 4096 steps of linear light are finer than 8-bit output can show.
constexpr int kSteps = 4096;

const std::array<std::uint8_t, kSteps + 1>& gammaTable()
{
    static const auto table = [] {
        std::array<std::uint8_t, kSteps + 1> t{};
        for (int i = 0; i <= kSteps; ++i) {
            const double step = static_cast<double>(i) / kSteps;
            t[static_cast<std::size_t>(i)] = encodeSrgb({step, step, step}).r;
        }
        return t;
    }();
    return table;
}

// Cuts the line to the box [0, w] × [0, h] (Liang–Barsky); false when nothing is left.
bool clipLine(double& x0, double& y0, double& x1, double& y1, double w, double h)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, w - x0, y0, h - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = x0 + t0 * dx;
    y0 = y0 + t0 * dy;
    return true;
}

} // namespace

// One spare column and row beyond the picture take the far half of a line along its last
// column or row, so that drawing needs no test per pixel.
LightBuffer::LightBuffer(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_stride((m_width + 1) * 3),
      m_light(static_cast<std::size_t>(m_stride) * static_cast<std::size_t>(m_height + 1), 0.0f)
{
}

std::size_t LightBuffer::index(int x, int y) const
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_stride) +
           static_cast<std::size_t>(x) * 3;
}

void LightBuffer::addLine(double x0, double y0, double x1, double y1, LinearRgb light)
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    if (m_width == 0 || m_height == 0 || !clipLine(x0, y0, x1, y1, m_width - 1.0, m_height - 1.0))
        return;
    const float rgb[3] = {static_cast<float>(light.r), static_cast<float>(light.g),
                          static_cast<float>(light.b)};
    // Step along the longer axis one pixel at a time; across it, the light is shared between
    // the two pixels the line passes between.
    const bool steep = std::fabs(y1 - y0) > std::fabs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const double slope = x1 > x0 ? (y1 - y0) / (x1 - x0) : 0.0;
    const int first = static_cast<int>(std::lround(x0));
    const int last = static_cast<int>(std::lround(x1));
    // Along and across, in floats of the buffer: a pixel's step and its neighbour across.
    const std::ptrdiff_t along = steep ? m_stride : 3;
    const std::ptrdiff_t across = steep ? 3 : m_stride;
    // Across, in single precision: over a few thousand steps it drifts far less than a pixel.
    const auto step = static_cast<float>(slope);
    auto y = static_cast<float>(y0 + slope * (first - x0));
    const auto edge = static_cast<float>((steep ? m_width : m_height) - 1);
    for (int x = first; x <= last; ++x, y += step) {
        // Inside the buffer after clipping; a rounding error of the clip is held to its edge.
        const float held = std::clamp(y, 0.0f, edge);
        const int row = static_cast<int>(held);
        const float f = held - static_cast<float>(row);
        float* p = m_light.data() + x * along + row * across;
        float* q = p + across;
        const float near = 1.0f - f;
        p[0] += near * rgb[0];
        p[1] += near * rgb[1];
        p[2] += near * rgb[2];
        q[0] += f * rgb[0];
        q[1] += f * rgb[1];
        q[2] += f * rgb[2];
    }
}

LinearRgb LightBuffer::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return {};
    const float* p = &m_light[index(x, y)];
    return {p[0], p[1], p[2]};
}

void LightBuffer::encode(std::uint32_t* pixels, int rowStride) const
{
    const auto& table = gammaTable();
    const auto step = [](float v) {
        return static_cast<std::size_t>(std::clamp(v, 0.0f, 1.0f) * kSteps + 0.5f);
    };
    for (int y = 0; y < m_height; ++y) {
        const float* p = &m_light[index(0, y)];
        std::uint32_t* out = pixels + static_cast<std::ptrdiff_t>(y) * rowStride;
        for (int x = 0; x < m_width; ++x, p += 3) {
            float r = p[0];
            float g = p[1];
            float b = p[2];
            if (r == 0.0f && g == 0.0f && b == 0.0f) { // most of the picture is dark
                out[x] = 0xff000000u;
                continue;
            }
            const float top = std::max({r, g, b});
            if (top > 1.0f) {
                r /= top;
                g /= top;
                b /= top;
            }
            out[x] = 0xff000000u | (std::uint32_t{table[step(r)]} << 16) |
                     (std::uint32_t{table[step(g)]} << 8) | table[step(b)];
        }
    }
}

} // namespace lumenary
