#pragma once

#include "spectral_colour.h"

// Interference in a thin film, for the soap-film picture: the core has no films.
namespace lumenary::tools
{

// Reflectance of a free-standing film of index n and the given thickness (nm) in air, at
// normal incidence, with every multiple reflection summed (Airy):
// R = 2 r^2 (1 - cos d) / (1 + r^4 - 2 r^2 cos d), r = (n - 1) / (n + 1), d = 4 pi n t /
// wavelength. A vanishing film reflects nothing; a quarter-wave film reflects most.
double thinFilmReflectance(double thicknessNm, double n, double nm);

// The colour a film reflects under white light, in linear light: the reflectance summed over
// the band of white light with each wavelength's spectralColour, divided channel by channel by
// the colour of a perfect mirror, so a grey result means the film reflects all wavelengths
// alike.
LinearRgb thinFilmColour(double thicknessNm, double n);

} // namespace lumenary::tools
