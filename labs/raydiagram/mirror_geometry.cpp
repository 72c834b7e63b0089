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

} // namespace lumenary
