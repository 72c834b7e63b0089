#include "tracer.h"

#include "element_geometry.h"
#include "path_walker.h"
#include "scene_check.h"
#include "surfaces.h"

#include "worker_pool.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace lumenary::bench
{

void TraceCounts::add(const TraceCounts& c)
{
    paths += c.paths;
    segments += c.segments;
    cutInteractions += c.cutInteractions;
    cutIntensity += c.cutIntensity;
    cutSegments += c.cutSegments;
    corners += c.corners;
    blocked += c.blocked;
    escaped += c.escaped;
}

namespace
{

// A trace is split over threads only when each has at least this many paths and this much of
// the budget: for less, waking a helper costs about what it saves.
constexpr std::int64_t kMinPathsPerWorker = 16;
constexpr std::int64_t kMinSegmentsPerWorker = 512;
// Segments a thread traces between telling the others how far the split trace has come.
constexpr std::int64_t kShareEvery = 64;

// One path of a split trace: who traced it, how many segments, and whether to its end.
struct Claim {
    std::int64_t segments = 0;
    int walker = -1; // −1: not started
    bool whole = false;
};

// The directions a source sends its rays in, and the points they start from.
void sourceRays(const Element& e, std::vector<std::pair<Vec2, Vec2>>& rays)
{
    if (const auto* s = std::get_if<RaySource>(&e.shape)) {
        rays.push_back({s->from, directionVector(s->direction)});
    } else if (const auto* b = std::get_if<BeamSource>(&e.shape)) {
        const Vec2 d = directionVector(b->direction);
        const Vec2 across = perpendicular(d);
        for (int k = 0; k < b->rays; ++k) {
            const double offset =
                b->rays < 2 ? 0.0 : b->width * (static_cast<double>(k) / (b->rays - 1) - 0.5);
            rays.push_back({b->from + offset * across, d});
        }
    } else if (const auto* p = std::get_if<PointSource>(&e.shape)) {
        const double span = p->toAngle - p->fromAngle;
        // A whole turn spreads n rays over it without doubling the ray at its ends.
        const bool turn = std::fabs(span) == 360.0;
        for (int k = 0; k < p->rays; ++k) {
            double angle = p->fromAngle;
            if (turn)
                angle += span * k / p->rays;
            else if (p->rays >= 2)
                angle += span * k / (p->rays - 1);
            rays.push_back({p->at, directionVector(angle)});
        }
    }
}

const Light* lightOf(const Element& e)
{
    if (const auto* s = std::get_if<RaySource>(&e.shape))
        return &s->light;
    if (const auto* b = std::get_if<BeamSource>(&e.shape))
        return &b->light;
    if (const auto* p = std::get_if<PointSource>(&e.shape))
        return &p->light;
    return nullptr;
}

bool sameSettings(const Scene& a, const Scene& b)
{
    return a.surroundings == b.surroundings && a.fresnel == b.fresnel &&
           a.minIntensity == b.minIntensity && a.maxInteractions == b.maxInteractions &&
           a.maxSegments == b.maxSegments && a.elements.size() == b.elements.size();
}

// True when a segment of the path meets one of the boxes.
bool touches(const TracedPath& path, const std::vector<Box>& boxes)
{
    for (const Box& b : boxes) {
        if (!b.overlaps(path.box))
            continue;
        for (const TraceSegment& s : path.segments)
            if (b.meetsSegment(s.from, s.to))
                return true;
    }
    return false;
}

} // namespace

std::vector<PathStart> pathStarts(const Scene& scene)
{
    std::vector<PathStart> out;
    std::vector<std::pair<Vec2, Vec2>> rays;
    for (std::size_t i = 0; i < scene.elements.size(); ++i) {
        const Element& e = scene.elements[i];
        const Light* light = lightOf(e);
        if (!light || checkElement(e))
            continue;
        rays.clear();
        sourceRays(e, rays);
        const std::vector<double> colours = light->wavelengths();
        for (const auto& [origin, direction] : rays)
            for (const double nm : colours)
                out.push_back({static_cast<std::int32_t>(i), origin, direction, nm});
    }
    return out;
}

Tracer::Tracer()
    : m_compiled(std::make_unique<CompiledScene>(Scene{})), m_walker(std::make_unique<PathWalker>())
{
}

Tracer::~Tracer() = default;

void Tracer::setThreads(int threads)
{
    if (threads >= 0)
        m_threads = threads;
}

int Tracer::threads() const
{
    // Asked once: the library reads it from the system's files.
    static const unsigned cores = std::thread::hardware_concurrency();
    const int most = cores > 1 ? static_cast<int>(std::min(cores, 64u)) : 1;
    return m_threads > 0 ? std::min(most, m_threads) : most;
}

const Scene& Tracer::scene() const
{
    return m_compiled->scene();
}

void Tracer::setScene(const Scene& scene)
{
    auto next = std::make_unique<CompiledScene>(scene);
    const Scene& old = m_compiled->scene();
    const bool incremental = sameSettings(old, scene) && counts().cutSegments == 0;
    // Boxes of the elements that changed, as they were and as they are.
    std::vector<Box> changed;
    if (incremental)
        for (std::size_t i = 0; i < scene.elements.size(); ++i)
            if (!(old.elements[i].shape == scene.elements[i].shape)) {
                changed.push_back(m_compiled->elementBox(i));
                changed.push_back(next->elementBox(i));
            }

    std::vector<PathStart> starts = pathStarts(scene);
    std::vector<TracedPath> paths(starts.size());
    m_total = 0;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        paths[k].start = starts[k];
        if (incremental && k < m_paths.size() && m_paths[k].start == starts[k] &&
            !touches(m_paths[k], changed)) {
            paths[k] = std::move(m_paths[k]);
            m_total += static_cast<std::int64_t>(paths[k].segments.size());
        }
    }
    m_paths = std::move(paths);
    m_compiled = std::move(next);
    m_fromScratch = !incremental;
    m_unstartedCut = 0;
    m_queue.clear();
    for (std::size_t k = 0; k < m_paths.size(); ++k)
        if (!m_paths[k].done)
            m_queue.push_back(k);
    m_next = 0;
    m_current = -1;
    m_walker->drop();
    // The indices at every wavelength the paths use, worked out before any path is traced.
    m_indexCache.clear();
    for (const TracedPath& p : m_paths)
        if (m_indexCache.empty() || m_indexCache.back().first != p.start.wavelength)
            m_indexCache.push_back({p.start.wavelength, {}});
    std::sort(m_indexCache.begin(), m_indexCache.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    m_indexCache.erase(std::unique(m_indexCache.begin(), m_indexCache.end(),
                                   [](const auto& a, const auto& b) { return a.first == b.first; }),
                       m_indexCache.end());
    const auto table = dispersiveMaterials();
    for (auto& [nm, indices] : m_indexCache)
        for (std::size_t i = 0; i < table.size() && i < indices.size(); ++i)
            indices[i] = refractiveIndex(table[i], nm).value_or(1.0);
}

void Tracer::restart()
{
    for (TracedPath& p : m_paths) {
        p.segments.clear();
        p.hits.clear();
        p.counts = {};
        p.box = {};
        p.done = false;
    }
    m_queue.resize(m_paths.size());
    for (std::size_t k = 0; k < m_paths.size(); ++k)
        m_queue[k] = k;
    m_next = 0;
    m_current = -1;
    m_walker->drop();
    m_total = 0;
    m_fromScratch = true;
}

bool Tracer::finished() const
{
    return m_current < 0 && m_next >= m_queue.size();
}

std::size_t Tracer::pendingPaths() const
{
    return m_queue.size() - m_next + (m_current >= 0 ? 1 : 0);
}

TraceCounts Tracer::counts() const
{
    TraceCounts c;
    for (const TracedPath& p : m_paths)
        c.add(p.counts);
    c.paths = static_cast<std::int64_t>(m_paths.size());
    c.cutSegments += m_unstartedCut;
    return c;
}

const std::array<double, 4>& Tracer::tableAt(double nm) const
{
    static const std::array<double, 4> none{1.0, 1.0, 1.0, 1.0};
    const auto colour =
        std::lower_bound(m_indexCache.begin(), m_indexCache.end(), nm,
                         [](const auto& entry, double w) { return entry.first < w; });
    return colour != m_indexCache.end() && colour->first == nm ? colour->second : none;
}

void Tracer::startPath(std::size_t index)
{
    TracedPath& path = m_paths[index];
    m_walker->begin(*m_compiled, tableAt(path.start.wavelength), path);
    m_current = static_cast<std::int64_t>(index);
}

void Tracer::cutEverything()
{
    TracedPath& path = m_paths[static_cast<std::size_t>(m_current)];
    path.counts.cutSegments += static_cast<std::int64_t>(m_walker->parts());
    path.done = true;
    m_walker->flush(path);
    m_walker->drop();
    m_current = -1;
    for (; m_next < m_queue.size(); ++m_next) {
        m_paths[m_queue[m_next]].done = true;
        ++m_unstartedCut;
    }
}

int Tracer::workersFor(std::int64_t allowance) const
{
    const auto pending = static_cast<std::int64_t>(m_queue.size() - m_next);
    return static_cast<int>(
        std::max<std::int64_t>(1, std::min({std::int64_t{threads()}, pending / kMinPathsPerWorker,
                                            allowance / kMinSegmentsPerWorker})));
}

// The next paths of the queue traced on `workers` threads at once, each path whole by one thread,
// then taken in path order while they fit in the allowance (at most `budget` segments, the rest
// of this call's, and what max_segments leaves): the same paths, counts and state as the
// one-thread trace of that many segments. The threads take the paths in order; the first is
// traced to its end or to the allowance and handed on part way, the others give up once the
// threads together have traced the allowance, and a path traced but not taken is traced again
// later. Returns the segments taken.
std::int64_t Tracer::traceAhead(std::int64_t budget, std::int64_t allowance, int workers)
{
    if (!m_pool || m_pool->helpers() < workers - 1) {
        try {
            m_pool = std::make_unique<WorkerPool>(workers - 1);
        } catch (const std::system_error&) {
            // No thread to be had: the caller traces on alone.
            m_pool.reset();
            return 0;
        }
        while (m_helpers.size() < static_cast<std::size_t>(workers - 1))
            m_helpers.push_back(std::make_unique<PathWalker>());
    }
    const std::size_t first = m_next;
    const std::size_t count = static_cast<std::size_t>(
        std::min(static_cast<std::int64_t>(m_queue.size() - first), allowance));
    std::vector<Claim> claims(count);
    std::atomic<std::size_t> nextClaim{0};
    std::atomic<std::int64_t> work{0};
    m_pool->run(workers, [&](int w) {
        PathWalker& walker = w == 0 ? *m_walker : *m_helpers[static_cast<std::size_t>(w - 1)];
        while (work.load(std::memory_order_relaxed) < allowance) {
            const std::size_t pos = nextClaim.fetch_add(1, std::memory_order_relaxed);
            if (pos >= count)
                return;
            TracedPath& path = m_paths[m_queue[first + pos]];
            walker.begin(*m_compiled, tableAt(path.start.wavelength), path);
            std::int64_t traced = 0;
            std::int64_t unshared = 0;
            bool gaveUp = false;
            while (walker.parts() > 0 && traced < allowance) {
                if (unshared == kShareEvery) {
                    const std::int64_t all =
                        work.fetch_add(unshared, std::memory_order_relaxed) + unshared;
                    unshared = 0;
                    if (pos > 0 && all >= allowance) {
                        gaveUp = true;
                        break;
                    }
                }
                walker.step(path);
                ++traced;
                ++unshared;
            }
            work.fetch_add(unshared, std::memory_order_relaxed);
            const bool whole = !gaveUp && walker.parts() == 0;
            claims[pos] = {traced, w, whole};
            if (whole)
                walker.flush(path);
            else if (pos == 0)
                return; // the walker keeps the first path's parts for the caller
        }
    });

    // The paths taken, in order.
    std::int64_t taken = 0;
    std::size_t pos = 0;
    int handedOn = -1; // the walker holding the first path part way
    for (; pos < count && claims[pos].walker >= 0; ++pos) {
        const Claim& c = claims[pos];
        const std::size_t index = m_queue[first + pos];
        if (!c.whole) {
            if (pos == 0) {
                handedOn = c.walker;
                m_current = static_cast<std::int64_t>(index);
                taken = c.segments;
                ++pos;
            }
            break;
        }
        if (taken + c.segments > allowance)
            break;
        taken += c.segments;
        if (taken == budget) {
            // One thread would stop after the path's last segment, before it marks it done.
            m_current = static_cast<std::int64_t>(index);
            ++pos;
            break;
        }
        m_paths[index].done = true;
    }
    // The paths traced beyond, as they were before.
    for (std::size_t k = pos; k < count; ++k) {
        if (claims[k].walker < 0)
            continue;
        TracedPath& path = m_paths[m_queue[first + k]];
        path.segments.clear();
        path.hits.clear();
        path.counts = {};
        path.box = {};
    }
    if (handedOn > 0)
        m_walker->swap(*m_helpers[static_cast<std::size_t>(handedOn - 1)]);
    else if (handedOn < 0)
        m_walker->drop();
    for (auto& helper : m_helpers)
        helper->drop();
    if (handedOn >= 0)
        m_walker->flush(m_paths[static_cast<std::size_t>(m_current)]);
    m_next = first + pos;
    m_total += taken;
    return taken;
}

bool Tracer::run(std::int64_t segmentBudget)
{
    const std::int64_t limit = m_compiled->scene().maxSegments;
    // Whether to split is asked once a call, when it first starts a path; and it splits at most
    // once: what the threads traced but could not hand on is traced again on this thread, so
    // that a call does not do much more than its budget.
    bool asked = false;
    while (segmentBudget > 0) {
        if (m_current < 0) {
            if (m_next >= m_queue.size())
                return true;
            const std::int64_t allowance = std::min(segmentBudget, limit - m_total);
            if (!asked && allowance > 0) {
                asked = true;
                const int workers = workersFor(allowance);
                if (workers > 1) {
                    segmentBudget -= traceAhead(segmentBudget, allowance, workers);
                    continue;
                }
            }
            startPath(m_queue[m_next++]);
        }
        if (m_walker->parts() == 0) {
            TracedPath& path = m_paths[static_cast<std::size_t>(m_current)];
            m_walker->flush(path);
            path.done = true;
            m_current = -1;
            continue;
        }
        if (m_total >= limit) {
            // Only a trace in order from the first path knows which parts the budget cuts.
            if (!m_fromScratch) {
                restart();
                asked = false;
                continue;
            }
            cutEverything();
            return true;
        }
        m_walker->step(m_paths[static_cast<std::size_t>(m_current)]);
        ++m_total;
        --segmentBudget;
    }
    // The path under way shows what it has so far.
    if (m_current >= 0)
        m_walker->flush(m_paths[static_cast<std::size_t>(m_current)]);
    return finished();
}

} // namespace lumenary::bench
