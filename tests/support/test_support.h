#pragma once

#include "canvas.h"
#include "recording_canvas.h"

#include <QString>

#include <cmath>
#include <optional>
#include <vector>

namespace lumenary::test
{

// Doubles compared with an explicit absolute tolerance (QCOMPARE's fuzzy compare fails near 0).
inline bool near(double a, double b, double tolerance = 1e-4)
{
    return std::fabs(a - b) <= tolerance;
}

inline bool near(Point a, Point b, double tolerance = 1e-4)
{
    return near(a.x, b.x, tolerance) && near(a.y, b.y, tolerance);
}

inline QString describe(Point p)
{
    return QStringLiteral("(%1, %2)").arg(p.x, 0, 'g', 10).arg(p.y, 0, 'g', 10);
}

// The recorded lines, in drawing order.
inline std::vector<Primitive> lines(const RecordingCanvas& canvas)
{
    return canvas.ofKind(Primitive::Kind::Line);
}

// The first recorded line from a to b (either direction), if any.
inline std::optional<Primitive> findLine(const RecordingCanvas& canvas, Point a, Point b,
                                         double tolerance = 1e-3)
{
    for (const auto& p : lines(canvas))
        if ((near(p.a, a, tolerance) && near(p.b, b, tolerance)) ||
            (near(p.a, b, tolerance) && near(p.b, a, tolerance)))
            return p;
    return std::nullopt;
}

} // namespace lumenary::test
