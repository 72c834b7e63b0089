#pragma once

#include "boundary_state.h"

#include <complex>
#include <optional>

namespace lumenary::boundary
{

// The incident, reflected and transmitted plane waves as one field, in units of the vacuum
// wavelength: x along the boundary, z across it (negative in medium 1, positive in medium 2),
// time as the phase ωt. The field is Re[e^{iωt} along(x) across(z)]: waves of the form
// e^{i(ωt − k·r)}, the convention in which the interface's amplitudes make the evanescent
// field decay. Shown is the component perpendicular to the plane of incidence, continuous
// across the boundary: the electric field for s light, the magnetic field divided by n1 for p
// light (the incident wave has amplitude 1 in both). Unpolarised light shows its s part.
class WaveField
{
public:
    explicit WaveField(const BoundaryState& state);

    // e^{−i kx x}: the phase along the boundary, the same for all three waves.
    std::complex<double> along(double x) const;
    // Incident plus reflected wave in medium 1 (z < 0), the transmitted or evanescent wave in
    // medium 2 (z ≥ 0), without the phase along the boundary.
    std::complex<double> across(double z) const;
    // The field at (x, z) at the phase ωt.
    double at(double x, double z, double phase) const;

    // The wavelengths of the waves in each medium, λ0 / n.
    double wavelength1() const { return 1.0 / m_n1; }
    double wavelength2() const { return 1.0 / m_n2; }
    // Whether medium 2 holds an evanescent field, and its 1/e depth.
    bool evanescent() const { return m_evanescent; }
    std::optional<double> decayLength() const;
    // The largest magnitude the field reaches anywhere (1 + |r|, at least 1).
    double peak() const;

private:
    double m_n1, m_n2;
    double m_kx;                // along the boundary
    double m_kz1;               // across it in medium 1
    std::complex<double> m_kz2; // across it in medium 2: −i γ past the critical angle
    std::complex<double> m_r, m_t;
    bool m_evanescent = false;
};

} // namespace lumenary::boundary
