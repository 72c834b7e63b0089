#include "surface_grid.h"

#include <algorithm>
#include <cmath>

namespace lumenary::bench
{

namespace
{

// A cell may list this many items, and all cells together this many per item (plus a little):
// past either the scene is crowded in places, and the box tree does better.
constexpr std::int64_t kMaxPerCell = 24;
constexpr std::int64_t kMaxListedPerItem = 16;
constexpr int kMaxCellsPerSide = 1024;
// Below this many items the box tree is a few boxes deep and the grid saves nothing.
constexpr std::size_t kMinItems = 24;

} // namespace

bool SurfaceGrid::build(const std::vector<Box>& boxes)
{
    m_nx = m_ny = 0;
    m_start.clear();
    m_items.clear();
    m_itemCount = 0;
    if (boxes.size() < kMinItems)
        return false;
    Box all;
    for (const Box& b : boxes)
        all.add(b);
    const double w = all.hi.x - all.lo.x;
    const double h = all.hi.y - all.lo.y;
    if (!(w > 0.0 && h > 0.0) || !std::isfinite(w * h))
        return false;
    // About two cells per item, as near square as the scene allows.
    const double side = std::sqrt(w * h / (2.0 * static_cast<double>(boxes.size())));
    const int nx = static_cast<int>(std::clamp(std::ceil(w / side), 1.0, double(kMaxCellsPerSide)));
    const int ny = static_cast<int>(std::clamp(std::ceil(h / side), 1.0, double(kMaxCellsPerSide)));
    const double cellW = w / nx;
    const double cellH = h / ny;
    const auto span = [&](const Box& b, int& x0, int& x1, int& y0, int& y1) {
        x0 = std::clamp(static_cast<int>(std::floor((b.lo.x - all.lo.x) / cellW)), 0, nx - 1);
        x1 = std::clamp(static_cast<int>(std::floor((b.hi.x - all.lo.x) / cellW)), 0, nx - 1);
        y0 = std::clamp(static_cast<int>(std::floor((b.lo.y - all.lo.y) / cellH)), 0, ny - 1);
        y1 = std::clamp(static_cast<int>(std::floor((b.hi.y - all.lo.y) / cellH)), 0, ny - 1);
    };
    const auto cells = static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny);
    std::vector<std::int32_t> count(cells + 1, 0);
    std::int64_t listed = 0;
    const std::int64_t maxListed =
        kMaxListedPerItem * static_cast<std::int64_t>(boxes.size()) + 1024;
    for (const Box& b : boxes) {
        int x0, x1, y0, y1;
        span(b, x0, x1, y0, y1);
        listed += std::int64_t(x1 - x0 + 1) * (y1 - y0 + 1);
        if (listed > maxListed)
            return false;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (++count[static_cast<std::size_t>(y) * nx + static_cast<std::size_t>(x)] >
                    kMaxPerCell)
                    return false;
    }
    m_start.assign(cells + 1, 0);
    for (std::size_t c = 0; c < cells; ++c)
        m_start[c + 1] = m_start[c] + count[c];
    m_items.resize(static_cast<std::size_t>(m_start[cells]));
    std::vector<std::int32_t> fill(m_start.begin(), m_start.end() - 1);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        int x0, x1, y0, y1;
        span(boxes[i], x0, x1, y0, y1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                m_items[static_cast<std::size_t>(
                    fill[static_cast<std::size_t>(y) * nx + static_cast<std::size_t>(x)]++)] =
                    static_cast<std::int32_t>(i);
    }
    m_box = all;
    m_nx = nx;
    m_ny = ny;
    m_cellW = cellW;
    m_cellH = cellH;
    m_perCellX = 1.0 / cellW;
    m_perCellY = 1.0 / cellH;
    m_itemCount = boxes.size();
    return true;
}

} // namespace lumenary::bench
