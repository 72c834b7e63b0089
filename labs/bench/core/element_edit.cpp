#include "element_edit.h"

#include "element_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace lumenary::bench
{

namespace
{

// How many straight pieces stand for a curve.
constexpr int kCurvePieces = 96;

// An angle brought into (−180, 180], so that turning an element again and again never walks its
// numbers out of range.
double normalAngle(double degrees)
{
    double a = std::remainder(degrees, 360.0);
    if (a <= -180.0)
        a += 360.0;
    return a;
}

Vec2 turned(Vec2 p, Vec2 about, Vec2 by)
{
    const Vec2 d = p - about;
    return about + Vec2{d.x * by.x - d.y * by.y, d.x * by.y + d.y * by.x};
}

Vec2 midpoint(Vec2 a, Vec2 b)
{
    return 0.5 * (a + b);
}

Vec2 polygonCentre(const std::vector<Vec2>& v)
{
    if (v.empty())
        return {};
    const double area2 = twiceSignedArea(v);
    Vec2 mean;
    for (const Vec2 p : v)
        mean = mean + p;
    mean = (1.0 / static_cast<double>(v.size())) * mean;
    if (!(std::fabs(area2) > 0.0))
        return mean;
    // Centre of area, from corners taken relative to their mean (for accuracy far from 0).
    Vec2 sum;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Vec2 a = v[i] - mean;
        const Vec2 b = v[(i + 1) % v.size()] - mean;
        const double c = cross(a, b);
        sum = sum + c * (a + b);
    }
    return mean + (1.0 / (3.0 * area2)) * sum;
}

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 ab = b - a;
    const double len2 = dot(ab, ab);
    double t = len2 > 0.0 ? dot(p - a, ab) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return length(p - (a + t * ab));
}

// A symmetric width across an axis: the two edges, and the width a dragged edge gives.
std::vector<Vec2> edges(Vec2 centre, double axisDegrees, double width)
{
    const Vec2 side = perpendicular(directionVector(axisDegrees));
    return {centre - (width / 2.0) * side, centre + (width / 2.0) * side};
}

double widthTo(Vec2 centre, double axisDegrees, Vec2 p)
{
    return 2.0 * std::fabs(dot(p - centre, perpendicular(directionVector(axisDegrees))));
}

} // namespace

std::vector<Vec2> lensOutline(const SphericalLens& l)
{
    const LensShape s = lensShape(l);
    std::vector<Vec2> out;
    for (int k = 0; k <= kCurvePieces; ++k) {
        const double h = -s.half + l.aperture * k / kCurvePieces;
        out.push_back(s.vertex1 + surfaceSag(l.r1, h) * s.axis + h * s.side);
    }
    for (int k = 0; k <= kCurvePieces; ++k) {
        const double h = s.half - l.aperture * k / kCurvePieces;
        out.push_back(s.vertex2 + surfaceSag(l.r2, h) * s.axis + h * s.side);
    }
    out.push_back(out.front());
    return out;
}

std::vector<Vec2> arcOutline(const ArcMirror& m)
{
    const auto arc = arcShape(m);
    if (!arc)
        return {m.from, m.to};
    const double a0 = std::atan2(m.from.y - arc->centre.y, m.from.x - arc->centre.x);
    const double a1 = std::atan2(m.to.y - arc->centre.y, m.to.x - arc->centre.x);
    // The shorter way round; a half circle goes round the side the mirror lies on.
    double sweep = std::remainder(a1 - a0, 2.0 * std::numbers::pi);
    const double mid = a0 + sweep / 2.0;
    if (!onArc(m, arc->centre + arc->radius * Vec2{std::cos(mid), std::sin(mid)}))
        sweep -= std::copysign(2.0 * std::numbers::pi, sweep);
    std::vector<Vec2> out;
    for (int k = 0; k <= kCurvePieces; ++k) {
        const double a = a0 + sweep * k / kCurvePieces;
        out.push_back(arc->centre + arc->radius * Vec2{std::cos(a), std::sin(a)});
    }
    return out;
}

std::vector<Vec2> parabolaOutline(const ParabolicMirror& m)
{
    const ParabolaShape s = parabolaShape(m);
    std::vector<Vec2> out;
    for (int k = 0; k <= kCurvePieces; ++k) {
        const double v = -m.aperture / 2.0 + m.aperture * k / kCurvePieces;
        out.push_back(m.vertex + (v * v / (4.0 * m.focalLength)) * s.axis + v * s.side);
    }
    return out;
}

std::vector<Vec2> circleOutline(const Circle& c)
{
    std::vector<Vec2> out;
    for (int k = 0; k <= 4 * kCurvePieces; ++k) {
        const double a = 2.0 * std::numbers::pi * k / (4 * kCurvePieces);
        out.push_back(c.centre + c.radius * Vec2{std::cos(a), std::sin(a)});
    }
    return out;
}

