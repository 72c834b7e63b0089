#include "ray_optics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace lumenary::tools
{

namespace
{

constexpr double kMinDistance = 1e-9;

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

// Where a ray first meets a segment, beyond kMinDistance: distance along the ray.
std::optional<double> segmentHit(Vec2 origin, Vec2 d, Vec2 a, Vec2 b)
{
    const Vec2 edge = b - a;
    const double denominator = d.x * edge.y - d.y * edge.x;
    if (std::fabs(denominator) < 1e-12)
        return std::nullopt;
    const Vec2 w = a - origin;
    const double t = (w.x * edge.y - w.y * edge.x) / denominator;
    const double s = (w.x * d.y - w.y * d.x) / denominator;
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
    return normalized(perpendicular(c[(face + 1) % 3] - c[face]));
}

} // namespace

double dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}

double length(Vec2 a)
{
    return std::hypot(a.x, a.y);
}

Vec2 normalized(Vec2 a)
{
    const double l = length(a);
    if (!(l > 0.0))
        return {};
    return {a.x / l, a.y / l};
}

Vec2 perpendicular(Vec2 a)
{
    return {-a.y, a.x};
}

Vec2 direction(double radians)
{
    return {std::cos(radians), std::sin(radians)};
}

Vec2 reflect(Vec2 d, Vec2 normal)
{
    return d - 2.0 * dot(d, normal) * normal;
}

std::optional<Vec2> refract(Vec2 d, Vec2 normal, double n1, double n2)
{
    // Work with the normal facing the arriving light.
    Vec2 m = normal;
    double cosIn = -dot(d, m);
    if (cosIn < 0) {
        m = -1.0 * m;
        cosIn = -cosIn;
    }
    const double eta = n1 / n2;
    const double sinOut2 = eta * eta * (1.0 - cosIn * cosIn);
    if (!(sinOut2 <= 1.0))
        return std::nullopt;
    const double cosOut = std::sqrt(1.0 - sinOut2);
    return normalized(eta * d + (eta * cosIn - cosOut) * m);
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
    const auto inside = refract(along, normalized(entry - centre), 1.0, n);
    if (!inside)
        return std::nullopt;
    // From a point on the circle, the far hit is the other end of the chord.
    const auto toBack = circleHits(entry, *inside, centre, radius);
    if (!toBack)
        return std::nullopt;
    const Vec2 back = entry + (*toBack)[1] * *inside;
    const Vec2 bounced = reflect(*inside, normalized(back - centre));
    const auto toExit = circleHits(back, bounced, centre, radius);
    if (!toExit)
        return std::nullopt;
    const Vec2 exit = back + (*toExit)[1] * bounced;
    const auto leaving = refract(bounced, normalized(exit - centre), n, 1.0);
    if (!leaving)
        return std::nullopt;
    return RayPath{{start, entry, back, exit}, *leaving};
}

double rainbowDeviationDegrees(double impact, double n)
{
    const double incidence = std::asin(impact);
    const double refraction = std::asin(impact / n);
    return 180.0 - degrees(4.0 * refraction - 2.0 * incidence);
}

std::optional<RayPath> tracePrism(const std::array<Vec2, 3>& corners, Vec2 origin, Vec2 d, double n)
{
    if (!(n > 0.0))
        return std::nullopt;
    const auto first = nearestFace(corners, origin, d, -1);
    if (!first)
        return std::nullopt;
    const Vec2 entry = origin + first->t * d;
    const auto inside = refract(d, faceNormal(corners, first->face), 1.0, n);
    if (!inside)
        return std::nullopt;
    const auto second = nearestFace(corners, entry, *inside, first->face);
    if (!second)
        return std::nullopt;
    const Vec2 exit = entry + second->t * *inside;
    const auto leaving = refract(*inside, faceNormal(corners, second->face), n, 1.0);
    if (!leaving)
        return std::nullopt;
    return RayPath{{origin, entry, exit}, *leaving};
}

double deviationDegrees(Vec2 arriving, Vec2 leaving)
{
    const double c = dot(normalized(arriving), normalized(leaving));
    return degrees(std::acos(std::clamp(c, -1.0, 1.0)));
}

} // namespace lumenary::tools
