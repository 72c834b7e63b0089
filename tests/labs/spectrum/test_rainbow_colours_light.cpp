#include "rainbow_colours.h"
#include "rainbow_colours_light.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace lumenary;
using namespace lumenary::rainbow;

class TestRainbowColoursLight : public QObject
{
    Q_OBJECT

private slots:
    void polylineLightsEachPixelOnce_data();
    void polylineLightsEachPixelOnce();
    void crossingLinesAddUp();
    void linesOutsideLightNothing_data();
    void linesOutsideLightNothing();
    void overbrightKeepsItsHue();
    void bandOfLineColoursIsWhite();
};

void TestRainbowColoursLight::polylineLightsEachPixelOnce_data()
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
void TestRainbowColoursLight::polylineLightsEachPixelOnce()
{
    QFETCH(QList<QPointF>, points);
    LightImage light(40, 40);
    const LinearRgb one{0.25, 0.5, 0.125};
    for (qsizetype j = 1; j < points.size(); ++j)
        light.addLine(points[j - 1], points[j], one);
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

void TestRainbowColoursLight::crossingLinesAddUp()
{
    LightImage light(21, 21);
    light.addLine({0.5, 10.5}, {20.5, 10.5}, {0.5, 0.0, 0.0});
    light.addLine({10.5, 0.5}, {10.5, 20.5}, {0.0, 0.0, 0.75});
    const LinearRgb crossing = light.at(10, 10);
    QCOMPARE(crossing.r, 0.5);
    QCOMPARE(crossing.b, 0.75);
    QCOMPARE(light.at(4, 10).b, 0.0);
}

void TestRainbowColoursLight::linesOutsideLightNothing_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::newRow("left of the picture") << QPointF(-30, 5) << QPointF(-1, 8);
    QTest::newRow("below") << QPointF(3, 25) << QPointF(9, 1e9);
    QTest::newRow("NaN end") << QPointF(nan, 5) << QPointF(8, 8);
    QTest::newRow("infinite end") << QPointF(2, 2) << QPointF(inf, 8);
}

void TestRainbowColoursLight::linesOutsideLightNothing()
{
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    LightImage light(20, 20);
    light.addLine(a, b, {1, 1, 1});
    light.addWideLine(a, b, {1, 1, 1}, 3);
    light.addLine(a, b, {1, 1, 1}, QRectF(0, 0, 20, 20));
    const QImage image = light.toImage(1.0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
}

// Brighter than white is brought down as a whole: twice as much red as green stays orange.
void TestRainbowColoursLight::overbrightKeepsItsHue()
{
    LightImage light(1, 1);
    light.addPixel(0, 0, {1.0, 0.5, 0.0});
    const QRgb bright = light.toImage(4.0).pixel(0, 0);
    const Rgb expected = encodeSrgb({1.0, 0.5, 0.0});
    QCOMPARE(qRed(bright), int(expected.r));
    QVERIFY(std::abs(qGreen(bright) - int(expected.g)) <= 1);
    QCOMPARE(qBlue(bright), 0);
}

// Every colour of the band drawn once, equally, adds up to neutral white.
void TestRainbowColoursLight::bandOfLineColoursIsWhite()
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

QTEST_MAIN(TestRainbowColoursLight)
#include "test_rainbow_colours_light.moc"
