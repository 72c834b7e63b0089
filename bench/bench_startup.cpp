// Start-up time and peak memory of the program beside a bare Qt window, in the same run.
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>

namespace {

// Runs a start-up program once; returns its peak memory in kB (printed by it) and the time.
long runOnce(const char* program, const QStringList& arguments, double& seconds)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(QString::fromLocal8Bit(program), arguments);
    process.waitForFinished(60000);
    seconds = timer.nsecsElapsed() / 1e9;
    return process.readAllStandardOutput().trimmed().toLong();
}

void Startup(benchmark::State& state, const char* program)
{
    double seconds = 0;
    for (auto _ : state) {
        runOnce(program, {}, seconds);
        state.SetIterationTime(seconds);
    }
}

void StartupLumenary(benchmark::State& state) { Startup(state, LUMENARY_STARTUP); }
void StartupBareWindow(benchmark::State& state) { Startup(state, BARE_STARTUP); }
BENCHMARK(StartupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(StartupLumenary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Peak resident memory with every window open, and its ratio to a bare window's.
void PeakMemoryAllWindows(benchmark::State& state)
{
    double seconds = 0;
    long all = 0;
    long bare = 0;
    for (auto _ : state) {
        all = runOnce(LUMENARY_STARTUP, {QStringLiteral("--all-windows")}, seconds);
        bare = runOnce(BARE_STARTUP, {}, seconds);
    }
    state.counters["all_windows_MB"] = all / 1024.0;
    state.counters["bare_window_MB"] = bare / 1024.0;
    state.counters["ratio"] = bare > 0 ? double(all) / bare : 0;
}
BENCHMARK(PeakMemoryAllWindows)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
