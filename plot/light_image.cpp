#include "light_image.h"

#include "parallel.h"
#include "segment_clip.h"

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

} // namespace

LightImage::LightImage(int width, int height) : LightImage(width, height, 0, height) {}

// One spare column beyond the picture, and a spare row above and below the band, take the far
// half of a smooth line along the last column or next to the band, so that drawing needs no test
// per pixel across a line.
LightImage::LightImage(int width, int height, int firstRow, int rows)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_firstRow(std::clamp(firstRow, 0, m_height)),
      m_rows(std::clamp(rows, 0, m_height - m_firstRow)), m_stride((m_width + 1) * 3),
      m_light(static_cast<std::size_t>(m_stride) * static_cast<std::size_t>(m_rows + 2), 0.0f)
{
}

void LightImage::restart(int firstRow, int rows)
{
    const int capacity = static_cast<int>(m_light.size() / static_cast<std::size_t>(m_stride)) - 2;
    m_firstRow = std::clamp(firstRow, 0, m_height);
    m_rows = std::clamp(rows, 0, std::min(capacity, m_height - m_firstRow));
    std::fill(m_light.begin(), m_light.end(), 0.0f);
}

std::size_t LightImage::index(int x, int y) const
{
    return static_cast<std::size_t>(y - m_firstRow + 1) * static_cast<std::size_t>(m_stride) +
           static_cast<std::size_t>(x) * 3;
}

bool LightImage::kept(int x, int y) const
{
    return x >= 0 && x < m_width && y >= m_firstRow && y < m_firstRow + m_rows;
}

void LightImage::addPixel(int x, int y, LinearRgb light)
{
    if (!kept(x, y))
        return;
    float* p = &m_light[index(x, y)];
    p[0] += static_cast<float>(light.r);
    p[1] += static_cast<float>(light.g);
    p[2] += static_cast<float>(light.b);
}

bool LightImage::reaches(double y0, double y1, double margin) const
{
    // A non-finite end is left to the clipping, which refuses it.
    return !(std::max(y0, y1) + margin < m_firstRow ||
             std::min(y0, y1) - margin >= m_firstRow + m_rows);
}

LinearRgb LightImage::at(int x, int y) const
{
    if (!kept(x, y))
        return {};
    const float* p = &m_light[index(x, y)];
    return {p[0], p[1], p[2]};
}

void LightImage::addLine(Point a, Point b, LinearRgb light)
{
    if (m_width > 0 && m_height > 0 && reaches(a.y, b.y, 1.0) &&
        clipSegment(a, b, 0.0, m_width - 1e-6, m_height - 1e-6))
        addInside(a, b, light);
}

void LightImage::addLine(Point a, Point b, LinearRgb light, const PixelRect& within)
{
    if (!reaches(a.y, b.y, 1.0))
        return;
    // Most segments of a clipped curve lie wholly above or below; skip them cheaply.
    const double bottom = within.top + within.height;
    if ((a.y < within.top && b.y < within.top) || (a.y > bottom && b.y > bottom))
        return;
    // The part of the rectangle (either way round) inside the picture.
    const double x1 = within.left + within.width;
    const double left = std::max(std::min(within.left, x1), 0.0);
    const double top = std::max(std::min(within.top, bottom), 0.0);
    const double right = std::min(std::max(within.left, x1), m_width - 1e-6);
    const double lower = std::min(std::max(within.top, bottom), m_height - 1e-6);
    if (!(right > left && lower > top))
        return;
    a = {a.x - left, a.y - top};
    b = {b.x - left, b.y - top};
    if (clipSegment(a, b, 0.0, right - left, lower - top))
        addInside({a.x + left, a.y + top}, {b.x + left, b.y + top}, light);
}

void LightImage::addInside(Point a, Point b, LinearRgb light)
{
    // One pixel per whole column (or row, for a steep line) from a's up to b's, b's left out so
    // that the next segment of a polyline lights it; the other coordinate is the line's at the
    // column's centre.
    const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
    const double major0 = steep ? a.y : a.x;
    const double major1 = steep ? b.y : b.x;
    const double minor0 = steep ? a.x : a.y;
    const double minor1 = steep ? b.x : b.y;
    const auto first = static_cast<int>(major0);
    const auto last = static_cast<int>(major1);
    const int direction = last >= first ? 1 : -1;
    const int count = std::max(std::abs(last - first), 1);
    const double slope = major1 != major0 ? (minor1 - minor0) / (major1 - major0) : 0.0;
    const int maxMajor = (steep ? m_height : m_width) - 1;
    const int maxMinor = (steep ? m_width : m_height) - 1;
    const auto r = static_cast<float>(light.r);
    const auto g = static_cast<float>(light.g);
    const auto bl = static_cast<float>(light.b);
    const int top = m_firstRow;
    const int end = m_firstRow + m_rows;
    float* base = m_light.data() + m_stride; // the band's first row
    // The steps that can fall on the band's rows, found from the line's equation with a step to
    // spare either way; each step is still tested, so the pixels are those of the whole line.
    double from = 0.0;
    double to = count - 1.0;
    if (steep) {
        const double a0 = direction * (top - first);
        const double a1 = direction * (end - 1 - first);
        from = std::max(from, std::min(a0, a1) - 1.0);
        to = std::min(to, std::max(a0, a1) + 1.0);
    } else if (slope != 0.0) {
        const double offset = first + 0.5 - major0;
        const double a0 = direction * ((top - minor0) / slope - offset);
        const double a1 = direction * ((end - minor0) / slope - offset);
        from = std::max(from, std::floor(std::min(a0, a1)) - 2.0);
        to = std::min(to, std::ceil(std::max(a0, a1)) + 2.0);
    }
    if (!(from <= to))
        return;
    for (int t = static_cast<int>(from); t <= static_cast<int>(to); ++t) {
        const int major = std::clamp(first + t * direction, 0, maxMajor);
        const double minor = minor0 + (major + 0.5 - major0) * slope;
        const int m = std::clamp(static_cast<int>(minor), 0, maxMinor);
        const int x = steep ? m : major;
        const int y = steep ? major : m;
        if (y < top || y >= end) // outside the band
            continue;
        float* p = base + static_cast<std::ptrdiff_t>(y - top) * m_stride + x * 3;
        p[0] += r;
        p[1] += g;
        p[2] += bl;
    }
}

