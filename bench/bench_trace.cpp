// The Optical Bench's tracer: a scene of 100 elements lit by white light with and without
// Fresnel reflection, a ray caught between two mirrors for a million interactions, the growth
// with the number of elements, and the retrace after one element moves. Each iteration takes the
// scene (building its surfaces and box trees) and traces it from nothing, as the window does when
// a scene is opened; Retrace100AfterMove times what a drag costs. The trace uses every core
// unless a row says one thread (threads:1); CPU time then adds up all the threads.
#include "scene.h"
#include "tracer.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace lumenary;
using namespace lumenary::bench;

namespace
{

constexpr double kCell = 50.0;

Element element(ElementShape shape)
{
    return Element{std::move(shape), {}, {}};
}

// The optical element of a grid cell: in turn a crown-glass lens, a flint prism, a tilted
// mirror, an ideal lens and a drop of water, so that a beam crossing the grid meets all kinds.
Element cellElement(int i, int j)
{
    const Vec2 c{kCell * i, kCell * j};
    const Medium bk7{mediumByName("N-BK7"), 1.0};
    switch ((i + 2 * j) % 5) {
    case 0:
        return element(SphericalLens{c, 0, 30, 6, 60, -60, bk7});
    case 1: {
        const double turn = 17.0 * j * kDegree;
        std::vector<Vec2> v;
        for (int k = 0; k < 3; ++k) {
            const double a = turn + (90.0 + 120.0 * k) * kDegree;
            v.push_back(c + 14.0 * Vec2{std::cos(a), std::sin(a)});
        }
        return element(Glass{v, Medium{mediumByName("F2"), 1.0}});
    }
    case 2: {
        const double a = ((i % 2) ? 35.0 + 4 * j : -35.0 - 4 * j) * kDegree;
        const Vec2 half = 10.0 * Vec2{std::cos(a + 1.5708), std::sin(a + 1.5708)};
        return element(Mirror{c - half, c + half});
    }
    case 3:
        return element(IdealLens{c, 0, 30, 40});
    default:
        return element(Circle{c, 8, Medium{mediumByName("water"), 1.0}});
    }
}

// A grid of columns × rows elements (the last cell a detector) lit by a white beam of 100 rays
// across the grid's height, from the left and a little tilted.
Scene gridScene(int columns, int rows, int wavelengths, bool fresnel)
{
    Scene s;
    s.fresnel = fresnel;
    s.minIntensity = fresnel ? 0.01 : 0.001;
    const double height = kCell * rows;
    s.elements.push_back(element(BeamSource{
        {-kCell, height / 2 - kCell / 2}, 3.0, height, 100, Light{kLineD, wavelengths}}));
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            if (i != columns - 1 || j != rows - 1)
                s.elements.push_back(cellElement(i, j));
    s.elements.push_back(
        element(Detector{{kCell * columns, -kCell}, {kCell * columns, height + kCell}}));
    return s;
}

void count(benchmark::State& state, const Tracer& t)
{
    const TraceCounts c = t.counts();
    state.counters["elements"] = static_cast<double>(t.scene().elements.size());
    state.counters["paths"] = static_cast<double>(c.paths);
    state.counters["segments"] = static_cast<double>(c.segments);
    if (c.cutSegments > 0)
        state.SkipWithError("the trace was cut by max_segments");
}

// Takes the scene and traces it from nothing on at most `threads` threads (0: all the cores), in
// calls of `perCall` segments, as often as the benchmark asks; the last trace is kept.
std::unique_ptr<Tracer> traceRepeatedly(benchmark::State& state, const Scene& s, int threads,
                                        std::int64_t perCall)
{
    std::unique_ptr<Tracer> last;
    for (auto _ : state) {
        auto t = std::make_unique<Tracer>();
        t->setThreads(threads);
        t->setScene(s);
        while (!t->run(perCall)) {
        }
        // The previous trace is freed outside the timing.
        state.PauseTiming();
        last = std::move(t);
        state.ResumeTiming();
    }
    return last;
}

// range(0): 0 Fresnel off, 1 on (min_intensity 0.01). On all the cores (the targets' case), and
// on one thread for the cost of the work itself.
void traceGrid(benchmark::State& state, int threads)
{
    const Scene s = gridScene(10, 10, 40, state.range(0) != 0);
    const auto last = traceRepeatedly(state, s, threads, std::numeric_limits<std::int64_t>::max());
    count(state, *last);
}
void Trace100Elements(benchmark::State& state)
{
    traceGrid(state, 0);
}
void Trace100ElementsOneThread(benchmark::State& state)
{
    traceGrid(state, 1);
}
// Wall time decides the iterations; CPU time is that of all threads together.
BENCHMARK(Trace100Elements)
    ->ArgName("fresnel")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Trace100ElementsOneThread)
    ->ArgName("fresnel")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The Fresnel scene traced as the window does it: calls of 20,000 segments, one a frame.
