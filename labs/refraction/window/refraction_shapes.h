#pragma once

#include "plot_widget.h"

namespace lumenary
{

// The second medium of a refraction window: a light-cyan rectangle with a cyan edge, from
// corner a to corner b.
inline PlotShape mediumShape(Point a, Point b)
{
    return PlotShape{.kind = PlotShape::Kind::Rect,
                     .a = a,
                     .b = b,
                     .pen = fromBgr(0xFFFF00),
                     .fill = fromBgr(0xFFFF80),
                     .filled = true};
}

// The normal to the interface: a dotted black line from a to b.
inline PlotShape normalShape(Point a, Point b)
{
    return PlotShape{.kind = PlotShape::Kind::Line,
                     .a = a,
                     .b = b,
                     .pen = palette(0),
                     .fill = {},
                     .dotted = true};
}

} // namespace lumenary
