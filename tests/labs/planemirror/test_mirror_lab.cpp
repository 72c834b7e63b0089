#include "mirror_lab_core.h"
#include "recording_canvas.h"
#include "test_support.h"

#include <QTest>

#include <cmath>
#include <string>

using namespace lumenary;
using namespace lumenary::test;

Q_DECLARE_METATYPE(lumenary::Point)

namespace
{

MirrorPaths allPaths()
{
    MirrorPaths p;
    p.m11 = p.m21 = p.m12 = p.m22 = true;
    return p;
}

// The x where the drawn mirror 2 reaches the top edge; NaN when it is not drawn.
double mirrorTwoEnd(const RecordingCanvas& c)
{
    for (const auto& p : lines(c))
        if (p.a == Point{0, 0} && p.b.y == 40)
            return p.b.x;
    return std::nan("");
}

} // namespace

class TestMirrorLab : public QObject
{
    Q_OBJECT
private slots:
    void angleEdits_data();
    void angleEdits();
    void unreadableAngleUsesTheLastAccepted_data();
    void unreadableAngleUsesTheLastAccepted();
    void modes();
    void rayAccumulation();
    void hostileAnglesAndReleasesAnywhere_data();
    void hostileAnglesAndReleasesAnywhere();
};

void TestMirrorLab::angleEdits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    for (const char* t : {"", "-", ".", "+", "abc", "1e999", "nan", "inf", "0", "-0", "-5", "9,5"})
        QTest::addRow("ignored '%s'", t) << QString(t) << false;
    for (const char* t : {"60", " 45 ", "180", "1e300", "1.7e308", "1e-300", "0.5", "400", "720"})
        QTest::addRow("accepted '%s'", t) << QString(t) << true;
}

// An acceptable edit switches to two mirrors and redraws the empty scene; any other edit
// leaves mode and drawing alone, in plane-mirror mode and with rays on the surface alike.
void TestMirrorLab::angleEdits()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const std::string t = text.toStdString();
    for (MirrorMode start : {MirrorMode::Plane, MirrorMode::TwoMirrors}) {
        RecordingCanvas c;
        MirrorLab lab;
        if (start == MirrorMode::Plane)
            lab.enterPlaneMirror(c);
        else
            lab.enterTwoMirrors(c, "90", '.');
        lab.release(c, {10, 5}, "90", '.', MirrorPaths{});
        const int clears = c.clears();
        const auto before = c.primitives().size();
        QVERIFY(before > 2);
        QCOMPARE(lab.angleEdited(c, t, '.'), accepted);
        if (accepted) {
            QCOMPARE(lab.mode(), MirrorMode::TwoMirrors);
            QCOMPARE(c.clears(), clears + 1);
            QCOMPARE(c.right(), 80.0);
            QCOMPARE(int(lines(c).size()), std::isnan(mirrorTwoEnd(c)) ? 1 : 2);
            QCOMPARE(lab.lastAngle().degrees, std::stod(t));
        } else {
            QCOMPARE(lab.mode(), start);
            QCOMPARE(c.clears(), clears);
            QCOMPARE(c.primitives().size(), before);
            QCOMPARE(lab.lastAngle().degrees, 90.0);
        }
    }
}

void TestMirrorLab::unreadableAngleUsesTheLastAccepted_data()
{
    QTest::addColumn<QString>("text");
    for (const char* t : {"", "-", "x", "0", "-30", "1e999"})
        QTest::addRow("'%s'", t) << QString(t);
}

// "Two Mirrors", "Clear" and a release read the angle afresh; a text that is no angle falls
// back on the last accepted one: 90 at first, then whatever an edit accepted.
void TestMirrorLab::unreadableAngleUsesTheLastAccepted()
{
    QFETCH(QString, text);
    const std::string t = text.toStdString();
    RecordingCanvas c;
    MirrorLab lab;
    lab.enterTwoMirrors(c, t, '.');
    QVERIFY(near(mirrorTwoEnd(c), 0, 1e-8));

    QVERIFY(lab.angleEdited(c, "60", '.'));
    lab.clear(c, t, '.');
    QVERIFY(near(mirrorTwoEnd(c), 40 / std::sqrt(3.0), 1e-6));
    lab.enterPlaneMirror(c);
    lab.enterTwoMirrors(c, t, '.');
    QVERIFY(near(mirrorTwoEnd(c), 40 / std::sqrt(3.0), 1e-6));

    // (10, 17.5) lies inside a 90-degree wedge but outside a 60-degree one.
    MirrorPaths m11;
    lab.release(c, {10, 17.5}, t, '.', m11);
    QCOMPARE(int(lines(c).size()), 2);
    lab.release(c, {10, 17}, t, '.', m11);
    QCOMPARE(int(lines(c).size()), 5);
}

