#include "convex_mirror.h"

#include "mirror_geometry.h"

#include <cmath>

namespace lumenary
{

namespace
{

// How far the heights of the hit point and the image may differ for a ray still counted as
// leaving horizontally, toward the left edge.
constexpr double kLevel = 0.1;

// The end of the reflected ray, which leaves the hit point along the line from the image
// through it: at the top or bottom edge, or at the left edge when nearly horizontal. Empty
// when the two points coincide and give no direction.
std::optional<Point> reflectedEnd(Point hit, Point image, const DiagramParams& p)
{
    if (hit.y > image.y + kLevel || image.y > hit.y + kLevel) {
        const double yEnd = hit.y > image.y + kLevel ? p.ymax : p.ymin;
        return Point{hit.x + (image.x - hit.x) * (yEnd - hit.y) / (image.y - hit.y), yEnd};
    }
    const double run = std::fabs(image.x - hit.x);
    if (run == 0)
        return std::nullopt;
    return Point{p.xmin, hit.y + (p.xmin - hit.x) * (image.y - hit.y) / run};
}

} // namespace

std::optional<double> ConvexMirror::travelEnd(const DiagramParams& p) const
{
    const double r0 = p.param;
    if (r0 == 0)
        return std::nullopt;
    return (2 * r0 - std::sqrt(r0 * r0 + 3 * p.h * p.h)) / 3;
}

void ConvexMirror::drawElement(Canvas& canvas, const DiagramParams& p) const
{
    drawMirror(canvas, -p.param, kMirrorPi, p.param / 2);
}

void ConvexMirror::construct(Canvas& canvas, const DiagramParams& p, double d, double x1,
                             const WriteReadout& writeXi) const
{
    const double r0 = p.param;
    const double r = -r0;
    const double xo = r0 - d;
    // The slider at the end of the travel draws no rays (a set-up pass starts at the left edge).
    if (!p.setup && (d == -r - x1 || atTravelEnd(xo, x1, p.xmin)))
        return;
    // An object behind the mirror at its focal point, or at the vertex, has no image.
    if (2 * d == r0 || d == 0)
        return;

    drawMirrorRays(canvas, p, d, r, false, true, writeXi, [&](Point hit, Point image, Rgb colour) {
        // The image is virtual: the reflected ray seems to come from it.
        canvas.setDotted(true);
        canvas.line(image, hit, colour);
        canvas.setDotted(false);
        if (const auto end = reflectedEnd(hit, image, p))
            canvas.line(hit, *end, colour);
    });
}

} // namespace lumenary
