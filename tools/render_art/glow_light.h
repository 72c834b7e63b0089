#pragma once

#include "light_image.h"
#include "vec2.h"

#include <QImage>

// What the pictures add to the core's light accumulator (LightImage): lines that glow, and a
// photographic exposure.
namespace lumenary::tools
{

// Adds a glowing line from a to b (pixel coordinates, pixel centres at half-integers): the light
// falls off across the line as a Gaussian of the given width (standard deviation, pixels), out
// to three widths.
void addGlowLine(LightImage& light, Vec2 a, Vec2 b, LinearRgb colour, double sigma);

// The picture exposed as film would be: each channel 1 - exp(-exposure * light), so that bright
// light saturates gently towards white, then encoded by the rule of encodeSrgb.
QImage exposeFilm(const LightImage& light, double exposure);

} // namespace lumenary::tools
