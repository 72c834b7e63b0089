#pragma once

#include "canvas.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace lumenary
{

// One primitive as a lab handed it to the canvas, in user units.
struct Primitive {
    enum class Kind { Line, Box, Circle, Point };
    Kind kind = Kind::Line;
    Point a;           // line start, box corner, circle centre, the point
    Point b;           // line end, other box corner
    double radius = 0; // circles
    Rgb colour;
    bool dotted = false; // lines
    bool filled = false; // boxes
};

// A user coordinate window and the first primitive drawn in it.
struct RecordedWindow {
    std::size_t first = 0;
    double left = 0, top = 0, right = 1, bottom = 1;
};

// What was drawn since the last erase, in user units: the primitives in drawing order, and the
// coordinate window each was drawn in (a window can change between primitives without an
// erase: the ray diagrams set theirs on every mouse move). A plot keeps one so that a vector
// copy replays its drawing exactly; tests and benchmarks read one to see what a lab drew.
// The record may be bounded: past the bound it frees its list and only remembers that it is
// incomplete.
//
//     PictureRecord record;
//     record.scale(-10, 10, 10, -10);
//     record.add({Primitive::Kind::Line, {0, 0}, {5, 5}, 0, palette(4)});
//     for (const Primitive& p : record.primitives()) ...
class PictureRecord
{
public:
    // The most primitives a plot keeps: about 5 MB.
    static constexpr std::size_t kMaxPrimitives = 100000;
    static constexpr std::size_t kUnbounded = std::numeric_limits<std::size_t>::max();

    explicit PictureRecord(std::size_t bound = kMaxPrimitives) : m_bound(bound) {}

    // The coordinate window that later primitives are drawn in.
    void scale(double left, double top, double right, double bottom);
    // Forgets everything: the drawing was erased.
    void clear();
    void add(const Primitive& primitive);

    const std::vector<Primitive>& primitives() const { return m_primitives; }
    // The windows that primitives were drawn in, by the index of their first primitive.
    const std::vector<RecordedWindow>& windows() const { return m_windows; }
    // Primitives kept.
    std::size_t size() const { return m_primitives.size(); }
    // True when more was drawn than the bound keeps.
    bool overflowed() const { return m_overflowed; }

private:
    std::size_t m_bound;
    std::vector<Primitive> m_primitives;
    std::vector<RecordedWindow> m_windows;
    bool m_overflowed = false;
    bool m_scaleChanged = true;
    RecordedWindow m_scale;
};

} // namespace lumenary
