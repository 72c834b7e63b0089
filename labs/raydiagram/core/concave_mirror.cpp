#include "concave_mirror.h"

#include "mirror_geometry.h"

#include <cmath>

namespace lumenary
{

std::optional<double> ConcaveMirror::correctedParameter(double value) const
{
    // The window is a concave mirror whatever the sign typed: the field shows the radius it
    // draws, as the convex window keeps its radius negative.
    if (value < 0)
        return -value;
    return std::nullopt;
}

std::optional<double> ConcaveMirror::travelEnd(const DiagramParams& p) const
{
    const double r = p.param;
    const double below = r * r - p.h * p.h;
    // No mirror, or an object taller than the mirror's circle: no travel.
    if (r == 0 || !(below >= 0))
        return std::nullopt;
    return std::sqrt(below);
}

void ConcaveMirror::drawElement(Canvas& canvas, const DiagramParams& p) const
{
    drawMirror(canvas, p.param, 0.0, p.param / 2);
}

void ConcaveMirror::construct(Canvas& canvas, const DiagramParams& p, double d, double x1,
                              const WriteReadout& writeXi) const
{
    const double r = p.param;
    const double xo = r - d;
    // Object at the focal point: no image, and the object stands below the arc's ends. Object
    // tip on the mirror (the end of the travel), or object at the vertex: nothing to reflect.
    if (2 * d == r || d == 0 || d == r - x1 || atTravelEnd(xo, x1, p.xmin))
        return;

    drawMirrorRays(canvas, p, d, r, true, false, writeXi, [&](Point hit, Point image, Rgb colour) {
        if (d < r / 2) {
            // Virtual image behind the mirror: the reflected ray seems to come from it.
            canvas.setDotted(true);
            canvas.line(image, hit, colour);
            canvas.setDotted(false);
            const double slope = (image.y - hit.y) / (image.x - hit.x);
            canvas.line(hit, {p.xmin, hit.y + (p.xmin - hit.x) * slope}, colour);
        } else {
            canvas.line(image, hit, colour);
        }
    });
}

} // namespace lumenary
