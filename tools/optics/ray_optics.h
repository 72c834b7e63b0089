#pragma once

#include <array>
#include <optional>
#include <vector>

namespace lumenary::tools
{

// A point or direction in the plane.
struct Vec2 {
    double x = 0;
    double y = 0;
    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec2 operator*(double s, Vec2 a) { return {s * a.x, s * a.y}; }
    friend bool operator==(Vec2, Vec2) = default;
};

// Dot product.
double dot(Vec2 a, Vec2 b);
// Euclidean length.
double length(Vec2 a);
// The vector scaled to unit length (a zero vector stays zero).
Vec2 normalized(Vec2 a);
// The vector turned a quarter turn anticlockwise (y up).
Vec2 perpendicular(Vec2 a);
// The unit vector at an angle (radians) anticlockwise from +x.
Vec2 direction(double radians);

// Mirror reflection of a direction at a surface with the given unit normal.
Vec2 reflect(Vec2 d, Vec2 normal);

// Snell's law in vector form: the unit direction after passing from a medium of index n1 into
// one of index n2 through a surface with the given unit normal (either orientation). Nothing
// when the light is totally reflected.
std::optional<Vec2> refract(Vec2 d, Vec2 normal, double n1, double n2);

// Distances t > 1e-9 along a ray (origin, unit direction) at which it meets a circle, nearer
// first; nothing if the ray misses it or only grazes it.
std::optional<std::array<double, 2>> circleHits(Vec2 origin, Vec2 d, Vec2 centre, double radius);

// A ray's path through an optical element: the corners where it turns, then where it leaves
// (direction of the last leg).
struct RayPath {
    std::vector<Vec2> points; // the start, then each surface the ray meets
    Vec2 exitDirection;       // unit direction after the last point
};

// The primary-rainbow path through a round drop of index n in air: the ray arrives travelling
// along +x at height `impact` (a fraction of the radius, 0 < impact < 1) above the centre,
// refracts into the drop, reflects once off the back and refracts out.
// Points: start (one radius left of the drop's left edge), entry, back reflection, exit.
std::optional<RayPath> tracePrimaryRainbow(Vec2 centre, double radius, double impact, double n);

// The deviation (degrees, 0..180) of a primary-rainbow ray: the angle between the arriving
// direction and the leaving one, 180 - 4 refr + 2 inc in the usual notation.
double rainbowDeviationDegrees(double impact, double n);

// The path of a ray through a triangular prism of index n in air: from `origin` along the unit
// direction `d`, into the first face it meets and out through the next one. Nothing when the ray
// misses the prism or is totally reflected inside. Points: origin, entry, exit.
std::optional<RayPath> tracePrism(const std::array<Vec2, 3>& corners, Vec2 origin, Vec2 d,
                                  double n);

// The angle (degrees) between the directions a ray arrives and leaves with.
double deviationDegrees(Vec2 arriving, Vec2 leaving);

} // namespace lumenary::tools
