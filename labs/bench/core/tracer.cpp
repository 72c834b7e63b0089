#include "tracer.h"

#include "element_geometry.h"
#include "path_walker.h"
#include "scene_check.h"
#include "surfaces.h"

#include <algorithm>
#include <cmath>

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

void Tracer::startPath(std::size_t index)
{
    TracedPath& path = m_paths[index];
    const double nm = path.start.wavelength;
    const auto colour =
        std::lower_bound(m_indexCache.begin(), m_indexCache.end(), nm,
                         [](const auto& entry, double w) { return entry.first < w; });
    static const std::array<double, 4> none{1.0, 1.0, 1.0, 1.0};
    const bool found = colour != m_indexCache.end() && colour->first == nm;
    m_walker->begin(*m_compiled, found ? colour->second : none, path);
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

bool Tracer::run(std::int64_t segmentBudget)
{
    const std::int64_t limit = m_compiled->scene().maxSegments;
    while (segmentBudget > 0) {
        if (m_current < 0) {
            if (m_next >= m_queue.size())
                return true;
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
