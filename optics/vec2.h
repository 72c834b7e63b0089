#pragma once

#include <cmath>

namespace lumenary
{

// A vector or position in the plane, for tracing rays: y upwards.
//
//     Vec2 d = unit({1, 1});
//     Vec2 p = Vec2{2, 0} + 3.0 * d;
//     double side = cross(d, p); // > 0: p lies to the left of d
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
    // Exact comparison, for telling whether a position changed.
    friend bool operator==(const Vec2&, const Vec2&) = default;
};

inline Vec2 operator+(Vec2 a, Vec2 b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator-(Vec2 a)
{
    return {-a.x, -a.y};
}
inline Vec2 operator*(double k, Vec2 a)
{
    return {k * a.x, k * a.y};
}
inline double dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}
// The z component of a × b: positive when b turns counter-clockwise from a.
inline double cross(Vec2 a, Vec2 b)
{
    return a.x * b.y - a.y * b.x;
}
inline double length(Vec2 a)
{
    return std::hypot(a.x, a.y);
}
// a scaled to length 1; a zero vector stays zero.
inline Vec2 unit(Vec2 a)
{
    const double len = length(a);
    return len > 0.0 ? Vec2{a.x / len, a.y / len} : Vec2{};
}
// a turned 90° counter-clockwise.
inline Vec2 perpendicular(Vec2 a)
{
    return {-a.y, a.x};
}

} // namespace lumenary
