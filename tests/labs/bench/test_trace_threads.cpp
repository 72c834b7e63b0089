// The tracer split over threads against one thread: the same paths, counts, cuts and report after
// every call, whatever the budget, after an edit, and with a long path first.
#include "bench_scenes.h"
#include "trace_report.h"

#include <QTest>

#include <cmath>
#include <string>

using namespace lumenary;
using namespace lumenary::bench;
using namespace lumenary::bench::test;

namespace
{

enum class Lit { Grid, TrapFirst, Nothing };

// Four rows of lenses, prisms, mirrors and drops lit by a white beam with Fresnel reflection on:
// 240 paths of very different lengths. A ray caught between two mirrors may come first; or a
// wide beam meets nothing, 3000 paths of one segment each.
Scene grid(Lit lit)
{
    if (lit == Lit::Nothing)
        return scene({element(BeamSource{{0, 0}, 0, 100, 300, Light{kLineD, 10}})});
    std::vector<Element> elements;
    if (lit == Lit::TrapFirst)
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

// Everything a tracer shows after a call, byte for byte: every path's segments, hits, counts,
// box and state, the totals, the paths left, and the report once it is done.
std::string shown(const Tracer& t, bool done)
{
    std::string out;
    const auto add = [&](const auto& value) {
        out.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    const auto addCounts = [&](const TraceCounts& c) {
        for (const std::int64_t n : {c.paths, c.segments, c.cutInteractions, c.cutIntensity,
                                     c.cutSegments, c.corners, c.blocked, c.escaped})
            add(n);
    };
    for (const TracedPath& p : t.paths()) {
        for (const TraceSegment& s : p.segments)
            for (const auto& field : {s.from.x, s.from.y, s.to.x, s.to.y, s.intensity,
                                      double(s.parent), double(s.start), double(s.end)})
                add(field);
        for (const DetectorHit& h : p.hits)
            for (const auto& field :
                 {double(h.detector), h.position, h.wavelength, h.intensity, h.direction})
                add(field);
        addCounts(p.counts);
        for (const double edge : {p.box.lo.x, p.box.lo.y, p.box.hi.x, p.box.hi.y, double(p.done)})
            add(edge);
    }
    addCounts(t.counts());
    add(t.pendingPaths());
    return done ? out + traceReport(t) : out;
}

} // namespace

Q_DECLARE_METATYPE(Lit)

class TestTraceThreads : public QObject
{
    Q_OBJECT
private slots:
    void sameTraceOnAnyNumberOfThreads_data();
    void sameTraceOnAnyNumberOfThreads();
};

void TestTraceThreads::sameTraceOnAnyNumberOfThreads_data()
{
    QTest::addColumn<Lit>("lit");
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<qint64>("maxSegments");
    QTest::addColumn<bool>("edit");
    const qint64 all = std::numeric_limits<qint64>::max();
    QTest::newRow("whole trace") << Lit::Grid << all << qint64(1000000) << false;
    QTest::newRow("calls of 1500 segments")
        << Lit::Grid << qint64(1500) << qint64(1000000) << false;
    QTest::newRow("cut by max_segments") << Lit::Grid << all << qint64(3000) << false;
    QTest::newRow("cut by max_segments, calls of 1100")
        << Lit::Grid << qint64(1100) << qint64(3000) << false;
    QTest::newRow("an edit, then calls of 1200")
        << Lit::Grid << qint64(1200) << qint64(1000000) << true;
    QTest::newRow("a long path first, calls of 5000")
        << Lit::TrapFirst << qint64(5000) << qint64(1000000) << false;
    // Each split call takes exactly its budget in whole paths, and leaves the last done or not
    // as one thread would.
    QTest::newRow("paths of one segment, calls of 1024")
        << Lit::Nothing << qint64(1024) << qint64(1000000) << false;
}

// Each call's budget is spent in path order, so every call ends where one thread's would: the
// paths, counts, cuts and report are the same after each, and the last is one whole run's.
void TestTraceThreads::sameTraceOnAnyNumberOfThreads()
{
    QFETCH(Lit, lit);
    QFETCH(qint64, budget);
    QFETCH(qint64, maxSegments);
    QFETCH(bool, edit);
    Scene s = grid(lit);
    s.maxSegments = maxSegments;
    const auto play = [&](int threads, std::int64_t perCall) {
        Scene moving = s;
        Tracer t;
        t.setThreads(threads);
        t.setScene(moving);
        std::vector<std::string> shots;
        const auto runToEnd = [&] {
            bool done = false;
            while (!done) {
                done = t.run(perCall);
                shots.push_back(shown(t, done));
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
    const std::vector<std::string> one = play(1, budget);
    QVERIFY(one.size() > (budget == std::numeric_limits<qint64>::max() ? 0u : 2u));
    QVERIFY(one.back() == play(1, std::numeric_limits<qint64>::max()).back());
    int compared = 0;
    for (const int threads : {2, 3}) {
        Tracer probe;
        probe.setThreads(threads);
        if (probe.threads() < threads)
            continue; // the processor has fewer cores
        const std::vector<std::string> split = play(threads, budget);
        QCOMPARE(split.size(), one.size());
        for (std::size_t k = 0; k < one.size(); ++k)
            QVERIFY2(split[k] == one[k],
                     qPrintable(QStringLiteral("%1 threads, after call %2").arg(threads).arg(k)));
        ++compared;
    }
    if (compared == 0)
        QSKIP("one core: the trace is never split");
}

QTEST_GUILESS_MAIN(TestTraceThreads)
#include "test_trace_threads.moc"
