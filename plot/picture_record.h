#pragma once

#include "canvas.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class QPainter;
class QSizeF;

namespace lumenary
{

// What a plot drew since its last erase, in user units, so that a vector copy of the picture
// replays it exactly. Each primitive is kept with the coordinate window it was drawn in (a
// window changes between primitives without an erase: the ray diagrams set theirs on every
// mouse move). The list is bounded: a student can draw a million chords, and past the bound
// the record only remembers that it is incomplete.
class PictureRecord
{
public:
    // The most primitives kept: about 4 MB a plot.
    static constexpr std::size_t kMaxPrimitives = 100000;

    // The coordinate window that later primitives are drawn in.
    void scale(double left, double top, double right, double bottom);
    // Forgets everything: the plot was erased.
    void clear();
    void line(Point a, Point b, Rgb colour, bool dotted);
    void box(Point a, Point b, Rgb colour, bool filled);
    void circle(Point centre, double radius, Rgb colour);
    void point(Point p, Rgb colour);

    // Primitives kept (scale changes not counted).
    std::size_t size() const { return m_primitives; }
    // True when more was drawn than the bound keeps.
    bool overflowed() const { return m_overflowed; }

    // Paints the kept primitives onto painter, user windows mapped onto 0..size, clipped to
    // it. Lines and outlines are one unit wide, so they follow the painter's scale.
    void replay(QPainter& painter, const QSizeF& size) const;

private:
    enum class Kind : std::uint8_t { Scale, Line, DottedLine, Box, FilledBox, Circle, Point };
    struct Item {
        double a[2]; // first point; a scale's left and top
        double b[2]; // second point; a scale's right and bottom; a circle's radius in b[0]
        Rgb colour;
        Kind kind;
    };

    bool room();
    void add(Kind kind, Point a, Point b, Rgb colour);

    std::vector<Item> m_items;
    std::size_t m_primitives = 0;
    bool m_overflowed = false;
    bool m_scaleChanged = true;
    double m_scale[4] = {0, 0, 1, 1};
};

} // namespace lumenary
