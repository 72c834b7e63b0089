// Typical events and heavy cases of each lab, handler plus rasterisation.
#include "bench_support.h"
#include "plot_widget.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

void ThinLensSliderStep(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("ThinLens"));
    auto* slider = control<QScrollBar>(w, "HScroll1");
    auto* plot = control<PlotWidget>(w, "Plot1");
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) % 501;
        slider->setValue(v);
        paintNow(plot);
    }
}
BENCHMARK(ThinLensSliderStep);

void ThinLensFieldEdit(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("ThinLens"));
    auto* h = control<QLineEdit>(w, "h");
    auto* plot = control<PlotWidget>(w, "Plot1");
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        h->setText(flip ? QStringLiteral("6") : QStringLiteral("5"));
        paintNow(plot);
    }
}
BENCHMARK(ThinLensFieldEdit);

// The slider swept over all its positions, one pass per position.
void ThinLensSweep(benchmark::State& state)
{
    QWidget* w = window(QStringLiteral("ThinLens"));
    auto* slider = control<QScrollBar>(w, "HScroll1");
    auto* plot = control<PlotWidget>(w, "Plot1");
    for (auto _ : state) {
        for (int v = 0; v <= 500; ++v)
            slider->setValue(v);
        paintNow(plot);
    }
}
BENCHMARK(ThinLensSweep)->Unit(benchmark::kMillisecond);

// Repainting must cost the same however much was drawn.
void PlotRepaintAfterLines(benchmark::State& state)
{
    PlotWidget plot;
    plot.resize(600, 300);
    plot.setScale(-40, 20, 40, -20);
    plot.show();
    if (!QTest::qWaitForWindowExposed(&plot))
        qFatal("plot never shown");
    for (int i = 0; i < state.range(0); ++i)
        plot.line({-40.0 + (i % 80), 20}, {40.0 - (i % 80), -20}, palette(i % 16));
    for (auto _ : state)
        plot.repaint();
    state.SetLabel(std::to_string(state.range(0)) + " lines drawn");
}
BENCHMARK(PlotRepaintAfterLines)->Arg(10)->Arg(10000);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
