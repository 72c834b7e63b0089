#pragma once

#include "box_tree.h"
#include "scene.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

// The Optical Bench's tracer: every source ray of every wavelength followed through the scene,
// surface by surface (the nearest one first), refracted by Snell's law with the indices on both
// sides of the surface, reflected, split or stopped as the surface does, until it leaves the
// scene, ends, or meets a limit; every cut counted. The rules for the special cases are in
// docs/scene-format.md ("How light is traced"). A large trace runs on all the processor's cores,
// each path whole on one of them, with the result of a trace of the paths one after the other.
//
//     Tracer tracer;
//     tracer.setScene(scene);     // after any change: works out which paths the change touched
//     while (!tracer.run(20000))  // a budget of segments per call; run() alone finishes
//         paintWhatIsThere();
//     TraceCounts c = tracer.counts();
namespace lumenary::bench
{

class CompiledScene;
class PathWalker;
class WorkerPool;

// How a segment began.
enum class SegmentStart : std::uint8_t {
    Source,          // at its source
    Refracted,       // through a glass surface
    Reflected,       // off a mirror, a beam splitter or (Fresnel) a glass surface
    TotalReflection, // totally reflected inside glass
    Lens,            // turned by an ideal lens
    Passed           // on through a beam splitter, or past a surface that changed nothing
};

// How a segment ended.
enum class SegmentEnd : std::uint8_t {
    Escaped, // left the scene: `to` lies on the edge of the traced world
    Met,     // at a surface that reflected, refracted, split or passed it
    Blocked, // at a blocker
    Corner,  // at a corner of glass, where no surface normal is defined
    Stopped  // at a surface past max_interactions, or when max_segments ran out
};

// A straight piece of a ray, with the intensity it carries (1 at the source).
struct TraceSegment {
    Vec2 from;
    Vec2 to;
    double intensity = 1.0;
    std::int32_t parent = -1; // the segment before it on its path (index in the path), or −1
    SegmentStart start = SegmentStart::Source;
    SegmentEnd end = SegmentEnd::Escaped;
};

// A ray crossing a detector.
struct DetectorHit {
    std::int32_t detector = 0; // the detector's element index
    double position = 0.0;     // mm along the detector from its `from` end
    double wavelength = 0.0;   // nm
    double intensity = 0.0;
    double direction = 0.0; // degrees, (−180, 180]
};

// What a trace counted: paths started (one per source ray and wavelength), segments traced,
// parts cut by each limit (a part is what continues after a surface), and how the others ended.
struct TraceCounts {
    std::int64_t paths = 0;
    std::int64_t segments = 0;
    std::int64_t cutInteractions = 0;
    std::int64_t cutIntensity = 0;
    std::int64_t cutSegments = 0;
    std::int64_t corners = 0;
    std::int64_t blocked = 0;
    std::int64_t escaped = 0;
    void add(const TraceCounts& c);
};

// Where a path starts.
struct PathStart {
    std::int32_t source = 0; // the source's element index
    Vec2 origin;
    Vec2 direction;
    double wavelength = 0.0;
    friend bool operator==(const PathStart&, const PathStart&) = default;
};

// One path: its start, its segments in tracing order (a tree when Fresnel or a beam splitter
// splits it: each segment names its parent), the detector hits in order, its counts.
struct TracedPath {
    PathStart start;
    std::vector<TraceSegment> segments;
    std::vector<DetectorHit> hits;
    TraceCounts counts;
    Box box;           // around every segment
    bool done = false; // false while waiting to be traced
};

class Tracer
{
public:
    Tracer();
    ~Tracer();
    Tracer(const Tracer&) = delete;
    Tracer& operator=(const Tracer&) = delete;

    // Takes the scene to trace. Paths the change cannot have touched keep their segments: a
    // path is traced again when its start changed or one of its segments meets the box of an
    // element that changed (before or after the change); a change of the scene-wide settings or
    // of the number of elements, or a trace cut by max_segments, traces everything again.
    void setScene(const Scene& scene);

    // Traces until the scene is done or `segmentBudget` more segments were traced; true when
    // done. The result is the same, bit for bit, however the work is divided. The budget is
    // spent in path order, as if one thread traced the paths one after the other: after each
    // call the paths, counts and cuts are those of that trace, whatever the number of threads.
    bool run(std::int64_t segmentBudget = std::numeric_limits<std::int64_t>::max());

    // The most threads a trace may use: 0 (the default) as many as the processor has, 1 the
    // calling thread only; a negative number is ignored. Never more than the processor's cores
    // (std::thread::hardware_concurrency()); a small trace uses one. Nothing else changes.
    void setThreads(int threads);
    // The most threads a large trace uses: setThreads' number, at most the processor's cores.
    int threads() const;

    // True when every path is traced.
    bool finished() const;
    // Paths still waiting to be traced (the one under way included).
    std::size_t pendingPaths() const;

    // The scene as traced, with its surfaces and boxes.
    const CompiledScene& compiled() const { return *m_compiled; }
    const Scene& scene() const;
    // Every path, in source order (source, ray, wavelength).
    const std::vector<TracedPath>& paths() const { return m_paths; }
    // The counts of every path, and the paths cut before they started.
    TraceCounts counts() const;

private:
    void restart();
    void startPath(std::size_t index);
    void cutEverything();
    const std::array<double, 4>& tableAt(double nanometres) const;
    int workersFor(std::int64_t allowance) const;
    std::int64_t traceAhead(std::int64_t budget, std::int64_t allowance, int workers);

    std::unique_ptr<CompiledScene> m_compiled;
    std::vector<TracedPath> m_paths;
    std::vector<std::size_t> m_queue;     // paths to trace, in order
    std::size_t m_next = 0;               // the next of m_queue to start
    std::int64_t m_current = -1;          // the path under way
    std::unique_ptr<PathWalker> m_walker; // its parts still to trace
    std::int64_t m_total = 0;             // segments held by all paths
    std::int64_t m_unstartedCut = 0;      // paths cut by max_segments before they started
    bool m_fromScratch = true;            // the paths are traced in order from the first
    // The dispersion table's indices at each wavelength of the paths, by wavelength.
    std::vector<std::pair<double, std::array<double, 4>>> m_indexCache;
    int m_threads = 0;                                  // as setThreads
    std::unique_ptr<WorkerPool> m_pool;                 // started when a trace is first split
    std::vector<std::unique_ptr<PathWalker>> m_helpers; // the walkers of its threads
};

// Every path start of a scene's valid sources, in order: source, ray, wavelength.
std::vector<PathStart> pathStarts(const Scene& scene);

} // namespace lumenary::bench
