#pragma once

#include "viewport.h"

#include <initializer_list>
#include <vector>

namespace lumenary
{

// Which of a Viewport's axes a chart's ticks run along: x across the surface, or y down it.
enum class ChartAxis { X, Y };

// One tick of a chart drawn by hand: its value, where it stands along its axis in pixels, and
// whether it carries a label.
struct AxisTick {
    double value = 0;
    double pixel = 0;
    bool labelled = true;
};

// The ticks of one axis of a chart: every whole multiple of step from lo to hi (at most a
// thousand), placed along the axis through view; a tick closer than inset pixels to either end
// of the surface is left out, and a tick is labelled where its value is a whole multiple of
// labelStep (every tick when labelStep is 0). Nothing for a non-finite range or a step that is
// not positive.
//
//     Viewport view = panelWindow.placed(58, 10, 500, 120);    // degrees up the panel
//     for (const AxisTick& t : axisTicks(view, ChartAxis::Y, 40, 70, 5, 0, 4))
//         drawTickAt(t.pixel, t.value);
std::vector<AxisTick> axisTicks(const Viewport& view, ChartAxis axis, double lo, double hi,
                                double step, double labelStep = 0, double inset = 0);

// The finest of steps (finest first) at which neighbouring ticks stand at least minSpacing
// pixels apart on an axis of pixelsPerUnit; the coarsest when none does.
double tickStep(double pixelsPerUnit, std::initializer_list<double> steps, double minSpacing);

} // namespace lumenary
