#include "spectral_colour.h"

#include <algorithm>
#include <cmath>

namespace lumenary
{

namespace
{

// One lobe of the fit: a Gaussian with different widths either side of its centre.
double lobe(double nm, double centre, double widthBelow, double widthAbove)
{
    const double t = (nm - centre) / (nm < centre ? widthBelow : widthAbove);
    return std::exp(-0.5 * t * t);
}

double encodeComponent(double linear)
{
    const double c = std::clamp(linear, 0.0, 1.0);
    const double v = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return std::round(std::clamp(v, 0.0, 1.0) * 255.0);
}

double largest(LinearRgb c)
{
    return std::max({c.r, c.g, c.b});
}

LinearRgb scaled(LinearRgb c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

} // namespace

Xyz colourMatching(double nm)
{
    if (!std::isfinite(nm))
        return {};
    return {1.056 * lobe(nm, 599.8, 37.9, 31.0) + 0.362 * lobe(nm, 442.0, 16.0, 26.7) -
                0.065 * lobe(nm, 501.1, 20.4, 26.2),
            0.821 * lobe(nm, 568.8, 46.9, 40.5) + 0.286 * lobe(nm, 530.9, 16.3, 31.1),
            1.217 * lobe(nm, 437.0, 11.8, 36.0) + 0.681 * lobe(nm, 459.0, 26.0, 13.8)};
}

LinearRgb linearSrgb(Xyz c)
{
    return {3.2404542 * c.x - 1.5371385 * c.y - 0.4985314 * c.z,
            -0.9692660 * c.x + 1.8760108 * c.y + 0.0415560 * c.z,
            0.0556434 * c.x - 0.2040259 * c.y + 1.0572252 * c.z};
}

LinearRgb intoGamut(LinearRgb c)
{
    const double lowest = std::min({c.r, c.g, c.b});
    if (!(lowest < 0.0))
        return c;
    return {c.r - lowest, c.g - lowest, c.b - lowest};
}

LinearRgb spectralColour(double nm)
{
    return intoGamut(linearSrgb(colourMatching(nm)));
}

Rgb encodeSrgb(LinearRgb c)
{
    if (!std::isfinite(c.r) || !std::isfinite(c.g) || !std::isfinite(c.b))
        return {};
    const double top = largest(c);
    if (top > 1.0)
        c = scaled(c, 1.0 / top);
    return {static_cast<std::uint8_t>(encodeComponent(c.r)),
            static_cast<std::uint8_t>(encodeComponent(c.g)),
            static_cast<std::uint8_t>(encodeComponent(c.b))};
}

LinearRgb spectralHue(double nm)
{
    const LinearRgb c = spectralColour(nm);
    const double top = largest(c);
    return top > 0.0 ? LinearRgb{c.r / top, c.g / top, c.b / top} : LinearRgb{};
}

Rgb wavelengthColour(double nm)
{
    const LinearRgb c = spectralColour(nm);
    const double top = largest(c);
    if (!(top > 0.0))
        return {};
    return encodeSrgb(scaled(c, 1.0 / top));
}

} // namespace lumenary
