#include "concave_mirror.h"
#include "convex_mirror.h"
#include "ray_diagram.h"
#include "recording_canvas.h"
#include "test_support.h"

#include <QTest>

#include <cmath>

using namespace lumenary;
using namespace lumenary::test;

namespace
{

DiagramFields concaveDefaults()
{
    DiagramFields f;
    f.xmin = "-40";
    f.xmax = "20";
    f.ymin = "-20";
    f.ymax = "20";
    f.h = "5";
    f.param = "10";
    return f;
}

DiagramFields convexDefaults()
{
    DiagramFields f = concaveDefaults();
    f.xmin = "-35";
    f.xmax = "5";
    f.param = "-10";
    return f;
}

// The lines of ray k (colour 9 + k), in drawing order.
std::vector<Primitive> rayLines(const RecordingCanvas& c, int k)
{
    std::vector<Primitive> out;
    for (const auto& p : lines(c))
        if (p.colour == palette(kFirstRayColour + k))
            out.push_back(p);
    return out;
}

int rayLineCount(const RecordingCanvas& c)
{
    int n = 0;
    for (int k = 0; k < 6; ++k)
        n += int(rayLines(c, k).size());
    return n;
}

std::vector<Primitive> imageArrows(const RecordingCanvas& c)
{
    std::vector<Primitive> out;
    for (const auto& p : lines(c))
        if (p.colour == palette(kImageColour))
            out.push_back(p);
    return out;
}

// Whether c lies on the straight line through a and b.
bool collinear(Point a, Point b, Point c)
{
    const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    const double scale = std::hypot(b.x - a.x, b.y - a.y) * std::hypot(c.x - a.x, c.y - a.y);
    return std::fabs(cross) <= 1e-9 * std::max(scale, 1.0);
}

void setField(DiagramFields& f, const QString& name, const QString& text)
{
    const std::string t = text.toStdString();
    if (name == "xmin")
        f.xmin = t;
    else if (name == "xmax")
        f.xmax = t;
    else if (name == "ymin")
        f.ymin = t;
    else if (name == "ymax")
        f.ymax = t;
    else if (name == "h")
        f.h = t;
    else if (name == "param")
        f.param = t;
    else
        qFatal("no field %s", qPrintable(name));
}

} // namespace

class TestMirrors : public QObject
{
    Q_OBJECT
private slots:
    void concaveRealImage();
    void concaveVirtualImage();
    void concaveNoRays_data();
    void concaveNoRays();
    void mirrorArc_data();
    void mirrorArc();
    void negativeConcaveRadius();
    void convexVirtualImage();
    void convexSignCorrection_data();
    void convexSignCorrection();
    void convexTravelEnd();
    void distantObjectImagesAtFocus_data();
    void distantObjectImagesAtFocus();
    void hostileFields_data();
    void hostileFields();
};

void TestMirrors::concaveRealImage()
{
    RecordingCanvas c;
    const auto r = drawDiagram(ConcaveMirror{}, concaveDefaults(), true, c);
    QCOMPARE(r.d.value(), std::string("50"));
    QCOMPARE(r.xi.value(), std::string("5.55555555555556"));
    QVERIFY(!r.param);
    QCOMPARE(findLine(c, {-40, 0}, {-40, 5})->colour, palette(kObjectColour));
    const Point image{10 - 5.55555555555556, -5 * 5.55555555555556 / 50};
    QVERIFY(near(image, {4.444, -0.556}, 1e-3));
    for (int k = 0; k < 6; ++k) {
        const auto ray = rayLines(c, k);
        QCOMPARE(int(ray.size()), 2); // to the mirror, then back to the image, where it ends
        const Point hit = ray[0].b;
        QVERIFY(near(ray[0].a, {-40, 5}));
        QVERIFY2(near(std::hypot(hit.x, hit.y), 10, 1e-9), qPrintable(describe(hit)));
        QVERIFY(near(ray[1].a, image, 1e-9) && near(ray[1].b, hit, 1e-9));
    }
    // Ray 0 aims at the lower end of the arc, ray 5 at the upper end.
    QVERIFY(near(rayLines(c, 0)[0].b, {5, -10 * std::sqrt(3.0) / 2}, 1e-6));
    QVERIFY(near(rayLines(c, 5)[0].b, {5, 10 * std::sqrt(3.0) / 2}, 1e-6));
    for (const auto& l : lines(c))
        QVERIFY(!l.dotted);
    const auto arrows = imageArrows(c);
    QCOMPARE(int(arrows.size()), 6); // drawn again for every ray
    for (const auto& a : arrows)
        QVERIFY(near(a.a, image, 1e-9) && near(a.b, {image.x, 0}, 1e-9));
}

