#pragma once

#include "point.h"
#include "rgb.h"
#include "viewport.h"

namespace lumenary
{

// The drawing vocabulary every lab draws with. It speaks in user units and keeps the state a
// plotting surface has: the user coordinate window, the current position and the line style.
// Primitives with a non-finite coordinate are dropped here, so no NaN or infinity ever reaches
// an implementation. Implementations only rasterise (or record) what they are handed: the plot
// widget on screen (ui/plot_widget.h), RecordingCanvas in tests.
//
//     void drawAxis(Canvas& canvas)
//     {
//         canvas.setScale(-10, 10, 10, -10);          // y grows upwards
//         canvas.line({-10, 0}, {10, 0}, palette(0)); // a black axis
//         canvas.setDotted(true);
//         canvas.lineTo({10, 5}, palette(4));         // continues from (10, 0)
//     }
class Canvas
{
public:
    virtual ~Canvas() = default;

    // Sets the user coordinate window; with top > bottom y grows upwards. A window with zero
    // (or next to zero) width or height, or a non-finite edge, is refused (returns false) and
    // the old one stays.
    bool setScale(double left, double top, double right, double bottom);
    // Erases the drawing to the background; the current position returns to the user origin.
    void clear();
    // A line from a to b; the current position moves to b.
    void line(Point a, Point b, Rgb colour);
    // A continuing line from the current position to b.
    void lineTo(Point b, Rgb colour);
    // A rectangle with corners a and b, outlined or filled; the current position moves to b.
    void box(Point a, Point b, Rgb colour, bool filled);
    // A circle; its radius is in horizontal user units and it stays round on the screen.
    // The current position moves to the centre.
    void circle(Point centre, double radius, Rgb colour);
    // A single point; the current position moves to it.
    void point(Point p, Rgb colour);
    // Solid or dotted for the lines that follow.
    void setDotted(bool dotted) { m_dotted = dotted; }

    bool dotted() const { return m_dotted; }
    Point current() const { return m_current; }
    double left() const { return m_viewport.left(); }
    double top() const { return m_viewport.top(); }
    double right() const { return m_viewport.right(); }
    double bottom() const { return m_viewport.bottom(); }
    // The user coordinate window (over a one-pixel surface; a surface resizes it to its own).
    const Viewport& viewport() const { return m_viewport; }

protected:
    virtual void onScale(double left, double top, double right, double bottom) = 0;
    virtual void onClear() = 0;
    virtual void onLine(Point a, Point b, Rgb colour, bool dotted) = 0;
    virtual void onBox(Point a, Point b, Rgb colour, bool filled) = 0;
    virtual void onCircle(Point centre, double radius, Rgb colour) = 0;
    virtual void onPoint(Point p, Rgb colour) = 0;

private:
    Point m_current;
    bool m_dotted = false;
    Viewport m_viewport;
};

// True when both coordinates are finite.
bool isFinite(Point p);

} // namespace lumenary
