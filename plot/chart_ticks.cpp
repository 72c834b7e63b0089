#include "chart_ticks.h"

#include <algorithm>
#include <cmath>

namespace lumenary
{

namespace
{

constexpr int kMostTicks = 1000;

} // namespace

std::vector<AxisTick> axisTicks(const Viewport& view, ChartAxis axis, double lo, double hi,
                                double step, double labelStep, double inset)
{
    std::vector<AxisTick> ticks;
    if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(step) || !(step > 0.0))
        return ticks;
    const double start = axis == ChartAxis::X ? view.x() : view.y();
    const double end = start + (axis == ChartAxis::X ? view.width() : view.height());
    const double first = std::min(start, end) + inset;
    const double last = std::max(start, end) - inset;
    const double from = std::ceil(lo / step);
    for (int k = 0; k < kMostTicks; ++k) {
        const double value = (from + k) * step;
        if (!(value <= hi))
            break;
        const Point at = axis == ChartAxis::X ? view.toPixels({value, view.top()})
                                              : view.toPixels({view.left(), value});
        const double pixel = axis == ChartAxis::X ? at.x : at.y;
        if (pixel < first || pixel > last)
            continue;
        const bool labelled = labelStep == 0.0 || std::fmod(value, labelStep) == 0.0;
        ticks.push_back({value, pixel, labelled});
    }
    return ticks;
}

double tickStep(double pixelsPerUnit, std::initializer_list<double> steps, double minSpacing)
{
    double chosen = 0.0;
    for (const double step : steps) {
        chosen = step;
        if (pixelsPerUnit * step >= minSpacing)
            break;
    }
    return chosen;
}

} // namespace lumenary
