#include "mirror_lab_core.h"
#include "recording_canvas.h"
#include "test_support.h"
#include "two_mirrors_core.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace lumenary;
using namespace lumenary::test;

Q_DECLARE_METATYPE(lumenary::Point)
Q_DECLARE_METATYPE(std::vector<lumenary::Point>)
Q_DECLARE_METATYPE(lumenary::Rgb)
Q_DECLARE_METATYPE(lumenary::MirrorPaths)

namespace
{

const Point kObject{30, 10};

MirrorAngle angle(double degrees)
{
    const auto a = MirrorAngle::fromDegrees(degrees);
    if (!a)
        qFatal("no angle %g", degrees);
    return *a;
}

MirrorPaths only(bool m11, bool m21, bool m12, bool m22)
{
    MirrorPaths p;
    p.m11 = m11;
    p.m21 = m21;
    p.m12 = m12;
    p.m22 = m22;
    return p;
}

// The recorded lines of one colour and style, in drawing order.
std::vector<Primitive> linesOf(const RecordingCanvas& c, Rgb colour, bool dotted)
{
    std::vector<Primitive> out;
    for (const auto& p : lines(c))
        if (p.colour == colour && p.dotted == dotted)
            out.push_back(p);
    return out;
}

// 0 when a, b and c lie on one line (the cross product over the lengths).
double bend(Point a, Point b, Point c)
{
    const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    const double scale = std::hypot(b.x - a.x, b.y - a.y) * std::hypot(c.x - a.x, c.y - a.y);
    return scale == 0 ? 0 : cross / scale;
}

// Whether the solid lines form one chain from the object to the eye through the given points.
bool chain(const std::vector<Primitive>& path, const std::vector<Point>& through, Point eye,
           double tolerance)
{
    std::vector<Point> points{kObject};
    points.insert(points.end(), through.begin(), through.end());
    points.push_back(eye);
    if (path.size() + 1 != points.size())
        return false;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (!near(path[i].a, points[i], tolerance) || !near(path[i].b, points[i + 1], tolerance))
            return false;
    return true;
}

} // namespace

class TestTwoMirrorsCore : public QObject
{
    Q_OBJECT
private slots:
    void scene_data();
    void scene();
    void wedge_data();
    void wedge();
    void paths_data();
    void paths();
    void doublePathConditions_data();
    void doublePathConditions();
    void groupsInOrder();
    void divisionByZeroDrawsNothing_data();
    void divisionByZeroDrawsNothing();
    void levelLineToTheImageDrawsNothing();
    void everyReleaseIsSound_data();
    void everyReleaseIsSound();
};

void TestTwoMirrorsCore::scene_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("hasMirror2");
    QTest::addColumn<double>("endX");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("90") << 90.0 << true << 0.0 << 1e-8;
    QTest::newRow("60") << 60.0 << true << 40 / std::sqrt(3.0) << 1e-6;
    QTest::newRow("135 leans left") << 135.0 << true << -40.0 << 1e-6;
    QTest::newRow("180 lies flat to the left") << 180.0 << true << -4.4546e11 << 1e8;
    QTest::newRow("200 as 20") << 200.0 << true << 40 / std::tan(20 * M_PI / 180) << 1e-6;
    QTest::newRow("1e-300 far right") << 1e-300 << true << 2.2918e303 << 1e300;
    QTest::newRow("1e-320 has no end") << 1e-320 << false << 0.0 << 0.0;
}

void TestTwoMirrorsCore::scene()
{
    QFETCH(double, degrees);
    QFETCH(bool, hasMirror2);
    QFETCH(double, endX);
    QFETCH(double, tolerance);
    RecordingCanvas c;
    drawTwoMirrorScene(c, angle(degrees));
    QCOMPARE(c.clears(), 1);
    QCOMPARE(c.left(), -80.0);
    QCOMPARE(c.top(), 40.0);
    QCOMPARE(c.right(), 80.0);
    QCOMPARE(c.bottom(), -40.0);
    const auto drawn = lines(c);
    QCOMPARE(int(drawn.size()), hasMirror2 ? 2 : 1);
    QVERIFY(near(drawn[0].a, {0, 0}) && near(drawn[0].b, {80, 0}));
    QCOMPARE(drawn[0].colour, (Rgb{0, 0, 0}));
    if (hasMirror2) {
        QVERIFY(near(drawn[1].a, {0, 0}));
        QVERIFY2(near(drawn[1].b.x, endX, tolerance), qPrintable(describe(drawn[1].b)));
        QCOMPARE(drawn[1].b.y, 40.0);
        QCOMPARE(drawn[1].colour, (Rgb{0, 0, 0}));
    }
    const auto marker = c.ofKind(Primitive::Kind::Circle);
    QCOMPARE(int(marker.size()), 1);
    QVERIFY(near(marker[0].a, kObject));
    QCOMPARE(marker[0].colour, (Rgb{6, 0, 0}));
}

