#pragma once

#include "spectral_colour.h"

#include <cstdint>
#include <vector>

namespace lumenary
{

// Light added up pixel by pixel in linear sRGB, so that colours drawn over one another sum as
// light does: all of the spectrum together looks white.
class LightBuffer
{
public:
    LightBuffer(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Adds a one-pixel line of that light between two pixel positions (pixel centres at whole
    // numbers), shared between the two nearest pixels across it. The part outside the buffer is
    // cut off; a line with a non-finite end is not drawn.
    void addLine(double x0, double y0, double x1, double y1, LinearRgb light);

    // The light at a pixel.
    LinearRgb at(int x, int y) const;

    // Writes the buffer as 0xffRRGGBB pixels, row after row with rowStride pixels from one row
    // to the next, by the rule of encodeSrgb: light brighter than white is scaled down as a whole,
    // then gamma-encoded.
    void encode(std::uint32_t* pixels, int rowStride) const;

private:
    std::size_t index(int x, int y) const;

    int m_width;
    int m_height;
    int m_stride;               // floats from one row to the next
    std::vector<float> m_light; // r, g, b per pixel
};

} // namespace lumenary
