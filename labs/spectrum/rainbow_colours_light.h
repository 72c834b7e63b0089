#pragma once

#include "spectral_colour.h"

#include <QImage>
#include <QPointF>

#include <vector>

namespace lumenary::rainbow
{

// A picture made of light: lines are added into floating-point linear light on black, so that
// where many colours cross they add up toward white as light does, and the sum is encoded for
// the screen once at the end. Painting with QPainter's additive mode into a floating-point
// image costs far more per line than the thousands of coloured rays here allow.
class LightImage
{
public:
    LightImage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Adds a one-pixel line of light from a to b (pixel coordinates), clipped to the picture;
    // the pixel at b is left out, so that lines joined end to end light each joint once.
    void addLine(QPointF a, QPointF b, LinearRgb light);
    // The same, clipped to a rectangle of the picture as well.
    void addLine(QPointF a, QPointF b, LinearRgb light, const QRectF& within);
    // Adds a line `thickness` pixels wide, as parallel one-pixel lines.
    void addWideLine(QPointF a, QPointF b, LinearRgb light, int thickness);
    // Adds light to one pixel; outside the picture nothing happens.
    void addPixel(int x, int y, LinearRgb light);
    // The light gathered at a pixel; black outside the picture.
    LinearRgb at(int x, int y) const;

    // The picture for the screen: each pixel's light times exposure, brought down as a whole
    // when brighter than white (hue kept), and gamma-encoded.
    QImage toImage(double exposure) const;

private:
    // The line between two points already inside the picture.
    void addInside(QPointF a, QPointF b, LinearRgb light);

    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_light; // r, g, b per pixel, row by row
};

// The colour of a line of one wavelength: its hue at full brightness, weighted per primary so
// that equal amounts of every colour from 400 to 700 nm add up to neutral white. The eye's
// dimness at the ends of the spectrum is left out here so that a violet or a deep red line
// stays visible; the sky keeps it.
LinearRgb lineColour(double nanometres);

} // namespace lumenary::rainbow
