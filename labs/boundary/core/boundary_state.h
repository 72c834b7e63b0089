#pragma once

#include "boundary_media.h"
#include "interface.h"

#include <optional>
#include <vector>

// Everything "Light at a Boundary" shows, computed from the window's settings: the angles, the
// Fresnel amplitudes and powers, the wavelengths on both sides and the depth of the evanescent
// field. Angles are in degrees here, lengths in nanometres.
namespace lumenary::boundary
{

// The polarisation of the incident light: electric field perpendicular (s) or parallel (p) to
// the plane of incidence, or an even mix of both.
enum class Polarisation { S, P, Unpolarised };

// What the student has set.
struct BoundarySettings {
    int medium1 = kAirPosition;
    int medium2 = kCrownGlassPosition;
    double airNanometres = 589.3; // the wavelength in air
    double incidence = 45.0;      // degrees from the normal, 0..90
    Polarisation polarisation = Polarisation::Unpolarised;
};

// The light at the boundary for one setting.
struct BoundaryState {
    BoundarySettings settings;
    Medium medium1, medium2;
    std::optional<double> refraction; // degrees; nothing when totally reflected
    FresnelAmplitudes amplitudes;
    FresnelPowers powers;
    double phaseS = 0.0, phaseP = 0.0; // how far each reflected wave leads, 0..180 degrees
    std::optional<double> brewster;    // degrees; nothing for equal indices
    std::optional<double> critical;    // degrees; only where n1 > n2
    double wavelength1 = 0.0, wavelength2 = 0.0; // in each medium
    // How far into medium 2 the evanescent field falls to 1/e, past the critical angle.
    std::optional<double> penetrationDepth;

    double n1() const { return medium1.index; }
    double n2() const { return medium2.index; }
    // The shares reflected and transmitted for the chosen polarisation.
    double reflected() const;
    double transmitted() const;
    bool totallyReflected() const { return !refraction; }
};

// The vacuum wavelength of light of the given wavelength in air.
double vacuumNanometres(double airNanometres);

// The state for a setting; nothing when a medium or the wavelength is out of range or the
// angle is not within 0..90 degrees.
std::optional<BoundaryState> boundaryState(const BoundarySettings& settings);

// How far the field of the evanescent wave reaches: 1/e at
// d = λ0 / (2π √(n1² sin²θ − n2²)); nothing unless the root is positive (past the critical
// angle) and d finite.
std::optional<double> penetrationDepth(double n1, double n2, double incidenceDegrees,
                                       double vacuumNanometres);

// How far a reflected wave leads the incident one, in degrees within 0..180: 0 for a positive
// amplitude, 180 for a negative one, between past the critical angle.
double leadDegrees(std::complex<double> amplitude);

// The powers and phases at one angle of incidence, for the chart.
struct CurvePoint {
    double incidence; // degrees
    FresnelPowers powers;
    double phaseS, phaseP; // degrees, 0..180
};

// The chart's curves from 0° to 90°, every tenth of a degree, with Brewster's and the critical
// angle added in order so that the curves pass through them exactly.
std::vector<CurvePoint> angleCurves(double n1, double n2);

} // namespace lumenary::boundary
