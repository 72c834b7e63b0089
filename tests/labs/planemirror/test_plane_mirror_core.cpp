#include "mirror_lab_core.h"
#include "plane_mirror_core.h"
#include "recording_canvas.h"
#include "test_support.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace lumenary;
using namespace lumenary::test;

Q_DECLARE_METATYPE(lumenary::Point)

namespace
{

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const Point kImage{30, -10};

// Twice the signed area of the triangle a, b, c relative to the lengths involved: 0 when the
// three points lie on one line.
double bend(Point a, Point b, Point c)
{
    const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    const double scale = std::hypot(b.x - a.x, b.y - a.y) * std::hypot(c.x - a.x, c.y - a.y);
    return scale == 0 ? 0 : cross / scale;
}

} // namespace

class TestPlaneMirrorCore : public QObject
{
    Q_OBJECT
private slots:
    void scene();
    void releaseAtMirrorHeight();
    void releasesThatDrawNothing_data();
    void releasesThatDrawNothing();
    void reflectionLaw_data();
    void reflectionLaw();
    void pathIsWholeOrAbsent_data();
    void pathIsWholeOrAbsent();
    void raysAccumulateUntilCleared();
};

void TestPlaneMirrorCore::scene()
{
    RecordingCanvas c;
    drawPlaneMirrorScene(c);
    QCOMPARE(c.clears(), 1);
    QCOMPARE(c.left(), -40.0);
    QCOMPARE(c.top(), 20.0);
    QCOMPARE(c.right(), 40.0);
    QCOMPARE(c.bottom(), -20.0);
    QCOMPARE(int(c.primitives().size()), 2);
    const auto strip = c.ofKind(Primitive::Kind::Box).at(0);
    QVERIFY(near(strip.a, {-40, 0}) && near(strip.b, {40, -1}));
    QCOMPARE(strip.colour, palette(11));
    const auto marker = c.ofKind(Primitive::Kind::Circle).at(0);
    QVERIFY(near(marker.a, {30, 10}));
    QCOMPARE(marker.radius, 1.0);
    // The literal colour value 6 is red 6, not the palette's dark yellow.
    QCOMPARE(marker.colour, (Rgb{6, 0, 0}));
    QVERIFY(marker.colour != palette(6));
}

void TestPlaneMirrorCore::releaseAtMirrorHeight()
{
    RecordingCanvas c;
    drawPlaneMirrorScene(c);
    QVERIFY(drawSingleReflection(c, {0, 10}));
    const auto drawn = lines(c);
    QCOMPARE(int(drawn.size()), 3);
    QVERIFY(near(drawn[0].a, {30, 10}) && near(drawn[0].b, {15, 0}));
    QCOMPARE(drawn[0].colour, palette(4));
    QVERIFY(!drawn[0].dotted);
    QVERIFY(near(drawn[1].a, {15, 0}) && near(drawn[1].b, {0, 10}));
    QCOMPARE(drawn[1].colour, palette(9));
    QVERIFY(!drawn[1].dotted);
    QVERIFY(near(drawn[2].a, {15, 0}) && near(drawn[2].b, {40, -50.0 / 3}));
    QCOMPARE(drawn[2].colour, palette(0));
    QVERIFY(drawn[2].dotted);
    QVERIFY(!c.dotted()); // back to solid for whatever comes next
}

void TestPlaneMirrorCore::releasesThatDrawNothing_data()
{
    QTest::addColumn<Point>("eye");
    QTest::newRow("on the mirror") << Point{0, 0};
    QTest::newRow("below the mirror") << Point{0, -5};
    QTest::newRow("bottom left corner") << Point{-40, -20};
    QTest::newRow("level with the object") << Point{30, 10};
    QTest::newRow("right of the object") << Point{35, 5};
    QTest::newRow("top right corner") << Point{40, 20};
    QTest::newRow("not a number") << Point{kNaN, 5};
    QTest::newRow("infinitely high") << Point{0, kInf};
    QTest::newRow("infinitely far left") << Point{-kInf, 5};
}

