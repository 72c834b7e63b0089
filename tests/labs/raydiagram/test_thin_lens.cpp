#include "ray_diagram.h"
#include "recording_canvas.h"
#include "test_support.h"
#include "thin_lens.h"

#include <QTest>

using namespace lumenary;
using namespace lumenary::test;

namespace
{

DiagramFields defaults()
{
    DiagramFields f;
    f.xmin = "-40";
    f.xmax = "40";
    f.ymin = "-20";
    f.ymax = "20";
    f.h = "5";
    f.param = "10";
    return f;
}

// The lines of ray k (colour 9 + k).
std::vector<Primitive> rayLines(const RecordingCanvas& c, int k)
{
    std::vector<Primitive> out;
    for (const auto& p : lines(c))
        if (p.colour == palette(kFirstRayColour + k))
            out.push_back(p);
    return out;
}

} // namespace

class TestThinLens : public QObject
{
    Q_OBJECT
private slots:
    void realImage();
    void objectDistance_data();
    void objectDistance();
    void virtualImage();
    void divergingLens();
    void objectAtFocalPoint();
    void unreadableFieldsStopThePass_data();
    void unreadableFieldsStopThePass();
    void degenerateLens_data();
    void degenerateLens();
    void shiftedWindow();
};

void TestThinLens::realImage()
{
    RecordingCanvas c;
    const auto r = drawDiagram(ThinLens{}, defaults(), false, c);
    QCOMPARE(r.d.value(), std::string("40"));
    QCOMPARE(r.xi.value(), std::string("13.3333333333333"));
    QVERIFY(!r.sliderValue);
    // Axis, object, lens plane.
    QVERIFY(findLine(c, {-40, 0}, {40, 0}));
    QCOMPARE(findLine(c, {-40, 0}, {-40, 5})->colour, palette(kObjectColour));
    QVERIFY(findLine(c, {0, 10}, {0, -10}));
    const double xi = 13.3333333333333;
    const double hi = -5 * xi / 40;
    for (int k = 0; k < 6; ++k) {
        const double yk = -10 + 4 * k;
        const auto ray = rayLines(c, k);
        QCOMPARE(int(ray.size()), 2); // to the lens, then to the image: no continuation
        QVERIFY(near(ray[0].a, {-40, 5}) && near(ray[0].b, {0, yk}));
        QVERIFY(near(ray[1].a, {xi, hi}) && near(ray[1].b, {0, yk}));
        QVERIFY(!ray[1].dotted);
    }
    const auto arrow = findLine(c, {xi, 0}, {xi, hi});
    QVERIFY(arrow);
    QCOMPARE(arrow->colour, palette(kImageColour));
    // Biconvex outline: 602 points, focal marks at +-10.
    QCOMPARE(int(c.ofKind(Primitive::Kind::Point).size()), 602);
    const auto marks = c.ofKind(Primitive::Kind::Circle);
    QCOMPARE(int(marks.size()), 2);
    QVERIFY(near(marks[0].a, {10, 0}) && near(marks[1].a, {-10, 0}));
    QCOMPARE(marks[0].radius, 0.5);
}

void TestThinLens::objectDistance_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("d");
    QTest::newRow("left edge") << 0 << "40";
    QTest::newRow("middle") << 250 << "20.5";
    QTest::newRow("right end") << 500 << "1";
    QTest::newRow("one step") << 1 << "39.922";
}

void TestThinLens::objectDistance()
{
    QFETCH(int, slider);
    QFETCH(QString, d);
    auto f = defaults();
    f.sliderValue = slider;
    RecordingCanvas c;
    QCOMPARE(QString::fromStdString(drawDiagram(ThinLens{}, f, false, c).d.value()), d);
    // A set-up pass always puts the object back at the left edge.
    const auto setup = drawDiagram(ThinLens{}, f, true, c);
    QCOMPARE(setup.d.value(), std::string("40"));
    QCOMPARE(setup.sliderValue.value(), 0);
}

void TestThinLens::virtualImage()
{
    auto f = defaults();
    f.sliderValue = 500; // d = 1 < f
    RecordingCanvas c;
    const auto r = drawDiagram(ThinLens{}, f, false, c);
    QCOMPARE(r.xi.value(), std::string("-1.11111111111111"));
    const double xi = -1.11111111111111;
    const double hi = 5 * (-xi / 1);
    for (int k = 0; k < 6; ++k) {
        const double yk = -10 + 4 * k;
        const auto ray = rayLines(c, k);
        QCOMPARE(int(ray.size()), 3);
        QVERIFY(ray[1].dotted);
        QVERIFY(near(ray[1].a, {xi, hi}));
        const double m = (hi - yk) / xi;
        QVERIFY(!ray[2].dotted);
        QVERIFY(near(ray[2].a, {0, yk}) && near(ray[2].b, {40, yk + m * 40}));
    }
    QVERIFY(hi > 5); // upright and taller than the object
}

