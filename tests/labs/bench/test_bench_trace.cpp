// The Optical Bench's tracer against closed forms, its limits and its documented rules, and the
// incremental and resumable trace against a fresh one.
#include "bench_scenes.h"
#include "interface.h"
#include "readouts.h"

#include <QTest>

#include <cmath>

using namespace lumenary;
using namespace lumenary::bench;
using namespace lumenary::bench::test;

namespace
{

double deg(double radians)
{
    return radians / kDegree;
}

double index(const char* name, double nm)
{
    return *refractiveIndex(*mediumByName(name), nm);
}

// The closed-form back focal length of a thick lens in air.
double backFocus(double n, double r1, double r2, double t)
{
    const double power = (n - 1.0) * (1.0 / r1 - 1.0 / r2 + (n - 1.0) * t / (n * r1 * r2));
    return (1.0 - (n - 1.0) * t / (n * r1)) / power;
}

// Where the last segment of a path crosses the x axis.
double axisCrossing(const TracedPath& p)
{
    const TraceSegment& s = p.segments.back();
    const Vec2 d = heading(s);
    return s.from.x - s.from.y * d.x / d.y;
}

bool sameTrace(const Tracer& a, const Tracer& b)
{
    if (a.paths().size() != b.paths().size())
        return false;
    for (std::size_t i = 0; i < a.paths().size(); ++i) {
        const auto& p = a.paths()[i].segments;
        const auto& q = b.paths()[i].segments;
        if (p.size() != q.size())
            return false;
        for (std::size_t k = 0; k < p.size(); ++k)
            if (!(p[k].from == q[k].from && p[k].to == q[k].to) ||
                p[k].intensity != q[k].intensity || p[k].parent != q[k].parent)
                return false;
    }
    return true;
}

} // namespace

class TestBenchTrace : public QObject
{
    Q_OBJECT
private slots:
    void idealLensFocus_data();
    void idealLensFocus();
    void thickLensFocus_data();
    void thickLensFocus();
    void prismDeviation_data();
    void prismDeviation();
    void rainbowAngle_data();
    void rainbowAngle();
    void criticalAngle_data();
    void criticalAngle();
    void fresnelShares_data();
    void fresnelShares();
    void parabolicMirrorFocus_data();
    void parabolicMirrorFocus();
    void limits_data();
    void limits();
    void overlappingGlass_data();
    void overlappingGlass();
    void cornersAndTangents();
    void incrementalAndResumedTracesMatchAFreshOne();
};

void TestBenchTrace::idealLensFocus_data()
{
    QTest::addColumn<double>("focal");
    QTest::addColumn<double>("axis");
    QTest::addColumn<double>("tilt");
    QTest::addColumn<bool>("reversed");
    QTest::newRow("converging") << 100.0 << 0.0 << 0.0 << false;
    QTest::newRow("diverging: a virtual focus") << -50.0 << 0.0 << 0.0 << false;
    QTest::newRow("tilted beam: one point of the focal plane") << 80.0 << 0.0 << 5.0 << false;
    QTest::newRow("turned axis") << 60.0 << 30.0 << -4.0 << false;
    QTest::newRow("light from the other side") << 70.0 << 0.0 << 3.0 << true;
}

// Parallel rays meet at f along the axis of travel and f·tan(tilt) across it.
void TestBenchTrace::idealLensFocus()
{
    QFETCH(double, focal);
    QFETCH(double, axis);
    QFETCH(double, tilt);
    QFETCH(bool, reversed);
    const Vec2 at{10, 5};
    const double travel = axis + (reversed ? 180.0 : 0.0);
    const Vec2 a = directionVector(travel);
    const Vec2 d = directionVector(travel + tilt);
    const Scene s = scene({element(BeamSource{at - 60.0 * d, travel + tilt, 20, 7, colour(kLineD)}),
                           element(IdealLens{at, axis, 40, focal})});
    const Vec2 focus = at + focal * a + focal * std::tan(tilt * kDegree) * perpendicular(a);
    const auto t = traced(s);
    QCOMPARE(t->paths().size(), std::size_t(7));
    for (const TracedPath& p : t->paths()) {
        QCOMPARE(p.segments.size(), std::size_t(2));
        QCOMPARE(p.segments[1].start, SegmentStart::Lens);
        QVERIFY2(offLine(p.segments[1], focus) < 1e-9,
                 qPrintable(QString::number(offLine(p.segments[1], focus))));
    }
    QCOMPARE(*elementReadouts(s, s.elements[1]).focalLength, focal);
}

