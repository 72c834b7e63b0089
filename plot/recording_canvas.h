#pragma once

#include "canvas.h"

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

// A canvas that keeps what is drawn since the last clear, for tests and benchmarks.
class RecordingCanvas : public Canvas
{
public:
    const std::vector<Primitive>& primitives() const { return m_items; }
    // The recorded primitives of one kind, in drawing order.
    std::vector<Primitive> ofKind(Primitive::Kind kind) const;
    // How many times the canvas was erased.
    int clears() const { return m_clears; }
    // How many times a coordinate window was accepted.
    int scales() const { return m_scales; }

protected:
    void onScale(double, double, double, double) override { ++m_scales; }
    void onClear() override
    {
        m_items.clear();
        ++m_clears;
    }
    void onLine(Point a, Point b, Rgb colour, bool dotted) override;
    void onBox(Point a, Point b, Rgb colour, bool filled) override;
    void onCircle(Point centre, double radius, Rgb colour) override;
    void onPoint(Point p, Rgb colour) override;

private:
    std::vector<Primitive> m_items;
    int m_clears = 0;
    int m_scales = 0;
};

} // namespace lumenary
