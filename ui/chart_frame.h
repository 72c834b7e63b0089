#pragma once

#include "chart_ticks.h"

#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QRectF;

namespace lumenary
{

// The frame of a chart drawn by hand with QPainter, around a plot whose ticks come from
// axisTicks (chart_ticks.h): tick marks four pixels long outside the plot's left or bottom edge,
// their labels, and the axis titles, all in the painter's pen and font.
//
//     const Viewport view = window.placed(plot.left(), plot.top(), plot.width(), plot.height());
//     const auto label = [](double v) { return QString::number(v, 'f', 0); };
//     drawAxis(painter, ChartAxis::Y, plot.left(), axisTicks(view, ChartAxis::Y, 0, 90, 10),
//     label); drawAxis(painter, ChartAxis::X, plot.bottom(), axisTicks(view, ChartAxis::X, 0, 1,
//     0.2), label); drawLeftTitle(painter, plot, 12, QStringLiteral("Deviation D (\u00b0)"));
using TickLabel = std::function<QString(double value)>;

// Draws the ticks of one axis at the plot's edge (its left x for the Y axis, its bottom y for
// the X axis). A labelled tick's text stands right-aligned in the room left of the edge, its
// right end gap pixels before it (Y), or centred in a box 40 pixels wide whose top is gap
// pixels below the edge (X).
void drawAxis(QPainter& painter, ChartAxis axis, double edge, const std::vector<AxisTick>& ticks,
              const TickLabel& label, double gap = 6);

// Sets the painter's font to `points` points as the screen shows them, whatever it paints on:
// a PDF or a printer counts points at its own resolution, while the pictures are drawn in
// screen pixels (96 to the inch) scaled to it, which would make their words ten times too big.
void setScreenPointSize(QPainter& painter, double points);

// Draws a Y axis's title turned a quarter to the left, centred on x and on the plot's middle.
void drawLeftTitle(QPainter& painter, const QRectF& plot, double x, const QString& title);

} // namespace lumenary