void TestMirrorLab::modes()
{
    RecordingCanvas c;
    MirrorLab lab;
    lab.enterPlaneMirror(c);
    QCOMPARE(lab.mode(), MirrorMode::Plane);
    QCOMPARE(c.right(), 40.0);

    lab.enterTwoMirrors(c, "90", '.');
    QCOMPARE(lab.mode(), MirrorMode::TwoMirrors);
    QCOMPARE(c.right(), 80.0);
    QCOMPARE(c.top(), 40.0);
    lab.release(c, {10, 5}, "90", '.', allPaths());
    lab.clear(c, "90", '.');
    QCOMPARE(lab.mode(), MirrorMode::TwoMirrors); // "Clear" keeps the mode
    QCOMPARE(c.right(), 80.0);

    // The plane-mirror construction only in plane-mirror mode: its red incident ray.
    lab.enterPlaneMirror(c);
    lab.release(c, {0, 10}, "90", '.', allPaths());
    QVERIFY(findLine(c, {30, 10}, {15, 0}));
    QCOMPARE(findLine(c, {30, 10}, {15, 0})->colour, palette(4));
    QCOMPARE(lab.mode(), MirrorMode::Plane);
}

void TestMirrorLab::rayAccumulation()
{
    RecordingCanvas c;
    MirrorLab lab;
    lab.enterTwoMirrors(c, "90", '.');
    lab.release(c, {10, 5}, "90", '.', MirrorPaths{});
    lab.release(c, {20, 5}, "90", '.', MirrorPaths{});
    lab.release(c, {-10, 5}, "90", '.', MirrorPaths{}); // outside the wedge
    QCOMPARE(int(lines(c).size()), 2 + 3 + 3);
    QVERIFY(findLine(c, {16.666667, 0}, {10, 5}));
    QVERIFY(findLine(c, {20, 5}, {23.333333, 0}));

    // Each of these starts again from the empty scene.
    lab.clear(c, "90", '.');
    QCOMPARE(int(lines(c).size()), 2);
    lab.release(c, {10, 5}, "90", '.', MirrorPaths{});
    QVERIFY(lab.angleEdited(c, "90", '.'));
    QCOMPARE(int(lines(c).size()), 2);
    lab.release(c, {10, 5}, "90", '.', MirrorPaths{});
    lab.enterTwoMirrors(c, "90", '.');
    QCOMPARE(int(lines(c).size()), 2);
    lab.release(c, {10, 5}, "90", '.', MirrorPaths{});
    lab.enterPlaneMirror(c);
    QCOMPARE(int(lines(c).size()), 0);
    QCOMPARE(int(c.primitives().size()), 2);
}

void TestMirrorLab::hostileAnglesAndReleasesAnywhere_data()
{
    QTest::addColumn<QString>("text");
    for (const char* t : {"", "-", ".", "1e999", "nan", "1e300", "0", "-5", "180", "1e-300",
                          "1e-320", "360", "90.0000000001", "5e-324"})
        QTest::addRow("'%s'", t) << QString(t);
}

// Whatever the angle text, releases anywhere in the window (edges and corners included) draw
// whole paths only and keep the scene.
void TestMirrorLab::hostileAnglesAndReleasesAnywhere()
{
    QFETCH(QString, text);
    const std::string t = text.toStdString();
    RecordingCanvas c;
    MirrorLab lab;
    lab.enterTwoMirrors(c, "90", '.');
    lab.angleEdited(c, t, '.');
    lab.clear(c, t, '.');
    const auto scene = c.primitives().size();
    QVERIFY(scene == 2 || scene == 3);
    for (double x : {-80.0, -40.0, 0.0, 1e-9, 30.0, 40.0, 80.0}) {
        for (double y : {-40.0, 0.0, 1e-9, 10.0, 20.0, 40.0}) {
            const auto before = c.primitives().size();
            lab.release(c, {x, y}, t, '.', allPaths());
            const auto added = c.primitives().size() - before;
            // Whole paths only: two lines and an image line, or three lines, per path.
            QVERIFY2(added % 3 == 0 && added <= 12, qPrintable(describe({x, y})));
        }
    }
    QCOMPARE(c.ofKind(Primitive::Kind::Circle).size(), std::size_t(1));
    QCOMPARE(lab.mode(), MirrorMode::TwoMirrors);
}

QTEST_APPLESS_MAIN(TestMirrorLab)
#include "test_mirror_lab.moc"
