// Full redraws of the "Rainbow Colours" window: the scene computed afresh (every colour's
// deviation curves, the sky), the three pictures rendered and painted, on the real window under
// the offscreen platform.
#include "bench_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include <benchmark/benchmark.h>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

// The window with the primary and secondary shown and the wavelength count at `count`.
QWidget* prepared(int count)
{
    QWidget* w = window(QStringLiteral("RainbowColours"));
    for (int k = 1; k <= 5; ++k)
        control<QCheckBox>(w, qPrintable(QStringLiteral("order%1Check").arg(k)))
            ->setChecked(k <= 2);
    control<QComboBox>(w, "liquidList")->setCurrentIndex(0);
    control<QSlider>(w, "countSlider")->setValue(count);
    settle();
    return w;
}

// Lets the event loop repaint; every picture must have been repainted, or the run stops.
void settlePictures(QWidget* w, const char* what)
{
    settlePainting({control<QWidget>(w, "deviationChart"), control<QWidget>(w, "dropView"),
                    control<QWidget>(w, "skyView")},
                   what);
}

// The wavelength slider moved one step, back and forth: a full redraw at about `count` colours.
void RainbowColoursCountStep(benchmark::State& state)
{
    const auto count = static_cast<int>(state.range(0));
    QWidget* w = prepared(count);
    auto* slider = control<QSlider>(w, "countSlider");
    int i = 0;
    for (auto _ : state) {
        slider->setValue(i++ % 2 == 0 ? count - 1 : count);
        settlePictures(w, "RainbowColoursCountStep");
    }
}
// Wall time decides the iterations; CPU time is that of all threads together.
BENCHMARK(RainbowColoursCountStep)
    ->Arg(40)
    ->Arg(400)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Water and flint glass in turn at 400 colours.
void RainbowColoursLiquidChoice400(benchmark::State& state)
{
    QWidget* w = prepared(400);
    auto* list = control<QComboBox>(w, "liquidList");
    int i = 0;
    for (auto _ : state) {
        list->setCurrentIndex(i++ % 2 == 0 ? 3 : 0);
        settlePictures(w, "RainbowColoursLiquidChoice400");
    }
}
BENCHMARK(RainbowColoursLiquidChoice400)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