void TestMirrors::concaveVirtualImage()
{
    auto f = concaveDefaults();
    f.xmin = "7";
    RecordingCanvas c;
    const auto r = drawDiagram(ConcaveMirror{}, f, true, c);
    QCOMPARE(r.d.value(), std::string("3"));
    QCOMPARE(r.xi.value(), std::string("-7.5"));
    const Point image{17.5, 12.5}; // behind the mirror, upright, 2.5 times the object
    for (int k = 0; k < 6; ++k) {
        const auto ray = rayLines(c, k);
        QCOMPARE(int(ray.size()), 3);
        const Point hit = ray[0].b;
        QVERIFY(near(ray[0].a, {7, 5}) && !ray[0].dotted);
        QVERIFY(ray[1].dotted);
        QVERIFY(near(ray[1].a, image, 1e-9) && near(ray[1].b, hit, 1e-9));
        // The reflected ray runs to the left edge along the line from the virtual image.
        QVERIFY(!ray[2].dotted);
        QVERIFY(near(ray[2].a, hit, 1e-9));
        QCOMPARE(ray[2].b.x, 7.0);
        QVERIFY(collinear(image, hit, ray[2].b));
    }
    for (const auto& a : imageArrows(c))
        QVERIFY(near(a.a, image, 1e-9) && near(a.b, {17.5, 0}, 1e-9) && !a.dotted);
}

void TestMirrors::concaveNoRays_data()
{
    QTest::addColumn<QString>("radius");
    QTest::addColumn<QString>("h");
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("d");
    QTest::newRow("object at the focal point") << "10"
                                               << "5"
                                               << "5" << 0 << "5";
    QTest::newRow("object at the vertex") << "10"
                                          << "5"
                                          << "10" << 0 << "0";
    // At the end of the travel the displayed d is rounded away from R - x1.
    QTest::newRow("tip touching the mirror") << "10"
                                             << "5"
                                             << "-40" << 500 << "1.33974596215561";
    QTest::newRow("tip touching, other radius") << "7"
                                                << "3"
                                                << "-40" << 500 << "0.675444679663244";
    QTest::newRow("tip touching, short travel") << "7"
                                                << "3"
                                                << "-13" << 500 << "0.67544467966324";
    QTest::newRow("object on the circle from the start") << "10"
                                                         << "0"
                                                         << "10" << 0 << "0";
}

void TestMirrors::concaveNoRays()
{
    QFETCH(QString, radius);
    QFETCH(QString, h);
    QFETCH(QString, xmin);
    QFETCH(int, slider);
    QFETCH(QString, d);
    auto f = concaveDefaults();
    f.param = radius.toStdString();
    f.h = h.toStdString();
    f.xmin = xmin.toStdString();
    f.sliderValue = slider;
    RecordingCanvas c;
    const auto r = drawDiagram(ConcaveMirror{}, f, slider == 0, c);
    QCOMPARE(QString::fromStdString(r.d.value()), d);
    QVERIFY(!r.xi); // keeps its earlier text
    QCOMPARE(rayLineCount(c), 0);
    QVERIFY(imageArrows(c).empty());
    // The mirror, its marks and the object still stand.
    QCOMPARE(int(c.ofKind(Primitive::Kind::Point).size()), 301);
    QCOMPARE(int(c.ofKind(Primitive::Kind::Circle).size()), 2);
    QCOMPARE(int(lines(c).size()), 2);
    // One step back from the end the rays are drawn again.
    if (slider == 500) {
        f.sliderValue = 499;
        QVERIFY(drawDiagram(ConcaveMirror{}, f, false, c).xi);
        QCOMPARE(int(imageArrows(c).size()), 6);
    }
}

void TestMirrors::mirrorArc_data()
{
    QTest::addColumn<bool>("convex");
    QTest::addColumn<QString>("radius");
    QTest::addColumn<Point>("lowerEnd");
    QTest::addColumn<Point>("vertex");
    QTest::addColumn<Point>("upperEnd");
    QTest::addColumn<double>("focus");
    const double s = std::sqrt(3.0) / 2;
    QTest::newRow("concave R 10") << false << "10" << Point{5, -10 * s} << Point{10, 0}
                                  << Point{5, 10 * s} << 5.0;
    QTest::newRow("concave R 20") << false << "20" << Point{10, -17.3205} << Point{20, 0}
                                  << Point{10, 17.3205} << 10.0;
    QTest::newRow("convex R0 -10")
        << true << "-10" << Point{-5, -10 * s} << Point{-10, 0} << Point{-5, 10 * s} << -5.0;
    QTest::newRow("convex R0 -20")
        << true << "-20" << Point{-10, -17.3205} << Point{-20, 0} << Point{-10, 17.3205} << -10.0;
}

