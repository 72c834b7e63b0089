#pragma once

#include "point.h"

namespace lumenary
{

// A user coordinate window laid over a surface of width x height pixels: the one mapping
// between user units and pixels, for drawing and for the mouse alike.
class Viewport
{
public:
    // The window (0, 0)-(1, 1) over one pixel.
    Viewport() = default;

    // Sets the window; with top > bottom y grows upwards. A window with zero (or next to zero)
    // width or height, or a non-finite edge, is refused (returns false) and the old one stays.
    bool setWindow(double left, double top, double right, double bottom);
    // The same window over a surface of another size.
    Viewport resized(double width, double height) const;

    double left() const { return m_left; }
    double top() const { return m_top; }
    double right() const { return m_right; }
    double bottom() const { return m_bottom; }

    // Pixels per user unit, signed: negative along an axis that grows against the pixels.
    double scaleX() const { return m_width / (m_right - m_left); }
    double scaleY() const { return m_height / (m_bottom - m_top); }

    // The pixel position of a user point, from the surface's top-left corner.
    Point toPixels(Point user) const
    {
        return Point{(user.x - m_left) * scaleX(), (user.y - m_top) * scaleY()};
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
    double m_width = 1;
    double m_height = 1;
};

} // namespace lumenary
