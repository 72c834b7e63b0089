#include "element_geometry.h"

#include "scene_limits.h"

#include <algorithm>
#include <cmath>

namespace lumenary::bench
{

Vec2 directionVector(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0)
        a += 360.0;
    if (a == 0.0)
        return {1.0, 0.0};
    if (a == 90.0)
        return {0.0, 1.0};
    if (a == 180.0)
        return {-1.0, 0.0};
    if (a == 270.0)
        return {0.0, -1.0};
    if (a > 180.0)
        a -= 360.0;
    const double r = a * kDegree;
    return {std::cos(r), std::sin(r)};
}

double directionDegrees(Vec2 v)
{
    const double d = std::atan2(v.y, v.x) / kDegree;
    return d <= -180.0 ? d + 360.0 : d;
}

double surfaceSag(double r, double h)
{
    if (r == 0.0)
        return 0.0;
    // r − sign(r)·√(r² − h²), written without the cancellation of two nearly equal terms.
    const double root = std::sqrt(std::max(0.0, r * r - h * h));
    return std::copysign(h * h / (std::fabs(r) + root), r);
}

LensShape lensShape(const SphericalLens& lens)
{
    LensShape s;
    s.axis = directionVector(lens.axis);
    s.side = perpendicular(s.axis);
    s.vertex1 = lens.at - (lens.thickness / 2.0) * s.axis;
    s.vertex2 = lens.at + (lens.thickness / 2.0) * s.axis;
    s.centre1 = s.vertex1 + lens.r1 * s.axis;
    s.centre2 = s.vertex2 + lens.r2 * s.axis;
    s.half = lens.aperture / 2.0;
    const double z1 = surfaceSag(lens.r1, s.half);
    const double z2 = surfaceSag(lens.r2, s.half);
    s.edgeThickness = lens.thickness + z2 - z1;
    s.corners = {
        s.vertex1 + z1 * s.axis - s.half * s.side, s.vertex1 + z1 * s.axis + s.half * s.side,
        s.vertex2 + z2 * s.axis - s.half * s.side, s.vertex2 + z2 * s.axis + s.half * s.side};
    return s;
}

bool lensContains(const SphericalLens& lens, const LensShape& shape, Vec2 p)
{
    const double h = dot(p - lens.at, shape.side);
    if (!(std::fabs(h) < shape.half))
        return false;
    const double z = dot(p - shape.vertex1, shape.axis);
    return z > surfaceSag(lens.r1, h) && z < lens.thickness + surfaceSag(lens.r2, h);
}

std::optional<ArcShape> arcShape(const ArcMirror& mirror)
{
    const Vec2 chord = mirror.to - mirror.from;
    const double c = length(chord);
    if (!(c >= kMinLength) || !(std::fabs(mirror.radius) * 2.0 >= c))
        return std::nullopt;
    const double r = std::fabs(mirror.radius);
    const double rise = std::sqrt(std::max(0.0, r * r - c * c / 4.0));
    const Vec2 left = perpendicular(unit(chord));
    const Vec2 mid = 0.5 * (mirror.from + mirror.to);
    return ArcShape{mid + std::copysign(rise, mirror.radius) * left, r};
}

bool onArc(const ArcMirror& mirror, Vec2 p)
{
    const double side = cross(mirror.to - mirror.from, p - mirror.from);
    return mirror.radius > 0.0 ? side <= 0.0 : side >= 0.0;
}

ParabolaShape parabolaShape(const ParabolicMirror& mirror)
{
    ParabolaShape s;
    s.axis = directionVector(mirror.axis);
    s.side = perpendicular(s.axis);
    s.focus = mirror.vertex + mirror.focalLength * s.axis;
    const double v = mirror.aperture / 2.0;
    const double u = v * v / (4.0 * mirror.focalLength);
    s.ends = {mirror.vertex + u * s.axis - v * s.side, mirror.vertex + u * s.axis + v * s.side};
    return s;
}

namespace
{

// True when the closed segments a–b and c–d share a point.
bool segmentsMeet(Vec2 a, Vec2 b, Vec2 c, Vec2 d)
{
    const double o1 = cross(b - a, c - a);
    const double o2 = cross(b - a, d - a);
    const double o3 = cross(d - c, a - c);
    const double o4 = cross(d - c, b - c);
    if (o1 == 0.0 && o2 == 0.0) {
        // On one line: they meet when their extents along it overlap.
        const Vec2 e = b - a;
        const double s0 = 0.0;
        const double s1 = dot(e, e);
        const double t0 = dot(c - a, e);
        const double t1 = dot(d - a, e);
        return std::max(t0, t1) >= s0 && std::min(t0, t1) <= s1;
    }
    return ((o1 <= 0.0 && o2 >= 0.0) || (o1 >= 0.0 && o2 <= 0.0)) &&
           ((o3 <= 0.0 && o4 >= 0.0) || (o3 >= 0.0 && o4 <= 0.0));
}

} // namespace

double twiceSignedArea(const std::vector<Vec2>& v)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < v.size(); ++i)
        sum += cross(v[i], v[(i + 1) % v.size()]);
    return sum;
}

bool isSimplePolygon(const std::vector<Vec2>& v)
{
    const std::size_t n = v.size();
    if (n < 3)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!(length(v[(i + 1) % n] - v[i]) >= kMinLength))
            return false;
    if (!(std::fabs(twiceSignedArea(v)) > 0.0))
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 a = v[i];
        const Vec2 b = v[(i + 1) % n];
        // The next edge may not fold back along this one.
        const Vec2 c = v[(i + 2) % n];
        if (cross(b - a, c - b) == 0.0 && dot(b - a, c - b) < 0.0)
            return false;
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue; // the last edge and the first share the first corner
            if (segmentsMeet(a, b, v[j], v[(j + 1) % n]))
                return false;
        }
    }
    return true;
}

bool polygonContains(const std::vector<Vec2>& v, Vec2 p)
{
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        if ((v[i].y > p.y) != (v[j].y > p.y) &&
            p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            inside = !inside;
    }
    return inside;
}

} // namespace lumenary::bench
