#include "surfaces.h"

#include "scene_check.h"

#include <algorithm>
#include <cmath>

namespace lumenary::bench
{

namespace
{

bool onArcPart(const Surface& s, Vec2 q)
{
    return s.full || s.side * cross(s.b - s.a, q - s.a) >= 0.0;
}

// The two roots of t² + 2Bt + C = 0 with a positive discriminant, each formed without
// subtracting nearly equal numbers.
void circleRoots(double B, double C, double disc, double t[2])
{
    const double q = B > 0.0 ? -B - std::sqrt(disc) : -B + std::sqrt(disc);
    t[0] = q;
    t[1] = C / q;
}

int arcHits(const Surface& s, Vec2 o, Vec2 d, bool onIt, double t[2])
{
    const Vec2 oc = o - s.centre;
    const double B = dot(oc, d);
    double roots[2];
    int count = 0;
    if (onIt) {
        roots[count++] = -2.0 * B;
    } else {
        const double C = dot(oc, oc) - s.radius * s.radius;
        const double disc = B * B - C;
        if (!(disc > 0.0))
            return 0;
        circleRoots(B, C, disc, roots);
        count = 2;
    }
    int n = 0;
    for (int i = 0; i < count; ++i)
        if (roots[i] > 0.0 && std::isfinite(roots[i]) && onArcPart(s, o + roots[i] * d))
            t[n++] = roots[i];
    return n;
}

int parabolaHits(const Surface& s, Vec2 o, Vec2 d, bool onIt, double t[2])
{
    const Vec2 side = perpendicular(s.normal);
    const double pu = dot(o - s.centre, s.normal);
    const double pv = dot(o - s.centre, side);
    const double du = dot(d, s.normal);
    const double dv = dot(d, side);
    const double f = s.radius;
    // (pv + t·dv)² = 4f(pu + t·du): A t² + B t + C = 0.
    const double A = dv * dv;
    const double B = 2.0 * pv * dv - 4.0 * f * du;
    const double C = onIt ? 0.0 : pv * pv - 4.0 * f * pu;
    double roots[2];
    int count = 0;
    if (onIt) {
        if (A != 0.0)
            roots[count++] = -B / A;
    } else if (A == 0.0) {
        if (B != 0.0)
            roots[count++] = -C / B;
    } else {
        const double disc = B * B - 4.0 * A * C;
        if (!(disc > 0.0))
            return 0;
        const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
        roots[count++] = q / A;
        roots[count++] = C / q;
    }
    int n = 0;
    for (int i = 0; i < count; ++i)
        if (roots[i] > 0.0 && std::isfinite(roots[i]) && std::fabs(pv + roots[i] * dv) <= s.side)
            t[n++] = roots[i];
    return n;
}

Box padded(Box b)
{
    const double scale =
        std::max({std::fabs(b.lo.x), std::fabs(b.lo.y), std::fabs(b.hi.x), std::fabs(b.hi.y)});
    const double pad = 1e-7 + 1e-12 * scale;
    b.lo = {b.lo.x - pad, b.lo.y - pad};
    b.hi = {b.hi.x + pad, b.hi.y + pad};
    return b;
}

Box boxOf(const Surface& s)
{
    Box box;
    if (s.shape == SurfaceShape::Arc) {
        if (!s.full) {
            box.add(s.a);
            box.add(s.b);
        }
        const Vec2 extremes[4] = {
            {s.radius, 0.0}, {-s.radius, 0.0}, {0.0, s.radius}, {0.0, -s.radius}};
        for (const Vec2 e : extremes)
            if (onArcPart(s, s.centre + e))
                box.add(s.centre + e);
    } else if (s.shape == SurfaceShape::Parabola) {
        box.add(s.a);
        box.add(s.b);
        box.add(s.centre);
        // Where the curve turns back along x or y between its ends.
        const Vec2 side = perpendicular(s.normal);
        const double f = s.radius;
        const double axis[2] = {s.normal.x, s.normal.y};
        const double across[2] = {side.x, side.y};
        for (int k = 0; k < 2; ++k) {
            if (axis[k] == 0.0)
                continue;
            const double v = -2.0 * f * across[k] / axis[k];
            if (std::fabs(v) <= s.side)
                box.add(s.centre + (v * v / (4.0 * f)) * s.normal + v * side);
        }
    } else {
        box.add(s.a);
        box.add(s.b);
    }
    return padded(box);
}

} // namespace

int curveHits(const Surface& s, Vec2 o, Vec2 d, bool onIt, double t[2])
{
    return s.shape == SurfaceShape::Arc ? arcHits(s, o, d, onIt, t)
                                        : parabolaHits(s, o, d, onIt, t);
}

CompiledScene::CompiledScene(const Scene& scene) : m_scene(scene)
{
    const std::size_t n = m_scene.elements.size();
    m_traced.assign(n, false);
    m_elementBoxes.assign(n, Box{});
    for (std::size_t i = 0; i < n; ++i) {
        const Element& e = m_scene.elements[i];
        if (checkElement(e))
            continue;
        m_traced[i] = true;
        add(static_cast<std::int32_t>(i), e);
    }
    m_surfaceTree.build(m_surfaceBoxes);
    m_surfaceGrid.build(m_surfaceBoxes);
    std::vector<Box> boxes;
    for (const Region& r : m_regions)
        boxes.push_back(m_elementBoxes[static_cast<std::size_t>(r.element)]);
    m_regionTree.build(boxes);
    for (std::size_t r = 0; r < m_regions.size(); ++r) {
        int meeting = 0;
        m_regionTree.overlapping(boxes[r], [&](std::int32_t) { ++meeting; });
        m_regions[r].alone = meeting == 1;
    }
    boxes.clear();
    for (const DetectorLine& d : m_detectors)
        boxes.push_back(m_elementBoxes[static_cast<std::size_t>(d.element)]);
    m_detectorTree.build(boxes);
}

void CompiledScene::addSurface(Surface s)
{
    const Box box = boxOf(s);
    m_elementBoxes[static_cast<std::size_t>(s.element)].add(box);
    m_surfaceBoxes.push_back(box);
    m_surfaces.push_back(s);
}

bool CompiledScene::regionContains(std::int32_t r, Vec2 p) const
{
    const Region& region = m_regions[static_cast<std::size_t>(r)];
    const ElementShape& shape = m_scene.elements[static_cast<std::size_t>(region.element)].shape;
    if (const auto* g = std::get_if<Glass>(&shape))
        return polygonContains(g->vertices, p);
    if (const auto* c = std::get_if<Circle>(&shape)) {
        const Vec2 d = p - c->centre;
        return dot(d, d) < c->radius * c->radius;
    }
    if (const auto* l = std::get_if<SphericalLens>(&shape))
        return lensContains(*l, m_lensShapes[static_cast<std::size_t>(r)], p);
    return false;
}

} // namespace lumenary::bench

