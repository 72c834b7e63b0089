#pragma once

#include "vec2.h"

#include <array>
#include <optional>
#include <vector>

// Rays through the pictures' drop and prism, traced in any direction with the core's vectors
// and Snell's law (vec2.h, interface.h); what the core lacks for that lives here.
namespace lumenary::tools
{

// The unit vector at an angle (radians) anticlockwise from +x.
Vec2 direction(double radians);

// Snell's law from a medium of index n1 into one of index n2 at a surface whose unit normal may
// face either way: the core's `refracted` with the normal turned towards the arriving light.
// Nothing when the light is totally reflected.
std::optional<Vec2> refractBetween(Vec2 d, Vec2 normal, double n1, double n2);

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
