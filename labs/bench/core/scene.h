#pragma once

#include "dispersion.h"
#include "optics_constants.h"
#include "vec2.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// The Optical Bench's scene: light sources and optical elements placed freely in the plane, as
// a scene file holds them. Lengths in millimetres, y upwards, angles in degrees counter-clockwise
// from +x. Plain values: the window edits them, the file reader and writer convert them, the
// tracer traces them; nothing here checks them (see scene_check.h).
namespace lumenary::bench
{

// Keys a file held that this program does not know, in file order, each value as compact JSON
// text: kept on load and written back on save.
using ExtraKeys = std::vector<std::pair<std::string, std::string>>;

// What a glass element is made of, or what surrounds the elements: a material of the dispersion
// table (its index follows the wavelength) or a fixed index.
struct Medium {
    const SellmeierMaterial* material = nullptr; // null: the fixed index below
    double index = 1.0;

    // The index at a wavelength in nanometres (the fixed index for a fixed medium).
    double at(double nanometres) const;
    friend bool operator==(const Medium&, const Medium&) = default;
};

// The short names a scene file gives the dispersion table's materials: "water", "fused silica",
// "N-BK7", "F2"; empty for a fixed index.
std::string_view mediumName(const Medium& medium);
// The table's material of that short name; nothing for any other text.
const SellmeierMaterial* mediumByName(std::string_view name);

// The colour of a source: one wavelength, or white light sampled at `white` wavelengths evenly
// over 400–700 nm, both ends included.
struct Light {
    double wavelength = kLineD; // nm, used when white is 0
    int white = 0;              // 0: one wavelength; 2 to 400: white light

