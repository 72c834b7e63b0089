// "Light at a Boundary": a new angle of incidence (the state computed afresh, the picture and
// the chart repainted) and one frame of the moving waves, on the picture and chart at their
// opening sizes under the offscreen platform.
#include "bench_support.h"

#include "boundary_chart.h"
#include "boundary_picture.h"

#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <numbers>

using namespace lumenary;
using namespace lumenary::bench;
using namespace lumenary::boundary;

namespace
{

// The picture and the chart side by side at their opening sizes, shown.
struct Views {
    QWidget frame;
    BoundaryPicture* picture;
    BoundaryChart* chart;

    Views(int medium1, int medium2, Polarisation polarisation, bool waves)
    {
        auto* layout = new QHBoxLayout(&frame);
        picture = new BoundaryPicture;
        chart = new BoundaryChart;
        picture->setObjectName(QStringLiteral("boundaryPicture"));
        chart->setObjectName(QStringLiteral("boundaryChart"));
        layout->addWidget(picture);
        layout->addWidget(chart);
        frame.resize(picture->sizeHint().width() + chart->sizeHint().width() + 30, 440);
        picture->setWaves(waves);
        picture->setPlaying(false);
        show(medium1, medium2, 45.0, polarisation);
        frame.show();
        settle();
    }
    void show(int medium1, int medium2, double degrees, Polarisation polarisation)
    {
        const auto state = boundaryState({medium1, medium2, 589.3, degrees, polarisation});
        if (!state)
            qFatal("no state");
        picture->setState(*state);
        chart->setState(*state);
    }
};

// A step of the angle slider, a tenth of a degree back and forth: the state, both views
// repainted. range(0): 0 rays only, 1 with the wave view.
void BoundaryAngleStep(benchmark::State& state)
{
    Views v(kAirPosition, kCrownGlassPosition, Polarisation::Unpolarised, state.range(0) != 0);
    int i = 0;
    for (auto _ : state) {
        v.show(kAirPosition, kCrownGlassPosition, i++ % 2 == 0 ? 45.1 : 45.0,
               Polarisation::Unpolarised);
        settlePainting({v.picture, v.chart}, "BoundaryAngleStep");
    }
}
BENCHMARK(BoundaryAngleStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A new pair of media, so that the chart's curves are computed and drawn afresh.
void BoundaryMediaChoice(benchmark::State& state)
{
    Views v(kAirPosition, kCrownGlassPosition, Polarisation::Unpolarised, true);
    int i = 0;
    for (auto _ : state) {
        v.show(kAirPosition, i++ % 2 == 0 ? 14 : kCrownGlassPosition, 45.0,
               Polarisation::Unpolarised);
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
    Views v(reflected ? kCrownGlassPosition : kAirPosition,
            reflected ? kAirPosition : kCrownGlassPosition, Polarisation::S, true);
    if (reflected)
        v.show(kCrownGlassPosition, kAirPosition, 60.0, Polarisation::S);
    settle();
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
    Views v(kAirPosition, kCrownGlassPosition, Polarisation::S, true);
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
