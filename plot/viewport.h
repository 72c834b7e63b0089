#pragma once

#include "point.h"

#include <optional>

namespace lumenary
{

// A user coordinate window laid over a surface of width x height pixels: the one mapping
// between user units and pixels, for drawing and for the mouse alike. The surface may be a
// rectangle of a larger picture (a chart's panel), its top-left corner at (x, y) there.
//
//     Viewport view;
//     view.setWindow(-10, 10, 10, -10);               // y grows upwards
//     view = view.resized(300, 222);                  // over a 300 x 222 pixel plot
//     Point p = view.toPixels({0, 0});                // (150, 111)
//     auto fit = Viewport::fitted(-5.5, 4.5, 11.5, -5.5, 640, 400); // round stays round
class Viewport
{
public:
    // The window (0, 0)-(1, 1) over one pixel.
    Viewport() = default;

    // Sets the window; with top > bottom y grows upwards. A window with zero (or next to zero)
    // width or height, or a non-finite edge, is refused (returns false) and the old one stays.
    bool setWindow(double left, double top, double right, double bottom);
    // The same window over a surface of another size, its top-left corner where it was.
    Viewport resized(double width, double height) const;
    // The same window over a rectangle of a larger picture: top-left corner at (x, y), in that
    // picture's pixels.
    Viewport placed(double x, double y, double width, double height) const;
    // For a picture that must not stretch: the window (left, top, right, bottom) over the
    // largest rectangle of a width x height surface in which one user unit is as many pixels
    // across as down, centred (the spare width or height shared evenly either side). Nothing
    // for a window setWindow refuses; an empty or non-finite surface maps every point to its
    // middle.
    static std::optional<Viewport> fitted(double left, double top, double right, double bottom,
                                          double width, double height);

    double left() const { return m_left; }
    double top() const { return m_top; }
    double right() const { return m_right; }
    double bottom() const { return m_bottom; }

    // The surface in pixels: its top-left corner and its size.
    double x() const { return m_x; }
    double y() const { return m_y; }
    double width() const { return m_width; }
    double height() const { return m_height; }

    // Pixels per user unit, signed: negative along an axis that grows against the pixels.
    double scaleX() const { return m_width / (m_right - m_left); }
    double scaleY() const { return m_height / (m_bottom - m_top); }

    // The pixel position of a user point.
    Point toPixels(Point user) const
    {
        return Point{m_x + (user.x - m_left) * scaleX(), m_y + (user.y - m_top) * scaleY()};
    }
    // The user point of a pixel position. The fraction of the surface is taken first: a window
    // as wide as a double allows would overflow as pixels per unit times position.
    Point toUser(Point pixel) const;

    friend bool operator==(const Viewport&, const Viewport&) = default;

private:
    double m_left = 0;
    double m_top = 0;
    double m_right = 1;
    double m_bottom = 1;
    double m_x = 0;
    double m_y = 0;
    double m_width = 1;
    double m_height = 1;
};

} // namespace lumenary
