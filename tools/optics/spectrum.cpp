#include "spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::tools
{

namespace
{

// Step of the sums over the visible band, in nanometres.
constexpr double kStepNm = 2.0;

double ramp(double x, double from, double to)
{
    return (x - from) / (to - from);
}

} // namespace

Colour3 wavelengthColour(double nm)
{
    if (!(nm >= kVisibleFirstNm && nm <= kVisibleLastNm))
        return {};
    Colour3 c;
    if (nm < 440) {
        c = {ramp(nm, 440, 380), 0, 1};
    } else if (nm < 490) {
        c = {0, ramp(nm, 440, 490), 1};
    } else if (nm < 510) {
        c = {0, 1, ramp(nm, 510, 490)};
    } else if (nm < 580) {
        c = {ramp(nm, 510, 580), 1, 0};
    } else if (nm < 645) {
        c = {1, ramp(nm, 645, 580), 0};
    } else {
        c = {1, 0, 0};
    }
    // The eye's sensitivity falls off at both ends of the band.
    double strength = 1.0;
    if (nm < 420)
        strength = 0.3 + 0.7 * ramp(nm, 380, 420);
    else if (nm > 700)
        strength = 0.3 + 0.7 * ramp(nm, 780, 700);
    return {c.r * strength, c.g * strength, c.b * strength};
}

Colour3 saturatedWavelengthColour(double nm)
{
    const Colour3 c = wavelengthColour(nm);
    const double peak = std::max({c.r, c.g, c.b});
    if (peak <= 0)
        return {};
    return {c.r / peak, c.g / peak, c.b / peak};
}

double thinFilmReflectance(double thicknessNm, double n, double nm)
{
    const double r = (n - 1.0) / (n + 1.0);
    const double r2 = r * r;
    const double cosDelta = std::cos(4.0 * std::numbers::pi * n * thicknessNm / nm);
    return 2.0 * r2 * (1.0 - cosDelta) / (1.0 + r2 * r2 - 2.0 * r2 * cosDelta);
}

Colour3 thinFilmColour(double thicknessNm, double n)
{
    Colour3 reflected;
    Colour3 white;
    for (double nm = kVisibleFirstNm; nm <= kVisibleLastNm; nm += kStepNm) {
        const Colour3 c = wavelengthColour(nm);
        const double rho = thinFilmReflectance(thicknessNm, n, nm);
        reflected.r += rho * c.r;
        reflected.g += rho * c.g;
        reflected.b += rho * c.b;
        white.r += c.r;
        white.g += c.g;
        white.b += c.b;
    }
    return {reflected.r / white.r, reflected.g / white.g, reflected.b / white.b};
}

} // namespace lumenary::tools