Vec2 elementAnchor(const Element& element)
{
    return std::visit(
        [](const auto& s) -> Vec2 {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, RaySource> || std::is_same_v<T, BeamSource>)
                return s.from;
            else if constexpr (requires { s.at.x; })
                return s.at;
            else if constexpr (requires { s.to.x; })
                return midpoint(s.from, s.to);
            else if constexpr (std::is_same_v<T, ParabolicMirror>)
                return s.vertex;
            else if constexpr (std::is_same_v<T, Circle>)
                return s.centre;
            else
                return polygonCentre(s.vertices);
        },
        element.shape);
}

double elementAngle(const Element& element)
{
    return std::visit(
        [](const auto& s) -> double {
            using T = std::decay_t<decltype(s)>;
            if constexpr (requires { s.direction; })
                return s.direction;
            else if constexpr (requires { s.axis; })
                return s.axis;
            else if constexpr (std::is_same_v<T, PointSource>)
                return s.fromAngle;
            else if constexpr (requires { s.to.x; })
                return directionDegrees(perpendicular(s.to - s.from));
            else
                return 0.0;
        },
        element.shape);
}

bool turns(const Element& element)
{
    return element.type() != ElementType::Circle;
}

void moveElement(Element& element, Vec2 delta)
{
    std::visit(
        [&](auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, RaySource> || std::is_same_v<T, BeamSource>) {
                s.from = s.from + delta;
            } else if constexpr (requires { s.at.x; }) {
                s.at = s.at + delta;
            } else if constexpr (requires { s.to.x; }) {
                s.from = s.from + delta;
                s.to = s.to + delta;
            } else if constexpr (std::is_same_v<T, ParabolicMirror>) {
                s.vertex = s.vertex + delta;
            } else if constexpr (std::is_same_v<T, Circle>) {
                s.centre = s.centre + delta;
            } else {
                for (Vec2& v : s.vertices)
                    v = v + delta;
            }
        },
        element.shape);
}

void rotateElement(Element& element, double degrees)
{
    const Vec2 about = elementAnchor(element);
    const Vec2 by = directionVector(degrees);
    std::visit(
        [&](auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (requires { s.direction; }) {
                s.direction = normalAngle(s.direction + degrees);
            } else if constexpr (requires { s.axis; }) {
                s.axis = normalAngle(s.axis + degrees);
            } else if constexpr (std::is_same_v<T, PointSource>) {
                const double from = normalAngle(s.fromAngle + degrees);
                s.toAngle = from + (s.toAngle - s.fromAngle);
                s.fromAngle = from;
            } else if constexpr (requires { s.to.x; }) {
                s.from = turned(s.from, about, by);
                s.to = turned(s.to, about, by);
            } else if constexpr (std::is_same_v<T, Glass>) {
                for (Vec2& v : s.vertices)
                    v = turned(v, about, by);
            }
        },
        element.shape);
}

std::vector<Vec2> elementEnds(const Element& element)
{
    return std::visit(
        [](const auto& s) -> std::vector<Vec2> {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, BeamSource>)
                return edges(s.from, s.direction, s.width);
            else if constexpr (std::is_same_v<T, IdealLens> || std::is_same_v<T, SphericalLens>)
                return edges(s.at, s.axis, s.aperture);
            else if constexpr (std::is_same_v<T, ParabolicMirror>)
                return edges(s.vertex, s.axis, s.aperture);
            else if constexpr (requires { s.to.x; })
                return {s.from, s.to};
            else if constexpr (std::is_same_v<T, Circle>)
                return {s.centre + Vec2{s.radius, 0.0}};
            else if constexpr (std::is_same_v<T, Glass>)
                return s.vertices;
            else
                return {};
        },
        element.shape);
}

void setElementEnd(Element& element, int index, Vec2 p)
{
    const auto count = static_cast<int>(elementEnds(element).size());
    if (index < 0 || index >= count)
        return;
    std::visit(
        [&](auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, BeamSource>)
                s.width = widthTo(s.from, s.direction, p);
            else if constexpr (std::is_same_v<T, IdealLens> || std::is_same_v<T, SphericalLens>)
                s.aperture = widthTo(s.at, s.axis, p);
            else if constexpr (std::is_same_v<T, ParabolicMirror>)
                s.aperture = widthTo(s.vertex, s.axis, p);
            else if constexpr (requires { s.to.x; })
                (index == 0 ? s.from : s.to) = p;
            else if constexpr (std::is_same_v<T, Circle>)
                s.radius = length(p - s.centre);
            else if constexpr (std::is_same_v<T, Glass>)
                s.vertices[static_cast<std::size_t>(index)] = p;
        },
        element.shape);
}