void TestTwoMirrorsCore::wedge_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<Point>("eye");
    QTest::addColumn<bool>("inside");
    QTest::newRow("90: first quadrant") << 90.0 << Point{10, 5} << true;
    QTest::newRow("90: left of mirror 2") << 90.0 << Point{-10, 5} << false;
    QTest::newRow("90: below mirror 1") << 90.0 << Point{10, -5} << false;
    QTest::newRow("90: on mirror 1") << 90.0 << Point{10, 0} << false;
    QTest::newRow("60: just under mirror 2") << 60.0 << Point{10, 17.3} << true;
    QTest::newRow("60: just over mirror 2") << 60.0 << Point{10, 17.4} << false;
    // tan 135 = -1: inside is above the line y = -x, on both sides of the y axis.
    QTest::newRow("135: right, above") << 135.0 << Point{10, 5} << true;
    QTest::newRow("135: left, above the line") << 135.0 << Point{-10, 10.5} << true;
    QTest::newRow("135: left, below the line") << 135.0 << Point{-10, 9.5} << false;
    QTest::newRow("135: left, under mirror 1") << 135.0 << Point{-10, -5} << false;
    QTest::newRow("180: anywhere above") << 180.0 << Point{-70, 1} << true;
    QTest::newRow("1e-300: too thin for any eye") << 1e-300 << Point{80, 0.01} << false;
}

void TestTwoMirrorsCore::wedge()
{
    QFETCH(double, degrees);
    QFETCH(Point, eye);
    QFETCH(bool, inside);
    QCOMPARE(insideWedge(angle(degrees), eye), inside);
    // Outside the wedge no path is drawn, ticked or not.
    RecordingCanvas c;
    drawTwoMirrorPaths(c, angle(degrees), eye, only(true, true, true, true));
    QCOMPARE(!lines(c).empty(), inside);
}

void TestTwoMirrorsCore::paths_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<MirrorPaths>("ticked");
    QTest::addColumn<Point>("eye");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<std::vector<Point>>("through");
    QTest::addColumn<bool>("hasImage");
    QTest::addColumn<Point>("image");

    const Rgb black{0, 0, 0};
    QTest::newRow("90, mirror 1") << 90.0 << only(true, false, false, false) << Point{10, 5}
                                  << black << std::vector<Point>{{16.666667, 0}} << true
                                  << Point{30, -10};
    QTest::newRow("90, mirror 2") << 90.0 << only(false, true, false, false) << Point{10, 5}
                                  << palette(4) << std::vector<Point>{{0, 6.25}} << true
                                  << Point{-30, 10};
    QTest::newRow("60, mirror 2") << 60.0 << only(false, true, false, false) << Point{10, 5}
                                  << palette(4) << std::vector<Point>{{6.291333, 10.896909}} << true
                                  << Point{-6.339746, 30.980762};
    QTest::newRow("90, mirror 1 then 2")
        << 90.0 << only(false, false, true, false) << Point{10, 25} << palette(2)
        << std::vector<Point>{{18.571429, 0}, {0, 16.25}} << false << Point{};
    QTest::newRow("90, mirror 2 then 1")
        << 90.0 << only(false, false, false, true) << Point{40, 5} << palette(5)
        << std::vector<Point>{{0, 3.571429}, {16.666667, 0}} << false << Point{};
    QTest::newRow("45, mirror 1 then 2")
        << 45.0 << only(false, false, true, false) << Point{20, 15} << palette(2)
        << std::vector<Point>{{25, 0}, {16.666667, 16.666667}} << false << Point{};
}

