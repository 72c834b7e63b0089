#include "thin_film.h"

#include "optics_constants.h"

#include <cmath>
#include <numbers>

namespace lumenary::tools
{

namespace
{

// Wavelengths summed over the band, 2 nm apart.
constexpr int kFilmWavelengths = 151;

} // namespace

double thinFilmReflectance(double thicknessNm, double n, double nm)
{
    const double r = (n - 1.0) / (n + 1.0);
    const double r2 = r * r;
    const double cosDelta = std::cos(4.0 * std::numbers::pi * n * thicknessNm / nm);
    return 2.0 * r2 * (1.0 - cosDelta) / (1.0 + r2 * r2 - 2.0 * r2 * cosDelta);
}

LinearRgb thinFilmColour(double thicknessNm, double n)
{
    LinearRgb reflected;
    LinearRgb white;
    for (int i = 0; i < kFilmWavelengths; ++i) {
        const double nm = bandWavelength(i, kFilmWavelengths);
        const LinearRgb c = spectralColour(nm);
        const double rho = thinFilmReflectance(thicknessNm, n, nm);
        reflected = {reflected.r + rho * c.r, reflected.g + rho * c.g, reflected.b + rho * c.b};
        white = {white.r + c.r, white.g + c.g, white.b + c.b};
    }
    return {reflected.r / white.r, reflected.g / white.g, reflected.b / white.b};
}

} // namespace lumenary::tools
