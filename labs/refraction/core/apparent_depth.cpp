#include "apparent_depth.h"

#include "lab_angles.h"
#include "numbers.h"
#include "refraction_description.h"

#include <cmath>

namespace lumenary
{

bool clickDepth(DepthReadouts& readouts, const DepthClick& click, Canvas& canvas,
                std::string* description)
{
    const double x = click.x;
    const double y = click.y;
    if (!std::isfinite(x) || !std::isfinite(y) || x == 0.0 || y == 0.0)
        return false;
    const auto n1 = parseNumber(click.n1, click.decimalPoint);
    const auto n2 = parseNumber(click.n2, click.decimalPoint);
    if (!n1 || !n2 || !usableIndex(*n1) || !usableIndex(*n2))
        return false;

    // Above the interface the eye looks at the fish, below it at the moon.
    const bool eyeAbove = y > 0.0;
    const Point object = eyeAbove ? DepthScene::kFish : DepthScene::kMoon;
    const double nObject = eyeAbove ? *n2 : *n1;
    const double nEye = eyeAbove ? *n1 : *n2;

    const double depth = object.y;
    const Point image{0, depth * nEye / nObject};
    const double slope = (y - image.y) / x;
    const Point crossing{-image.y / slope, 0};
    if (!std::isfinite(crossing.x))
        return false;

    const double theta = std::atan(std::fabs(crossing.x / depth));
    readouts.xval = formatReadout(labDegrees(theta), Precision::Double15, click.decimalPoint);
    const double s = refractionSine(nObject, std::sin(theta), nEye);
    const double s2 = s * s;
    DepthSight sight{{x, y}, object, crossing, image, true};
    if (s2 > 1.0) {
        sight.reachesEye = false;
        if (description)
            *description = describeDepth(sight, click.decimalPoint);
        readouts.zval.clear();
        return true;
    }
    if (!(s2 < 1.0))
        return true; // exactly at the critical angle: neither branch applies
    readouts.zval =
        formatReadout(labDegrees(refractionAngle(s)), Precision::Double15, click.decimalPoint);

    const Rgb ray = palette(kDepthRayColour);
    canvas.line(Point{x, y}, crossing, ray);
    canvas.lineTo(object, ray);
    canvas.setDotted(true);
    canvas.line(crossing, image, palette(kDepthImageColour));
    canvas.setDotted(false);
    if (description)
        *description = describeDepth(sight, click.decimalPoint);
    return true;
}

} // namespace lumenary
