#include "mirror_geometry.h"

#include "ray_diagram.h"
#include "rgb.h"

#include <cmath>

namespace lumenary
{

void drawMirror(Canvas& canvas, double r, double centreAngle, double focusX)
{
    const Rgb white = palette(kAxisColour);
    for (int k = 0; k <= 300; ++k) {
        const double theta = centreAngle + kMirrorPi * (k - 150) / 150 / 3;
        canvas.point({r * std::cos(theta), r * std::sin(theta)}, white);
    }
    canvas.circle({0, 0}, 0.5, white);
    canvas.circle({focusX, 0}, 0.5, white);
}

double principalAngle(double num, double den)
{
    if (den == 0)
        return num == 0 ? 0.0 : std::copysign(kMirrorPi / 2, num);
    return std::atan(num / den);
}

std::optional<Point> circleHit(Point tip, double m, double r, bool rightHand, bool tangentCounts)
{
    const double a = 1 + m * m;
    const double b = 2 * tip.y * m - 2 * tip.x * m * m;
    const double c = tip.y - m * tip.x;
    const double q = c * c - r * r;
    const double disc = b * b - 4 * a * q;
    // Written so that a NaN discriminant misses too.
    if (tangentCounts ? !(disc >= 0) : !(disc > 0))
        return std::nullopt;
    const double root = std::sqrt(disc);
    const double x = (-b + (rightHand ? root : -root)) / (2 * a);
    return Point{x, tip.y + (x - tip.x) * m};
}

bool atTravelEnd(double xo, double x1, double xmin)
{
    return std::fabs(xo - x1) <= std::fabs(x1 - xmin) / 1000;
}

void drawMirrorRays(Canvas& canvas, const DiagramParams& p, double d, double r, bool rightHand,
                    bool tangentCounts, const WriteReadout& writeXi, const DrawReflection& reflect)
{
    const double shown = p.param;
    const double h = p.h;
    const double xo = shown - d;
    const double halfChord = r * std::sqrt(3.0) / 2;
    const double thetaTop = principalAngle(halfChord - h, shown / 2 - xo);
    const double thetaBot = principalAngle(-halfChord - h, shown / 2 - xo);
    for (int k = 0; k <= 5; ++k) {
        const Rgb colour = palette(kFirstRayColour + k);
        const double m = std::tan(thetaBot + (thetaTop - thetaBot) * k / 5);
        const auto hit = circleHit({xo, h}, m, r, rightHand, tangentCounts);
        if (!hit)
            continue;
        canvas.line({xo, h}, *hit, colour);
        const auto xi = writeXi(shown * d / (2 * d - shown));
        if (!xi)
            return;
        const Point image{shown - *xi, -h * *xi / d};
        reflect(*hit, image, colour);
        canvas.line(image, {image.x, 0}, palette(kImageColour));
    }
}

} // namespace lumenary
