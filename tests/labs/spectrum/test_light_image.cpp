#include "light_image.h"
#include "rainbow_colours.h"
#include "rainbow_colours_scene.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

using namespace lumenary;
using namespace lumenary::rainbow;

class TestLightImage : public QObject
{
    Q_OBJECT

private slots:
    void polylineLightsEachPixelOnce_data();
    void polylineLightsEachPixelOnce();
    void crossingLinesAddUp();
    void smoothLinesShareLightAcross();
    void linesOutsideLightNothing_data();
    void linesOutsideLightNothing();
    void encodesEachPixelByTheColourRule();
    void overbrightKeepsItsHue_data();
    void overbrightKeepsItsHue();
    void bandOfLineColoursIsWhite();
    void bandsMakeTheWholePicture_data();
    void bandsMakeTheWholePicture();
};

namespace
{

std::vector<std::uint32_t> encoded(const LightImage& light, double exposure = 1.0)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(light.width()) *
                                      static_cast<std::size_t>(light.height()));
    light.encode(pixels.data(), light.width(), exposure);
    return pixels;
}

std::uint32_t argb(Rgb c)
{
    return 0xff000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

} // namespace

void TestLightImage::polylineLightsEachPixelOnce_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    QTest::newRow("flat, fractional joints")
        << QList<QPointF>{{2.3, 10.5}, {9.7, 11.2}, {17.1, 12.9}, {30.6, 13.4}};
    QTest::newRow("steep") << QList<QPointF>{{5.5, 1.2}, {7.1, 12.8}, {6.2, 25.3}, {9.9, 38.6}};
    QTest::newRow("backwards and bending")
        << QList<QPointF>{{38.2, 30.1}, {25.6, 22.4}, {20.3, 9.9}, {3.4, 4.6}};
}

// A curve is drawn as many short segments: every pixel it passes gets its light once, with
// neither a gap nor a doubled joint.
void TestLightImage::polylineLightsEachPixelOnce()
{
    QFETCH(QList<QPointF>, points);
    LightImage light(40, 40);
    const LinearRgb one{0.25, 0.5, 0.125};
    for (qsizetype j = 1; j < points.size(); ++j)
        light.addLine({points[j - 1].x(), points[j - 1].y()}, {points[j].x(), points[j].y()}, one);
    int lit = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const LinearRgb c = light.at(x, y);
            if (c.g == 0.0)
                continue;
            ++lit;
            QVERIFY2(c.g == one.g,
                     qPrintable(QStringLiteral("(%1, %2) holds %3").arg(x).arg(y).arg(c.g)));
        }
    // Connected: at least one pixel per column (or row) the polyline spans, except its very
    // last pixel, left for a following segment.
    double span = 0.0;
    for (qsizetype j = 1; j < points.size(); ++j)
        span += std::max(std::fabs(points[j].x() - points[j - 1].x()),
                         std::fabs(points[j].y() - points[j - 1].y()));
    QVERIFY2(lit >= static_cast<int>(span) - static_cast<int>(points.size()),
             qPrintable(QString::number(lit)));
}

void TestLightImage::crossingLinesAddUp()
{
    LightImage light(21, 21);
    light.addLine({0.5, 10.5}, {20.5, 10.5}, {0.5, 0.0, 0.0});
    light.addLine({10.5, 0.5}, {10.5, 20.5}, {0.0, 0.0, 0.75});
    const LinearRgb crossing = light.at(10, 10);
    QCOMPARE(crossing.r, 0.5);
    QCOMPARE(crossing.b, 0.75);
    QCOMPARE(light.at(4, 10).b, 0.0);
}

// A smooth line's light is shared between the two pixels it passes between, up to the last
// column and row of the picture.
void TestLightImage::smoothLinesShareLightAcross()
{
    LightImage light(20, 10);
    const LinearRgb red{0.5, 0.0, 0.0};
    light.addSmoothLine({-5.0, 4.5}, {30.0, 4.5}, red); // cut at both sides, rows 4 and 5
    light.addSmoothLine({0.0, 4.0}, {19.0, 4.0}, {0.0, 0.25, 0.0});
    const LinearRgb c = light.at(7, 4);
    QVERIFY(std::fabs(c.r - 0.25) < 1e-6 && std::fabs(c.g - 0.25) < 1e-6 && c.b == 0.0);
    QVERIFY(std::fabs(light.at(19, 5).r - 0.25) < 1e-6);
    QCOMPARE(light.at(0, 0).r, 0.0);
    light.addSmoothLine({9.0, 0.0}, {9.0, 9.0}, {0.0, 0.0, 1.0}); // steep, along the last row too
    QVERIFY(std::fabs(light.at(9, 9).b - 1.0) < 1e-6);
}

void TestLightImage::linesOutsideLightNothing_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::newRow("left of the picture") << QPointF(-30, 5) << QPointF(-1, 8);
    QTest::newRow("below") << QPointF(3, 25) << QPointF(9, 1e9);
    QTest::newRow("NaN end") << QPointF(nan, 5) << QPointF(8, 8);
    QTest::newRow("infinite end") << QPointF(2, 2) << QPointF(inf, 8);
    QTest::newRow("outside the clip rectangle") << QPointF(2, 12) << QPointF(18, 13);
}