void TestPlaneMirrorCore::releasesThatDrawNothing()
{
    QFETCH(Point, eye);
    RecordingCanvas c;
    drawPlaneMirrorScene(c);
    QVERIFY(!drawSingleReflection(c, eye));
    QCOMPARE(int(c.primitives().size()), 2);
}

void TestPlaneMirrorCore::reflectionLaw_data()
{
    QTest::addColumn<Point>("eye");
    QTest::newRow("top left corner") << Point{-40, 20};
    QTest::newRow("left edge, just above the mirror") << Point{-40, 0.05};
    QTest::newRow("just left of the object") << Point{29.9, 0.3};
    QTest::newRow("above the object") << Point{29.99, 19.9};
    QTest::newRow("middle") << Point{5, 7};
}

// Whatever the eye, the reflection point lies on the mirror, the two rays make equal angles
// with it, and the dotted extension continues the reflected ray through the image (30, -10).
void TestPlaneMirrorCore::reflectionLaw()
{
    QFETCH(Point, eye);
    RecordingCanvas c;
    QVERIFY(drawSingleReflection(c, eye));
    const auto drawn = lines(c);
    QCOMPARE(int(drawn.size()), 3);
    const Point p = drawn[0].b;
    QVERIFY(near(p.y, 0, 1e-12));
    QVERIFY(near(drawn[1].a, p, 1e-12));
    QVERIFY(near(drawn[1].b, eye, 1e-12));
    const double incident = std::atan2(10.0, 30 - p.x);
    const double reflected = std::atan2(eye.y, p.x - eye.x);
    QVERIFY2(near(incident, reflected, 1e-9), qPrintable(describe(p)));
    QVERIFY(drawn[2].dotted);
    QVERIFY(near(drawn[2].b.x, 40, 1e-12));
    QVERIFY2(near(bend(p, kImage, drawn[2].b), 0, 1e-9), qPrintable(describe(drawn[2].b)));
    QVERIFY2(near(bend(eye, p, kImage), 0, 1e-9), qPrintable(describe(p)));
}

void TestPlaneMirrorCore::pathIsWholeOrAbsent_data()
{
    QTest::addColumn<Point>("middle");
    QTest::addColumn<int>("expected");
    QTest::newRow("finite") << Point{5, 5} << 2;
    QTest::newRow("infinite") << Point{kInf, 5} << 0;
    QTest::newRow("not a number") << Point{5, kNaN} << 0;
}

void TestPlaneMirrorCore::pathIsWholeOrAbsent()
{
    QFETCH(Point, middle);
    QFETCH(int, expected);
    RecordingCanvas c;
    QCOMPARE(drawPath(c, {{0, 0}, middle, {10, 0}}, palette(2)), expected > 0);
    QCOMPARE(int(lines(c).size()), expected);
    // The last end, not the first, is where a continuing line would start.
    if (expected)
        QVERIFY(near(c.current(), {10, 0}));
}

void TestPlaneMirrorCore::raysAccumulateUntilCleared()
{
    RecordingCanvas c;
    MirrorLab lab;
    lab.enterPlaneMirror(c);
    lab.release(c, {0, 10}, "90", '.', {});
    lab.release(c, {-20, 15}, "90", '.', {});
    lab.release(c, {35, 15}, "90", '.', {}); // right of the object: nothing
    QCOMPARE(int(lines(c).size()), 6);
    QVERIFY(findLine(c, {15, 0}, {0, 10}));
    lab.clear(c, "90", '.');
    QCOMPARE(lab.mode(), MirrorMode::Plane);
    QCOMPARE(int(lines(c).size()), 0);
    QCOMPARE(int(c.ofKind(Primitive::Kind::Box).size()), 1);
    QCOMPARE(int(c.ofKind(Primitive::Kind::Circle).size()), 1);
    QCOMPARE(c.right(), 40.0); // still the plane-mirror window
}

QTEST_APPLESS_MAIN(TestPlaneMirrorCore)
#include "test_plane_mirror_core.moc"
