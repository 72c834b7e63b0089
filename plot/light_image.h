#pragma once

#include "point.h"
#include "spectral_colour.h"

#include <cstdint>
#include <functional>
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
//
// A band of rows of a taller picture can be made alone (LightImage(width, height, firstRow,
// rows)): lines are placed and clipped in the whole picture, and only the light falling on the
// band's rows is kept, each pixel getting the same sums, in the same order, as in the whole
// picture. So a picture made band by band (encodeInBands) is the same, bit for bit, with much
// less memory.
class LightImage
{
public:
    LightImage(int width, int height);
    // The rows firstRow to firstRow + rows − 1 of a picture width by height.
    LightImage(int width, int height, int firstRow, int rows);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The band of rows kept: its first row and its count (the whole height unless made as a band).
    int firstRow() const { return m_firstRow; }
    int rows() const { return m_rows; }
    // Makes it black again, keeping the rows firstRow to firstRow + rows − 1 of the same picture
    // (no more than it was made with).
    void restart(int firstRow, int rows);

    // Adds a hard one-pixel line of light from a to b (pixel coordinates, a pixel's top left at
    // whole numbers), clipped to the picture; the pixel at b is left out, so that lines joined
    // end to end light each joint once.
    void addLine(Point a, Point b, LinearRgb light);
    // The same, clipped to a rectangle of the picture as well.
    void addLine(Point a, Point b, LinearRgb light, const PixelRect& within);
    // Adds a line `thickness` pixels wide, as parallel one-pixel lines a pixel apart across its
    // longer axis; clipped to a rectangle too where one is given.
    void addWideLine(Point a, Point b, LinearRgb light, int thickness);
    void addWideLine(Point a, Point b, LinearRgb light, int thickness, const PixelRect& within);
    // Adds a smooth one-pixel line between two pixel positions (pixel centres at whole numbers),
    // its light shared between the two nearest pixels across it; both ends are drawn. The part
    // outside the picture is cut off; a line with a non-finite end is not drawn.
    void addSmoothLine(Point a, Point b, LinearRgb light);
    // A smooth line `width` pixels wide: as many one-pixel smooth lines side by side, a pixel
    // apart across its longer axis, as the width rounds to, sharing the light of `width` lines
    // (so each pixel it covers gets about as much light as one a one-pixel line covers).
    void addSmoothLine(Point a, Point b, LinearRgb light, double width);
    // Adds light to one pixel; outside the picture nothing happens.
    void addPixel(int x, int y, LinearRgb light);
    // The light gathered at a pixel; black outside the picture.
    LinearRgb at(int x, int y) const;

    // Writes the picture (its band's rows) as 0xffRRGGBB pixels, row after row with rowStride
    // pixels from one row to the next: each pixel's light times exposure, brought down as a
    // whole when brighter than white (hue kept), and gamma-encoded by the rule of encodeSrgb.
    void encode(std::uint32_t* pixels, int rowStride, double exposure = 1.0) const;

private:
    std::size_t index(int x, int y) const;
    bool kept(int x, int y) const;
    // Whether a line between these rows, widened by margin, can light the band.
    bool reaches(double y0, double y1, double margin) const;
    // The hard line between two points already inside the picture.
    void addInside(Point a, Point b, LinearRgb light);

    int m_width;
    int m_height;
    int m_firstRow; // the band kept
    int m_rows;
    int m_stride;               // floats from one row to the next
    std::vector<float> m_light; // r, g, b per pixel, from the row above the band to the one below
};

// Rows of a band drawn by encodeInBands.
inline constexpr int kLightBandRows = 128;

// Makes a picture of light width by height and writes it as LightImage::encode does, band by
// band of rows (kLightBandRows at most, two at least), two bands at a time on two threads, each
// in a LightImage of its own: draw(band) is called once a band, possibly on either thread, and
// must add the same lines in the same order each time, only reading what it shares. The pixels
// are then the same, bit for bit, as those of one LightImage of the whole picture given the same
// lines, while the floating-point light of two bands, not of the whole picture, is held.
void encodeInBands(int width, int height, const std::function<void(LightImage& band)>& draw,
                   std::uint32_t* pixels, int rowStride, double exposure = 1.0);

} // namespace lumenary
