#include "scene_check.h"

#include "element_geometry.h"
#include "scene_limits.h"
#include "wording.h"

#include <cmath>

namespace lumenary::bench
{

namespace
{

using Problem = std::optional<ElementProblem>;

Problem fail(std::string key, std::string message)
{
    return ElementProblem{std::move(key), std::move(message)};
}

Problem point(const char* key, Vec2 p)
{
    if (!(std::fabs(p.x) <= kMaxCoordinate && std::fabs(p.y) <= kMaxCoordinate))
        return fail(key, translate("lumenary::bench::SceneText",
                                   "must lie within 1000000 mm of the origin"));
    return std::nullopt;
}

Problem angle(const char* key, double degrees)
{
    if (!(std::fabs(degrees) <= kMaxAngle))
        return fail(key, translate("lumenary::bench::SceneText",
                                   "must be an angle between -1000000 and 1000000 degrees"));
    return std::nullopt;
}

Problem positive(const char* key, double value)
{
    if (!(value >= kMinLength && value <= kMaxCoordinate))
        return fail(key, translate("lumenary::bench::SceneText",
                                   "must be at least 1e-06 mm and at most 1000000 mm"));
    return std::nullopt;
}

Problem rayCount(int rays)
{
    if (!(rays >= 1 && rays <= kMaxPaths))
        return fail("rays", translate("lumenary::bench::SceneText",
                                      "must be a whole number from 1 to 250000"));
    return std::nullopt;
}

Problem medium(const char* key, const Medium& m)
{
    if (m.material)
        return std::nullopt;
    if (!(m.index >= kMinIndex && m.index <= kMaxIndex))
        return fail(key, translate("lumenary::bench::SceneText",
                                   "must be a refractive index from 1 to 10 or one of \"water\", "
                                   "\"fused silica\", \"N-BK7\", \"F2\""));
    return std::nullopt;
}

Problem light(const Light& l)
{
    if (l.white == 0) {
        if (!isVisibleWavelength(l.wavelength))
            return fail("wavelength", translate("lumenary::bench::SceneText",
                                                "must be a wavelength from 380 to 780 nm"));
        return std::nullopt;
    }
    if (!(l.white >= kMinWhite && l.white <= kMaxWhite))
        return fail("white", translate("lumenary::bench::SceneText",
                                       "must be a number of wavelengths from 2 to 400"));
    return std::nullopt;
}

// The ends of a straight element.
Problem ends(Vec2 from, Vec2 to)
{
    if (auto p = point("from", from))
        return p;
    if (auto p = point("to", to))
        return p;
    if (!(length(to - from) >= kMinLength))
        return fail("to", translate("lumenary::bench::SceneText",
                                    "must lie at least 1e-06 mm from \"from\""));
    return std::nullopt;
}

Problem check(const RaySource& s)
{
    if (auto p = point("from", s.from))
        return p;
    if (auto p = angle("direction", s.direction))
        return p;
    return light(s.light);
}

Problem check(const BeamSource& s)
{
    if (auto p = point("from", s.from))
        return p;
    if (auto p = angle("direction", s.direction))
        return p;
    if (!(s.width >= 0.0 && s.width <= kMaxCoordinate))
        return fail("width",
                    translate("lumenary::bench::SceneText", "must be from 0 to 1000000 mm"));
    if (auto p = rayCount(s.rays))
        return p;
    return light(s.light);
}

Problem check(const PointSource& s)
{
    if (auto p = point("at", s.at))
        return p;
    if (auto p = angle("from_angle", s.fromAngle))
        return p;
    if (auto p = angle("to_angle", s.toAngle))
        return p;
    if (auto p = rayCount(s.rays))
        return p;
    return light(s.light);
}

Problem check(const IdealLens& e)
{
    if (auto p = point("at", e.at))
        return p;
    if (auto p = angle("axis", e.axis))
        return p;
    if (auto p = positive("aperture", e.aperture))
        return p;
    if (!(std::fabs(e.focalLength) >= kMinLength && std::fabs(e.focalLength) <= kMaxCoordinate))
        return fail("focal_length",
                    translate("lumenary::bench::SceneText",
                              "must be from 1e-06 to 1000000 mm, or from -1000000 to "
                              "-1e-06 mm for a diverging lens"));
    return std::nullopt;
}

Problem radius(const char* key, double r, double aperture)
{
    if (r == 0.0)
        return std::nullopt;
    if (!(std::fabs(r) <= kMaxCoordinate))
        return fail(key, translate("lumenary::bench::SceneText", "must lie within 1000000 mm"));
    if (!(std::fabs(r) * 2.0 >= aperture))
        return fail(key, translate("lumenary::bench::SceneText",
                                   "must be 0 (flat) or at least half the aperture in size"));
    return std::nullopt;
}

Problem check(const SphericalLens& e)
{
    if (auto p = point("at", e.at))
        return p;
    if (auto p = angle("axis", e.axis))
        return p;
    if (auto p = positive("aperture", e.aperture))
        return p;
    if (auto p = positive("thickness", e.thickness))
        return p;
    if (auto p = radius("r1", e.r1, e.aperture))
        return p;
    if (auto p = radius("r2", e.r2, e.aperture))
        return p;
    // The edge is thinnest at the rim or at the centre: the surfaces' depths grow steadily
    // with the height, so their difference does too.
    if (!(lensShape(e).edgeThickness >= 0.0))
        return fail("thickness",
                    translate("lumenary::bench::SceneText",
                              "is too small: the two surfaces cross inside the aperture"));
    return medium("material", e.material);
}

Problem check(const Mirror& e)
{
    return ends(e.from, e.to);
}

Problem check(const ArcMirror& e)
{
    if (auto p = ends(e.from, e.to))
        return p;
    if (!(std::fabs(e.radius) <= kMaxCoordinate) || !arcShape(e))
        return fail("radius",
                    translate("lumenary::bench::SceneText",
                              "must be at least half the distance between the ends in size, "
                              "and at most 1000000 mm"));
    return std::nullopt;
}

Problem check(const ParabolicMirror& e)
{
    if (auto p = point("vertex", e.vertex))
        return p;
    if (auto p = angle("axis", e.axis))
        return p;
    if (auto p = positive("focal_length", e.focalLength))
        return p;
    return positive("aperture", e.aperture);
}

Problem check(const Glass& e)
{
    if (e.vertices.size() < 3 || e.vertices.size() > kMaxPolygonVertices)
        return fail("vertices",
                    translate("lumenary::bench::SceneText", "must hold from 3 to 1000 corners"));
    for (const Vec2 v : e.vertices)
        if (auto p = point("vertices", v))
            return p;
    if (!isSimplePolygon(e.vertices))
        return fail("vertices",
                    translate("lumenary::bench::SceneText",
                              "must make a simple polygon (edges that meet only at shared "
                              "corners, none shorter than 1e-06 mm)"));
    return medium("material", e.material);
}

Problem check(const Circle& e)
{
    if (auto p = point("centre", e.centre))
        return p;
    if (auto p = positive("radius", e.radius))
        return p;
    return medium("material", e.material);
}

Problem check(const BeamSplitter& e)
{
    if (auto p = ends(e.from, e.to))
        return p;
    if (!(e.reflectance >= 0.0 && e.reflectance <= 1.0))
        return fail("reflectance", translate("lumenary::bench::SceneText", "must be from 0 to 1"));
    return std::nullopt;
}

Problem check(const Blocker& e)
{
    return ends(e.from, e.to);
}

Problem check(const Detector& e)
{
    return ends(e.from, e.to);
}

} // namespace

std::optional<ElementProblem> checkElement(const Element& element)
{
    if (element.name.size() > kMaxNameBytes)
        return fail("name",
                    translate("lumenary::bench::SceneText", "must be at most 1000 bytes long"));
    return std::visit([](const auto& shape) { return check(shape); }, element.shape);
}

std::optional<ElementProblem> checkSettings(const Scene& scene)
{
    if (auto p = medium("surroundings", scene.surroundings))
        return p;
    if (!(scene.minIntensity >= 0.0 && scene.minIntensity <= 1.0))
        return fail("min_intensity",
                    translate("lumenary::bench::SceneText", "must be from 0 to 1"));
    if (!(scene.maxInteractions >= 1 && scene.maxInteractions <= kMaxInteractionsLimit))
        return fail("max_interactions", translate("lumenary::bench::SceneText",
                                                  "must be a whole number from 1 to 10000000"));
    if (!(scene.maxSegments >= 1 && scene.maxSegments <= kMaxSegmentsLimit))
        return fail("max_segments", translate("lumenary::bench::SceneText",
                                              "must be a whole number from 1 to 4000000"));
    if (scene.description.size() > kMaxDescriptionBytes)
        return fail("description",
                    translate("lumenary::bench::SceneText", "must be at most 10000 bytes long"));
    return std::nullopt;
}

std::int64_t pathCount(const Element& element)
{
    const auto colours = [](const Light& l) -> std::int64_t { return l.white >= 2 ? l.white : 1; };
    if (const auto* s = std::get_if<RaySource>(&element.shape))
        return colours(s->light);
    if (const auto* s = std::get_if<BeamSource>(&element.shape))
        return static_cast<std::int64_t>(s->rays) * colours(s->light);
    if (const auto* s = std::get_if<PointSource>(&element.shape))
        return static_cast<std::int64_t>(s->rays) * colours(s->light);
    return 0;
}

} // namespace lumenary::bench