void TestMirrors::mirrorArc()
{
    QFETCH(bool, convex);
    QFETCH(QString, radius);
    QFETCH(Point, lowerEnd);
    QFETCH(Point, vertex);
    QFETCH(Point, upperEnd);
    QFETCH(double, focus);
    auto f = convex ? convexDefaults() : concaveDefaults();
    f.param = radius.toStdString();
    RecordingCanvas c;
    if (convex)
        drawDiagram(ConvexMirror{}, f, true, c);
    else
        drawDiagram(ConcaveMirror{}, f, true, c);
    const auto points = c.ofKind(Primitive::Kind::Point);
    QCOMPARE(int(points.size()), 301);
    // With pi taken as 3.1415926535 the ends sit about 1e-10 off the exact angles.
    const Point first = points.front().a;
    const Point last = points.back().a;
    QVERIFY2(near(first, convex ? upperEnd : lowerEnd, 1e-4), qPrintable(describe(first)));
    QVERIFY2(near(last, convex ? lowerEnd : upperEnd, 1e-4), qPrintable(describe(last)));
    QVERIFY(near(points[150].a, vertex, 1e-8));
    for (const auto& p : points)
        QCOMPARE(p.colour, palette(kAxisColour));
    const auto marks = c.ofKind(Primitive::Kind::Circle);
    QCOMPARE(int(marks.size()), 2);
    QVERIFY(near(marks[0].a, {0, 0}) && near(marks[1].a, {focus, 0}));
    QCOMPARE(marks[1].radius, 0.5);
}

void TestMirrors::negativeConcaveRadius()
{
    auto f = concaveDefaults();
    f.param = "-10";
    RecordingCanvas negative;
    const auto r = drawDiagram(ConcaveMirror{}, f, true, negative);
    QCOMPARE(r.param.value(), std::string("10"));
    RecordingCanvas positive;
    drawDiagram(ConcaveMirror{}, concaveDefaults(), true, positive);
    QCOMPARE(r.xi.value(), std::string("5.55555555555556"));
    QCOMPARE(negative.primitives().size(), positive.primitives().size());
    QVERIFY(near(negative.ofKind(Primitive::Kind::Point)[150].a, {10, 0}));
}

void TestMirrors::convexVirtualImage()
{
    RecordingCanvas c;
    const auto r = drawDiagram(ConvexMirror{}, convexDefaults(), true, c);
    QCOMPARE(r.d.value(), std::string("25"));
    QCOMPARE(r.xi.value(), std::string("-4.16666666666667"));
    QVERIFY(!r.param);
    QVERIFY(findLine(c, {-35, 0}, {-35, 5}));
    const Point image{-10 + 4.16666666666667, -5 * -4.16666666666667 / 25};
    QVERIFY(near(image, {-5.833, 0.833}, 1e-3));
    int toTop = 0, toBottom = 0, toLeft = 0;
    for (int k = 0; k < 6; ++k) {
        const auto ray = rayLines(c, k);
        QCOMPARE(int(ray.size()), 3);
        const Point hit = ray[0].b;
        QVERIFY(near(ray[0].a, {-35, 5}) && !ray[0].dotted);
        // The hit faces the object: on the left half of the circle.
        QVERIFY(near(std::hypot(hit.x, hit.y), 10, 1e-9) && hit.x < 0);
        QVERIFY(ray[1].dotted);
        QVERIFY(near(ray[1].a, image, 1e-9) && near(ray[1].b, hit, 1e-9));
        const Point end = ray[2].b;
        QVERIFY(!ray[2].dotted && near(ray[2].a, hit, 1e-9));
        if (end.y == 20)
            ++toTop;
        else if (end.y == -20)
            ++toBottom;
        else if (end.x == -35)
            ++toLeft;
        else
            QFAIL(qPrintable(describe(end)));
        // Away from the image, on the line through it.
        QVERIFY((end.x - hit.x) * (hit.x - image.x) + (end.y - hit.y) * (hit.y - image.y) > 0);
        if (end.x != -35)
            QVERIFY(collinear(image, hit, end));
    }
    QVERIFY(toTop > 0 && toBottom > 0);
    QCOMPARE(toTop + toBottom + toLeft, 6);
    QCOMPARE(int(imageArrows(c).size()), 6);
    QVERIFY(near(imageArrows(c)[0].a, image, 1e-9));
}

void TestMirrors::convexSignCorrection_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // empty: the text stays as typed
    QTest::newRow("positive") << "10"
                              << "-10";
    QTest::newRow("exponent") << "1e1"
                              << "-10";
    QTest::newRow("trailing zero") << "-10.0"
                                   << "-10";
    QTest::newRow("already negative") << "-10"
                                      << "";
}

