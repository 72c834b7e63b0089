#include "box_tree.h"

#include <algorithm>
#include <numeric>

namespace lumenary::bench
{

void Box::add(Vec2 p)
{
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
}

void Box::add(const Box& b)
{
    if (b.lo.x > b.hi.x)
        return;
    add(b.lo);
    add(b.hi);
}

bool Box::contains(Vec2 p) const
{
    return p.x >= lo.x && p.x <= hi.x && p.y >= lo.y && p.y <= hi.y;
}

bool Box::overlaps(const Box& b) const
{
    return b.lo.x <= hi.x && b.hi.x >= lo.x && b.lo.y <= hi.y && b.hi.y >= lo.y;
}

bool Box::meetsSegment(Vec2 a, Vec2 b) const
{
    double t0 = 0.0;
    double t1 = 1.0;
    const Vec2 d = b - a;
    const double from[2] = {a.x, a.y};
    const double step[2] = {d.x, d.y};
    const double low[2] = {lo.x, lo.y};
    const double high[2] = {hi.x, hi.y};
    for (int k = 0; k < 2; ++k) {
        if (step[k] == 0.0) {
            if (from[k] < low[k] || from[k] > high[k])
                return false;
            continue;
        }
        double u = (low[k] - from[k]) / step[k];
        double v = (high[k] - from[k]) / step[k];
        if (u > v)
            std::swap(u, v);
        t0 = std::max(t0, u);
        t1 = std::min(t1, v);
        if (t0 > t1)
            return false;
    }
    return true;
}

void BoxTree::build(const std::vector<Box>& boxes)
{
    m_nodes.clear();
    m_boxes = boxes;
    m_items.resize(boxes.size());
    std::iota(m_items.begin(), m_items.end(), 0);
    if (boxes.empty())
        return;
    m_nodes.reserve(2 * boxes.size());
    m_nodes.emplace_back();
    struct Task {
        std::int32_t node, first, count;
    };
    std::vector<Task> tasks{{0, 0, static_cast<std::int32_t>(boxes.size())}};
    while (!tasks.empty()) {
        const Task task = tasks.back();
        tasks.pop_back();
        Box bound;
        for (std::int32_t i = task.first; i < task.first + task.count; ++i)
            bound.add(boxes[static_cast<std::size_t>(m_items[static_cast<std::size_t>(i)])]);
        m_nodes[static_cast<std::size_t>(task.node)].box = bound;
        if (task.count <= 2) {
            m_nodes[static_cast<std::size_t>(task.node)].first = task.first;
            m_nodes[static_cast<std::size_t>(task.node)].count = task.count;
            continue;
        }
        const bool alongX = bound.hi.x - bound.lo.x >= bound.hi.y - bound.lo.y;
        const auto centre = [&](std::int32_t item) {
            const Box& b = boxes[static_cast<std::size_t>(item)];
            return alongX ? b.lo.x + b.hi.x : b.lo.y + b.hi.y;
        };
        const auto begin = m_items.begin() + task.first;
        const std::int32_t half = task.count / 2;
        std::nth_element(begin, begin + half, begin + task.count,
                         [&](std::int32_t a, std::int32_t b) {
                             const double ca = centre(a);
                             const double cb = centre(b);
                             return ca < cb || (ca == cb && a < b);
                         });
        const auto left = static_cast<std::int32_t>(m_nodes.size());
        m_nodes.emplace_back();
        m_nodes.emplace_back();
        m_nodes[static_cast<std::size_t>(task.node)].first = left;
        m_nodes[static_cast<std::size_t>(task.node)].count = 0;
        tasks.push_back({left, task.first, half});
        tasks.push_back({left + 1, task.first + half, task.count - half});
    }
}

} // namespace lumenary::bench