namespace lumenary::bench
{

void CompiledScene::add(std::int32_t index, const Element& e)
{
    const auto segment = [&](SurfaceRole role, Vec2 a, Vec2 b) {
        Surface s;
        s.role = role;
        s.element = index;
        s.a = a;
        s.b = b;
        s.normal = unit(perpendicular(b - a));
        return s;
    };
    const auto region = [&](const Medium& medium, const LensShape& lens = {}) {
        m_regions.push_back(Region{index, medium});
        m_lensShapes.push_back(lens);
        return static_cast<std::int32_t>(m_regions.size() - 1);
    };
    const ElementShape& shape = e.shape;
    if (const auto* l = std::get_if<IdealLens>(&shape)) {
        const Vec2 axis = directionVector(l->axis);
        const Vec2 side = perpendicular(axis);
        Surface s = segment(SurfaceRole::Lens, l->at - (l->aperture / 2.0) * side,
                            l->at + (l->aperture / 2.0) * side);
        s.centre = l->at;
        s.normal = axis;
        s.radius = l->focalLength;
        addSurface(s);
    } else if (const auto* m = std::get_if<Mirror>(&shape)) {
        addSurface(segment(SurfaceRole::Mirror, m->from, m->to));
    } else if (const auto* a = std::get_if<ArcMirror>(&shape)) {
        const auto arc = arcShape(*a);
        if (!arc)
            return;
        Surface s;
        s.shape = SurfaceShape::Arc;
        s.role = SurfaceRole::Mirror;
        s.element = index;
        s.a = a->from;
        s.b = a->to;
        s.centre = arc->centre;
        s.radius = arc->radius;
        s.side = a->radius > 0.0 ? -1.0 : 1.0;
        addSurface(s);
    } else if (const auto* p = std::get_if<ParabolicMirror>(&shape)) {
        const ParabolaShape ps = parabolaShape(*p);
        Surface s;
        s.shape = SurfaceShape::Parabola;
        s.role = SurfaceRole::Mirror;
        s.element = index;
        s.a = ps.ends[0];
        s.b = ps.ends[1];
        s.centre = p->vertex;
        s.normal = ps.axis;
        s.radius = p->focalLength;
        s.side = p->aperture / 2.0;
        addSurface(s);
    } else if (const auto* g = std::get_if<Glass>(&shape)) {
        const std::int32_t r = region(g->material);
        // Outward is to the right of each edge when the corners go counter-clockwise.
        const double turn = twiceSignedArea(g->vertices) > 0.0 ? 1.0 : -1.0;
        for (std::size_t i = 0; i < g->vertices.size(); ++i) {
            Surface s = segment(SurfaceRole::Glass, g->vertices[i],
                                g->vertices[(i + 1) % g->vertices.size()]);
            s.normal = -turn * s.normal;
            s.region = r;
            s.cornered = true;
            addSurface(s);
        }
    } else if (const auto* c = std::get_if<Circle>(&shape)) {
        Surface s;
        s.shape = SurfaceShape::Arc;
        s.role = SurfaceRole::Glass;
        s.element = index;
        s.full = true;
        s.centre = c->centre;
        s.radius = c->radius;
        s.region = region(c->material);
        addSurface(s);
    } else if (const auto* lens = std::get_if<SphericalLens>(&shape)) {
        const LensShape ls = lensShape(*lens);
        const std::int32_t r = region(lens->material, ls);
        // A face: flat between two corners, or the cap of its sphere that holds the vertex.
        const auto face = [&](double radius, Vec2 vertex, Vec2 centre, Vec2 a, Vec2 b, Vec2 outward,
                              double outwardSign) {
            Surface s = segment(SurfaceRole::Glass, a, b);
            s.normal = outward;
            if (radius != 0.0) {
                s.shape = SurfaceShape::Arc;
                s.centre = centre;
                s.radius = std::fabs(radius);
                s.side = cross(b - a, vertex - a) >= 0.0 ? 1.0 : -1.0;
                s.normalSign = outwardSign;
            }
            s.region = r;
            s.cornered = true;
            addSurface(s);
        };
        face(lens->r1, ls.vertex1, ls.centre1, ls.corners[0], ls.corners[1], -ls.axis,
             lens->r1 > 0.0 ? 1.0 : -1.0);
        face(lens->r2, ls.vertex2, ls.centre2, ls.corners[2], ls.corners[3], ls.axis,
             lens->r2 > 0.0 ? -1.0 : 1.0);
        if (ls.edgeThickness > 0.0) {
            face(0.0, {}, {}, ls.corners[0], ls.corners[2], -ls.side, 1.0);
            face(0.0, {}, {}, ls.corners[1], ls.corners[3], ls.side, 1.0);
        }
    } else if (const auto* b = std::get_if<BeamSplitter>(&shape)) {
        addSurface(segment(SurfaceRole::Splitter, b->from, b->to));
    } else if (const auto* k = std::get_if<Blocker>(&shape)) {
        addSurface(segment(SurfaceRole::Blocker, k->from, k->to));
    } else if (const auto* d = std::get_if<Detector>(&shape)) {
        m_detectors.push_back(DetectorLine{index, d->from, d->to});
        Box box;
        box.add(d->from);
        box.add(d->to);
        m_elementBoxes[static_cast<std::size_t>(index)] = padded(box);
    }
}

} // namespace lumenary::bench
