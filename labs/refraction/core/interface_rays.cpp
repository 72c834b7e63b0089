#include "interface_rays.h"

#include "lab_angles.h"
#include "numbers.h"

#include <cmath>

namespace lumenary
{

namespace
{

// Refracts into medium 2 and updates the refraction read-out and ray.
void refract(InterfaceState& state, double theta, const InterfaceClick& click)
{
    const auto n1 = parseNumber(click.n1, click.decimalPoint);
    const auto n2 = parseNumber(click.n2, click.decimalPoint);
    if (!n1 || !n2 || !usableIndex(*n1) || !usableIndex(*n2))
        return;
    const double s = refractionSine(*n1, std::sin(theta), *n2);
    const double s2 = s * s;
    if (s2 > 1.0) {
        state.zval.clear();
        state.refractedVisible = false;
        return;
    }
    if (!(s2 < 1.0))
        return; // exactly at the critical angle: neither branch applies
    const double phi = refractionAngle(s);
    state.zval = formatReadout(labDegrees(phi), Precision::Double15, click.decimalPoint);
    const double slope = std::tan(phi);
    constexpr double kCornerSlope =
        (InterfacePlot::kWidth - InterfacePlot::kNormalX) / InterfacePlot::kInterfaceY;
    if (slope <= kCornerSlope) {
        state.refractedEnd = {InterfacePlot::kNormalX + InterfacePlot::kInterfaceY * slope,
                              InterfacePlot::kHeight};
    } else {
        state.refractedEnd = {InterfacePlot::kWidth,
                              InterfacePlot::kInterfaceY +
                                  InterfacePlot::kWidth / 2 * std::tan(kRefractionLabPi / 2 - phi)};
    }
    state.refractedVisible = true;
}

} // namespace

bool clickInterface(InterfaceState& state, const InterfaceClick& click)
{
    const double x = click.x;
    const double y = click.y;
    // Also refuses NaN, which fails every comparison.
    if (!(x < InterfacePlot::kNormalX && y < InterfacePlot::kInterfaceY))
        return false;
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    state.incidentStart = {x, y};
    state.reflectedStart = {InterfacePlot::kWidth - x, y};
    const double theta =
        std::atan((InterfacePlot::kNormalX - x) / (InterfacePlot::kInterfaceY - y));
    state.xval = formatReadout(labDegrees(theta), Precision::Double15, click.decimalPoint);
    state.yval = state.xval;
    refract(state, theta, click);
    return true;
}

} // namespace lumenary
