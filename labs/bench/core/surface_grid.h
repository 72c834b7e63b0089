#pragma once

#include "box_tree.h"

#include <cstdint>
#include <limits>
#include <vector>

// A uniform grid over the surfaces' boxes, each cell listing the surfaces whose boxes meet it:
// for scenes whose surfaces are spread evenly (the usual bench), a ray's next surface is found by
// stepping through the few cells it crosses, far fewer operations than descending a box tree.
// Where the surfaces crowd into few cells the grid is not built and the box tree serves.
namespace lumenary::bench
{

class SurfaceGrid
{
public:
    // Builds the grid over boxes[i], item i; false (and no grid) for a handful of items, or when
    // some cell would list too many items or the items would fill too many cells (a crowded or
    // very uneven scene).
    bool build(const std::vector<Box>& boxes);
    bool built() const { return m_nx > 0; }

    // The items one search has visited, marked by the number of the search: each thread that
    // searches the grid keeps its own, so that the grid itself is never written to.
    struct Visits {
        std::vector<std::uint32_t> seen; // per item: the last search that visited it
        std::uint32_t search = 0;
    };

    // Calls visit(item) for every item listed in the cells the ray origin + t·direction crosses
    // from t = 0, cell after cell, until a cell is left beyond limit() (visit may lower it); each
    // item at most once per call, told by the marks in visits.
    template <typename Visit, typename Limit>
    void alongRay(Vec2 o, Vec2 d, Visits& visits, Visit&& visit, Limit&& limit) const;

private:
    Box m_box;
    int m_nx = 0;
    int m_ny = 0;
    double m_cellW = 1.0;
    double m_cellH = 1.0;
    double m_perCellX = 1.0; // 1 / m_cellW
    double m_perCellY = 1.0;
    std::vector<std::int32_t> m_start; // cell c lists m_items[m_start[c] .. m_start[c + 1])
    std::vector<std::int32_t> m_items;
    std::size_t m_itemCount = 0;
};

template <typename Visit, typename Limit>
void SurfaceGrid::alongRay(Vec2 o, Vec2 d, Visits& visits, Visit&& visit, Limit&& limit) const
{
    if (m_nx == 0)
        return;
    // The reciprocals of the direction's components, so that the walk multiplies where it would
    // divide (a component too small to have one counts as 0: the ray keeps to its column or
    // row, off by less than the padding of the boxes the cells list).
    const double inf = std::numeric_limits<double>::infinity();
    const double rx = 1.0 / d.x;
    const double ry = 1.0 / d.y;
    const double inv[2] = {std::isfinite(rx) ? rx : 0.0, std::isfinite(ry) ? ry : 0.0};
    // Where the ray enters and leaves the grid.
    double t0 = 0.0;
    double t1 = inf;
    const double lo[2] = {m_box.lo.x, m_box.lo.y};
    const double hi[2] = {m_box.hi.x, m_box.hi.y};
    const double from[2] = {o.x, o.y};
    for (int k = 0; k < 2; ++k) {
        if (inv[k] == 0.0) {
            if (from[k] < lo[k] || from[k] > hi[k])
                return;
            continue;
        }
        const double a = (lo[k] - from[k]) * inv[k];
        const double b = (hi[k] - from[k]) * inv[k];
        t0 = std::max(t0, std::min(a, b));
        t1 = std::min(t1, std::max(a, b));
    }
    if (t0 > t1 || t0 > limit())
        return;
    // Marks left by another grid are numbers of earlier searches, never the current one.
    if (visits.seen.size() != m_itemCount) {
        visits.seen.assign(m_itemCount, 0u);
        visits.search = 0;
    }
    if (++visits.search == 0) {
        std::fill(visits.seen.begin(), visits.seen.end(), 0u);
        visits.search = 1;
    }
    const std::uint32_t search = visits.search;
    // Held in locals: visit() calls out of line, after which members would be loaded again.
    std::uint32_t* const seenBy = visits.seen.data();
    const std::int32_t* const start = m_start.data();
    const std::int32_t* const items = m_items.data();
    const int nx = m_nx;
    const int ny = m_ny;
    const Vec2 p = o + t0 * d;
    int ix = std::clamp(static_cast<int>(std::floor((p.x - m_box.lo.x) * m_perCellX)), 0, nx - 1);
    int iy = std::clamp(static_cast<int>(std::floor((p.y - m_box.lo.y) * m_perCellY)), 0, ny - 1);
    const int sx = inv[0] > 0.0 ? 1 : -1;
    const int sy = inv[1] > 0.0 ? 1 : -1;
    const double dx = inv[0] != 0.0 ? m_cellW * std::fabs(inv[0]) : inf;
    const double dy = inv[1] != 0.0 ? m_cellH * std::fabs(inv[1]) : inf;
    double nextX =
        inv[0] != 0.0 ? (m_box.lo.x + (ix + (sx > 0 ? 1 : 0)) * m_cellW - o.x) * inv[0] : inf;
    double nextY =
        inv[1] != 0.0 ? (m_box.lo.y + (iy + (sy > 0 ? 1 : 0)) * m_cellH - o.y) * inv[1] : inf;
    for (;;) {
        const auto cell = static_cast<std::size_t>(iy) * static_cast<std::size_t>(nx) +
                          static_cast<std::size_t>(ix);
        const std::int32_t end = start[cell + 1];
        for (std::int32_t i = start[cell]; i < end; ++i) {
            const std::int32_t item = items[i];
            std::uint32_t& seen = seenBy[item];
            if (seen != search) {
                seen = search;
                visit(item);
            }
        }
        const double exit = std::min(nextX, nextY);
        if (limit() <= exit || exit > t1)
            return;
        if (nextX < nextY) {
            ix += sx;
            if (ix < 0 || ix >= nx)
                return;
            nextX += dx;
        } else {
            iy += sy;
            if (iy < 0 || iy >= ny)
                return;
            nextY += dy;
        }
    }
}

} // namespace lumenary::bench
