#include "light_buffer.h"

#include <algorithm>
#include <cmath>

namespace lumenary::tools
{

LightBuffer::LightBuffer(int width, int height)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)),
      m_light(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height))
{
}

void LightBuffer::addPixel(int x, int y, Colour3 colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    Colour3& c = m_light[static_cast<std::size_t>(y) * m_width + x];
    c.r += colour.r;
    c.g += colour.g;
    c.b += colour.b;
}

Colour3 LightBuffer::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return {};
    return m_light[static_cast<std::size_t>(y) * m_width + x];
}

void LightBuffer::addSegment(Vec2 a, Vec2 b, Colour3 colour, double sigma)
{
    if (!(sigma > 0.0))
        return;
    const double reach = 3.0 * sigma;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - reach)));
    const int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - reach)));
    const int y1 = std::min(m_height - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + reach)));
    const Vec2 ab = b - a;
    const double ab2 = dot(ab, ab);
    const double twoSigma2 = 2.0 * sigma * sigma;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Vec2 p{x + 0.5, y + 0.5};
            double t = ab2 > 0 ? dot(p - a, ab) / ab2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const Vec2 off = p - (a + t * ab);
            const double d2 = dot(off, off);
            if (d2 > reach * reach)
                continue;
            const double w = std::exp(-d2 / twoSigma2);
            addPixel(x, y, {colour.r * w, colour.g * w, colour.b * w});
        }
    }
}

int displayChannel(double linear)
{
    const double v = std::pow(std::clamp(linear, 0.0, 1.0), 1.0 / 2.2);
    return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255);
}

QImage LightBuffer::expose(double exposure) const
{
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const Colour3 c = at(x, y);
            auto film = [exposure](double v) { return 1.0 - std::exp(-exposure * v); };
            image.setPixel(x, y,
                           qRgb(displayChannel(film(c.r)), displayChannel(film(c.g)),
                                displayChannel(film(c.b))));
        }
    }
    return image;
}

} // namespace lumenary::tools