void Trace100ElementsInFrames(benchmark::State& state)
{
    const Scene s = gridScene(10, 10, 40, true);
    const auto last = traceRepeatedly(state, s, static_cast<int>(state.range(0)), 20000);
    count(state, *last);
}
BENCHMARK(Trace100ElementsInFrames)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// A ray between two parallel mirrors, stopped by max_interactions after a million reflections.
void MirrorTrapMillion(benchmark::State& state)
{
    Scene s;
    s.maxInteractions = 1000000;
    s.maxSegments = 2000000;
    s.elements = {element(RaySource{{0, 0}, 90, {}}), element(Mirror{{-1, 1}, {1, 1}}),
                  element(Mirror{{-1, -1}, {1, -1}})};
    const auto last = traceRepeatedly(state, s, 0, std::numeric_limits<std::int64_t>::max());
    if (last->counts().cutInteractions != 1)
        state.SkipWithError("the ray was not stopped by max_interactions");
    count(state, *last);
}
BENCHMARK(MirrorTrapMillion)->Unit(benchmark::kMillisecond);

// The same kind of grid with about 10, 100 and 1000 elements, ten colours: the time per segment
// shows what the box tree costs as the scene grows.
void TraceGrowth(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    const Scene s = gridScene(side, side, 10, false);
    const auto last = traceRepeatedly(state, s, static_cast<int>(state.range(1)),
                                      std::numeric_limits<std::int64_t>::max());
    count(state, *last);
}
BENCHMARK(TraceGrowth)
    ->ArgNames({"side", "threads"})
    ->ArgsProduct({{3, 10, 32}, {1, 0}})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The same grids with one small mirror a kilometre away: the surfaces crowd into few cells of a
// grid over everything, so the tracer searches its box tree instead, whose cost per segment
// grows with log(elements).
void TraceGrowthBoxTree(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    Scene s = gridScene(side, side, 10, false);
    s.elements.push_back(element(Mirror{{900000, 900000}, {900001, 900000}}));
    const auto last = traceRepeatedly(state, s, static_cast<int>(state.range(1)),
                                      std::numeric_limits<std::int64_t>::max());
    count(state, *last);
}
BENCHMARK(TraceGrowthBoxTree)
    ->ArgNames({"side", "threads"})
    ->ArgsProduct({{3, 10, 32}, {1, 0}})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// One lens of the 100-element scene moved back and forth: only the paths that met it, before or
// after, are traced again. range(0): threads (0: all the cores).
void Retrace100AfterMove(benchmark::State& state)
{
    Scene s = gridScene(10, 10, 40, false);
    Tracer t;
    t.setThreads(static_cast<int>(state.range(0)));
    t.setScene(s);
    t.run();
    auto& lens = std::get<SphericalLens>(s.elements[1 + 5 * 10 + 5].shape);
    int step = 0;
    std::size_t retraced = 0;
    for (auto _ : state) {
        lens.at.y += (step++ % 2 == 0) ? 0.5 : -0.5;
        t.setScene(s);
        retraced = t.pendingPaths();
        t.run();
    }
    count(state, t);
    state.counters["paths_retraced"] = static_cast<double>(retraced);
}
BENCHMARK(Retrace100AfterMove)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