void TestBenchTrace::thickLensFocus_data()
{
    QTest::addColumn<double>("nm");
    QTest::newRow("F line") << kLineF;
    QTest::newRow("d line") << kLineD;
    QTest::newRow("C line") << kLineC;
}

// A BK7 biconvex lens: a ray near the axis crosses it at the thick-lens back focus, the
// marginal ray well short of it.
void TestBenchTrace::thickLensFocus()
{
    QFETCH(double, nm);
    const Element lens = element(SphericalLens{{0, 0}, 0, 40, 10, 50, -50, material("N-BK7")});
    const Scene s = scene({element(RaySource{{-30, 1e-3}, 0, colour(nm)}),
                           element(RaySource{{-30, 15}, 0, colour(nm)}), lens});
    const double bfl = backFocus(index("N-BK7", nm), 50, -50, 10);
    const auto t = traced(s);
    QVERIFY(std::fabs(axisCrossing(t->paths()[0]) - (5 + bfl)) < 1e-6);
    QVERIFY(axisCrossing(t->paths()[1]) < 5 + bfl - 0.5);
    const ElementReadouts r = elementReadouts(s, lens);
    const double read = nm == kLineF   ? *r.backFocalLengths->F
                        : nm == kLineD ? *r.backFocalLengths->d
                                       : *r.backFocalLengths->C;
    QVERIFY(std::fabs(read - bfl) < 1e-12);
}

void TestBenchTrace::prismDeviation_data()
{
    thickLensFocus_data();
}

// At least deviation through a 60° BK7 prism, δ = 2 asin(n sin 30°) − 60°.
void TestBenchTrace::prismDeviation()
{
    QFETCH(double, nm);
    const double side = 40;
    const double h = side * std::sqrt(3.0) / 2;
    const Vec2 left{-side / 2, -h / 3};
    const Vec2 apex{0, 2 * h / 3};
    const double n = index("N-BK7", nm);
    const double i = deg(std::asin(n * 0.5));
    const double direction = i - 30.0;
    const Vec2 entry = 0.5 * (left + apex);
    const Scene s =
        scene({element(RaySource{entry - 40.0 * directionVector(direction), direction, colour(nm)}),
               element(Glass{{left, {side / 2, -h / 3}, apex}, material("N-BK7")})});
    const auto t = traced(s);
    const auto& segments = t->paths()[0].segments;
    QCOMPARE(segments.size(), std::size_t(3));
    const double deviation = direction - directionDegrees(heading(segments[2]));
    QVERIFY(std::fabs(deviation - (2 * i - 60)) < 1e-9);
}

void TestBenchTrace::rainbowAngle_data()
{
    thickLensFocus_data();
}