void TestTwoMirrorsCore::paths()
{
    QFETCH(double, degrees);
    QFETCH(MirrorPaths, ticked);
    QFETCH(Point, eye);
    QFETCH(Rgb, colour);
    QFETCH(std::vector<Point>, through);
    QFETCH(bool, hasImage);
    QFETCH(Point, image);
    RecordingCanvas c;
    drawTwoMirrorPaths(c, angle(degrees), eye, ticked);
    const auto solid = linesOf(c, colour, false);
    QVERIFY2(chain(solid, through, eye, 1e-3), qPrintable(describe(solid.at(0).b)));
    QCOMPARE(int(lines(c).size()), int(solid.size()) + (hasImage ? 1 : 0));
    if (hasImage) {
        const auto dotted = linesOf(c, Rgb{0, 0, 0}, true);
        QCOMPARE(int(dotted.size()), 1);
        QVERIFY(near(dotted[0].a, through[0], 1e-3));
        QVERIFY2(near(dotted[0].b, image, 1e-3), qPrintable(describe(dotted[0].b)));
        // The image lies on the reflected ray's backward extension.
        QVERIFY(near(bend(eye, solid[0].b, dotted[0].b), 0, 1e-9));
        QVERIFY(!c.dotted());
    }
}

void TestTwoMirrorsCore::doublePathConditions_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<Point>("eye");
    QTest::addColumn<bool>("oneThenTwo");
    QTest::addColumn<bool>("twoThenOne");
    QTest::newRow("left and above the object") << 90.0 << Point{10, 25} << true << false;
    QTest::newRow("left, below the object") << 90.0 << Point{10, 5} << false << false;
    QTest::newRow("right, above the object") << 90.0 << Point{40, 25} << false << false;
    QTest::newRow("right and below the object") << 90.0 << Point{40, 5} << false << true;
    QTest::newRow("level with the object") << 90.0 << Point{10, 10} << false << false;
    QTest::newRow("straight above the object") << 90.0 << Point{30, 25} << false << false;
    // At 170 degrees the line between the images meets mirror 2 behind the origin.
    QTest::newRow("170, crossing behind the origin") << 170.0 << Point{-30, 20} << false << false;
    QTest::newRow("150, close under mirror 2") << 150.0 << Point{-60, 35} << true << false;
    // At 135 degrees the line between the images meets mirror 2's line below mirror 1.
    QTest::newRow("135, crossing below mirror 1") << 135.0 << Point{25, 20} << false << false;
    QTest::newRow("180, crossing on mirror 1's side")
        << 180.0 << Point{-27, 16.5} << false << false;
}

void TestTwoMirrorsCore::doublePathConditions()
{
    QFETCH(double, degrees);
    QFETCH(Point, eye);
    QFETCH(bool, oneThenTwo);
    QFETCH(bool, twoThenOne);
    RecordingCanvas c;
    drawTwoMirrorPaths(c, angle(degrees), eye, only(false, false, true, true));
    QCOMPARE(int(linesOf(c, palette(2), false).size()), oneThenTwo ? 3 : 0);
    QCOMPARE(int(linesOf(c, palette(5), false).size()), twoThenOne ? 3 : 0);
}

// Later groups lie on top of earlier ones: mirror 1, mirror 2, mirror 1 then 2, 2 then 1.
void TestTwoMirrorsCore::groupsInOrder()
{
    for (const Point eye : {Point{10, 25}, Point{40, 5}}) {
        RecordingCanvas c;
        drawTwoMirrorPaths(c, angle(90), eye, only(true, true, true, true));
        const std::vector<Rgb> order{{0, 0, 0}, palette(4), palette(2), palette(5)};
        int group = 0;
        for (const auto& line : lines(c)) {
            if (line.dotted)
                continue;
            while (group < 4 && !(order[group] == line.colour))
                ++group;
            QVERIFY2(group < 4, qPrintable(describe(line.a)));
        }
        QCOMPARE(int(linesOf(c, palette(2), false).size() + linesOf(c, palette(5), false).size()),
                 3);
    }
}

void TestTwoMirrorsCore::divisionByZeroDrawsNothing_data()
{
    QTest::addColumn<double>("degrees");
    QTest::newRow("10") << 10.0;
    QTest::newRow("90") << 90.0;
    QTest::newRow("135") << 135.0;
}

// The eye at the object's mirror point through the origin makes the rotated x's cancel exactly.
void TestTwoMirrorsCore::divisionByZeroDrawsNothing()
{
    QFETCH(double, degrees);
    QVERIFY(!mirrorTwoReflection(angle(degrees), {-30, -10}));
    QVERIFY(mirrorTwoReflection(angle(degrees), {-29.5, -10}));
}

