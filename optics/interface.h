#pragma once

#include "vec2.h"

#include <complex>
#include <optional>

// Light meeting a plane boundary between two transparent media of indices n1 (the side it comes
// from) and n2: where it goes (Snell's law) and how much of it goes there (Fresnel's formulas).
// Angles are in radians from the normal.
//
//     auto t = refractionAngle(1.0, 1.5168, 45 * kDegree);      // 27.8°
//     FresnelPowers f = fresnelPowers(1.0, 1.5168, 45 * kDegree);
//     double r = f.unpolarisedR();                              // 0.0503
namespace lumenary
{

// sin θ2 = (n1 / n2) sin θ1; nothing when the light is totally reflected.
std::optional<double> refractionAngle(double n1, double n2, double incidence);

// The incidence beyond which light is totally reflected, asin(n2 / n1); nothing when n1 ≤ n2.
std::optional<double> criticalAngle(double n1, double n2);

// The incidence at which p-polarised light is not reflected, atan(n2 / n1).
double brewsterAngle(double n1, double n2);

// The amplitude coefficients of the reflected and transmitted waves, for the electric field
// perpendicular (s) and parallel (p) to the plane of incidence. With cos θ2 from Snell's law:
//   r_s = (n1 cos θ1 − n2 cos θ2) / (n1 cos θ1 + n2 cos θ2),  t_s = 2 n1 cos θ1 / (same),
//   r_p = (n2 cos θ1 − n1 cos θ2) / (n2 cos θ1 + n1 cos θ2),  t_p = 2 n1 cos θ1 / (same),
// so that at normal incidence r_p = −r_s. Past the critical angle cos θ2 is imaginary,
// −i √(sin²θ2 − 1), chosen so that the transmitted field decays away from the boundary and the
// reflected waves lead the incident one: arg r_s = 2 atan(√(sin²θ1 − n²) / cos θ1) and
// arg r_p = 2 atan(√(sin²θ1 − n²) / (n² cos θ1)), n = n2/n1. Equal indices reflect nothing.
// Indices must be positive and finite, the incidence within 0..π/2.
struct FresnelAmplitudes {
    std::complex<double> rs, rp, ts, tp;
};
FresnelAmplitudes fresnelAmplitudes(double n1, double n2, double incidence);

// The shares of the incident power reflected and transmitted, for each polarisation:
// R = |r|², T = (n2 Re cos θ2) / (n1 cos θ1) |t|², so that R + T = 1 (T = 0 past the critical
// angle).
struct FresnelPowers {
    double rs = 0.0;
    double rp = 0.0;
    double ts = 0.0;
    double tp = 0.0;
    // Unpolarised light: the mean of the two polarisations.
    double unpolarisedR() const { return 0.5 * (rs + rp); }
    double unpolarisedT() const { return 0.5 * (ts + tp); }
};
FresnelPowers fresnelPowers(double n1, double n2, double incidence);

// Snell's law in vector form: d a unit direction meeting a surface whose unit normal faces the
// side d comes from, eta = n_from / n_to. Nothing on total reflection.
std::optional<Vec2> refracted(Vec2 d, Vec2 normal, double eta);

// d mirrored in a surface of unit normal `normal` (either side).
Vec2 reflected(Vec2 d, Vec2 normal);

} // namespace lumenary
