#include "boundary_state.h"

#include "optics_constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::boundary
{

double BoundaryState::reflected() const
{
    switch (settings.polarisation) {
    case Polarisation::S:
        return powers.rs;
    case Polarisation::P:
        return powers.rp;
    case Polarisation::Unpolarised:
        break;
    }
    return powers.unpolarisedR();
}

double BoundaryState::transmitted() const
{
    switch (settings.polarisation) {
    case Polarisation::S:
        return powers.ts;
    case Polarisation::P:
        return powers.tp;
    case Polarisation::Unpolarised:
        break;
    }
    return powers.unpolarisedT();
}

double vacuumNanometres(double airNanometres)
{
    return airNanometres * kAirIndex;
}

std::optional<double> penetrationDepth(double n1, double n2, double incidenceDegrees,
                                       double vacuumNanometres)
{
    const double a = n1 * std::sin(incidenceDegrees * kDegree);
    // n1² sin²θ − n2², factored so that it keeps its digits near the critical angle.
    const double root = (a - n2) * (a + n2);
    if (!(root > 0.0))
        return std::nullopt;
    const double depth = vacuumNanometres / (2.0 * std::numbers::pi * std::sqrt(root));
    if (!std::isfinite(depth))
        return std::nullopt;
    return depth;
}

double leadDegrees(std::complex<double> amplitude)
{
    if (amplitude == 0.0)
        return 0.0;
    // In the interface's convention every reflected wave leads by 0..180°; the magnitude of
    // the argument also reads a negative real amplitude whose zero imaginary part is −0 as 180°.
    return std::fabs(std::arg(amplitude)) / kDegree;
}

std::optional<BoundaryState> boundaryState(const BoundarySettings& settings)
{
    if (!(settings.incidence >= 0.0 && settings.incidence <= 90.0))
        return std::nullopt;
    const auto medium1 = mediumAt(settings.medium1, settings.airNanometres);
    const auto medium2 = mediumAt(settings.medium2, settings.airNanometres);
    if (!medium1 || !medium2)
        return std::nullopt;
    BoundaryState b;
    b.settings = settings;
    b.medium1 = *medium1;
    b.medium2 = *medium2;
    const double n1 = b.n1();
    const double n2 = b.n2();
    const double angle = settings.incidence * kDegree;
    if (const auto r = refractionAngle(n1, n2, angle))
        b.refraction = *r / kDegree;
    b.amplitudes = fresnelAmplitudes(n1, n2, angle);
    b.powers = fresnelPowers(n1, n2, angle);
    b.phaseS = leadDegrees(b.amplitudes.rs);
    b.phaseP = leadDegrees(b.amplitudes.rp);
    if (n1 != n2)
        b.brewster = brewsterAngle(n1, n2) / kDegree;
    if (const auto c = criticalAngle(n1, n2))
        b.critical = *c / kDegree;
    const double vacuum = vacuumNanometres(settings.airNanometres);
    b.wavelength1 = vacuum / n1;
    b.wavelength2 = vacuum / n2;
    if (b.totallyReflected())
        b.penetrationDepth = penetrationDepth(n1, n2, settings.incidence, vacuum);
    return b;
}

std::vector<CurvePoint> angleCurves(double n1, double n2)
{
    std::vector<double> angles;
    angles.reserve(903);
    for (int tenth = 0; tenth <= 900; ++tenth)
        angles.push_back(tenth / 10.0);
    if (n1 != n2)
        angles.push_back(brewsterAngle(n1, n2) / kDegree);
    if (const auto c = criticalAngle(n1, n2))
        angles.push_back(*c / kDegree);
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end()), angles.end());

    std::vector<CurvePoint> curve;
    curve.reserve(angles.size());
    for (double degrees : angles) {
        const FresnelAmplitudes a = fresnelAmplitudes(n1, n2, degrees * kDegree);
        curve.push_back({degrees, fresnelPowers(n1, n2, degrees * kDegree), leadDegrees(a.rs),
                         leadDegrees(a.rp)});
    }
    return curve;
}

} // namespace lumenary::boundary
