#include "recording_canvas.h"

namespace lumenary
{

std::vector<Primitive> RecordingCanvas::ofKind(Primitive::Kind kind) const
{
    std::vector<Primitive> out;
    for (const auto& p : m_items)
        if (p.kind == kind)
            out.push_back(p);
    return out;
}

void RecordingCanvas::onLine(Point a, Point b, Rgb colour, bool dotted)
{
    m_items.push_back({Primitive::Kind::Line, a, b, 0, colour, dotted, false});
}

void RecordingCanvas::onBox(Point a, Point b, Rgb colour, bool filled)
{
    m_items.push_back({Primitive::Kind::Box, a, b, 0, colour, false, filled});
}

void RecordingCanvas::onCircle(Point centre, double radius, Rgb colour)
{
    m_items.push_back({Primitive::Kind::Circle, centre, centre, radius, colour, false, false});
}

void RecordingCanvas::onPoint(Point p, Rgb colour)
{
    m_items.push_back({Primitive::Kind::Point, p, p, 0, colour, false, false});
}

} // namespace lumenary
