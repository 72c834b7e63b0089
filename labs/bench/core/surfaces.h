#pragma once

#include "box_tree.h"
#include "element_geometry.h"
#include "scene.h"
#include "surface_grid.h"

#include <cstdint>
#include <vector>

// A scene turned into what a ray can meet: straight segments, circular arcs and parabola pieces,
// each knowing its element and what it does to light, with a uniform grid over them where they
// are spread evenly and a box tree where they are not; the glass regions (for the index on
// either side of a surface) and the detectors, each with a box tree of their own.
namespace lumenary::bench
{

// What a surface does, in the order in which coincident surfaces act: the first of a meeting
// acts, the rest are passed.
enum class SurfaceRole : std::uint8_t { Blocker, Mirror, Splitter, Lens, Glass };
enum class SurfaceShape : std::uint8_t { Segment, Arc, Parabola };

// One surface. Segment: ends a, b and a unit normal (out of the glass for glass). Arc: circle
// about centre of the given radius, the part where side·cross(b − a, q − a) ≥ 0 (all of it
// when full); the normal out of the glass is normalSign·(q − centre)/radius. Parabola: vertex
// at centre, `normal` the axis towards the focus, `radius` the focal length, `side` half the
// aperture. Ideal lens: a segment with its centre, axis (normal) and focal length (radius).
struct Surface {
    SurfaceShape shape = SurfaceShape::Segment;
    SurfaceRole role = SurfaceRole::Blocker;
    bool cornered = false; // a and b are corners of a glass outline
    bool full = false;
    std::int32_t element = 0;
    std::int32_t region = -1; // glass: its region
    Vec2 a;
    Vec2 b;
    Vec2 centre;
    Vec2 normal;
    double radius = 0.0;
    double side = 0.0;
    double normalSign = 1.0;
};

// The distances t > 0 along a ray (unit direction) at which it meets a surface, up to two. A
// ray that starts on the surface (onIt) meets a straight one nowhere else and a curved one at
// most at its other crossing; a ray that only touches a curve, or runs along a line, meets
// nothing. Inline, as a search tests several surfaces a segment; curves are worked out in
// curveHits.
int curveHits(const Surface& s, Vec2 origin, Vec2 direction, bool onIt, double t[2]);
inline int intersect(const Surface& s, Vec2 o, Vec2 d, bool onIt, double t[2])
{
    if (s.shape != SurfaceShape::Segment)
        return curveHits(s, o, d, onIt, t);
    if (onIt)
        return 0;
    const Vec2 e = s.b - s.a;
    const double denom = cross(d, e);
    if (denom == 0.0)
        return 0;
    const Vec2 w = s.a - o;
    // t = cu / denom > 0 and 0 ≤ cv / denom ≤ 1, told by signs before dividing: most surfaces a
    // ray is tested against are missed.
    const double cu = cross(w, e);
    const double cv = cross(w, d);
    const bool meets =
        denom > 0.0 ? cu > 0.0 && cv >= 0.0 && cv <= denom : cu < 0.0 && cv <= 0.0 && cv >= denom;
    if (!meets)
        return 0;
    t[0] = cu / denom;
    return std::isfinite(t[0]) && t[0] > 0.0 ? 1 : 0;
}

// The unit normal at a point of the surface (out of the glass for glass surfaces); inline, as
// the tracer asks for one at almost every surface it meets.
inline Vec2 surfaceNormal(const Surface& s, Vec2 q)
{
    switch (s.shape) {
    case SurfaceShape::Segment:
        return s.normal;
    case SurfaceShape::Arc:
        return normalised(s.normalSign * (q - s.centre));
    case SurfaceShape::Parabola: {
        const Vec2 side = perpendicular(s.normal);
        const double v = dot(q - s.centre, side);
        return normalised(-4.0 * s.radius * s.normal + 2.0 * v * side);
    }
    }
    return s.normal;
}

// A glass element as a region of space with its medium.
struct Region {
    std::int32_t element = 0;
    Medium medium;
    bool alone = false; // no other region's box meets this one's
};

// A detector line.
struct DetectorLine {
    std::int32_t element = 0;
    Vec2 from;
    Vec2 to;
};

// Everything a trace of one scene needs, built once per change of the scene and only read after
// that: several threads may trace with it at once (each keeps its own SurfaceGrid::Visits).
class CompiledScene
{
public:
    explicit CompiledScene(const Scene& scene);

    const Scene& scene() const { return m_scene; }
    const std::vector<Surface>& surfaces() const { return m_surfaces; }
    const BoxTree& surfaceTree() const { return m_surfaceTree; }
    // The grid over the surfaces, when they are spread evenly enough for one (else unbuilt).
    const SurfaceGrid& surfaceGrid() const { return m_surfaceGrid; }
    const std::vector<Region>& regions() const { return m_regions; }
    const BoxTree& regionTree() const { return m_regionTree; }
    const std::vector<DetectorLine>& detectors() const { return m_detectors; }
    const BoxTree& detectorTree() const { return m_detectorTree; }
    // True when element i passed its checks and takes part in the trace.
    bool traced(std::size_t i) const { return m_traced[i]; }
    // The box around element i's surfaces (empty for a source or an element left out).
    const Box& elementBox(std::size_t i) const { return m_elementBoxes[i]; }
    // True when p lies strictly inside region r's element.
    bool regionContains(std::int32_t r, Vec2 p) const;

private:
    void add(std::int32_t index, const Element& e);
    void addSurface(Surface s);

    Scene m_scene;
    std::vector<Surface> m_surfaces;
    std::vector<Box> m_surfaceBoxes;
    BoxTree m_surfaceTree;
    SurfaceGrid m_surfaceGrid;
    std::vector<Region> m_regions;
    std::vector<LensShape> m_lensShapes; // per region; used for lenses only
    BoxTree m_regionTree;
    std::vector<DetectorLine> m_detectors;
    BoxTree m_detectorTree;
    std::vector<bool> m_traced;
    std::vector<Box> m_elementBoxes;
};

} // namespace lumenary::bench
