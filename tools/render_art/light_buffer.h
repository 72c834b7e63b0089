#pragma once

#include "ray_optics.h"
#include "spectrum.h"

#include <QImage>

#include <vector>

namespace lumenary::tools
{

// A picture made of light: colours are added up in linear floating point, so many faint rays
// of single wavelengths mix into white where they overlap, and the sum is turned into display
// colours only at the end, the way film would expose.
class LightBuffer
{
public:
    // A black buffer of the given size in pixels.
    LightBuffer(int width, int height);

    // Adds a glowing line: the light falls off across the line as a Gaussian of the given
    // width (standard deviation, pixels). Pixel centres are at half-integer coordinates.
    void addSegment(Vec2 a, Vec2 b, Colour3 colour, double sigma);

    // Adds a colour to one pixel (ignored outside the buffer).
    void addPixel(int x, int y, Colour3 colour);

    // The light at a pixel.
    Colour3 at(int x, int y) const;

    // The exposed picture: each channel 1 - exp(-exposure * light), then the display gamma.
    QImage expose(double exposure) const;

    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    int m_width;
    int m_height;
    std::vector<Colour3> m_light;
};

// A linear channel value 0..1 as an 8-bit display value (gamma 2.2).
int displayChannel(double linear);

} // namespace lumenary::tools
