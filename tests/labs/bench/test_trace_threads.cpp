// The tracer split over threads against one thread: the same paths, counts, cuts and report after
// every call, whatever the budget, after an edit, and with a long path first.
#include "bench_scenes.h"
#include "trace_report.h"

#include <QTest>

#include <bit>
#include <cmath>

using namespace lumenary;
using namespace lumenary::bench;
using namespace lumenary::bench::test;

namespace
{

// Four rows of lenses, prisms, mirrors and drops lit by a white beam with Fresnel reflection on:
// 240 paths of very different lengths. A ray caught between two mirrors may come first.
Scene grid(bool trapFirst)
{
    std::vector<Element> elements;
    if (trapFirst)
        elements = {element(RaySource{{-300, 0}, 90, colour(kLineD)}),
                    element(Mirror{{-301, 1}, {-299, 1}}), element(Mirror{{-301, -1}, {-299, -1}})};
    elements.push_back(element(BeamSource{{-60, 60}, 4, 150, 24, Light{kLineD, 10}}));
    for (int k = 0; k < 16; ++k) {
        const Vec2 c{40.0 * (k % 4), 40.0 * (k / 4)};
        switch (k % 4) {
        case 0:
            elements.push_back(element(SphericalLens{c, 0, 24, 5, 40, -40, material("N-BK7")}));
            break;
        case 1:
            elements.push_back(element(
                Glass{{c + Vec2{-9, -8}, c + Vec2{9, -8}, c + Vec2{0, 9}}, material("F2")}));
            break;
        case 2:
            elements.push_back(element(Mirror{c + Vec2{-6, -8}, c + Vec2{6, 8}}));
            break;
        default:
            elements.push_back(element(Circle{c, 7, material("water")}));
        }
    }
    elements.push_back(element(Detector{{170, -40}, {170, 160}}));
    Scene s = scene(std::move(elements), true);
    s.minIntensity = 0.01;
    s.maxInteractions = 20000;
    return s;
}

// What a tracer shows after a call.
struct Snapshot {
    std::vector<TracedPath> paths;
    TraceCounts counts;
    std::size_t pending = 0;
    bool done = false;
    std::string report; // once finished
};

bool same(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool same(Vec2 a, Vec2 b)
{
    return same(a.x, b.x) && same(a.y, b.y);
}

bool same(const TraceCounts& a, const TraceCounts& b)
{
    return a.paths == b.paths && a.segments == b.segments &&
           a.cutInteractions == b.cutInteractions && a.cutIntensity == b.cutIntensity &&
           a.cutSegments == b.cutSegments && a.corners == b.corners && a.blocked == b.blocked &&
           a.escaped == b.escaped;
}

bool same(const TracedPath& a, const TracedPath& b)
{
    const auto sameSegment = [](const TraceSegment& s, const TraceSegment& t) {
        return same(s.from, t.from) && same(s.to, t.to) && same(s.intensity, t.intensity) &&
               s.parent == t.parent && s.start == t.start && s.end == t.end;
    };
    const auto sameHit = [](const DetectorHit& h, const DetectorHit& k) {
        return h.detector == k.detector && same(h.position, k.position) &&
               same(h.wavelength, k.wavelength) && same(h.intensity, k.intensity) &&
               same(h.direction, k.direction);
    };
    return a.done == b.done && same(a.counts, b.counts) && same(a.box.lo, b.box.lo) &&
           same(a.box.hi, b.box.hi) &&
           std::equal(a.segments.begin(), a.segments.end(), b.segments.begin(), b.segments.end(),
                      sameSegment) &&
           std::equal(a.hits.begin(), a.hits.end(), b.hits.begin(), b.hits.end(), sameHit);
}

bool same(const Snapshot& a, const Snapshot& b)
{
    return a.pending == b.pending && a.done == b.done && same(a.counts, b.counts) &&
           a.report == b.report &&
           std::equal(a.paths.begin(), a.paths.end(), b.paths.begin(), b.paths.end(),
                      [](const TracedPath& p, const TracedPath& q) { return same(p, q); });
}

} // namespace

class TestTraceThreads : public QObject
{
    Q_OBJECT
private slots:
    void sameTraceOnAnyNumberOfThreads_data();
    void sameTraceOnAnyNumberOfThreads();
};

void TestTraceThreads::sameTraceOnAnyNumberOfThreads_data()
{
    QTest::addColumn<bool>("trapFirst");
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<qint64>("maxSegments");
    QTest::addColumn<bool>("edit");
    const qint64 all = std::numeric_limits<qint64>::max();
    QTest::newRow("whole trace") << false << all << qint64(1000000) << false;
    QTest::newRow("calls of 1500 segments") << false << qint64(1500) << qint64(1000000) << false;
    QTest::newRow("cut by max_segments") << false << all << qint64(3000) << false;
    QTest::newRow("cut by max_segments, calls of 1100")
        << false << qint64(1100) << qint64(3000) << false;
    QTest::newRow("an edit, then calls of 1200")
        << false << qint64(1200) << qint64(1000000) << true;
    QTest::newRow("a long path first, calls of 5000")
        << true << qint64(5000) << qint64(1000000) << false;
}

// Each call's budget is spent in path order, so every call ends where one thread's would: the
// paths, counts, cuts and report are the same after each, and the last is one whole run's.
void TestTraceThreads::sameTraceOnAnyNumberOfThreads()
{
    QFETCH(bool, trapFirst);
    QFETCH(qint64, budget);
    QFETCH(qint64, maxSegments);
    QFETCH(bool, edit);
    Scene s = grid(trapFirst);
    s.maxSegments = maxSegments;
    const auto play = [&](int threads, std::int64_t perCall) {
        Scene moving = s;
        Tracer t;
        t.setThreads(threads);
        t.setScene(moving);
        std::vector<Snapshot> shots;
        const auto runToEnd = [&] {
            bool done = false;
            while (!done) {
                done = t.run(perCall);
                shots.push_back({t.paths(), t.counts(), t.pendingPaths(), done,
                                 done ? traceReport(t) : std::string()});
            }
        };
        runToEnd();
        if (edit) {
            std::get<SphericalLens>(moving.elements[5].shape).at.y += 0.7;
            t.setScene(moving);
            runToEnd();
        }
        return shots;
    };
    const std::vector<Snapshot> one = play(1, budget);
    QVERIFY(one.size() > (budget == std::numeric_limits<qint64>::max() ? 0u : 2u));
    QVERIFY(same(one.back(), play(1, std::numeric_limits<qint64>::max()).back()));
    int compared = 0;
    for (const int threads : {2, 3}) {
        Tracer probe;
        probe.setThreads(threads);
        if (probe.threads() < threads)
            continue; // the processor has fewer cores
        const std::vector<Snapshot> split = play(threads, budget);
        QCOMPARE(split.size(), one.size());
        for (std::size_t k = 0; k < one.size(); ++k)
            QVERIFY2(same(split[k], one[k]),
                     qPrintable(QStringLiteral("%1 threads, after call %2").arg(threads).arg(k)));
        ++compared;
    }
    if (compared == 0)
        QSKIP("one core: the trace is never split");
}

QTEST_GUILESS_MAIN(TestTraceThreads)
#include "test_trace_threads.moc"
