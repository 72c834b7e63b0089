// One step of the tracer: from a part's origin to the nearest surface, and what the surface does.
#include "path_walker.h"

#include "element_geometry.h"
#include "scene_limits.h"

#include <algorithm>
#include <cmath>

namespace lumenary::bench
{

namespace
{

// Surfaces met within this distance of the nearest one are met together (a cemented surface,
// a corner of two edges): 0.1 nm, far below anything a scene can show, far above rounding.
constexpr double kCoincident = 1e-7;
// A ray meeting glass this close to a corner of its outline ends there.
constexpr double kCorner = 1e-9;
// A ray meeting more surfaces than this at one point ends there, as at a corner.
constexpr int kMaxMeeting = 4;
constexpr int kCandidates = 32;

// A surface met at distance t (left uninitialised: a step makes 32 of them).
struct Meeting {
    double t;
    std::int32_t surface;
};

// Up to two ways on from a surface.
struct Outcome {
    struct Way {
        Vec2 direction;
        double intensity = 0.0;
        SegmentStart start = SegmentStart::Passed;
    };
    Way ways[2];
    int count = 0;
    bool interaction = true; // false: the surface changed nothing and is not counted
    void add(Vec2 d, double intensity, SegmentStart start)
    {
        ways[count++] = {d, intensity, start};
    }
};

// The distance from a point inside the traced world to its edge along d.
double worldExit(Vec2 o, Vec2 d)
{
    double t = 3.0 * kWorldHalfWidth;
    if (d.x != 0.0)
        t = std::min(t, ((d.x > 0.0 ? kWorldHalfWidth : -kWorldHalfWidth) - o.x) / d.x);
    if (d.y != 0.0)
        t = std::min(t, ((d.y > 0.0 ? kWorldHalfWidth : -kWorldHalfWidth) - o.y) / d.y);
    return std::max(t, 0.0);
}

bool usable(Vec2 d)
{
    return std::isfinite(d.x) && std::isfinite(d.y) && (d.x != 0.0 || d.y != 0.0);
}

// An ideal lens turns the slope u of a ray against its axis (taken along the ray's travel) to
// u − h/f, h the signed height at which it crosses.
Vec2 throughLens(const Surface& s, Vec2 p, Vec2 d)
{
    const double along = dot(d, s.normal);
    if (along == 0.0)
        return d;
    const Vec2 axis = along > 0.0 ? s.normal : -s.normal;
    const Vec2 side = perpendicular(axis);
    const double h = dot(p - s.centre, side);
    const double u = dot(d, side) / dot(d, axis) - h / s.radius;
    if (!std::isfinite(u))
        return d;
    return normalised(axis + u * side);
}

// d reflected off a surface of unit normal n (as optics/interface.h's reflected, inlined: a
// trace reflects at almost every surface).
Vec2 mirrored(Vec2 d, Vec2 n)
{
    return d - 2.0 * dot(d, n) * n;
}

// The unpolarised shares of power reflected and transmitted where light meets a boundary with
// cosines ci (incidence) and ct (refraction): Fresnel's formulas as optics/interface.h's
// fresnelPowers gives them, written with the cosines the vector form of Snell's law already
// has, since the angle form costs an arccosine, a sine and complex divisions at every surface.
struct Shares {
    double reflected;
    double transmitted;
};
Shares fresnelShares(double n1, double n2, double ci, double ct)
{
    if (!(ci > 0.0))
        return {1.0, 0.0};
    const double rs = (n1 * ci - n2 * ct) / (n1 * ci + n2 * ct);
    const double rp = (n2 * ci - n1 * ct) / (n2 * ci + n1 * ct);
    const double ts = 2.0 * n1 * ci / (n1 * ci + n2 * ct);
    const double tp = 2.0 * n1 * ci / (n2 * ci + n1 * ct);
    const double flux = n2 * ct / (n1 * ci);
    return {0.5 * (rs * rs + rp * rp), 0.5 * flux * (ts * ts + tp * tp)};
}

} // namespace

void PathWalker::begin(const CompiledScene& scene, const std::array<double, 4>& table,
                       TracedPath& path)
{
    m_scene = &scene;
    m_tableIndex = table;
    m_surroundings = indexOf(scene.scene().surroundings);
    path.segments.clear();
    path.hits.clear();
    path.counts = {};
    path.box = {};
    path.box.add(path.start.origin);
    drop();
    Part first;
    first.origin = path.start.origin;
    first.direction = path.start.direction;
    m_stack.push_back(first);
}

void PathWalker::flush(TracedPath& path) const
{
    if (path.segments.size() < m_segments.size())
        path.segments.insert(path.segments.end(),
                             m_segments.begin() + static_cast<std::ptrdiff_t>(path.segments.size()),
                             m_segments.end());
}

void PathWalker::drop()
{
    m_stack.clear();
    // A very long path's room is given back rather than kept for the next one.
    constexpr std::size_t kKeptRoom = 1 << 16;
    if (m_segments.capacity() > kKeptRoom)
        std::vector<TraceSegment>().swap(m_segments);
    m_segments.clear();
}

void PathWalker::swap(PathWalker& other) noexcept
{
    std::swap(m_scene, other.m_scene);
    m_stack.swap(other.m_stack);
    m_segments.swap(other.m_segments);
    std::swap(m_tableIndex, other.m_tableIndex);
    std::swap(m_surroundings, other.m_surroundings);
}

double PathWalker::indexOf(const Medium& m) const
{
    if (!m.material)
        return m.index;
    const auto table = dispersiveMaterials();
    const auto slot = static_cast<std::size_t>(m.material - table.data());
    return slot < m_tableIndex.size() ? m_tableIndex[slot] : m.index;
}

void PathWalker::step(TracedPath& path)
{
    const Part part = m_stack.back();
    m_stack.pop_back();
    const CompiledScene& cs = *m_scene;
    const Scene& scene = cs.scene();
    const auto& surfaces = cs.surfaces();
    const Vec2 o = part.origin;
    const Vec2 d = part.direction;

    // The nearest surfaces along the ray.
    Meeting found[kCandidates];
    int count = 0;
    bool crowded = false;
    double best = std::numeric_limits<double>::infinity();
    const auto onIt = [&](std::int32_t i) {
        for (int k = 0; k < part.onCount; ++k)
            if (part.on[static_cast<std::size_t>(k)] == i)
                return true;
        return false;
    };
    const auto visit = [&](std::int32_t i) {
        double t[2];
        const int n = intersect(surfaces[static_cast<std::size_t>(i)], o, d, onIt(i), t);
        for (int k = 0; k < n; ++k) {
            if (!(t[k] <= best + kCoincident))
                continue;
            best = std::min(best, t[k]);
            if (count == kCandidates) {
                int kept = 0;
                for (int j = 0; j < count; ++j)
                    if (found[j].t <= best + kCoincident)
                        found[kept++] = found[j];
                count = kept;
            }
            if (count == kCandidates)
                crowded = true;
            else
                found[count++] = {t[k], i};
        }
    };
    const auto limit = [&] { return best + kCoincident; };
    if (cs.surfaceGrid().built())
        cs.surfaceGrid().alongRay(o, d, m_visits, visit, limit);
    else
        cs.surfaceTree().alongRay(BoxTree::Probe(o, d), visit, limit);

    // The detectors the ray crosses before tEnd, in order along it.
    const auto detect = [&](double tEnd) {
        if (cs.detectors().empty())
            return;
        struct Crossing {
            double t;
            std::int32_t element;
            double position;
        };
        std::vector<Crossing> crossings;
        const auto& lines = cs.detectors();
        // The detectors whose (padded) boxes meet the box of the ray up to tEnd and a little
        // beyond: a box test needs no division, and the crossings are put in order below.
        Box reach;
        reach.add(o);
        reach.add(o + (tEnd + kCoincident) * d);
        cs.detectorTree().overlapping(reach, [&](std::int32_t k) {
            const DetectorLine& line = lines[static_cast<std::size_t>(k)];
            const Vec2 e = line.to - line.from;
            const double denom = cross(d, e);
            if (denom == 0.0)
                return;
            const Vec2 w = line.from - o;
            const double t = cross(w, e) / denom;
            // Most segments end before the detector's line or start beyond it.
            if (!(t > kCoincident && t <= tEnd + kCoincident))
                return;
            const double s = cross(w, d) / denom;
            if (s >= 0.0 && s <= 1.0)
                crossings.push_back({t, line.element, s * length(e)});
        });
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) {
            return a.t < b.t || (a.t == b.t && a.element < b.element);
        });
        for (const Crossing& c : crossings)
            path.hits.push_back({c.element, c.position, path.start.wavelength, part.intensity,
                                 directionDegrees(d)});
    };
    const auto segment = [&](double t, SegmentEnd end) {
        const Vec2 to = o + t * d;
        m_segments.push_back({o, to, part.intensity, part.parent, part.start, end});
        path.box.add(to); // the origin is the path's start or an earlier segment's end
        ++path.counts.segments;
        detect(t);
        return static_cast<std::int32_t>(m_segments.size() - 1);
    };

    int met = 0;
    for (int j = 0; j < count; ++j)
        if (found[j].t <= best + kCoincident)
            found[met++] = found[j];
    if (met == 0) {
        segment(worldExit(o, d), SegmentEnd::Escaped);
        ++path.counts.escaped;
        return;
    }
    if (met > 1)
        std::sort(found, found + met, [](const Meeting& a, const Meeting& b) {
            return a.surface < b.surface || (a.surface == b.surface && a.t < b.t);
        });
    if (met > 1)
        met = static_cast<int>(
            std::unique(found, found + met,
                        [](const Meeting& a, const Meeting& b) { return a.surface == b.surface; }) -
            found);

    // The surface that acts: the first of the highest-priority role.
    int acting = 0;
    for (int j = 1; j < met; ++j)
        if (surfaces[static_cast<std::size_t>(found[j].surface)].role <
            surfaces[static_cast<std::size_t>(found[acting].surface)].role)
            acting = j;
    const Surface& s = surfaces[static_cast<std::size_t>(found[acting].surface)];
    const double t = found[acting].t;
    const Vec2 p = o + t * d;

    bool corner = crowded || met > kMaxMeeting;
    for (int j = 0; j < met && !corner; ++j) {
        const Surface& g = surfaces[static_cast<std::size_t>(found[j].surface)];
        const Vec2 q = o + found[j].t * d;
        const Vec2 ea = q - g.a;
        const Vec2 eb = q - g.b;
        if (g.cornered && (dot(ea, ea) <= kCorner * kCorner || dot(eb, eb) <= kCorner * kCorner))
            corner = true;
    }
    if (corner) {
        segment(t, SegmentEnd::Corner);
        ++path.counts.corners;
        return;
    }
    if (s.role == SurfaceRole::Blocker) {
        segment(t, SegmentEnd::Blocked);
        ++path.counts.blocked;
        return;
    }

    Outcome out;
    const double intensity = part.intensity;
    switch (s.role) {
    case SurfaceRole::Mirror:
        out.add(normalised(mirrored(d, surfaceNormal(s, p))), intensity, SegmentStart::Reflected);
        break;
    case SurfaceRole::Splitter: {
        const auto& splitter =
            std::get<BeamSplitter>(scene.elements[static_cast<std::size_t>(s.element)].shape);
        out.add(normalised(mirrored(d, s.normal)), intensity * splitter.reflectance,
                SegmentStart::Reflected);
        out.add(d, intensity * (1.0 - splitter.reflectance), SegmentStart::Passed);
        break;
    }
    case SurfaceRole::Lens:
        out.add(throughLens(s, p, d), intensity, SegmentStart::Lens);
        break;
    default: {
        // The index on either side: that of the latest glass element holding the point there.
        // An element met here holds the side the ray comes from when the ray leaves it.
        std::int32_t before = -1;
        std::int32_t after = -1;
        // The normals of the surfaces met, each worked out once: the side test and the
        // refraction at a lone surface want the same one.
        Vec2 normals[kMaxMeeting];
        bool known[kMaxMeeting] = {};
        const auto normalOf = [&](int j) {
            if (!known[j]) {
                normals[j] = surfaceNormal(surfaces[static_cast<std::size_t>(found[j].surface)],
                                           o + found[j].t * d);
                known[j] = true;
            }
            return normals[j];
        };
        const auto side = [&](std::int32_t r) {
            bool inBefore = false;
            bool inAfter = false;
            int member = -1;
            for (int j = 0; j < met && member < 0; ++j)
                if (surfaces[static_cast<std::size_t>(found[j].surface)].region == r)
                    member = j;
            if (member >= 0) {
                const double c = dot(d, normalOf(member));
                inBefore = c > 0.0;
                inAfter = c < 0.0;
            } else {
                inBefore = inAfter = cs.regionContains(r, p);
            }
            if (inBefore && r > before)
                before = r;
            if (inAfter && r > after)
                after = r;
        };
        // A region whose box meets no other's is the only glass that can hold the point.
        if (met == 1 && cs.regions()[static_cast<std::size_t>(s.region)].alone)
            side(s.region);
        else
            cs.regionTree().at(p, side);
        const auto medium = [&](std::int32_t r) {
            return r < 0 ? m_surroundings
                         : indexOf(cs.regions()[static_cast<std::size_t>(r)].medium);
        };
        const double n1 = medium(before);
        const double n2 = medium(after);
        const std::int32_t top = std::max(before, after);
        int face = -1;
        for (int j = 0; j < met && face < 0; ++j)
            if (surfaces[static_cast<std::size_t>(found[j].surface)].region == top)
                face = j;
        if (n1 == n2 || face < 0) {
            out.add(d, intensity, SegmentStart::Passed);
            out.interaction = false;
            break;
        }
        // The normal at p: the one already worked out when the face was met at p.
        const Vec2 normal =
            found[face].t == t
                ? normalOf(face)
                : surfaceNormal(surfaces[static_cast<std::size_t>(found[face].surface)], p);
        const Vec2 facing = dot(d, normal) > 0.0 ? -normal : normal;
        // Snell's law in vector form (as optics/interface.h's refracted), its square root
        // kept for Fresnel's cosine of refraction.
        const double eta = n1 / n2;
        const double cosIn = -dot(facing, d);
        const double k = 1.0 - eta * eta * (1.0 - cosIn * cosIn);
        if (k < 0.0) {
            out.add(normalised(mirrored(d, facing)), intensity, SegmentStart::TotalReflection);
            break;
        }
        const double root = std::sqrt(k);
        const Vec2 through = normalised(eta * d + (eta * cosIn - root) * facing);
        if (scene.fresnel) {
            const double ci = std::min(1.0, -dot(d, facing));
            const double ct = cosIn < 1.0 && k > 0.0
                                  ? root
                                  : std::sqrt(std::max(0.0, 1.0 - eta * eta * (1.0 - ci * ci)));
            const Shares f = fresnelShares(n1, n2, ci, ct);
            out.add(normalised(mirrored(d, facing)), intensity * f.reflected,
                    SegmentStart::Reflected);
            out.add(through, intensity * f.transmitted, SegmentStart::Refracted);
        } else {
            out.add(through, intensity, SegmentStart::Refracted);
        }
    }
    }

    if (out.interaction && part.interactions >= scene.maxInteractions) {
        segment(t, SegmentEnd::Stopped);
        ++path.counts.cutInteractions;
        return;
    }
    const std::int32_t parent = segment(t, SegmentEnd::Met);
    // The second way is traced first: what goes on through a surface before what it reflects.
    for (int k = 0; k < out.count; ++k) {
        const Outcome::Way& way = out.ways[k];
        if (!(way.intensity > 0.0) || !usable(way.direction))
            continue;
        if (way.intensity < scene.minIntensity) {
            ++path.counts.cutIntensity;
            continue;
        }
        Part next;
        next.origin = p;
        next.direction = way.direction;
        next.intensity = way.intensity;
        next.interactions = part.interactions + (out.interaction ? 1 : 0);
        next.parent = parent;
        next.start = way.start;
        next.onCount = static_cast<std::uint8_t>(met);
        for (int j = 0; j < met; ++j)
            next.on[static_cast<std::size_t>(j)] = found[j].surface;
        m_stack.push_back(next);
    }
}

} // namespace lumenary::bench
