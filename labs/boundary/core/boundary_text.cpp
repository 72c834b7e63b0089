#include "boundary_text.h"

#include "numbers.h"

#include <cmath>

namespace lumenary::boundary
{

namespace
{

constexpr int kDecimals = 4;
const std::string kDegreeSign = "\u00b0";

std::string fixed(double value, char point)
{
    return formatFixed(value, kDecimals, point);
}

std::string degrees(double value, char point)
{
    return fixed(value, point) + kDegreeSign;
}

std::string nanometres(double value, char point)
{
    return fixed(value, point) + " nm";
}

// A signed real amplitude, or past the critical angle its magnitude and phase.
std::string amplitude(std::complex<double> a, bool complex, char point)
{
    if (!complex)
        return fixed(a.real(), point);
    return fixed(std::abs(a), point) + " \u2220 " + degrees(leadDegrees(a), point);
}

// One decimal for sentences.
std::string spoken(double value, char point)
{
    return formatFixed(value, 1, point);
}

std::string percent(double share, char point)
{
    return spoken(100.0 * share, point) + " %";
}

std::string spokenDegrees(double value, char point)
{
    return spoken(value, point) + kDegreeSign;
}

} // namespace

BoundaryReadouts boundaryReadouts(const BoundaryState& s, char point)
{
    BoundaryReadouts r;
    r.n1 = fixed(s.n1(), point);
    r.n2 = fixed(s.n2(), point);
    r.refraction = s.refraction ? degrees(*s.refraction, point) : "totally reflected";
    const bool complex = s.totallyReflected();
    r.rs = amplitude(s.amplitudes.rs, complex, point);
    r.rp = amplitude(s.amplitudes.rp, complex, point);
    r.ts = amplitude(s.amplitudes.ts, complex, point);
    r.tp = amplitude(s.amplitudes.tp, complex, point);
    r.powerRs = fixed(s.powers.rs, point);
    r.powerRp = fixed(s.powers.rp, point);
    r.powerTs = fixed(s.powers.ts, point);
    r.powerTp = fixed(s.powers.tp, point);
    r.reflected = fixed(s.powers.unpolarisedR(), point);
    r.transmitted = fixed(s.powers.unpolarisedT(), point);
    r.sum = fixed(s.powers.unpolarisedR() + s.powers.unpolarisedT(), point);
    r.brewster = s.brewster ? degrees(*s.brewster, point) : "none (equal indices)";
    r.critical = s.critical ? degrees(*s.critical, point) : "none (n\u2081 \u2264 n\u2082)";
    r.wavelength1 = nanometres(s.wavelength1, point);
    r.wavelength2 = nanometres(s.wavelength2, point);
    if (s.penetrationDepth)
        r.penetrationDepth = nanometres(*s.penetrationDepth, point);
    else
        r.penetrationDepth = s.totallyReflected() ? "unbounded at the critical angle"
                                                  : "none (light is transmitted)";
    return r;
}

std::string lightName(Polarisation polarisation)
{
    switch (polarisation) {
    case Polarisation::S:
        return "s-polarised light";
    case Polarisation::P:
        return "p-polarised light";
    case Polarisation::Unpolarised:
        break;
    }
    return "Unpolarised light";
}

std::string pictureDescription(const BoundaryState& s, bool waves, char point)
{
    std::string text = lightName(s.settings.polarisation) + ", " +
                       spokenDegrees(s.settings.incidence, point) + " in " +
                       std::string(s.medium1.name) + " onto " + std::string(s.medium2.name) + ": ";
    if (s.refraction)
        text += percent(s.reflected(), point) + " reflected, " + percent(s.transmitted(), point) +
                " transmitted at " + spokenDegrees(*s.refraction, point);
    else
        text += "totally reflected";
    if (!waves)
        return text;
    text += "; waves of " + spoken(s.wavelength1, point) + " nm in " + std::string(s.medium1.name);
    if (s.penetrationDepth)
        text += ", an evanescent field in " + std::string(s.medium2.name) +
                " falling to 1/e within " + spoken(*s.penetrationDepth, point) + " nm";
    else if (s.refraction)
        text += " and " + spoken(s.wavelength2, point) + " nm in " + std::string(s.medium2.name);
    return text;
}

std::string chartDescription(const BoundaryState& s, char point)
{
    std::string text = "Shares reflected and transmitted for s, p and unpolarised light against "
                       "the angle of incidence from 0\u00b0 to 90\u00b0, " +
                       std::string(s.medium1.name) + " onto " + std::string(s.medium2.name) + ", ";
    text += s.brewster ? "Brewster's angle at " + spokenDegrees(*s.brewster, point)
                       : "no reflection at any angle";
    text += s.critical ? ", critical angle at " + spokenDegrees(*s.critical, point)
                       : ", no critical angle";
    text += "; at " + spokenDegrees(s.settings.incidence, point) + ": R_s " +
            percent(s.powers.rs, point) + ", R_p " + percent(s.powers.rp, point) + ", T_s " +
            percent(s.powers.ts, point) + ", T_p " + percent(s.powers.tp, point) +
            ". Below, the phases of r_s and r_p: " + spokenDegrees(s.phaseS, point) + " and " +
            spokenDegrees(s.phaseP, point) + ".";
    return text;
}

} // namespace lumenary::boundary