// The ray at the rainbow's impact parameter (cos² i = (n² − 1)/3) leaves a drop of water after
// one reflection inside at 4r − 2i from the way back to the sun.
void TestBenchTrace::rainbowAngle()
{
    QFETCH(double, nm);
    const double n = index("water", nm);
    const double i = std::acos(std::sqrt((n * n - 1) / 3));
    const double r = std::asin(std::sin(i) / n);
    const double expected = deg(4 * r - 2 * i);
    Scene s = scene({element(RaySource{{30, 10 * std::sin(i)}, 180, colour(nm)}),
                     element(Circle{{0, 0}, 10, material("water")})},
                    true);
    s.minIntensity = 0;
    const auto t = traced(s);
    const auto path = branch(t->paths()[0], {SegmentStart::Source, SegmentStart::Refracted,
                                             SegmentStart::Reflected, SegmentStart::Refracted});
    QCOMPARE(path.size(), std::size_t(4));
    const double turned = std::fmod(directionDegrees(heading(*path[3])) - 180 + 720, 360);
    QVERIFY(std::fabs((180 - turned) - expected) < 1e-9);
    const LineValues read = *elementReadouts(s, s.elements[1]).rainbowAngles;
    QVERIFY(std::fabs(*(nm == kLineF   ? read.F
                        : nm == kLineD ? read.d
                                       : read.C) -
                      expected) < 1e-12);
}

void TestBenchTrace::criticalAngle_data()
{
    QTest::addColumn<QString>("glass");
    QTest::addColumn<double>("beyond");
    QTest::addColumn<SegmentStart>("leaving");
    QTest::newRow("N-BK7 just inside") << "N-BK7" << -1e-7 << SegmentStart::Refracted;
    QTest::newRow("N-BK7 just beyond") << "N-BK7" << 1e-7 << SegmentStart::TotalReflection;
    QTest::newRow("F2 just inside") << "F2" << -1e-7 << SegmentStart::Refracted;
    QTest::newRow("F2 just beyond") << "F2" << 1e-7 << SegmentStart::TotalReflection;
}

// A ray that starts inside glass meets its surface just either side of asin(1/n).
void TestBenchTrace::criticalAngle()
{
    QFETCH(QString, glass);
    QFETCH(double, beyond);
    QFETCH(SegmentStart, leaving);
    const std::string name = glass.toStdString();
    const double incidence = std::asin(1 / index(name.c_str(), kLineD)) + beyond;
    const Scene s = scene({element(RaySource{{0, -10}, 90 - deg(incidence), colour(kLineD)}),
                           slab(-100, -50, 100, 0, material(name.c_str()))});
    const auto t = traced(s);
    QVERIFY(t->paths()[0].segments.size() >= 2);
    QCOMPARE(t->paths()[0].segments[1].start, leaving);
}

void TestBenchTrace::fresnelShares_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<bool>("table");
    QTest::addColumn<double>("incidence");
    QTest::addColumn<bool>("fromInside");
    QTest::newRow("n = 1.5, normal") << 1.5 << false << 0.0 << false;
    QTest::newRow("n = 2.4, normal") << 2.4 << false << 0.0 << false;
    QTest::newRow("N-BK7 at d, normal") << index("N-BK7", kLineD) << true << 0.0 << false;
    QTest::newRow("n = 1.5 at 50 degrees") << 1.5 << false << 50.0 << false;
    QTest::newRow("from inside n = 1.5 at 30 degrees") << 1.5 << false << 30.0 << true;
}

// At normal incidence R = ((n − 1)/(n + 1))²; at any angle the unpolarised R of
// optics/interface.h; the rest goes on, R + T = 1.
void TestBenchTrace::fresnelShares()
{
    QFETCH(double, n);
    QFETCH(bool, table);
    QFETCH(double, incidence);
    QFETCH(bool, fromInside);
    const Vec2 at{0, 0.3};
    const double direction = fromInside ? 180 - incidence : incidence;
    const Vec2 start = at - (fromInside ? 5.0 : 10.0) * directionVector(direction);
    Scene s = scene({element(RaySource{start, direction, colour(kLineD)}),
                     slab(0, -50, 10, 50, table ? material("N-BK7") : fixedIndex(n))},
                    true);
    s.minIntensity = 0;
    s.maxInteractions = 1;
    const auto t = traced(s);
    const TracedPath& p = t->paths()[0];
    const auto back = branch(p, {SegmentStart::Source, SegmentStart::Reflected});
    const auto on = branch(p, {SegmentStart::Source, SegmentStart::Refracted});
    QCOMPARE(back.size(), std::size_t(2));
    QCOMPARE(on.size(), std::size_t(2));
    const double r = incidence == 0 ? (n - 1) / (n + 1) * ((n - 1) / (n + 1))
                     : fromInside   ? fresnelPowers(n, 1.0, incidence * kDegree).unpolarisedR()
                                    : fresnelPowers(1.0, n, incidence * kDegree).unpolarisedR();
    QVERIFY(std::fabs(back[1]->intensity - r) < 1e-14);
    QVERIFY(std::fabs(back[1]->intensity + on[1]->intensity - 1) < 1e-15);
}

