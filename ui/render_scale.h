#pragma once

#include <QSize>
#include <QSizeF>

class QPainter;

namespace lumenary
{

// How finely a picture painted through a painter is rendered where it goes: image pixels per
// logical pixel of the picture, and the image's size in pixels.
struct RenderScale {
    double scale = 1.0;  // image pixels per logical pixel, the same both ways
    QSize pixels;        // the image: the logical size times scale, rounded
    bool vector = false; // the painter writes vectors (SVG, PDF, a printer), not pixels
};

// Dots per inch of the printed picture at which light rendered as an image goes into a vector
// file or onto a printer.
inline constexpr double kPrintDotsPerInch = 300.0;
// The largest image a picture is rendered as, in pixels (about 24 megapixels).
inline constexpr double kMaxRenderPixels = 24e6;

// The scale for a picture of logical size painted through painter: on a screen or an image, the
// device's own pixels (the painter's scale times the device-pixel ratio: 1 on an ordinary
// screen, 2 at a ratio of 2 or in a copy at twice the size); on a vector device,
// kPrintDotsPerInch of the size the picture is printed at (the painter's scale over the
// device's resolution). Never below 1, and brought down to keep within kMaxRenderPixels.
RenderScale renderScale(const QPainter& painter, QSizeF logical);

} // namespace lumenary
