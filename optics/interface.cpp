#include "interface.h"

#include "optics_constants.h"

#include <cmath>
#include <numbers>

namespace lumenary
{

static_assert(kDegree == std::numbers::pi / 180.0, "one degree is the library's pi over 180");

std::optional<double> refractionAngle(double n1, double n2, double incidence)
{
    const double s = n1 / n2 * std::sin(incidence);
    if (!(std::fabs(s) <= 1.0))
        return std::nullopt;
    // n2 cos θ2 = √((n2 − n1)(n2 + n1) + n1² cos²θ1): with the sine, an angle accurate near
    // grazing incidence, where asin(s) loses half its digits.
    const double c = n1 * std::cos(incidence);
    const double k = (n2 - n1) * (n2 + n1) + c * c;
    return std::atan2(n1 * std::sin(incidence), std::sqrt(std::fmax(k, 0.0)));
}

std::optional<double> criticalAngle(double n1, double n2)
{
    if (!(n1 > n2) || !(n2 > 0.0))
        return std::nullopt;
    return std::asin(n2 / n1);
}

double brewsterAngle(double n1, double n2)
{
    return std::atan(n2 / n1);
}

namespace
{

// cos θ2 by Snell's law, imaginary past the critical angle (the sign that makes the
// transmitted field decay away from the boundary). cos²θ2 = 1 − (n1/n2)² sin²θ1 is taken as
// ((n2 − n1)(n2 + n1) + n1² cos²θ1) / n2², which keeps its digits near grazing incidence and
// gives cos θ2 = cos θ1 exactly for equal indices (1 − sin² does neither).
std::complex<double> transmittedCosine(double n1, double n2, double incidence)
{
    const double c = n1 * std::cos(incidence);
    const double k = ((n2 - n1) * (n2 + n1) + c * c) / (n2 * n2);
    if (k >= 0.0)
        return {std::sqrt(k), 0.0};
    return {0.0, -std::sqrt(-k)};
}

} // namespace

FresnelAmplitudes fresnelAmplitudes(double n1, double n2, double incidence)
{
    // No boundary: nothing is reflected, whatever the angle (grazing incidence would be 0 / 0).
    if (n1 == n2)
        return {0.0, 0.0, 1.0, 1.0};
    const double ci = std::cos(incidence);
    const std::complex<double> ct = transmittedCosine(n1, n2, incidence);
    const std::complex<double> sDen = n1 * ci + n2 * ct;
    const std::complex<double> pDen = n2 * ci + n1 * ct;
    FresnelAmplitudes a;
    a.rs = (n1 * ci - n2 * ct) / sDen;
    a.rp = (n2 * ci - n1 * ct) / pDen;
    a.ts = 2.0 * n1 * ci / sDen;
    a.tp = 2.0 * n1 * ci / pDen;
    return a;
}

FresnelPowers fresnelPowers(double n1, double n2, double incidence)
{
    const FresnelAmplitudes a = fresnelAmplitudes(n1, n2, incidence);
    const double ci = std::cos(incidence);
    const std::complex<double> ct = transmittedCosine(n1, n2, incidence);
    FresnelPowers p;
    p.rs = std::norm(a.rs);
    p.rp = std::norm(a.rp);
    // Power crosses the boundary only with a real cos θ2; at grazing incidence none arrives.
    const double flux = ci > 0.0 ? n2 * ct.real() / (n1 * ci) : 0.0;
    p.ts = flux * std::norm(a.ts);
    p.tp = flux * std::norm(a.tp);
    return p;
}

std::optional<Vec2> refracted(Vec2 d, Vec2 normal, double eta)
{
    const double cosIn = -dot(normal, d);
    const double k = 1.0 - eta * eta * (1.0 - cosIn * cosIn);
    if (k < 0.0)
        return std::nullopt;
    return eta * d + (eta * cosIn - std::sqrt(k)) * normal;
}

Vec2 reflected(Vec2 d, Vec2 normal)
{
    return d - 2.0 * dot(d, normal) * normal;
}

} // namespace lumenary