std::vector<std::vector<Vec2>> elementOutline(const Element& element)
{
    return std::visit(
        [](const auto& s) -> std::vector<std::vector<Vec2>> {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, RaySource>)
                return {{s.from}};
            else if constexpr (std::is_same_v<T, BeamSource>)
                return {{s.from}, edges(s.from, s.direction, s.width)};
            else if constexpr (std::is_same_v<T, PointSource>)
                return {{s.at}};
            else if constexpr (std::is_same_v<T, IdealLens>)
                return {edges(s.at, s.axis, s.aperture)};
            else if constexpr (std::is_same_v<T, SphericalLens>)
                return {lensOutline(s)};
            else if constexpr (std::is_same_v<T, ArcMirror>)
                return {arcOutline(s)};
            else if constexpr (std::is_same_v<T, ParabolicMirror>)
                return {parabolaOutline(s)};
            else if constexpr (std::is_same_v<T, Circle>)
                return {circleOutline(s)};
            else if constexpr (std::is_same_v<T, Glass>) {
                std::vector<Vec2> closed = s.vertices;
                if (!closed.empty())
                    closed.push_back(closed.front());
                return {closed};
            } else {
                return {{s.from, s.to}};
            }
        },
        element.shape);
}

double distanceToElement(const Element& element, Vec2 p)
{
    const ElementShape& shape = element.shape;
    if (const auto* l = std::get_if<SphericalLens>(&shape); l && lensContains(*l, lensShape(*l), p))
        return 0.0;
    if (const auto* g = std::get_if<Glass>(&shape); g && polygonContains(g->vertices, p))
        return 0.0;
    if (const auto* c = std::get_if<Circle>(&shape); c && length(p - c->centre) < c->radius)
        return 0.0;
    double best = std::numeric_limits<double>::infinity();
    for (const std::vector<Vec2>& line : elementOutline(element)) {
        if (line.size() == 1)
            best = std::min(best, length(p - line[0]));
        for (std::size_t i = 1; i < line.size(); ++i)
            best = std::min(best, distanceToSegment(p, line[i - 1], line[i]));
    }
    return std::isfinite(best) ? best : std::numeric_limits<double>::infinity();
}

Element newElement(ElementType type, Vec2 at, double size)
{
    const double s = size;
    const Vec2 up{0.0, s / 2.0};
    Element e;
    switch (type) {
    case ElementType::Ray:
        e.shape = RaySource{at, 0.0, Light{}};
        break;
    case ElementType::Beam:
        e.shape = BeamSource{at, 0.0, s / 2.0, 5, Light{kLineD, 7}};
        break;
    case ElementType::Point:
        e.shape = PointSource{at, 12, 0.0, 360.0, Light{}};
        break;
    case ElementType::IdealLens:
        e.shape = IdealLens{at, 0.0, s, 2.0 * s};
        break;
    case ElementType::SphericalLens:
        e.shape = SphericalLens{
            at, 0.0, s, s / 5.0, 1.5 * s, -1.5 * s, Medium{mediumByName("N-BK7"), 1.0}};
        break;
    case ElementType::Mirror:
        e.shape = Mirror{at - up, at + up};
        break;
    case ElementType::ArcMirror:
        e.shape = ArcMirror{at - up, at + up, 2.0 * s};
        break;
    case ElementType::ParabolicMirror:
        e.shape = ParabolicMirror{at, 180.0, s, s};
        break;
    case ElementType::Glass: {
        // An equilateral prism standing on its base, its centre of area at `at`.
        const double h = s * std::sqrt(3.0) / 2.0;
        e.shape = Glass{{at + Vec2{-s / 2.0, -h / 3.0}, at + Vec2{s / 2.0, -h / 3.0},
                         at + Vec2{0.0, 2.0 * h / 3.0}},
                        Medium{mediumByName("N-BK7"), 1.0}};
        break;
    }
    case ElementType::Circle:
        e.shape = Circle{at, s / 4.0, Medium{mediumByName("water"), 1.0}};
        break;
    case ElementType::BeamSplitter: {
        const Vec2 d = (s / 2.0) * directionVector(45.0);
        e.shape = BeamSplitter{at - d, at + d, 0.5};
        break;
    }
    case ElementType::Blocker:
        e.shape = Blocker{at - up, at + up};
        break;
    case ElementType::Detector:
        e.shape = Detector{at - up, at + up};
        break;
    }
    return e;
}

double roundSize(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double k : {5.0, 2.0, 1.0})
        if (k * power <= value * (1.0 + 1e-12))
            return k * power;
    return power;
}

} // namespace lumenary::bench
