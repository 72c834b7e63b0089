#pragma once

#include "canvas.h"
#include "picture_record.h"

#include <vector>

namespace lumenary
{

// A canvas that keeps, unbounded, what is drawn since the last clear: what tests and
// benchmarks look at instead of pixels.
//
//     RecordingCanvas canvas;
//     drawSomething(canvas);
//     auto lines = canvas.ofKind(Primitive::Kind::Line);
class RecordingCanvas : public Canvas
{
public:
    const std::vector<Primitive>& primitives() const { return m_record.primitives(); }
    const PictureRecord& record() const { return m_record; }
    // The recorded primitives of one kind, in drawing order.
    std::vector<Primitive> ofKind(Primitive::Kind kind) const;
    // How many times the canvas was erased.
    int clears() const { return m_clears; }
    // How many times a coordinate window was accepted.
    int scales() const { return m_scales; }

protected:
    void onScale(double left, double top, double right, double bottom) override
    {
        m_record.scale(left, top, right, bottom);
        ++m_scales;
    }
    void onClear() override
    {
        m_record.clear();
        ++m_clears;
    }
    void onLine(Point a, Point b, Rgb colour, bool dotted) override
    {
        m_record.add({Primitive::Kind::Line, a, b, 0, colour, dotted, false});
    }
    void onBox(Point a, Point b, Rgb colour, bool filled) override
    {
        m_record.add({Primitive::Kind::Box, a, b, 0, colour, false, filled});
    }
    void onCircle(Point centre, double radius, Rgb colour) override
    {
        m_record.add({Primitive::Kind::Circle, centre, centre, radius, colour, false, false});
    }
    void onPoint(Point p, Rgb colour) override
    {
        m_record.add({Primitive::Kind::Point, p, p, 0, colour, false, false});
    }

private:
    PictureRecord m_record{PictureRecord::kUnbounded};
    int m_clears = 0;
    int m_scales = 0;
};

inline std::vector<Primitive> RecordingCanvas::ofKind(Primitive::Kind kind) const
{
    std::vector<Primitive> out;
    for (const auto& p : primitives())
        if (p.kind == kind)
            out.push_back(p);
    return out;
}

} // namespace lumenary