void TestLightImage::linesOutsideLightNothing()
{
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    LightImage light(20, 20);
    const Point p{a.x(), a.y()};
    const Point q{b.x(), b.y()};
    const bool inside = a.x() >= 0 && a.x() < 20 && a.y() >= 0 && a.y() < 20;
    if (!inside) {
        light.addLine(p, q, {1, 1, 1});
        light.addWideLine(p, q, {1, 1, 1}, 3);
        light.addSmoothLine(p, q, {1, 1, 1});
    }
    light.addLine(p, q, {1, 1, 1}, PixelRect{0, 0, 20, 10});
    for (std::uint32_t pixel : encoded(light))
        QCOMPARE(pixel, 0xff000000u);
}

// Every pixel is encoded as the colour core encodes its light, within its gamma table's step.
void TestLightImage::encodesEachPixelByTheColourRule()
{
    LightImage light(20, 10);
    light.addSmoothLine({3.2, 0.0}, {5.7, 9.0}, {0.0, 0.3, 0.7});
    light.addLine({0.0, 2.5}, {20.0, 7.5}, {0.6, 0.1, 0.0});
    const std::vector<std::uint32_t> pixels = encoded(light);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(pixels[std::size_t(y * 20 + x)], argb(encodeSrgb(light.at(x, y))));
}

void TestLightImage::overbrightKeepsItsHue_data()
{
    QTest::addColumn<double>("light");
    QTest::addColumn<double>("exposure");
    QTest::newRow("bright light") << 8.0 << 1.0;
    QTest::newRow("bright exposure") << 1.0 << 4.0;
}

// Brighter than white is brought down as a whole: twice as much red as green stays orange.
void TestLightImage::overbrightKeepsItsHue()
{
    QFETCH(double, light);
    QFETCH(double, exposure);
    LightImage bright(1, 1);
    bright.addPixel(0, 0, {light, light / 2, 0.0});
    QCOMPARE(encoded(bright, exposure)[0], argb(encodeSrgb({1.0, 0.5, 0.0})));
}

// Every colour of the band drawn once, equally, adds up to neutral white.
void TestLightImage::bandOfLineColoursIsWhite()
{
    LinearRgb sum;
    const std::vector<double> nm = bandWavelengths(kMaxWavelengths);
    for (double lambda : nm) {
        const LinearRgb c = lineColour(lambda);
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
    }
    const double n = static_cast<double>(nm.size());
    QVERIFY(std::fabs(sum.r / n - 1.0) < 1e-9 && std::fabs(sum.g / n - 1.0) < 1e-9 &&
            std::fabs(sum.b / n - 1.0) < 1e-9);
    // Each hue keeps its own dominant primary.
    QVERIFY(lineColour(650.0).r > lineColour(650.0).g);
    QVERIFY(lineColour(530.0).g > lineColour(530.0).r);
    QVERIFY(lineColour(450.0).b > lineColour(450.0).g);
}

void TestLightImage::bandsMakeTheWholePicture_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("one band") << 37 << 20;
    QTest::newRow("two bands, odd rows") << 64 << 101;
    QTest::newRow("many bands") << 50 << 700;
}

// Drawn band by band on two threads, a picture is the one drawn whole, bit for bit: lines of
// every kind and width, across the bands' edges, steep and flat, and beyond the picture.
void TestLightImage::bandsMakeTheWholePicture()
{
    QFETCH(int, width);
    QFETCH(int, height);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(-10.0, width + 10.0);
    std::uniform_real_distribution<double> y(-10.0, height + 10.0);
    std::vector<std::array<Point, 2>> ends(600);
    for (auto& e : ends)
        e = {Point{x(random), y(random)}, Point{x(random), y(random)}};
    const PixelRect within{3.5, 7.25, width - 9.0, height / 2.0};
    const auto draw = [&](LightImage& light) {
        for (std::size_t i = 0; i < ends.size(); ++i) {
            const Point a = ends[i][0];
            const Point b = ends[i][1];
            const LinearRgb c{0.01 * (i % 7), 0.013 * (i % 5), 0.0071 * (i % 11)};
            switch (i % 5) {
            case 0:
                light.addSmoothLine(a, b, c);
                break;
            case 1:
                light.addSmoothLine(a, b, c, 2.6);
                break;
            case 2:
                light.addLine(a, b, c);
                break;
            case 3:
                light.addWideLine(a, b, c, 3, within);
                break;
            default:
                light.addWideLine(a, b, c, 2);
            }
        }
    };
    LightImage whole(width, height);
    draw(whole);
    const std::vector<std::uint32_t> expected = encoded(whole);
    std::vector<std::uint32_t> banded(expected.size());
    encodeInBands(width, height, draw, banded.data(), width);
    QCOMPARE(banded, expected);
    QVERIFY(std::count(expected.begin(), expected.end(), 0xff000000u) <
            static_cast<std::ptrdiff_t>(expected.size() / 2)); // the lines light most of it
}

QTEST_APPLESS_MAIN(TestLightImage)
#include "test_light_image.moc"
