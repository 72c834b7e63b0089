#pragma once

#include "surfaces.h"
#include "tracer.h"

#include <array>
#include <cstdint>
#include <vector>

// The tracer's worker: one thread's state while it traces a path, segment by segment (the parts
// of the path still to trace, the indices at the path's wavelength, its own marks for the surface
// grid), so that several walkers can trace different paths of one CompiledScene at once. Used by
// Tracer only.
namespace lumenary::bench
{

class PathWalker
{
public:
    // Starts `path` afresh (its segments, hits and counts cleared): its source ray is the one
    // part to trace. `table` holds the dispersion table's indices at the path's wavelength.
    void begin(const CompiledScene& scene, const std::array<double, 4>& table, TracedPath& path);
    // Parts of the path still to trace; 0 when it is done.
    std::size_t parts() const { return m_stack.size(); }
    // Traces the next part: one segment for the path, and the parts it leads to. The segments
    // gather in the walker until flush() (the path's hits, counts and box are kept at once).
    void step(TracedPath& path);
    // Adds the segments traced since the last flush to the path: once when it is done, so that
    // it holds them in one block of their exact size, or when a trace stops part way.
    void flush(TracedPath& path) const;
    // Drops the parts still to trace (the path is cut) and the segments not flushed.
    void drop();
    // Exchanges the paths under way with another walker (a path begun on one thread and carried
    // on by another).
    void swap(PathWalker& other) noexcept;

private:
    // A ray still to be traced from a point: what the next segment starts with.
    struct Part {
        Vec2 origin;
        Vec2 direction;
        double intensity = 1.0;
        std::int64_t interactions = 0;
        std::int32_t parent = -1;
        SegmentStart start = SegmentStart::Source;
        std::uint8_t onCount = 0;
        std::array<std::int32_t, 4> on{}; // the surfaces the origin lies on
    };
    double indexOf(const Medium& m) const;

    const CompiledScene* m_scene = nullptr;
    std::vector<Part> m_stack;
    std::vector<TraceSegment> m_segments; // the path's segments so far
    std::array<double, 4> m_tableIndex{};
    double m_surroundings = 1.0;
    SurfaceGrid::Visits m_visits;
};

} // namespace lumenary::bench
