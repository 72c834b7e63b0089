#pragma once

// Small scenes built in code for the Optical Bench's tests.
#include "element_geometry.h"
#include "scene.h"
#include "tracer.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace lumenary::bench::test
{

inline Element element(ElementShape shape, std::string name = {})
{
    return Element{std::move(shape), std::move(name), {}};
}

inline Scene scene(std::vector<Element> elements, bool fresnel = false)
{
    Scene s;
    s.fresnel = fresnel;
    s.elements = std::move(elements);
    return s;
}

inline Light colour(double nm)
{
    return Light{nm, 0};
}

inline Medium fixedIndex(double n)
{
    return Medium{nullptr, n};
}

inline Medium material(const char* name)
{
    return Medium{mediumByName(name), 1.0};
}

// A rectangle of glass.
inline Element slab(double x0, double y0, double x1, double y1, Medium m)
{
    return element(Glass{{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, m});
}

inline std::unique_ptr<Tracer> traced(const Scene& s)
{
    auto t = std::make_unique<Tracer>();
    t->setScene(s);
    t->run();
    return t;
}

// The unit direction of a segment.
inline Vec2 heading(const TraceSegment& s)
{
    return unit(s.to - s.from);
}

// The distance from point p to the line through a segment.
inline double offLine(const TraceSegment& s, Vec2 p)
{
    return std::fabs(cross(heading(s), p - s.from));
}

// The path's segments from its start along the branch that begins with the given starts.
inline std::vector<const TraceSegment*> branch(const TracedPath& path,
                                               const std::vector<SegmentStart>& starts)
{
    std::vector<const TraceSegment*> out;
    std::int32_t parent = -1;
    for (const SegmentStart want : starts) {
        const TraceSegment* next = nullptr;
        for (std::size_t i = 0; i < path.segments.size() && !next; ++i)
            if (path.segments[i].parent == parent && path.segments[i].start == want) {
                next = &path.segments[i];
                parent = static_cast<std::int32_t>(i);
            }
        if (!next)
            return {};
        out.push_back(next);
    }
    return out;
}

// An angle difference in degrees brought into (−180, 180].
inline double angleBetween(double a, double b)
{
    double d = std::remainder(a - b, 360.0);
    return d <= -180.0 ? d + 360.0 : d;
}

} // namespace lumenary::bench::test
