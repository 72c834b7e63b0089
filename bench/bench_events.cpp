// Typical events and heavy cases of each lab, handler plus rasterisation.
#include "bench_support.h"
#include "plot_widget.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <cmath>
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

// Raw rasterisation: chords across a drop-sized circle, as a long drop trace draws them.
void PlotChords(benchmark::State& state)
{
    PlotWidget plot;
    plot.resize(433, 433);
    plot.setScale(-2, 2, 2, -2);
    plot.show();
    if (!QTest::qWaitForWindowExposed(&plot))
        qFatal("plot never shown");
    const double step = 2.3;
    for (auto _ : state) {
        double phi = 0.5;
        plot.line({std::cos(phi), std::sin(phi)}, {std::cos(phi), std::sin(phi)}, palette(4));
        for (int i = 0; i < state.range(0); ++i) {
            phi += step;
            plot.lineTo({std::cos(phi), std::sin(phi)}, palette(4));
        }
        plot.repaint();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PlotChords)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
