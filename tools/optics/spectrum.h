#pragma once

namespace lumenary::tools
{

// A linear-light colour; channels are 0..1 for displayable values but may exceed 1 while
// light is being added up.
struct Colour3 {
    double r = 0;
    double g = 0;
    double b = 0;
};

// The visible band the pictures sum over, in nanometres.
inline constexpr double kVisibleFirstNm = 380.0;
inline constexpr double kVisibleLastNm = 780.0;

// The display colour of monochromatic light: a piecewise-linear hue ramp (violet, blue, cyan,
// green, yellow, red) whose brightness fades towards both ends of the visible band; black
// outside it.
Colour3 wavelengthColour(double nm);

// The same hue at full strength: the largest channel scaled to 1 (black stays black).
Colour3 saturatedWavelengthColour(double nm);

// A transparent medium whose index follows Cauchy's law n = a + b / wavelength^2 (nm).
struct CauchyMedium {
    double a = 1.0;
    double b = 0.0;
    // The index of refraction at a wavelength in nanometres.
    double index(double nm) const { return a + b / (nm * nm); }
};

// Water at room temperature: 1.3311 at 656 nm (red), 1.3328 at 589 nm, 1.3428 at 405 nm (violet).
inline constexpr CauchyMedium kWater{1.3241, 3033.0};
// A dense flint glass: 1.6150 at 656 nm, 1.6200 at 589 nm, 1.6321 at 486 nm.
inline constexpr CauchyMedium kFlintGlass{1.5942, 8953.0};

// Reflectance of a free-standing film of index n and the given thickness (nm) in air, at
// normal incidence, with every multiple reflection summed (Airy):
// R = 2 r^2 (1 - cos d) / (1 + r^4 - 2 r^2 cos d), r = (n - 1) / (n + 1), d = 4 pi n t /
// wavelength. A vanishing film reflects nothing; a quarter-wave film reflects most.
double thinFilmReflectance(double thicknessNm, double n, double nm);

// The colour a film reflects under white light: the reflectance summed over the visible band
// with each wavelength's display colour, divided channel by channel by the colour of a
// perfect mirror, so a grey result means the film reflects all wavelengths alike.
Colour3 thinFilmColour(double thicknessNm, double n);

} // namespace lumenary::tools