    // The wavelengths this light is traced at, violet first.
    std::vector<double> wavelengths() const;
    friend bool operator==(const Light&, const Light&) = default;
};

// One ray from `from` in `direction` (degrees).
struct RaySource {
    Vec2 from;
    double direction = 0.0;
    Light light;
    friend bool operator==(const RaySource&, const RaySource&) = default;
};

// A parallel beam: `rays` rays spread evenly over a start line of length `width` centred on
// `from` and perpendicular to `direction`; one ray is the centre ray.
struct BeamSource {
    Vec2 from;
    double direction = 0.0;
    double width = 10.0;
    int rays = 5;
    Light light;
    friend bool operator==(const BeamSource&, const BeamSource&) = default;
};

// Rays from one point: with the full circle (0 to 360) n rays at k·360/n, otherwise n rays from
// fromAngle to toAngle, both included (a single ray at fromAngle).
struct PointSource {
    Vec2 at;
    int rays = 8;
    double fromAngle = 0.0;
    double toAngle = 360.0;
    Light light;
    friend bool operator==(const PointSource&, const PointSource&) = default;
};

// A thin lens that turns a ray's slope against its axis from u to u − h/f, for a ray crossing
// it at signed height h, in either direction.
struct IdealLens {
    Vec2 at;
    double axis = 0.0;
    double aperture = 40.0;
    double focalLength = 100.0;
    friend bool operator==(const IdealLens&, const IdealLens&) = default;
};

// A lens with two spherical (or flat, radius 0) surfaces and a flat rim: r1 at at − thickness/2
// along the axis, r2 at at + thickness/2; a radius is positive when its centre of curvature
// lies on the +axis side of its vertex.
struct SphericalLens {
    Vec2 at;
    double axis = 0.0;
    double aperture = 40.0;
    double thickness = 8.0;
    double r1 = 60.0;
    double r2 = -60.0;
    Medium material;
    friend bool operator==(const SphericalLens&, const SphericalLens&) = default;
};

// A plane mirror from `from` to `to`, reflecting on both sides.
struct Mirror {
    Vec2 from;
    Vec2 to;
    friend bool operator==(const Mirror&, const Mirror&) = default;
};

// The shorter circular arc through `from` and `to`; its centre lies left of from→to for a
// positive radius, right of it for a negative one. Reflects on both sides.
struct ArcMirror {
    Vec2 from;
    Vec2 to;
    double radius = 100.0;
    friend bool operator==(const ArcMirror&, const ArcMirror&) = default;
};

// A parabola with its vertex at `vertex`, opening along `axis` towards its focus at
// focalLength, cut at aperture/2 either side of the axis. Reflects on both sides.
struct ParabolicMirror {
    Vec2 vertex;
    double axis = 0.0;
    double focalLength = 50.0;
    double aperture = 60.0;
    friend bool operator==(const ParabolicMirror&, const ParabolicMirror&) = default;
};

// A block of glass bounded by a simple polygon.
struct Glass {
    std::vector<Vec2> vertices;
    Medium material;
    friend bool operator==(const Glass&, const Glass&) = default;
};

// A disc of glass (or water: a drop).
struct Circle {
    Vec2 centre;
    double radius = 10.0;
    Medium material;
    friend bool operator==(const Circle&, const Circle&) = default;
};

// A plane that reflects the share `reflectance` of the light and lets the rest through.
struct BeamSplitter {
    Vec2 from;
    Vec2 to;
    double reflectance = 0.5;
    friend bool operator==(const BeamSplitter&, const BeamSplitter&) = default;
};

// A plane that ends every ray meeting it.
struct Blocker {
    Vec2 from;
    Vec2 to;
    friend bool operator==(const Blocker&, const Blocker&) = default;
};

// A line that records every ray crossing it and lets it pass.
struct Detector {
    Vec2 from;
    Vec2 to;
    friend bool operator==(const Detector&, const Detector&) = default;
};

// Every kind of element, in the order of ElementType.
using ElementShape =
    std::variant<RaySource, BeamSource, PointSource, IdealLens, SphericalLens, Mirror, ArcMirror,
                 ParabolicMirror, Glass, Circle, BeamSplitter, Blocker, Detector>;

// The kinds of element, as the variant's alternatives are ordered.
enum class ElementType {
    Ray,
    Beam,
    Point,
    IdealLens,
    SphericalLens,
    Mirror,
    ArcMirror,
    ParabolicMirror,
    Glass,
    Circle,
    BeamSplitter,
    Blocker,
    Detector
};
inline constexpr int kElementTypeCount = 13;

// The name of a type in the scene file ("spherical_lens").
std::string_view typeKey(ElementType type);
// The type of a scene file's name; nothing for an unknown name.
std::optional<ElementType> typeFromKey(std::string_view key);
// The name a person reads ("Spherical lens").
std::string_view typeTitle(ElementType type);

// One element of a scene: its shape, an optional name, and the keys of its file this program
// does not know.
struct Element {
    ElementShape shape;
    std::string name;
    ExtraKeys extra;

    ElementType type() const { return static_cast<ElementType>(shape.index()); }
    // True for the three kinds of source.
    bool isSource() const { return type() <= ElementType::Point; }
    friend bool operator==(const Element&, const Element&) = default;
};

// Defaults of the scene-wide settings.
inline constexpr double kDefaultMinIntensity = 0.001;
inline constexpr std::int64_t kDefaultMaxInteractions = 1000;
inline constexpr std::int64_t kDefaultMaxSegments = 1000000;

// A whole scene: what surrounds the elements, whether partial reflection is traced, the limits
// of a trace, a description for the reader, and the elements numbered from 0.
struct Scene {
    Medium surroundings;
    bool fresnel = false;
    double minIntensity = kDefaultMinIntensity;
    std::int64_t maxInteractions = kDefaultMaxInteractions;
    std::int64_t maxSegments = kDefaultMaxSegments;
    std::string description;
    std::vector<Element> elements;
    ExtraKeys extra;
    friend bool operator==(const Scene&, const Scene&) = default;
};

} // namespace lumenary::bench
