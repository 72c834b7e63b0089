// The classic labs' geometry placed as scenes: the bench's tracer gives back the prism lab's
// exit direction, the drop's deviation and the interface lab's angles, in each lab's own
// degrees (its value of pi, plot/lab_pi.h), to 1e-9.
#include "bench_scenes.h"
#include "drop_trace.h"
#include "interface_rays.h"
#include "lab_pi.h"
#include "numbers.h"
#include "prism_ray.h"
#include "recording_canvas.h"

#include <QTest>

#include <cmath>

using namespace lumenary;
using namespace lumenary::bench;
using namespace lumenary::bench::test;

namespace
{

double number(const std::string& text)
{
    return parseNumber(text, '.').value_or(std::nan(""));
}

// A scene of one ray in surroundings of index n1.
Scene withSurroundings(Scene s, double n1)
{
    s.surroundings = fixedIndex(n1);
    return s;
}

} // namespace

class TestBenchClassics : public QObject
{
    Q_OBJECT
private slots:
    void prismLab_data();
    void prismLab();
    void dropLab_data();
    void dropLab();
    void interfaceLab_data();
    void interfaceLab();
};

void TestBenchClassics::prismLab_data()
{
    QTest::addColumn<double>("apex");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::newRow("60 degrees, the lab's start") << 60.0 << 0.0 << 0.0 << 1.0 << 1.5;
    QTest::newRow("turned -10 degrees, dense glass") << 60.0 << -10.0 << 2.0 << 1.0 << 1.6;
    QTest::newRow("45 degrees in water") << 45.0 << -5.0 << -1.0 << 1.33 << 1.5;
    QTest::newRow("thin prism, high ray") << 30.0 << 0.0 << 4.0 << 1.0 << 1.5;
}

// The lab traces a ray from x = −20 at height h; its read-out is the outgoing direction.
void TestBenchClassics::prismLab()
{
    QFETCH(double, apex);
    QFETCH(double, rotation);
    QFETCH(double, height);
    QFETCH(double, n1);
    QFETCH(double, n2);
    const double pi = prismPi();
    const PrismGeometry g = prismGeometry(apex * pi / 180, rotation * pi / 180);
    RecordingCanvas canvas;
    double exit = 0;
    PrismReadouts readouts;
    const RayOutcome outcome = PlotRay(canvas, RaySetting{g, n1, n2, '.'}, height, exit, readouts);
    QVERIFY(outcome.left);
    const Scene s = withSurroundings(
        scene({element(RaySource{{-kFrame, height}, 0, colour(kLineD)}),
               element(
                   Glass{{{g.p1.x, g.p1.y}, {g.p2.x, g.p2.y}, {g.p3.x, g.p3.y}}, fixedIndex(n2)})}),
        n1);
    const auto t = traced(s);
    const auto& segments = t->paths()[0].segments;
    QCOMPARE(segments.size(), std::size_t(3));
    QCOMPARE(segments.back().end, SegmentEnd::Escaped);
    const double ours = directionDegrees(heading(segments.back()));
    QVERIFY(std::fabs(angleBetween(ours, exit * 180 / pi)) < 1e-9);
    QVERIFY(std::fabs(angleBetween(ours, number(*readouts.dev))) < 1e-9);
}

void TestBenchClassics::dropLab_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<int>("reflections");
    QTest::newRow("no reflection") << 50 << "1.33" << 0;
    QTest::newRow("near the rainbow ray") << 14 << "1.33" << 1;
    QTest::newRow("two reflections") << 5 << "1.33" << 2;
    QTest::newRow("glass bead, three reflections") << 30 << "1.5" << 3;
}

// The drop lab sends a ray from (2, b) towards −x into a drop of radius 1; its read-out D is the
// deviation after k reflections inside.
void TestBenchClassics::dropLab()
{
    QFETCH(int, scroll);
    QFETCH(QString, n2);
    QFETCH(int, reflections);
    drop::DropFields fields;
    fields.scrollValue = scroll;
    fields.n2 = n2.toStdString();
    fields.reflections = std::to_string(reflections);
    RecordingCanvas canvas;
    const drop::DropResult lab = drop::traceDrop(fields, canvas);
    QVERIFY(lab.D);
    const double b = number(lab.f);
    Scene s = withSurroundings(scene({element(RaySource{{2, b}, 180, colour(kLineD)}),
                                      element(Circle{{0, 0}, 1, fixedIndex(number(fields.n2))})},
                                     true),
                               number(fields.n1));
    s.minIntensity = 0;
    std::vector<SegmentStart> starts{SegmentStart::Source, SegmentStart::Refracted};
    starts.insert(starts.end(), reflections, SegmentStart::Reflected);
    starts.push_back(SegmentStart::Refracted);
    const auto t = traced(s);
    const auto path = branch(t->paths()[0], starts);
    QCOMPARE(path.size(), starts.size());
    const double turned = directionDegrees(heading(*path.back())) - 180;
    QVERIFY(std::fabs(angleBetween(turned, number(*lab.D))) < 1e-9);
}

void TestBenchClassics::interfaceLab_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::newRow("into water at 45 degrees") << 0.0f << 0.0f << "1.00"
                                              << "1.33";
    QTest::newRow("steep into glass") << 3900.5f << 120.25f << "1.00"
                                      << "1.5";
    QTest::newRow("glass into air, below critical") << 4000.0f << 500.0f << "1.5"
                                                    << "1.0";
    QTest::newRow("glass into air, totally reflected") << 100.0f << 1800.0f << "1.5"
                                                       << "1.0";
}

// The lab's interface is y = 2250 twips (y down), the point of incidence at x = 4500; here it
// is y = 0 with the point of incidence at the origin and the second medium below.
void TestBenchClassics::interfaceLab()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    InterfaceState lab;
    QVERIFY(clickInterface(lab, InterfaceClick{x, y, n1.toStdString(), n2.toStdString(), '.'}));
    const Vec2 start{double(x) - InterfacePlot::kNormalX, InterfacePlot::kInterfaceY - double(y)};
    const Scene s = withSurroundings(
        scene({element(RaySource{start, directionDegrees(-1.0 * start), colour(kLineD)}),
               slab(-1e5, -1e5, 1e5, 0, fixedIndex(number(n2.toStdString())))}),
        number(n1.toStdString()));
    const auto t = traced(s);
    const auto& segments = t->paths()[0].segments;
    QVERIFY(segments.size() >= 2);
    // Angles from the normal, in the lab's degrees.
    const auto fromNormal = [](const TraceSegment& seg) {
        const Vec2 d = heading(seg);
        return 180.0 * std::atan2(std::fabs(d.x), std::fabs(d.y)) / kRefractionLabPi;
    };
    QVERIFY(std::fabs(fromNormal(segments[0]) - number(lab.xval)) < 1e-9);
    if (lab.zval.empty()) {
        QCOMPARE(segments[1].start, SegmentStart::TotalReflection);
    } else {
        QCOMPARE(segments[1].start, SegmentStart::Refracted);
        QVERIFY(std::fabs(fromNormal(segments[1]) - number(lab.zval)) < 1e-9);
    }
}

QTEST_GUILESS_MAIN(TestBenchClassics)
#include "test_bench_classics.moc"
