#pragma once

#include "point.h"
#include "spectral_colour.h"

#include <cstdint>
#include <vector>

namespace lumenary
{

// A rectangle of pixel positions: left, top, width and height.
struct PixelRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A picture made of light: lines are added into floating-point linear light on black, so that
// where many colours cross they add up toward white as light does, and the sum is encoded for
// the screen once at the end. Painting with an additive mode into a floating-point image costs
// far more per line than the thousands of coloured rays of the spectrum windows allow.
//
//     LightImage light(640, 400);                                         // black
//     light.addSmoothLine({10, 200}, {630, 180}, spectralColour(550.0)); // a green ray
//     light.addLine({0, 399}, {639, 0}, spectralHue(450.0));             // a hard blue line
//     std::vector<std::uint32_t> pixels(640 * 400);                      // 0xffRRGGBB
//     light.encode(pixels.data(), 640);
class LightImage
{
public:
    LightImage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Adds a hard one-pixel line of light from a to b (pixel coordinates, a pixel's top left at
    // whole numbers), clipped to the picture; the pixel at b is left out, so that lines joined
    // end to end light each joint once.
    void addLine(Point a, Point b, LinearRgb light);
    // The same, clipped to a rectangle of the picture as well.
    void addLine(Point a, Point b, LinearRgb light, const PixelRect& within);
    // Adds a line `thickness` pixels wide, as parallel one-pixel lines.
    void addWideLine(Point a, Point b, LinearRgb light, int thickness);
    // Adds a smooth one-pixel line between two pixel positions (pixel centres at whole numbers),
    // its light shared between the two nearest pixels across it; both ends are drawn. The part
    // outside the picture is cut off; a line with a non-finite end is not drawn.
    void addSmoothLine(Point a, Point b, LinearRgb light);
    // Adds light to one pixel; outside the picture nothing happens.
    void addPixel(int x, int y, LinearRgb light);
    // The light gathered at a pixel; black outside the picture.
    LinearRgb at(int x, int y) const;

    // Writes the picture as 0xffRRGGBB pixels, row after row with rowStride pixels from one row
    // to the next: each pixel's light times exposure, brought down as a whole when brighter
    // than white (hue kept), and gamma-encoded by the rule of encodeSrgb.
    void encode(std::uint32_t* pixels, int rowStride, double exposure = 1.0) const;

private:
    std::size_t index(int x, int y) const;
    // The hard line between two points already inside the picture.
    void addInside(Point a, Point b, LinearRgb light);

    int m_width;
    int m_height;
    int m_stride;               // floats from one row to the next
    std::vector<float> m_light; // r, g, b per pixel
};

} // namespace lumenary
