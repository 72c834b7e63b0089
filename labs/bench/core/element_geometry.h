#pragma once

#include "scene.h"

#include <array>
#include <cmath>
#include <optional>

// The shapes behind the elements' numbers, worked out once: where a lens's surfaces and corners
// lie, where an arc mirror's centre is. The checks, the tracer, the read-outs and the picture all
// use these, so that what is traced is what is drawn.
namespace lumenary::bench
{

// a scaled to length 1 by a plain square root, for vectors of ordinary size (the tracer's
// directions and normals; hypot's care for overflow costs a fifth of a trace); zero stays zero.
inline Vec2 normalised(Vec2 a)
{
    const double len = std::sqrt(a.x * a.x + a.y * a.y);
    if (!(len > 0.0))
        return {};
    const double k = 1.0 / len;
    return {a.x * k, a.y * k};
}

// The unit vector at an angle in degrees counter-clockwise from +x; exact at multiples of 90°.
Vec2 directionVector(double degrees);
// The direction of a vector in degrees, in (−180, 180]; 0 for the zero vector.
double directionDegrees(Vec2 v);

// The depth of a spherical surface of signed radius r at height h from its vertex, along the
// axis: r − sign(r)·√(r² − h²); 0 for a flat surface (r = 0). Needs |h| ≤ |r|.
double surfaceSag(double r, double h);

// A spherical lens in the plane. Heights are measured along `side` (90° counter-clockwise from
// the axis), depths along `axis`. Corners: [0] and [1] the ends of the first surface at
// −aperture/2 and +aperture/2, [2] and [3] those of the second surface.
struct LensShape {
    Vec2 axis;
    Vec2 side;
    Vec2 vertex1;
    Vec2 vertex2;
    Vec2 centre1;               // meaningful when r1 ≠ 0
    Vec2 centre2;               // meaningful when r2 ≠ 0
    double half = 0.0;          // aperture / 2
    double edgeThickness = 0.0; // along the rim
    std::array<Vec2, 4> corners;
};
LensShape lensShape(const SphericalLens& lens);
// True when p lies strictly inside the lens.
bool lensContains(const SphericalLens& lens, const LensShape& shape, Vec2 p);

// An arc mirror's circle; nothing when the radius is shorter than half the chord or the ends
// coincide.
struct ArcShape {
    Vec2 centre;
    double radius = 0.0; // |radius|
};
std::optional<ArcShape> arcShape(const ArcMirror& mirror);
// True when p, a point of the arc's circle, lies on the shorter arc from `from` to `to`.
bool onArc(const ArcMirror& mirror, Vec2 p);

// A parabolic mirror's frame: the axis towards the focus and the side 90° counter-clockwise.
struct ParabolaShape {
    Vec2 axis;
    Vec2 side;
    Vec2 focus;
    std::array<Vec2, 2> ends; // at −aperture/2 and +aperture/2 along the side
};
ParabolaShape parabolaShape(const ParabolicMirror& mirror);

// True when the polygon is simple: at least three corners, no edge shorter than kMinLength,
// no two edges meeting except neighbours at their shared corner, and a non-zero area.
bool isSimplePolygon(const std::vector<Vec2>& vertices);
// Twice the signed area (positive when the corners go counter-clockwise).
double twiceSignedArea(const std::vector<Vec2>& vertices);
// True when p lies inside the polygon (crossing count; a point on an edge may go either way).
bool polygonContains(const std::vector<Vec2>& vertices, Vec2 p);

} // namespace lumenary::bench
