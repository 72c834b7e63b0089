#include "recording_canvas.h"
#include "test_support.h"

#include <QTest>

#include <limits>

using namespace lumenary;
using lumenary::test::near;

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void currentPosition();
    void clearReturnsToOrigin();
    void dottedStyleFollowsLines();
    void nonFiniteDropped_data();
    void nonFiniteDropped();
    void degenerateScaleRefused_data();
    void degenerateScaleRefused();
    void paletteAndLiterals();
};

void TestCanvas::currentPosition()
{
    RecordingCanvas c;
    c.line({1, 2}, {3, 4}, palette(0));
    c.lineTo({5, 6}, palette(1));
    c.circle({7, 8}, 2, palette(2));
    c.lineTo({9, 9}, palette(3));
    c.point({-1, -1}, palette(4));
    c.lineTo({0, 0}, palette(5));
    const auto l = lumenary::test::lines(c);
    QCOMPARE(int(l.size()), 4);
    QCOMPARE(l[1].a, (Point{3, 4}));
    QCOMPARE(l[2].a, (Point{7, 8}));   // a circle leaves the position at its centre
    QCOMPARE(l[3].a, (Point{-1, -1})); // a point leaves it at the point
}

void TestCanvas::clearReturnsToOrigin()
{
    RecordingCanvas c;
    c.line({1, 2}, {3, 4}, palette(0));
    c.clear();
    QCOMPARE(int(c.primitives().size()), 0);
    c.lineTo({5, 5}, palette(0));
    QCOMPARE(c.primitives().front().a, (Point{0, 0}));
}

void TestCanvas::dottedStyleFollowsLines()
{
    RecordingCanvas c;
    c.line({0, 0}, {1, 1}, palette(0));
    c.setDotted(true);
    c.line({0, 0}, {2, 2}, palette(0));
    c.setDotted(false);
    c.line({0, 0}, {3, 3}, palette(0));
    const auto l = lumenary::test::lines(c);
    QVERIFY(!l[0].dotted);
    QVERIFY(l[1].dotted);
    QVERIFY(!l[2].dotted);
}

void TestCanvas::nonFiniteDropped_data()
{
    QTest::addColumn<double>("bad");
    QTest::newRow("nan") << kNaN;
    QTest::newRow("infinity") << kInf;
    QTest::newRow("minus infinity") << -kInf;
}

void TestCanvas::nonFiniteDropped()
{
    QFETCH(double, bad);
    RecordingCanvas c;
    c.line({0, 0}, {1, 1}, palette(0));
    c.line({bad, 0}, {2, 2}, palette(0));
    c.line({0, 0}, {2, bad}, palette(0));
    c.lineTo({3, bad}, palette(0));
    c.box({0, bad}, {1, 1}, palette(0), true);
    c.circle({bad, 0}, 1, palette(0));
    c.circle({0, 0}, bad, palette(0));
    c.point({0, bad}, palette(0));
    QCOMPARE(int(c.primitives().size()), 1);
    // The position stays where the last drawn primitive left it.
    QCOMPARE(c.current(), (Point{1, 1}));
}

void TestCanvas::degenerateScaleRefused_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("bottom");
    QTest::newRow("zero width") << 5.0 << 20.0 << 5.0 << -20.0;
    QTest::newRow("zero height") << -40.0 << 3.0 << 40.0 << 3.0;
    QTest::newRow("nan edge") << kNaN << 20.0 << 40.0 << -20.0;
    QTest::newRow("infinite edge") << -40.0 << kInf << 40.0 << -20.0;
    QTest::newRow("width overflows") << -1e308 << 20.0 << 1e308 << -20.0;
    // Pixels per unit of these overflow, and the left edge maps to 0 * infinity.
    QTest::newRow("denormal width") << 0.0 << 20.0 << 1e-310 << -20.0;
    QTest::newRow("denormal height") << -40.0 << 4.9e-324 << 40.0 << 0.0;
    QTest::newRow("width below 1e-300") << 1e-301 << 20.0 << 2e-301 << -20.0;
}

void TestCanvas::degenerateScaleRefused()
{
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, right);
    QFETCH(double, bottom);
    RecordingCanvas c;
    QVERIFY(c.setScale(-40, 20, 40, -20));
    QVERIFY(!c.setScale(left, top, right, bottom));
    QCOMPARE(c.left(), -40.0);
    QCOMPARE(c.bottom(), -20.0);
    QCOMPARE(c.scales(), 1);
}

void TestCanvas::paletteAndLiterals()
{
    QCOMPARE(palette(6), (Rgb{128, 128, 0}));
    QCOMPARE(palette(9), (Rgb{0, 0, 255}));
    QCOMPARE(palette(14), (Rgb{255, 255, 0}));
    // The literal value 6 is almost black, not palette colour 6.
    QCOMPARE(fromBgr(6), (Rgb{6, 0, 0}));
    QCOMPARE(fromBgr(0xFFFF80), (Rgb{128, 255, 255}));
}

QTEST_APPLESS_MAIN(TestCanvas)
#include "test_canvas.moc"