void TestThinLens::divergingLens()
{
    auto f = defaults();
    f.param = "-10";
    RecordingCanvas c;
    const auto r = drawDiagram(ThinLens{}, f, false, c);
    QCOMPARE(r.xi.value(), std::string("-8"));
    // Biconcave: two arcs and two straight edges from x = 1.5 to -1.5.
    QCOMPARE(int(c.ofKind(Primitive::Kind::Point).size()), 602);
    QVERIFY(findLine(c, {1.5, 10}, {-1.5, 10}));
    QVERIFY(findLine(c, {1.5, -10}, {-1.5, -10}));
    for (int k = 0; k < 6; ++k)
        QVERIFY(rayLines(c, k)[1].dotted);
}

void TestThinLens::objectAtFocalPoint()
{
    auto f = defaults();
    f.xmin = "-10";
    RecordingCanvas c;
    const auto r = drawDiagram(ThinLens{}, f, true, c);
    QCOMPARE(r.d.value(), std::string("10"));
    QVERIFY(!r.xi); // keeps its earlier text
    for (int k = 0; k < 6; ++k)
        QVERIFY(rayLines(c, k).empty());
    QVERIFY(findLine(c, {-10, 0}, {-10, 5}));
    QCOMPARE(int(c.ofKind(Primitive::Kind::Circle).size()), 2);
}

void TestThinLens::unreadableFieldsStopThePass_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("xmin empty") << "xmin"
                                << "";
    QTest::newRow("xmax minus") << "xmax"
                                << "-";
    QTest::newRow("ymin letters") << "ymin"
                                  << "abc";
    QTest::newRow("ymax overflow") << "ymax"
                                   << "1e999";
    QTest::newRow("h nan") << "h"
                           << "nan";
    QTest::newRow("f point") << "f"
                             << ".";
    QTest::newRow("zero width") << "xmax"
                                << "-40";
    QTest::newRow("zero height") << "ymax"
                                 << "-20";
}

void TestThinLens::unreadableFieldsStopThePass()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    auto f = defaults();
    const std::string t = text.toStdString();
    if (field == "xmin")
        f.xmin = t;
    if (field == "xmax")
        f.xmax = t;
    if (field == "ymin")
        f.ymin = t;
    if (field == "ymax")
        f.ymax = t;
    if (field == "h")
        f.h = t;
    if (field == "f")
        f.param = t;
    RecordingCanvas c;
    c.line({0, 0}, {1, 1}, palette(0));
    const auto r = drawDiagram(ThinLens{}, f, true, c);
    QCOMPARE(c.clears(), 1);
    QVERIFY(c.primitives().empty());
    QVERIFY(!r.d && !r.xi);
}

void TestThinLens::degenerateLens_data()
{
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<QString>("ymax");
    QTest::addColumn<QString>("fText");
    QTest::addColumn<bool>("rays");
    QTest::newRow("f = 0") << "-40"
                           << "20"
                           << "0" << false;
    QTest::newRow("object at the lens") << "0"
                                        << "20"
                                        << "10" << false;
    QTest::newRow("a = 1") << "-40"
                           << "2"
                           << "10" << true;
    QTest::newRow("a = -1") << "-40"
                            << "-2"
                            << "10" << true;
    QTest::newRow("tiny a") << "-40"
                            << "0.5"
                            << "10" << true;
    QTest::newRow("huge window") << "-1e300"
                                 << "1e300"
                                 << "1e-300" << true;
}

void TestThinLens::degenerateLens()
{
    QFETCH(QString, xmin);
    QFETCH(QString, ymax);
    QFETCH(QString, fText);
    QFETCH(bool, rays);
    auto f = defaults();
    f.xmin = xmin.toStdString();
    f.ymax = ymax.toStdString();
    f.ymin = ymax.startsWith('-') ? "20" : "-20";
    f.param = fText.toStdString();
    RecordingCanvas c;
    drawDiagram(ThinLens{}, f, true, c);
    for (const auto& p : c.primitives())
        QVERIFY(isFinite(p.a) && isFinite(p.b) && std::isfinite(p.radius));
    QCOMPARE(!rayLines(c, 0).empty(), rays);
}

void TestThinLens::shiftedWindow()
{
    auto f = defaults();
    f.ymax = "10";
    f.ymin = "-30";
    RecordingCanvas c;
    drawDiagram(ThinLens{}, f, false, c);
    QVERIFY(findLine(c, {0, 5}, {0, -15}));
    for (int k = 0; k < 6; ++k)
        QVERIFY(near(rayLines(c, k)[0].b, {0, -15 + 4.0 * k}));
    // The outline's arcs use a = 5: they meet the lens plane at y = +-5.
    const auto points = c.ofKind(Primitive::Kind::Point);
    QVERIFY(near(points.front().a, {0, -5}, 1e-9));
    QVERIFY(near(points[300].a, {0, 5}, 1e-9));
}

QTEST_APPLESS_MAIN(TestThinLens)
#include "test_thin_lens.moc"
