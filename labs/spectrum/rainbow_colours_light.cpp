#include "rainbow_colours_light.h"

#include "line_raster.h"
#include "rainbow_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace lumenary::rainbow
{

namespace
{

constexpr int kLevels = 4096;

// sRGB encoding of one component in kLevels + 1 steps, from the colour core's own rule.
const std::array<std::uint8_t, kLevels + 1>& encodingTable()
{
    static const auto table = [] {
        std::array<std::uint8_t, kLevels + 1> t{};
        for (int j = 0; j <= kLevels; ++j) {
            const double v = static_cast<double>(j) / kLevels;
            t[static_cast<std::size_t>(j)] = encodeSrgb({v, v, v}).r;
        }
        return t;
    }();
    return table;
}

LinearRgb hue(double nm)
{
    const LinearRgb c = spectralColour(nm);
    const double top = std::max({c.r, c.g, c.b});
    return top > 0.0 ? LinearRgb{c.r / top, c.g / top, c.b / top} : LinearRgb{};
}

// The per-primary weights that make the hues of the band add up to white.
LinearRgb whiteBalance()
{
    static const LinearRgb balance = [] {
        LinearRgb sum;
        const std::vector<double> nm = bandWavelengths(kMaxWavelengths);
        for (double lambda : nm) {
            const LinearRgb c = hue(lambda);
            sum.r += c.r;
            sum.g += c.g;
            sum.b += c.b;
        }
        const auto count = static_cast<double>(nm.size());
        return LinearRgb{count / sum.r, count / sum.g, count / sum.b};
    }();
    return balance;
}

} // namespace

LightImage::LightImage(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_light(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 3, 0.0f)
{
}

void LightImage::addPixel(int x, int y, LinearRgb light)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    float* p = &m_light[(static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                         static_cast<std::size_t>(x)) *
                        3];
    p[0] += static_cast<float>(light.r);
    p[1] += static_cast<float>(light.g);
    p[2] += static_cast<float>(light.b);
}

LinearRgb LightImage::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return {};
    const float* p = &m_light[(static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                               static_cast<std::size_t>(x)) *
                              3];
    return {p[0], p[1], p[2]};
}

void LightImage::addLine(QPointF a, QPointF b, LinearRgb light)
{
    if (m_width > 0 && m_height > 0 && clipSegment(a, b, 0.0, m_width - 1e-6, m_height - 1e-6))
        addInside(a, b, light);
}

void LightImage::addLine(QPointF a, QPointF b, LinearRgb light, const QRectF& within)
{
    // Most segments of a clipped curve lie wholly above or below; skip them cheaply.
    if ((a.y() < within.top() && b.y() < within.top()) ||
        (a.y() > within.bottom() && b.y() > within.bottom()))
        return;
    const QRectF r = within.intersected(QRectF(0.0, 0.0, m_width - 1e-6, m_height - 1e-6));
    if (r.isEmpty())
        return;
    a -= r.topLeft();
    b -= r.topLeft();
    // clipSegment clips to [0, w] x [0, h] when given lo = 0.
    if (clipSegment(a, b, 0.0, r.width(), r.height()))
        addInside(a + r.topLeft(), b + r.topLeft(), light);
}

void LightImage::addInside(QPointF a, QPointF b, LinearRgb light)
{
    // One pixel per whole column (or row, for a steep line) from a's up to b's, b's left out so
    // that the next segment of a polyline lights it; the other coordinate is the line's at the
    // column's centre.
    const bool steep = std::fabs(b.y() - a.y()) > std::fabs(b.x() - a.x());
    const double major0 = steep ? a.y() : a.x();
    const double major1 = steep ? b.y() : b.x();
    const double minor0 = steep ? a.x() : a.y();
    const double minor1 = steep ? b.x() : b.y();
    const auto first = static_cast<int>(major0);
    const auto last = static_cast<int>(major1);
    const int direction = last >= first ? 1 : -1;
    const int count = std::max(std::abs(last - first), 1);
    const double slope = major1 != major0 ? (minor1 - minor0) / (major1 - major0) : 0.0;
    const int maxMajor = (steep ? m_height : m_width) - 1;
    const int maxMinor = (steep ? m_width : m_height) - 1;
    const float r = static_cast<float>(light.r);
    const float g = static_cast<float>(light.g);
    const float bl = static_cast<float>(light.b);
    float* base = m_light.data();
    for (int t = 0; t < count; ++t) {
        const int major = std::clamp(first + t * direction, 0, maxMajor);
        const double minor = minor0 + (major + 0.5 - major0) * slope;
        const int m = std::clamp(static_cast<int>(minor), 0, maxMinor);
        const int x = steep ? m : major;
        const int y = steep ? major : m;
        float* p = base + (static_cast<std::ptrdiff_t>(y) * m_width + x) * 3;
        p[0] += r;
        p[1] += g;
        p[2] += bl;
    }
}

void LightImage::addWideLine(QPointF a, QPointF b, LinearRgb light, int thickness)
{
    const bool steep = std::fabs(b.y() - a.y()) > std::fabs(b.x() - a.x());
    const QPointF across = steep ? QPointF(1.0, 0.0) : QPointF(0.0, 1.0);
    for (int j = 0; j < thickness; ++j) {
        const double offset = j - 0.5 * (thickness - 1);
        addLine(a + offset * across, b + offset * across, light);
    }
}

QImage LightImage::toImage(double exposure) const
{
    QImage image(m_width, m_height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const auto& table = encodingTable();
    const float e = static_cast<float>(std::isfinite(exposure) ? exposure : 0.0);
    const float* p = m_light.data();
    for (int y = 0; y < m_height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x, p += 3) {
            float r = p[0] * e;
            float g = p[1] * e;
            float b = p[2] * e;
            const float top = std::max({r, g, b});
            if (!(top > 0.0f)) {
                line[x] = qRgb(0, 0, 0);
                continue;
            }
            if (top > 1.0f) {
                r /= top;
                g /= top;
                b /= top;
            }
            const auto level = [](float v) {
                return static_cast<std::size_t>(std::clamp(v, 0.0f, 1.0f) * kLevels + 0.5f);
            };
            line[x] = qRgb(table[level(r)], table[level(g)], table[level(b)]);
        }
    }
    return image;
}

LinearRgb lineColour(double nanometres)
{
    const LinearRgb c = hue(nanometres);
    const LinearRgb w = whiteBalance();
    return {c.r * w.r, c.g * w.g, c.b * w.b};
}

} // namespace lumenary::rainbow