namespace
{

// Calls line(a, b) for each of `count` parallel lines a pixel apart across the longer axis of
// a-b, centred on it.
template <typename Line> void sideBySide(Point a, Point b, int count, Line line)
{
    const bool steep = std::fabs(b.y - a.y) > std::fabs(b.x - a.x);
    for (int j = 0; j < count; ++j) {
        const double offset = j - 0.5 * (count - 1);
        const Point across = steep ? Point{offset, 0.0} : Point{0.0, offset};
        line(Point{a.x + across.x, a.y + across.y}, Point{b.x + across.x, b.y + across.y});
    }
}

} // namespace

void LightImage::addWideLine(Point a, Point b, LinearRgb light, int thickness)
{
    sideBySide(a, b, thickness, [&](Point p, Point q) { addLine(p, q, light); });
}

void LightImage::addWideLine(Point a, Point b, LinearRgb light, int thickness,
                             const PixelRect& within)
{
    sideBySide(a, b, thickness, [&](Point p, Point q) { addLine(p, q, light, within); });
}

void LightImage::addSmoothLine(Point a, Point b, LinearRgb light, double width)
{
    const double lines = std::isfinite(width) ? std::clamp(std::round(width), 1.0, 64.0) : 1.0;
    const double share = std::isfinite(width) && width > 0.0 ? width / lines : 1.0;
    const LinearRgb each{light.r * share, light.g * share, light.b * share};
    sideBySide(a, b, static_cast<int>(lines), [&](Point p, Point q) { addSmoothLine(p, q, each); });
}

void LightImage::addSmoothLine(Point a, Point b, LinearRgb light)
{
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return;
    if (!reaches(a.y, b.y, 2.0))
        return;
    if (m_width == 0 || m_height == 0 || !clipSegment(a, b, 0.0, m_width - 1.0, m_height - 1.0))
        return;
    double x0 = a.x;
    double y0 = a.y;
    double x1 = b.x;
    double y1 = b.y;
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
    // The band: rows along a steep line, rows across a flat one (the row above the band is kept
    // in the buffer, so that a line just above it lights the band's first row).
    const int top = m_firstRow;
    const int end = m_firstRow + m_rows;
    float* origin = m_light.data() + static_cast<std::ptrdiff_t>(1 - top) * m_stride;
    for (int x = first; x <= last; ++x, y += step) {
        if (steep && x < top)
            continue; // y still steps, as in the whole picture
        if (steep && x >= end)
            break;
        // Inside the buffer after clipping; a rounding error of the clip is held to its edge.
        const float held = std::clamp(y, 0.0f, edge);
        const int row = static_cast<int>(held);
        if (!steep && (row < top - 1 || row >= end)) {
            // Rows change one way along the line: once past the band, it is done.
            if ((step >= 0.0f) == (row >= end))
                break;
            continue;
        }
        const float f = held - static_cast<float>(row);
        float* p = origin + x * along + row * across;
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

void LightImage::encode(std::uint32_t* pixels, int rowStride, double exposure) const
{
    const auto& table = gammaTable();
    const auto e = static_cast<float>(std::isfinite(exposure) ? exposure : 0.0);
    const auto step = [](float v) {
        return static_cast<std::size_t>(std::clamp(v, 0.0f, 1.0f) * kSteps + 0.5f);
    };
    for (int y = m_firstRow; y < m_firstRow + m_rows; ++y) {
        const float* p = &m_light[index(0, y)];
        std::uint32_t* out = pixels + static_cast<std::ptrdiff_t>(y - m_firstRow) * rowStride;
        for (int x = 0; x < m_width; ++x, p += 3) {
            float r = p[0] * e;
            float g = p[1] * e;
            float b = p[2] * e;
            const float top = std::max({r, g, b});
            if (!(top > 0.0f)) { // most of the picture is dark
                out[x] = 0xff000000u;
                continue;
            }
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

void encodeInBands(int width, int height, const std::function<void(LightImage& band)>& draw,
                   std::uint32_t* pixels, int rowStride, double exposure)
{
    if (width <= 0 || height <= 0)
        return;
    // At least two bands where there is room, so that both threads draw.
    const int bands =
        std::max(height >= 32 ? 2 : 1, (height + kLightBandRows - 1) / kLightBandRows);
    const int rows = (height + bands - 1) / bands;
    const int threads = std::min(partThreads(), bands);
    // Every threads-th band in one buffer, made before the threads start so that its memory
    // comes from this thread's heap.
    std::vector<LightImage> buffers;
    buffers.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t)
        buffers.emplace_back(width, height, 0, rows);
    forEachPart(threads, [&](int part) {
        LightImage& band = buffers[static_cast<std::size_t>(part)];
        for (int b = part; b < bands; b += threads) {
            const int first = b * rows;
            band.restart(first, std::min(rows, height - first));
            draw(band);
            band.encode(pixels + static_cast<std::ptrdiff_t>(first) * rowStride, rowStride,
                        exposure);
        }
    });
}

} // namespace lumenary
