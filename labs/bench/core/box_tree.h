#pragma once

#include "vec2.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// A hierarchy of axis-aligned bounding boxes over numbered items (surfaces, glass regions,
// detectors), so that finding what a ray meets costs about log(items) box tests instead of one
// test per item. Built by halving the items at the median of their centres along the wider
// side of their box, down to leaves of one or two items.
namespace lumenary::bench
{

// An axis-aligned box; empty (lo > hi) until something is added.
struct Box {
    Vec2 lo{1e300, 1e300};
    Vec2 hi{-1e300, -1e300};

    void add(Vec2 p);
    void add(const Box& b);
    bool contains(Vec2 p) const;
    bool overlaps(const Box& b) const;
    // True when the segment a–b meets the box (both ends included).
    bool meetsSegment(Vec2 a, Vec2 b) const;
};

class BoxTree
{
public:
    // Builds the tree over boxes[i], item i.
    void build(const std::vector<Box>& boxes);

    // A ray prepared for box tests: its origin, and per axis the inverse of its direction (a
    // zero component marked, since 0 · ∞ has no value).
    struct Probe {
        Probe(Vec2 origin, Vec2 direction)
            : o(origin), inv{direction.x == 0.0 ? 0.0 : 1.0 / direction.x,
                             direction.y == 0.0 ? 0.0 : 1.0 / direction.y},
              zeroX(direction.x == 0.0), zeroY(direction.y == 0.0)
        {
        }
        Vec2 o;
        Vec2 inv;
        bool zeroX;
        bool zeroY;
    };

    // Calls visit(item) for every item in a leaf whose box the ray origin + t·direction enters at
    // some t in [0, limit()] (the item itself tests the ray); visit may lower the limit as it
    // finds nearer hits. Nearer boxes first, so the limit falls early.
    template <typename Visit, typename Limit>
    void alongRay(const Probe& probe, Visit&& visit, Limit&& limit) const;

    // Calls visit(item) for every item whose box holds p.
    template <typename Visit> void at(Vec2 p, Visit&& visit) const;

    // Calls visit(item) for every item whose box meets the box b.
    template <typename Visit> void overlapping(const Box& b, Visit&& visit) const;

    bool empty() const { return m_nodes.empty(); }

private:
    struct Node {
        Box box;
        std::int32_t first = 0; // leaf: first of m_items; inner: the left child (right = +1)
        std::int32_t count = 0; // items in a leaf; 0 for an inner node
    };
    std::int32_t buildNode(std::vector<Box>& boxes, std::int32_t first, std::int32_t count);
    // Where the ray enters the box, or a negative value when it misses it within limit.
    static double entry(const Box& b, const Probe& r, double limit)
    {
        double tmin = 0.0;
        double tmax = limit;
        if (r.zeroX) {
            if (r.o.x < b.lo.x || r.o.x > b.hi.x)
                return -1.0;
        } else {
            const double t1 = (b.lo.x - r.o.x) * r.inv.x;
            const double t2 = (b.hi.x - r.o.x) * r.inv.x;
            tmin = std::max(tmin, std::min(t1, t2));
            tmax = std::min(tmax, std::max(t1, t2));
        }
        if (r.zeroY) {
            if (r.o.y < b.lo.y || r.o.y > b.hi.y)
                return -1.0;
        } else {
            const double t1 = (b.lo.y - r.o.y) * r.inv.y;
            const double t2 = (b.hi.y - r.o.y) * r.inv.y;
            tmin = std::max(tmin, std::min(t1, t2));
            tmax = std::min(tmax, std::max(t1, t2));
        }
        return tmin <= tmax ? tmin : -1.0;
    }

    std::vector<Node> m_nodes;
    std::vector<std::int32_t> m_items;
    std::vector<Box> m_boxes; // each item's own box
};

template <typename Visit, typename Limit>
void BoxTree::alongRay(const Probe& probe, Visit&& visit, Limit&& limit) const
{
    if (m_nodes.empty())
        return;
    // A tree of one leaf: its items test the ray themselves.
    if (m_nodes[0].count > 0) {
        for (std::int32_t i = 0; i < m_nodes[0].count; ++i)
            visit(m_items[static_cast<std::size_t>(i)]);
        return;
    }
    struct Pending {
        std::int32_t node;
        double t;
    };
    Pending stack[128];
    int top = 0;
    const double t0 = entry(m_nodes[0].box, probe, limit());
    if (t0 < 0.0)
        return;
    stack[top++] = {0, t0};
    while (top > 0) {
        const Pending p = stack[--top];
        // A box entered beyond a hit found since it was put aside holds nothing nearer.
        if (p.t > limit())
            continue;
        const Node& node = m_nodes[static_cast<std::size_t>(p.node)];
        if (node.count > 0) {
            for (std::int32_t i = 0; i < node.count; ++i)
                visit(m_items[static_cast<std::size_t>(node.first + i)]);
            continue;
        }
        const std::int32_t l = node.first;
        const double lim = limit();
        const double tl = entry(m_nodes[static_cast<std::size_t>(l)].box, probe, lim);
        const double tr = entry(m_nodes[static_cast<std::size_t>(l + 1)].box, probe, lim);
        // The nearer child goes on top of the stack; the depth never passes log2(items) + 2.
        if (tl >= 0.0 && tr >= 0.0) {
            stack[top++] = tl <= tr ? Pending{l + 1, tr} : Pending{l, tl};
            stack[top++] = tl <= tr ? Pending{l, tl} : Pending{l + 1, tr};
        } else if (tl >= 0.0) {
            stack[top++] = {l, tl};
        } else if (tr >= 0.0) {
            stack[top++] = {l + 1, tr};
        }
    }
}

template <typename Visit> void BoxTree::at(Vec2 p, Visit&& visit) const
{
    if (m_nodes.empty())
        return;
    std::int32_t stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const Node& node = m_nodes[static_cast<std::size_t>(stack[--top])];
        if (!node.box.contains(p))
            continue;
        if (node.count > 0) {
            for (std::int32_t i = 0; i < node.count; ++i) {
                const std::int32_t item = m_items[static_cast<std::size_t>(node.first + i)];
                if (m_boxes[static_cast<std::size_t>(item)].contains(p))
                    visit(item);
            }
            continue;
        }
        stack[top++] = node.first + 1;
        stack[top++] = node.first;
    }
}

template <typename Visit> void BoxTree::overlapping(const Box& b, Visit&& visit) const
{
    if (m_nodes.empty())
        return;
    std::int32_t stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const Node& node = m_nodes[static_cast<std::size_t>(stack[--top])];
        if (!node.box.overlaps(b))
            continue;
        if (node.count > 0) {
            for (std::int32_t i = 0; i < node.count; ++i) {
                const std::int32_t item = m_items[static_cast<std::size_t>(node.first + i)];
                if (m_boxes[static_cast<std::size_t>(item)].overlaps(b))
                    visit(item);
            }
            continue;
        }
        stack[top++] = node.first + 1;
        stack[top++] = node.first;
    }
}

} // namespace lumenary::bench