void TestBenchTrace::parabolicMirrorFocus_data()
{
    QTest::addColumn<double>("axis");
    QTest::newRow("axis along +x") << 0.0;
    QTest::newRow("axis along -x") << 180.0;
    QTest::newRow("axis at 37 degrees") << 37.0;
}

// Every ray parallel to the axis is reflected through the focus.
void TestBenchTrace::parabolicMirrorFocus()
{
    QFETCH(double, axis);
    const Vec2 vertex{3, -2};
    const Vec2 a = directionVector(axis);
    const Scene s =
        scene({element(BeamSource{vertex + 80.0 * a, axis + 180, 50, 11, colour(kLineD)}),
               element(ParabolicMirror{vertex, axis, 25, 60})});
    const auto t = traced(s);
    const Vec2 focus = vertex + 25.0 * a;
    for (const TracedPath& p : t->paths()) {
        QCOMPARE(p.segments.size(), std::size_t(2));
        QVERIFY(offLine(p.segments[1], focus) < 1e-12);
    }
}

void TestBenchTrace::limits_data()
{
    QTest::addColumn<bool>("trap");
    QTest::addColumn<qint64>("maxInteractions");
    QTest::addColumn<qint64>("maxSegments");
    QTest::addColumn<double>("minIntensity");
    QTest::addColumn<qint64>("segments");
    QTest::addColumn<qint64>("cutInteractions");
    QTest::addColumn<qint64>("cutIntensity");
    QTest::addColumn<qint64>("cutSegments");
    QTest::newRow("two mirrors, max_interactions")
        << true << qint64(1000) << qint64(100000) << 0.0 << qint64(1001) << qint64(1) << qint64(0)
        << qint64(0);
    QTest::newRow("two mirrors, max_segments")
        << true << qint64(1000000) << qint64(500) << 0.0 << qint64(500) << qint64(0) << qint64(0)
        << qint64(1);
    // Through a slab of n = 1.5: 4 % back at each surface; the second reflection inside
    // (0.0015) is the one part fainter than 0.01.
    QTest::newRow("slab, min_intensity") << false << qint64(1000) << qint64(100000) << 0.01
                                         << qint64(6) << qint64(0) << qint64(1) << qint64(0);
}

void TestBenchTrace::limits()
{
    QFETCH(bool, trap);
    QFETCH(qint64, maxInteractions);
    QFETCH(qint64, maxSegments);
    QFETCH(double, minIntensity);
    Scene s = trap ? scene({element(RaySource{{0, 0}, 90, colour(kLineD)}),
                            element(Mirror{{-1, 1}, {1, 1}}), element(Mirror{{-1, -1}, {1, -1}})})
                   : scene({element(RaySource{{-10, 0.3}, 0, colour(kLineD)}),
                            slab(0, -5, 10, 5, fixedIndex(1.5))},
                           true);
    s.maxInteractions = maxInteractions;
    s.maxSegments = maxSegments;
    s.minIntensity = minIntensity;
    const TraceCounts c = traced(s)->counts();
    QTEST(qint64(c.segments), "segments");
    QTEST(qint64(c.cutInteractions), "cutInteractions");
    QTEST(qint64(c.cutIntensity), "cutIntensity");
    QTEST(qint64(c.cutSegments), "cutSegments");
}

