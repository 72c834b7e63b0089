#include "thin_lens.h"

#include <cmath>
#include <numbers>

namespace lumenary
{

namespace
{

constexpr double kHalfThickness = 1.0; // t: half the axial thickness of the biconvex lens

// Half-angle of each outline arc, arctan(a / (Rl - t)); a right angle in the limit Rl = t.
double halfAngle(double a, double rl)
{
    const double below = rl - kHalfThickness;
    if (below == 0)
        return std::copysign(std::numbers::pi / 2, a);
    return std::atan(a / below);
}

} // namespace

void ThinLens::drawElement(Canvas& canvas, const DiagramParams& p) const
{
    const Rgb white = palette(kAxisColour);
    const double f = p.param;
    const double t = kHalfThickness;
    canvas.line({0, p.ymax / 2}, {0, p.ymin / 2}, white);

    const double a = p.ymax / 2;
    const double rl = (a * a + t * t) / (2 * t);
    const double thetaMax = halfAngle(a, rl);
    auto angle = [&](int k) { return thetaMax * (k - 150) / 150; };
    if (f > 0) {
        for (int k = 0; k <= 300; ++k)
            canvas.point({t - rl * (1 - std::cos(angle(k))), rl * std::sin(angle(k))}, white);
        for (int k = 0; k <= 300; ++k)
            canvas.point({rl * (1 - std::cos(angle(k))) - t, rl * std::sin(angle(k))}, white);
    } else if (f < 0) {
        for (int k = 0; k <= 300; ++k)
            canvas.point({-t / 2 - rl * (1 - std::cos(angle(k))), rl * std::sin(angle(k))}, white);
        for (int k = 0; k <= 300; ++k)
            canvas.point({t / 2 + rl * (1 - std::cos(angle(k))), rl * std::sin(angle(k))}, white);
        const double edge = rl * (1 - std::cos(thetaMax));
        canvas.line({t / 2 + edge, p.ymax / 2}, {-t / 2 - edge, p.ymax / 2}, white);
        canvas.line({t / 2 + edge, p.ymin / 2}, {-t / 2 - edge, p.ymin / 2}, white);
    }
    canvas.circle({f, 0}, 0.5, white);
    canvas.circle({-f, 0}, 0.5, white);
}

void ThinLens::construct(Canvas& canvas, const DiagramParams& p, double d, double,
                         const WriteReadout& writeXi) const
{
    const double f = p.param;
    const double dy = (p.ymax / 2 - p.ymin / 2) / 5;
    // Object at the focal point: no image. A lens of no focal length, or an object standing
    // in the lens plane, has no image either.
    if (d == f || f == 0 || d == 0)
        return;
    std::optional<double> image;
    double hi = 0;
    for (int k = 0; k <= 5; ++k) {
        const Rgb colour = palette(kFirstRayColour + k);
        const double yk = p.ymin / 2 + k * dy;
        canvas.line({-d, p.h}, {0, yk}, colour);
        image = writeXi(d * f / (d - f));
        if (!image)
            return;
        const double xi = *image;
        hi = p.h * (-xi / d);
        canvas.setDotted(xi < 0);
        canvas.line({xi, hi}, {0, yk}, colour);
        const double m = (hi - yk) / xi;
        canvas.setDotted(false);
        if (xi < 0)
            canvas.line({0, yk}, {p.xmax, yk + m * p.xmax}, colour);
    }
    canvas.line({*image, 0}, {*image, hi}, palette(kImageColour));
}

} // namespace lumenary
