#include "boundary_wave.h"

#include "optics_constants.h"

#include <cmath>
#include <numbers>

namespace lumenary::boundary
{

namespace
{

constexpr double kTwoPi = 2.0 * std::numbers::pi;

} // namespace

WaveField::WaveField(const BoundaryState& state) : m_n1(state.n1()), m_n2(state.n2())
{
    const double sine = std::sin(state.settings.incidence * kDegree);
    const double cosine = std::cos(state.settings.incidence * kDegree);
    m_kx = kTwoPi * m_n1 * sine;
    m_kz1 = kTwoPi * m_n1 * cosine;
    // n2 cos θ2 = √(n2² − n1² sin²θ), imaginary past the critical angle.
    const double a = m_n1 * sine;
    const double q = (m_n2 - a) * (m_n2 + a);
    m_evanescent = state.totallyReflected();
    m_kz2 = m_evanescent ? std::complex<double>(0.0, -kTwoPi * std::sqrt(std::fmax(-q, 0.0)))
                         : std::complex<double>(kTwoPi * std::sqrt(std::fmax(q, 0.0)), 0.0);
    if (state.settings.polarisation == Polarisation::P) {
        m_r = state.amplitudes.rp;
        m_t = state.amplitudes.tp * (m_n2 / m_n1);
    } else {
        m_r = state.amplitudes.rs;
        m_t = state.amplitudes.ts;
    }
}

std::complex<double> WaveField::along(double x) const
{
    return std::polar(1.0, -m_kx * x);
}

std::complex<double> WaveField::across(double z) const
{
    if (z < 0.0)
        return std::polar(1.0, -m_kz1 * z) + m_r * std::polar(1.0, m_kz1 * z);
    const std::complex<double> i(0.0, 1.0);
    return m_t * std::exp(-i * m_kz2 * z);
}

double WaveField::at(double x, double z, double phase) const
{
    return (std::polar(1.0, phase) * along(x) * across(z)).real();
}

std::optional<double> WaveField::decayLength() const
{
    const double gamma = -m_kz2.imag();
    if (!m_evanescent || !(gamma > 0.0))
        return std::nullopt;
    return 1.0 / gamma;
}

double WaveField::peak() const
{
    return std::fmax(1.0 + std::abs(m_r), std::abs(m_t));
}

} // namespace lumenary::boundary