void TestBenchTrace::overlappingGlass_data()
{
    QTest::addColumn<bool>("denserLater");
    QTest::addColumn<double>("insideOverlap");
    QTest::newRow("the denser block later wins") << true << 2.0;
    QTest::newRow("the lighter block later wins") << false << 1.5;
}

// Where two blocks overlap the later one's index holds; a surface with the same index on both
// sides changes nothing and is not counted.
void TestBenchTrace::overlappingGlass()
{
    QFETCH(bool, denserLater);
    QFETCH(double, insideOverlap);
    Element light = slab(0, -10, 10, 10, fixedIndex(1.5));
    Element dense = slab(5, -10, 15, 10, fixedIndex(2.0));
    const Element source = element(RaySource{{-10, 0}, 20, colour(kLineD)});
    const Scene s = denserLater ? scene({source, light, dense}) : scene({source, dense, light});
    const auto t = traced(s);
    const auto& segments = t->paths()[0].segments;
    QCOMPARE(segments.size(), std::size_t(5));
    // The segment that crosses x = 7.5, inside the overlap, obeys sin θ = sin 20° / n.
    const TraceSegment* overlap = nullptr;
    for (const TraceSegment& seg : segments)
        if (seg.from.x < 7.5 && seg.to.x > 7.5)
            overlap = &seg;
    QVERIFY(overlap);
    QVERIFY(std::fabs(heading(*overlap).y - std::sin(20 * kDegree) / insideOverlap) < 1e-14);
    const int passed =
        static_cast<int>(std::count_if(segments.begin(), segments.end(), [](const auto& seg) {
            return seg.start == SegmentStart::Passed;
        }));
    QCOMPARE(passed, 1);
}

// A ray aimed at a corner of glass ends there; a ray that only touches a drop passes it.
void TestBenchTrace::cornersAndTangents()
{
    const Scene corner = scene({element(RaySource{{-10, 0}, 0, colour(kLineD)}),
                                element(Glass{{{0, 0}, {10, -5}, {10, 5}}, fixedIndex(1.5)})});
    const TraceCounts c = traced(corner)->counts();
    QCOMPARE(c.corners, std::int64_t(1));
    QCOMPARE(c.segments, std::int64_t(1));
    const Scene tangent = scene({element(RaySource{{-5, 1}, 0, colour(kLineD)}),
                                 element(Circle{{0, 0}, 1, fixedIndex(1.5)})});
    const TraceCounts g = traced(tangent)->counts();
    QCOMPARE(g.segments, std::int64_t(1));
    QCOMPARE(g.escaped, std::int64_t(1));
}

// Moving one lens retraces only the beam through it, and the result is bit for bit that of a
// fresh trace; so is a trace cut into small pieces.
void TestBenchTrace::incrementalAndResumedTracesMatchAFreshOne()
{
    Scene s = scene({element(BeamSource{{-40, 20}, 0, 10, 5, Light{kLineD, 7}}),
                     element(BeamSource{{-40, -20}, 0, 10, 5, Light{kLineD, 7}}),
                     element(SphericalLens{{0, 20}, 0, 20, 4, 40, -40, material("F2")}),
                     element(SphericalLens{{0, -20}, 0, 20, 4, 40, -40, material("F2")}),
                     element(Detector{{60, -30}, {60, 30}})},
                    true);
    Tracer moving;
    moving.setScene(s);
    moving.run();
    std::get<SphericalLens>(s.elements[3].shape).at.x += 1.0;
    moving.setScene(s);
    QCOMPARE(moving.pendingPaths(), std::size_t(35));
    moving.run();
    Tracer pieces;
    pieces.setScene(s);
    int calls = 0;
    while (!pieces.run(7))
        ++calls;
    QVERIFY(calls > 10);
    const auto fresh = traced(s);
    QVERIFY(sameTrace(moving, *fresh));
    QVERIFY(sameTrace(pieces, *fresh));
}

QTEST_GUILESS_MAIN(TestBenchTrace)
#include "test_bench_trace.moc"
