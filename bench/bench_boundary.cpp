// "Light at a Boundary" on the real window at its opening size under the offscreen platform: a
// new angle of incidence (the state computed afresh, every read-out written, the picture and
// the chart repainted), a new medium, and the moving waves, frame by frame and playing.
#include "bench_support.h"

#include "boundary_picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QSlider>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <numbers>

using namespace lumenary;
using namespace lumenary::bench;
using namespace lumenary::boundary;

namespace
{

constexpr int kAir = 1;
constexpr int kDiamond = 14;
constexpr int kCrownGlass = 17;
constexpr int kS = 0, kUnpolarised = 2;

struct Window {
    QWidget* w;
    QSlider* angle;
    BoundaryPicture* picture;
    QWidget* chart;
};

// The window with the media, the angle (in tenths) and the polarisation set, the wave view on or
// off, the waves paused (so that only the event measured paints).
Window prepared(int medium1, int medium2, int tenths, int polarisation, bool waves)
{
    QWidget* w = window(QStringLiteral("Boundary"));
    Window v{w, control<QSlider>(w, "incidenceSlider"),
             control<BoundaryPicture>(w, "boundaryPicture"), control<QWidget>(w, "boundaryChart")};
    control<QComboBox>(w, "medium1List")->setCurrentIndex(medium1);
    control<QComboBox>(w, "medium2List")->setCurrentIndex(medium2);
    control<QComboBox>(w, "polarisationList")->setCurrentIndex(polarisation);
    v.angle->setValue(tenths);
    control<QCheckBox>(w, "wavesCheck")->setChecked(waves);
    v.picture->setPlaying(false);
    settle();
    return v;
}

// A step of the angle slider, a tenth of a degree back and forth. range(0): 0 rays only, 1 with
// the wave view.
void BoundaryAngleStep(benchmark::State& state)
{
    const Window v = prepared(kAir, kCrownGlass, 450, kUnpolarised, state.range(0) != 0);
    int i = 0;
    for (auto _ : state) {
        v.angle->setValue(i++ % 2 == 0 ? 451 : 450);
        settlePainting({v.picture, v.chart}, "BoundaryAngleStep");
    }
}
BENCHMARK(BoundaryAngleStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A new second medium, so that the chart's curves are computed and drawn afresh.
void BoundaryMediaChoice(benchmark::State& state)
{
    const Window v = prepared(kAir, kCrownGlass, 450, kUnpolarised, true);
    auto* list = control<QComboBox>(v.w, "medium2List");
    int i = 0;
    for (auto _ : state) {
        list->setCurrentIndex(i++ % 2 == 0 ? kDiamond : kCrownGlass);
        settlePainting({v.picture, v.chart}, "BoundaryMediaChoice");
    }
}
BENCHMARK(BoundaryMediaChoice)->Unit(benchmark::kMillisecond);

// One frame of the animation: the phase moved on a sixtieth of a period, the picture repainted.
// The CPU share of one core at 60 frames a second is the frame's CPU time times 60.
// range(0): 0 light passing into glass, 1 totally reflected with the evanescent field.
void BoundaryWaveFrame(benchmark::State& state)
{
    const bool reflected = state.range(0) != 0;
    const Window v = reflected ? prepared(kCrownGlass, kAir, 600, kS, true)
                               : prepared(kAir, kCrownGlass, 450, kS, true);
    double phase = 0.0;
    for (auto _ : state) {
        phase += 2.0 * std::numbers::pi / 60.0;
        v.picture->setPhase(phase);
        settlePainting(v.picture, "BoundaryWaveFrame");
    }
    state.counters["pixels"] = v.picture->width() * v.picture->height();
}
BENCHMARK(BoundaryWaveFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Counts the paints of one widget.
class PaintCount : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// The waves playing for a second of wall time, driven by the picture's own timer through the
// event loop: the frames painted a second, and the CPU of the whole process over that second
// (CPU time / wall time is the share of one core).
void BoundaryWaveAnimation(benchmark::State& state)
{
    const Window v = prepared(kAir, kCrownGlass, 450, kS, true);
    PaintCount count;
    v.picture->installEventFilter(&count);
    v.picture->setPlaying(true);
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    v.picture->setPlaying(false);
    v.picture->removeEventFilter(&count);
    state.counters["frames_per_second"] =
        benchmark::Counter(count.paints, benchmark::Counter::kIsRate);
}
BENCHMARK(BoundaryWaveAnimation)
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