// At 170 degrees this eye (left of and above the object, inside the wedge) puts the hit on
// mirror 2 at exactly the height of the object's image under mirror 1: the line back to that
// image runs level and never meets mirror 1. No part of the path may be drawn.
void TestTwoMirrorsCore::levelLineToTheImageDrawsNothing()
{
    const Point eye{-0x1.dda7dae139778p+1, 12};
    QVERIFY(insideWedge(angle(170), eye));
    QVERIFY(!reflectionOneThenTwo(angle(170), eye));
    RecordingCanvas c;
    drawTwoMirrorPaths(c, angle(170), eye, only(false, false, true, false));
    QCOMPARE(int(lines(c).size()), 0);
}

void TestTwoMirrorsCore::everyReleaseIsSound_data()
{
    QTest::addColumn<double>("degrees");
    for (double d : {90.0, 60.0, 45.0, 17.5, 10.0, 0.5, 120.0, 135.0, 179.0, 180.0, 200.0, 270.0,
                     359.0, 1e-300, 7.77e299, 1e10 + 0.5})
        QTest::addRow("%g", d) << d;
}

// Over a grid of releases covering the whole window, edges and corners included: each path is
// drawn whole or not at all, runs from the object to the eye, meets the mirrors where they are
// drawn, and each single reflection's image line continues its reflected ray.
void TestTwoMirrorsCore::everyReleaseIsSound()
{
    QFETCH(double, degrees);
    const MirrorAngle a = angle(degrees);
    const Point image1{30, -10};
    const Point image2 = mirrorTwoImage(a);
    std::vector<double> xs, ys;
    for (double x = -80; x <= 80; x += 2.5)
        xs.push_back(x);
    for (double y = -40; y <= 40; y += 1.25)
        ys.push_back(y);
    int drawnPaths = 0;
    for (double x : xs) {
        for (double y : ys) {
            const Point eye{x, y};
            RecordingCanvas c;
            drawTwoMirrorPaths(c, a, eye, only(true, true, true, true));
            // Each path's hits, in order: 1 on mirror 1, 2 on mirror 2 (0: no test).
            const struct {
                Rgb colour;
                int segments;
                const Point* image;
                int mirrors[2];
            } groups[] = {{Rgb{0, 0, 0}, 2, &image1, {0, 0}},
                          {palette(4), 2, &image2, {2, 0}},
                          {palette(2), 3, nullptr, {1, 2}},
                          {palette(5), 3, nullptr, {2, 1}}};
            int dottedExpected = 0;
            for (const auto& g : groups) {
                const auto path = linesOf(c, g.colour, false);
                if (path.empty())
                    continue;
                ++drawnPaths;
                QVERIFY2(int(path.size()) == g.segments, qPrintable(describe(eye)));
                QVERIFY(near(path.front().a, kObject, 1e-9));
                QVERIFY(near(path.back().b, eye, 1e-9));
                for (std::size_t i = 1; i < path.size(); ++i)
                    QVERIFY(near(path[i].a, path[i - 1].b, 0));
                for (int k = 0; k < 2; ++k) {
                    const Point hit = path[std::size_t(k)].b;
                    if (g.mirrors[k] == 1)
                        QVERIFY2(hit.y == 0 && hit.x > 0, qPrintable(describe(eye)));
                    if (g.mirrors[k] == 2)
                        QVERIFY2(hit.y > 0 && near(hit.x * a.sin - hit.y * a.cos, 0,
                                                   1e-9 * std::hypot(hit.x, hit.y)),
                                 qPrintable(describe(eye)));
                }
                if (g.image) {
                    ++dottedExpected;
                    const Point hit = path[0].b;
                    QVERIFY2(near(bend(eye, hit, *g.image), 0, 1e-6), qPrintable(describe(eye)));
                }
            }
            const auto all = lines(c);
            QCOMPARE(int(std::count_if(all.begin(), all.end(),
                                       [](const Primitive& p) { return p.dotted; })),
                     dottedExpected);
        }
    }
    // The grid reaches inside the wedge for every angle that has room for an eye (7.77e299 is
    // 136 degrees after whole turns).
    if (degrees > 1)
        QVERIFY(drawnPaths > 0);
}

QTEST_APPLESS_MAIN(TestTwoMirrorsCore)
#include "test_two_mirrors_core.moc"
