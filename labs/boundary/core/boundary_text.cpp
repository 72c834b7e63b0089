#include "boundary_text.h"

#include "numbers.h"
#include "wording.h"

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
    r.refraction = s.refraction
                       ? degrees(*s.refraction, point)
                       : translate("lumenary::boundary::BoundaryText", "totally reflected");
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
    r.brewster = s.brewster ? degrees(*s.brewster, point)
                            : translate("lumenary::boundary::BoundaryText", "none (equal indices)");
    r.critical =
        s.critical ? degrees(*s.critical, point)
                   : translate("lumenary::boundary::BoundaryText", "none (n\u2081 \u2264 n\u2082)");
    r.wavelength1 = nanometres(s.wavelength1, point);
    r.wavelength2 = nanometres(s.wavelength2, point);
    if (s.penetrationDepth)
        r.penetrationDepth = nanometres(*s.penetrationDepth, point);
    else
        r.penetrationDepth =
            s.totallyReflected()
                ? translate("lumenary::boundary::BoundaryText", "unbounded at the critical angle")
                : translate("lumenary::boundary::BoundaryText", "none (light is transmitted)");
    return r;
}

std::string lightName(Polarisation polarisation)
{
    switch (polarisation) {
    case Polarisation::S:
        return translate("lumenary::boundary::BoundaryText", "s-polarised light");
    case Polarisation::P:
        return translate("lumenary::boundary::BoundaryText", "p-polarised light");
    case Polarisation::Unpolarised:
        break;
    }
    return translate("lumenary::boundary::BoundaryText", "Unpolarised light");
}

std::string pictureDescription(const BoundaryState& s, bool waves, char point)
{
    const std::string medium1 = mediumName(s.medium1.name);
    const std::string medium2 = mediumName(s.medium2.name);
    std::string text =
        fillIn(translate("lumenary::boundary::BoundaryText", "%1, %2 in %3 onto %4: "),
               {lightName(s.settings.polarisation), spokenDegrees(s.settings.incidence, point),
                medium1, medium2});
    if (s.refraction)
        text += fillIn(
            translate("lumenary::boundary::BoundaryText", "%1 reflected, %2 transmitted at %3"),
            {percent(s.reflected(), point), percent(s.transmitted(), point),
             spokenDegrees(*s.refraction, point)});
    else
        text += translate("lumenary::boundary::BoundaryText", "totally reflected");
    if (!waves)
        return text;
    text += fillIn(translate("lumenary::boundary::BoundaryText", "; waves of %1 nm in %2"),
                   {spoken(s.wavelength1, point), medium1});
    if (s.penetrationDepth)
        text += fillIn(translate("lumenary::boundary::BoundaryText",
                                 ", an evanescent field in %1 falling to 1/e within %2 nm"),
                       {medium2, spoken(*s.penetrationDepth, point)});
    else if (s.refraction)
        text += fillIn(translate("lumenary::boundary::BoundaryText", " and %1 nm in %2"),
                       {spoken(s.wavelength2, point), medium2});
    return text;
}

std::string chartDescription(const BoundaryState& s, char point)
{
    std::string text = fillIn(
        translate("lumenary::boundary::BoundaryText",
                  "Shares reflected and transmitted for s, p and unpolarised light against the "
                  "angle of incidence from 0\u00b0 to 90\u00b0, %1 onto %2, "),
        {mediumName(s.medium1.name), mediumName(s.medium2.name)});
    text += s.brewster
                ? fillIn(translate("lumenary::boundary::BoundaryText", "Brewster's angle at %1"),
                         {spokenDegrees(*s.brewster, point)})
                : translate("lumenary::boundary::BoundaryText", "no reflection at any angle");
    text += s.critical
                ? fillIn(translate("lumenary::boundary::BoundaryText", ", critical angle at %1"),
                         {spokenDegrees(*s.critical, point)})
                : translate("lumenary::boundary::BoundaryText", ", no critical angle");
    text += fillIn(translate("lumenary::boundary::BoundaryText",
                             "; at %1: R_s %2, R_p %3, T_s %4, T_p %5. Below, the phases of r_s "
                             "and r_p: %6 and %7."),
                   {spokenDegrees(s.settings.incidence, point), percent(s.powers.rs, point),
                    percent(s.powers.rp, point), percent(s.powers.ts, point),
                    percent(s.powers.tp, point), spokenDegrees(s.phaseS, point),
                    spokenDegrees(s.phaseP, point)});
    return text;
}

} // namespace lumenary::boundary
