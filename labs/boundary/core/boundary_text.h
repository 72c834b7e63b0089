#pragma once

#include "boundary_state.h"

#include <string>

namespace lumenary::boundary
{

// The window's read-outs for one state: numbers to four decimals, angles in degrees with "°",
// lengths in nanometres with " nm", words where a quantity does not exist.
struct BoundaryReadouts {
    std::string n1, n2;         // the indices at the wavelength
    std::string refraction;     // angle of refraction, or "totally reflected"
    std::string rs, rp, ts, tp; // signed; "magnitude ∠ phase°" past the critical angle
    std::string powerRs, powerRp, powerTs, powerTp;
    std::string reflected, transmitted, sum; // unpolarised R, T and R + T
    std::string brewster, critical;
    std::string wavelength1, wavelength2;
    std::string penetrationDepth;
};

// The read-out texts of a state, with the given decimal point.
BoundaryReadouts boundaryReadouts(const BoundaryState& state, char decimalPoint);

// "Unpolarised light", "s-polarised light", "p-polarised light".
std::string lightName(Polarisation polarisation);

// What the picture shows, in one sentence for assistive technology: "Unpolarised light, 45.0°
// in air onto N-BK7: 5.3 % reflected, 94.7 % transmitted at 27.8°", and with waves the
// wavelengths on both sides and any evanescent depth.
std::string pictureDescription(const BoundaryState& state, bool waves, char decimalPoint);

// What the chart shows: the curves, the marked angles and the values at the present angle.
std::string chartDescription(const BoundaryState& state, char decimalPoint);

} // namespace lumenary::boundary