void TestMirrors::convexSignCorrection()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto f = convexDefaults();
    f.param = typed.toStdString();
    f.sliderValue = 200;
    RecordingCanvas corrected;
    const auto r = drawDiagram(ConvexMirror{}, f, true, corrected);
    QCOMPARE(QString::fromStdString(r.param.value_or("")), shown);
    QCOMPARE(r.d.value(), std::string("25"));
    QCOMPARE(r.xi.value(), std::string("-4.16666666666667"));
    RecordingCanvas reference;
    drawDiagram(ConvexMirror{}, convexDefaults(), true, reference);
    QCOMPARE(corrected.primitives().size(), reference.primitives().size());
    for (size_t i = 0; i < reference.primitives().size(); ++i)
        QVERIFY(corrected.primitives()[i].a == reference.primitives()[i].a &&
                corrected.primitives()[i].b == reference.primitives()[i].b);
}

void TestMirrors::convexTravelEnd()
{
    auto f = convexDefaults();
    f.sliderValue = 500;
    RecordingCanvas c;
    auto r = drawDiagram(ConvexMirror{}, f, false, c);
    QCOMPARE(r.d.value(), std::string("1.07625218510765")); // never reaching the vertex
    QVERIFY(!r.xi);
    QCOMPARE(rayLineCount(c), 0);
    f.sliderValue = 499;
    r = drawDiagram(ConvexMirror{}, f, false, c);
    QVERIFY(r.xi);
    QCOMPARE(int(imageArrows(c).size()), 6);
}

void TestMirrors::distantObjectImagesAtFocus_data()
{
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("far") << "-1000" << 0.03;
    QTest::newRow("farther") << "-100000" << 3e-4;
    QTest::newRow("very far") << "-1e9" << 1e-7;
}

void TestMirrors::distantObjectImagesAtFocus()
{
    QFETCH(QString, xmin);
    QFETCH(double, tolerance);
    auto f = convexDefaults();
    f.xmin = xmin.toStdString();
    RecordingCanvas c;
    drawDiagram(ConvexMirror{}, f, true, c);
    const auto arrows = imageArrows(c);
    QVERIFY(!arrows.empty());
    const double xImage = arrows[0].a.x;
    QVERIFY2(xImage < -5 && near(xImage, -5, tolerance), qPrintable(QString::number(xImage)));
    QVERIFY(std::fabs(arrows[0].a.y) < 5 * tolerance); // and shrinks to nothing
}

void TestMirrors::hostileFields_data()
{
    QTest::addColumn<bool>("convex");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("objectDrawn");
    QTest::addColumn<bool>("raysDrawn");
    QTest::newRow("concave object taller than R") << false << "h"
                                                  << "11" << false << false;
    QTest::newRow("concave h equal to R") << false << "h"
                                          << "10" << true << true;
    QTest::newRow("concave flat object") << false << "h"
                                         << "0" << true << true;
    QTest::newRow("concave hanging object") << false << "h"
                                            << "-5" << true << true;
    QTest::newRow("concave zero radius") << false << "param"
                                         << "0" << false << false;
    QTest::newRow("concave huge radius") << false << "param"
                                         << "1e200" << false << false;
    QTest::newRow("concave object behind") << false << "xmin"
                                           << "12" << true << true;
    QTest::newRow("concave tiny radius") << false << "param"
                                         << "1e-300" << false << false;
    QTest::newRow("convex zero radius") << true << "param"
                                        << "0" << false << false;
    QTest::newRow("convex huge height") << true << "h"
                                        << "1e200" << false << false;
    QTest::newRow("convex at focus behind") << true << "xmin"
                                            << "-5" << true << false;
    QTest::newRow("convex at the vertex") << true << "xmin"
                                          << "-10" << true << false;
    QTest::newRow("convex flat object") << true << "h"
                                        << "0" << true << true;
    QTest::newRow("convex tiny radius") << true << "param"
                                        << "-1e-300" << true << true;
}

void TestMirrors::hostileFields()
{
    QFETCH(bool, convex);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, objectDrawn);
    QFETCH(bool, raysDrawn);
    auto f = convex ? convexDefaults() : concaveDefaults();
    setField(f, field, text);
    RecordingCanvas c;
    for (bool setup : {true, false}) {
        for (int slider : {0, 1, 250, 499, 500}) {
            f.sliderValue = slider;
            const auto r = convex ? drawDiagram(ConvexMirror{}, f, setup, c)
                                  : drawDiagram(ConcaveMirror{}, f, setup, c);
            for (const auto& text : {r.d, r.xi})
                if (text)
                    QVERIFY(parseNumber(*text).has_value());
            if (slider == 0) {
                QCOMPARE(r.d.has_value(), objectDrawn);
                QCOMPARE(rayLineCount(c) > 0, raysDrawn);
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestMirrors)
#include "test_mirrors.moc"
