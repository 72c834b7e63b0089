#include "plane_mirror_core.h"

#include <cmath>

namespace lumenary
{

bool drawPath(Canvas& canvas, std::initializer_list<Point> points, Rgb colour)
{
    if (points.size() < 2)
        return false;
    for (const Point& p : points)
        if (!isFinite(p))
            return false;
    const Point* previous = nullptr;
    for (const Point& p : points) {
        if (previous)
            canvas.line(*previous, p, colour);
        previous = &p;
    }
    return true;
}

void drawPlaneMirrorScene(Canvas& canvas)
{
    canvas.clear();
    canvas.setScale(-40, 20, 40, -20);
    canvas.box({-40, 0}, {40, -1}, palette(kMirrorStripColour), true);
    canvas.circle(kMirrorObject, 1, kObjectMarkerColour);
}

Point mirrorOneReflection(Point eye)
{
    const auto [x0, y0] = kMirrorObject;
    return {(x0 * eye.y + eye.x * y0) / (eye.y + y0), 0};
}

bool drawSingleReflection(Canvas& canvas, Point eye)
{
    const auto [x0, y0] = kMirrorObject;
    const auto [xe, ye] = eye;
    if (!(ye > 0 && xe < x0))
        return false;
    const Point p = mirrorOneReflection(eye);
    if (!isFinite(eye) || !isFinite(p))
        return false;
    canvas.line(kMirrorObject, p, palette(kIncidentColour));
    canvas.lineTo(eye, palette(kReflectedColour));
    // The extension only where it has a direction: for an eye a hair above the mirror the
    // reflected ray can be too short to give one.
    const double y40 = ye + (40 - xe) * ye / (xe - p.x);
    if (std::isfinite(y40)) {
        canvas.setDotted(true);
        canvas.line(p, {40, y40}, palette(kExtensionColour));
        canvas.setDotted(false);
    }
    return true;
}

} // namespace lumenary
