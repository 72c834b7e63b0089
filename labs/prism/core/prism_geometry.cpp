#include "prism_geometry.h"

#include <cmath>

namespace lumenary
{

double PrismGeometry::leftSlope() const
{
    return std::tan(theta + prismPi() / 2 - phi / 2);
}

double PrismGeometry::rightSlope() const
{
    return std::tan(theta + prismPi() / 2 + phi / 2);
}

double PrismGeometry::bottomSlope() const
{
    return std::tan(theta);
}

bool PrismGeometry::finite() const
{
    return isFinite(p1) && isFinite(p2) && isFinite(p3);
}

PrismGeometry prismGeometry(double phi, double theta)
{
    const double pi = prismPi();
    const double a1 = theta + pi / 2;
    const double a2 = a1 + pi - phi;
    const double a3 = a2 + 2 * phi;
    auto corner = [](double a) { return Point{10 * std::cos(a), 10 * std::sin(a)}; };
    return PrismGeometry{phi, theta, corner(a1), corner(a2), corner(a3)};
}

std::optional<double> linex(double m1, double m2, Point a, Point b)
{
    if (m1 == m2)
        return std::nullopt;
    const double x = (m1 * a.x - m2 * b.x + b.y - a.y) / (m1 - m2);
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

double rotationDegrees(double apexDegrees, int scrollValue)
{
    return apexDegrees * (50 - scrollValue) / 100;
}

void drawOutline(Canvas& canvas, const PrismGeometry& prism)
{
    canvas.clear();
    canvas.setScale(-kFrame, kFrame, kFrame, -kFrame);
    if (!prism.finite())
        return;
    const Rgb white = palette(kPrismColour);
    canvas.line(prism.p1, prism.p2, white);
    canvas.lineTo(prism.p3, white);
    canvas.lineTo(prism.p1, white);
}

} // namespace lumenary
