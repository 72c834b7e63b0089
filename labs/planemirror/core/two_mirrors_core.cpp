#include "two_mirrors_core.h"

#include "plane_mirror_core.h"

#include <cmath>

namespace lumenary
{

std::optional<MirrorAngle> MirrorAngle::fromDegrees(double degrees)
{
    if (!(degrees > 0) || !std::isfinite(degrees))
        return std::nullopt;
    MirrorAngle a;
    a.degrees = degrees;
    // Whole turns are taken off first: in a huge measure in radians, α - pi/2 would round back
    // to α and the constructions would no longer agree with each other.
    const double turnsOff = degrees >= 360 ? std::fmod(degrees, 360.0) : degrees;
    a.alpha = turnsOff * kMirrorPi / 180;
    a.sin = std::sin(a.alpha);
    a.cos = std::cos(a.alpha);
    a.tan = std::tan(a.alpha);
    return a;
}

void drawTwoMirrorScene(Canvas& canvas, const MirrorAngle& angle)
{
    canvas.clear();
    canvas.setScale(-80, 40, 80, -40);
    canvas.line({0, 0}, {80, 0}, kMirrorForeground);
    const Point end{40 / angle.tan, 40};
    if (isFinite(end))
        canvas.line({0, 0}, end, kMirrorForeground);
    canvas.circle(kMirrorObject, 1, kObjectMarkerColour);
}

bool insideWedge(const MirrorAngle& angle, Point eye)
{
    const double t = angle.tan;
    const auto [xe, ye] = eye;
    return ye > 0 && ((t > 0 && ye < xe * t) || (t < 0 && ye > xe * t));
}

std::optional<Point> mirrorTwoReflection(const MirrorAngle& angle, Point eye)
{
    const double beta = angle.alpha - kMirrorPi / 2;
    const double cb = std::cos(beta);
    const double sb = std::sin(beta);
    const auto rotate = [&](Point p) { return Point{p.x * cb + p.y * sb, -p.x * sb + p.y * cb}; };
    const Point o = rotate(kMirrorObject);
    const Point e = rotate(eye);
    const double den = e.x + o.x;
    if (den == 0)
        return std::nullopt;
    const double s = (o.y * e.x + e.y * o.x) / den;
    const Point q{-s * sb, s * cb};
    if (!isFinite(q))
        return std::nullopt;
    return q;
}

Point mirrorTwoImage(const MirrorAngle& angle)
{
    const auto [x0, y0] = kMirrorObject;
    const double sin2 = 2 * angle.sin * angle.cos;
    const double cos2 = 1 - 2 * angle.sin * angle.sin;
    return {x0 * cos2 + y0 * sin2, x0 * sin2 - y0 * cos2};
}

namespace
{

// The two hits of a double reflection between a and b, where a stands in the eye's place of
// the formulas and b in the object's: mirror 2 is hit at (qx, r), where it meets the line from
// b's image in mirror 1 to a's image in mirror 2, and mirror 1 at (p1, 0), where the line from
// that point to b's image in mirror 1 crosses it. Empty when a division has no finite result.
std::optional<DoubleReflection> doubleHits(const MirrorAngle& angle, Point a, Point b)
{
    const auto [xa, ya] = a;
    const auto [xb, yb] = b;
    const double sin2 = 2 * angle.sin * angle.cos;
    const double cos2 = 1 - 2 * angle.sin * angle.sin;
    const double den = angle.sin * (xa + xb) + angle.cos * (yb - ya);
    const double num = sin2 * (xa * xb + ya * yb) + cos2 * (xa * yb - xb * ya);
    if (den == 0)
        return std::nullopt;
    const double r = num * angle.sin / den;
    const double qx = angle.degrees == 90 ? 0 : r / angle.tan;
    if (r + yb == 0)
        return std::nullopt;
    const Point onTwo{qx, r};
    const Point onOne{(r * xb + yb * qx) / (r + yb), 0};
    if (!isFinite(onTwo) || !isFinite(onOne))
        return std::nullopt;
    return DoubleReflection{onOne, onTwo};
}

} // namespace

std::optional<DoubleReflection> reflectionOneThenTwo(const MirrorAngle& angle, Point eye)
{
    const auto [x0, y0] = kMirrorObject;
    if (!(eye.x < x0 && eye.y > y0))
        return std::nullopt;
    const auto hits = doubleHits(angle, eye, kMirrorObject);
    // Both hits on the mirrors as drawn: for obtuse angles the line between the images can
    // meet mirror 2's line behind mirror 1, and no ray goes there.
    if (!hits || !(hits->first.x > 0) || !(hits->second.y > 0))
        return std::nullopt;
    return hits; // mirror 1 first
}

std::optional<DoubleReflection> reflectionTwoThenOne(const MirrorAngle& angle, Point eye)
{
    const auto [x0, y0] = kMirrorObject;
    if (!(x0 < eye.x && eye.y < y0))
        return std::nullopt;
    const auto hits = doubleHits(angle, kMirrorObject, eye);
    if (!hits || !(hits->second.y > 0))
        return std::nullopt;
    return DoubleReflection{hits->second, hits->first}; // mirror 2 first
}

void drawTwoMirrorPaths(Canvas& canvas, const MirrorAngle& angle, Point eye,
                        const MirrorPaths& ticked)
{
    if (!isFinite(eye) || !insideWedge(angle, eye))
        return;
    const Point o = kMirrorObject;
    if (ticked.m11) {
        const Point p = mirrorOneReflection(eye);
        if (drawPath(canvas, {o, p, eye}, kMirrorForeground)) {
            canvas.setDotted(true);
            canvas.line(p, {o.x, -o.y}, kMirrorForeground);
            canvas.setDotted(false);
        }
    }
    if (ticked.m21) {
        const auto q = mirrorTwoReflection(angle, eye);
        if (q && q->y > 0 && drawPath(canvas, {o, *q, eye}, palette(kMirrorTwoColour))) {
            canvas.setDotted(true);
            canvas.line(*q, mirrorTwoImage(angle), kMirrorForeground);
            canvas.setDotted(false);
        }
    }
    if (ticked.m12)
        if (const auto path = reflectionOneThenTwo(angle, eye))
            drawPath(canvas, {o, path->first, path->second, eye}, palette(kOneThenTwoColour));
    if (ticked.m22)
        if (const auto path = reflectionTwoThenOne(angle, eye))
            drawPath(canvas, {o, path->first, path->second, eye}, palette(kTwoThenOneColour));
}

} // namespace lumenary
