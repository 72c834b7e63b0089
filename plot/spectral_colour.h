#pragma once

#include "rgb.h"

namespace lumenary
{

// Tristimulus values of light in the CIE 1931 colour space.
struct Xyz {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Light as amounts of the sRGB primaries, before the display's gamma (linear light).
struct LinearRgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// The CIE 1931 2° colour-matching functions at a wavelength in nanometres, from the
// multi-lobe Gaussian fit of Wyman, Sloan and Shirley (Journal of Computer Graphics
// Techniques 2, 2013), close to the tabulated functions; zero for non-finite input.
Xyz colourMatching(double nanometres);

// XYZ to linear sRGB (D65 white, the standard IEC 61966-2-1 matrix).
LinearRgb linearSrgb(Xyz xyz);

// Brings a colour into the gamut by one rule: where a component is negative, the same amount
// of every primary is added until the smallest is zero (the colour is mixed with white at its
// own brightness; hue is kept as nearly as sRGB can show it). In-gamut colours are unchanged.
LinearRgb intoGamut(LinearRgb colour);

// The colour of equal-energy light at one wavelength, in gamut, in linear light, with the
// brightness the eye gives it (green brightest, the ends of the spectrum dim). Sums of these
// over wavelengths are sums of light: spread evenly over the visible range they give white.
LinearRgb spectralColour(double nanometres);

// The hue of a wavelength at full brightness, in linear light: spectralColour scaled so that
// its largest component is 1; black where the wavelength gives no light.
LinearRgb spectralHue(double nanometres);

// Linear light to 8-bit sRGB: a colour brighter than the display's white is scaled down as a
// whole (hue kept), then each component is gamma-encoded and rounded.
Rgb encodeSrgb(LinearRgb colour);

// The hue of a wavelength at the display's full brightness, encoded. For drawing a single ray
// of one colour.
Rgb wavelengthColour(double nanometres);

} // namespace lumenary
