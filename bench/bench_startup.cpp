// Start-up time and peak memory of the program beside a bare Qt window, in the same run: the
// programs are started in turn, each in its own process, and the medians compared.
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int kRepetitions = 15;

struct Run {
    double ms = 0; // from starting the process to its first paint
    double mb = 0; // its peak resident memory then
};

// Starts a program and waits for the line it prints at its first paint (its peak memory in
// kB); the time to that line is the start-up time, the program's exit is not counted.
Run runOnce(const char* program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(QString::fromLocal8Bit(program), arguments);
    while (!process.canReadLine() && process.state() != QProcess::NotRunning)
        process.waitForReadyRead(60000);
    Run run;
    run.ms = timer.nsecsElapsed() / 1e6;
    const long kb = process.readLine().trimmed().toLong();
    process.waitForFinished(60000);
    if (kb <= 0) {
        std::fprintf(stderr, "%s printed no peak memory\n", program);
        std::exit(1);
    }
    run.mb = kb / 1024.0;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> ms;
    std::vector<double> mb;
    void add(const Run& r)
    {
        ms.push_back(r.ms);
        mb.push_back(r.mb);
    }
};

// The launcher to its first paint beside a bare window, a bare window with one line of text,
// and one with text and the launcher's three pictures, started in turn so that all see the
// same machine.
void StartupToFirstPaint(benchmark::State& state)
{
    Series lumenary;
    Series bare;
    Series text;
    Series pictures;
    for (auto _ : state) {
        for (int i = 0; i < kRepetitions; ++i) {
            bare.add(runOnce(BARE_STARTUP, {}));
            text.add(runOnce(BARE_STARTUP, {QStringLiteral("--text")}));
            pictures.add(
                runOnce(BARE_STARTUP, {QStringLiteral("--text"), QStringLiteral("--pictures")}));
            lumenary.add(runOnce(LUMENARY_STARTUP, {}));
        }
    }
    const double l = median(lumenary.ms);
    const double b = median(bare.ms);
    const double t = median(text.ms);
    const double p = median(pictures.ms);
    state.counters["launcher_ms"] = l;
    state.counters["bare_ms"] = b;
    state.counters["bare_text_ms"] = t;
    state.counters["bare_text_pictures_ms"] = p;
    state.counters["ratio_to_bare"] = l / b;
    state.counters["bare_text_to_bare"] = t / b;
    state.counters["bare_text_pictures_to_bare"] = p / b;
    state.counters["ratio_to_bare_text_pictures"] = l / p;
    state.counters["repetitions"] = kRepetitions;
}
BENCHMARK(StartupToFirstPaint)->Iterations(1)->Unit(benchmark::kMillisecond);

// Peak resident memory with every window open and painted, beside a bare window's; and with the
// classic windows and the two Explore windows of colour (Prism Spectrum, Rainbow Colours), the
// set the 60 MB goal is for.
void PeakMemoryAllWindows(benchmark::State& state)
{
    Series all;
    Series classicExplore;
    Series bare;
    const QStringList classicAndColour = {
        QStringLiteral("--all-windows"), QStringLiteral("--without"), QStringLiteral("Boundary"),
        QStringLiteral("--without"), QStringLiteral("OpticalBench")};
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i) {
            all.add(runOnce(LUMENARY_STARTUP, {QStringLiteral("--all-windows")}));
            classicExplore.add(runOnce(LUMENARY_STARTUP, classicAndColour));
            bare.add(runOnce(BARE_STARTUP, {}));
        }
    }
    const double a = median(all.mb);
    const double b = median(bare.mb);
    state.counters["all_windows_MB"] = a;
    state.counters["classic_and_colour_MB"] = median(classicExplore.mb);
    state.counters["bare_window_MB"] = b;
    state.counters["ratio"] = a / b;
    state.counters["repetitions"] = 5;
}
BENCHMARK(PeakMemoryAllWindows)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
