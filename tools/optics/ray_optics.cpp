#include "ray_optics.h"

#include "interface.h"
#include "optics_constants.h"

#include <algorithm>
#include <cmath>

namespace lumenary::tools
{

namespace
{

constexpr double kMinDistance = 1e-9;

// Where a ray first meets a segment, beyond kMinDistance: distance along the ray.
std::optional<double> segmentHit(Vec2 origin, Vec2 d, Vec2 a, Vec2 b)
{
    const Vec2 edge = b - a;
    const double denominator = cross(d, edge);
    if (std::fabs(denominator) < 1e-12)
        return std::nullopt;
    const Vec2 w = a - origin;
    const double t = cross(w, edge) / denominator;
    const double s = cross(w, d) / denominator;
    if (t <= kMinDistance || s < 0.0 || s > 1.0)
        return std::nullopt;
    return t;
}

struct FaceHit {
    double t;
    int face;
};

// The nearest face of the triangle the ray meets, other than `skip`.
std::optional<FaceHit> nearestFace(const std::array<Vec2, 3>& c, Vec2 origin, Vec2 d, int skip)
{
    std::optional<FaceHit> best;
    for (int i = 0; i < 3; ++i) {
        if (i == skip)
            continue;
        const auto t = segmentHit(origin, d, c[i], c[(i + 1) % 3]);
        if (t && (!best || *t < best->t))
            best = FaceHit{*t, i};
    }
    return best;
}

Vec2 faceNormal(const std::array<Vec2, 3>& c, int face)
{
    return unit(perpendicular(c[(face + 1) % 3] - c[face]));
}

} // namespace

Vec2 direction(double radians)
{
    return {std::cos(radians), std::sin(radians)};
}

std::optional<Vec2> refractBetween(Vec2 d, Vec2 normal, double n1, double n2)
{
    const Vec2 facing = dot(d, normal) > 0.0 ? -normal : normal;
    return refracted(d, facing, n1 / n2);
}

std::optional<std::array<double, 2>> circleHits(Vec2 origin, Vec2 d, Vec2 centre, double radius)
{
    const Vec2 w = origin - centre;
    const double b = dot(w, d);
    const double c = dot(w, w) - radius * radius;
    const double discriminant = b * b - c;
    if (!(discriminant > 0.0))
        return std::nullopt;
    const double root = std::sqrt(discriminant);
    const double near = -b - root;
    const double far = -b + root;
    if (far <= kMinDistance)
        return std::nullopt;
    if (near <= kMinDistance)
        return std::array<double, 2>{far, far};
    return std::array<double, 2>{near, far};
}

std::optional<RayPath> tracePrimaryRainbow(Vec2 centre, double radius, double impact, double n)
{
    if (!(impact > 0.0 && impact < 1.0 && radius > 0.0 && n > 1.0))
        return std::nullopt;
    const Vec2 start{centre.x - 2.0 * radius, centre.y + impact * radius};
    const Vec2 along{1, 0};
    const auto entering = circleHits(start, along, centre, radius);
    if (!entering)
        return std::nullopt;
    const Vec2 entry = start + (*entering)[0] * along;
    const auto inside = refractBetween(along, unit(entry - centre), 1.0, n);
    if (!inside)
        return std::nullopt;
    // From a point on the circle, the far hit is the other end of the chord.
    const auto toBack = circleHits(entry, *inside, centre, radius);
    if (!toBack)
        return std::nullopt;
    const Vec2 back = entry + (*toBack)[1] * *inside;
    const Vec2 bounced = reflected(*inside, unit(back - centre));
    const auto toExit = circleHits(back, bounced, centre, radius);
    if (!toExit)
        return std::nullopt;
    const Vec2 exit = back + (*toExit)[1] * bounced;
    const auto leaving = refractBetween(bounced, unit(exit - centre), n, 1.0);
    if (!leaving)
        return std::nullopt;
    return RayPath{{start, entry, back, exit}, *leaving};
}

double rainbowDeviationDegrees(double impact, double n)
{
    const double incidence = std::asin(impact);
    const double refraction = std::asin(impact / n);
    return 180.0 - (4.0 * refraction - 2.0 * incidence) / kDegree;
}

std::optional<RayPath> tracePrism(const std::array<Vec2, 3>& corners, Vec2 origin, Vec2 d, double n)
{
    if (!(n > 0.0))
        return std::nullopt;
    const auto first = nearestFace(corners, origin, d, -1);
    if (!first)
        return std::nullopt;
    const Vec2 entry = origin + first->t * d;
    const auto inside = refractBetween(d, faceNormal(corners, first->face), 1.0, n);
    if (!inside)
        return std::nullopt;
    const auto second = nearestFace(corners, entry, *inside, first->face);
    if (!second)
        return std::nullopt;
    const Vec2 exit = entry + second->t * *inside;
    const auto leaving = refractBetween(*inside, faceNormal(corners, second->face), n, 1.0);
    if (!leaving)
        return std::nullopt;
    return RayPath{{origin, entry, exit}, *leaving};
}

double deviationDegrees(Vec2 arriving, Vec2 leaving)
{
    const double c = dot(unit(arriving), unit(leaving));
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDegree;
}

} // namespace lumenary::tools
