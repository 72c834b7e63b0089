#include "dispersion.h"
#include "rainbow_colours.h"
#include "rainbow_colours_sky.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace lumenary;
using namespace lumenary::rainbow;

namespace
{

const SellmeierMaterial& water()
{
    return *findDispersiveMaterial("Water (21.5 \u00b0C)");
}

QString degrees(double d)
{
    return QString::number(d, 'f', 4);
}

} // namespace

class TestRainbowColoursCore : public QObject
{
    Q_OBJECT

private slots:
    void closedFormIsTheCurveMinimum_data();
    void closedFormIsTheCurveMinimum();
    void publishedWaterBows_data();
    void publishedWaterBows();
    void colourOrder_data();
    void colourOrder();
    void antisolarAngleOfLargeTurns_data();
    void antisolarAngleOfLargeTurns();
    void bowSpanAcrossTheFolds_data();
    void bowSpanAcrossTheFolds();
    void dropPathLeavesBySnellsLaw_data();
    void dropPathLeavesBySnellsLaw();
    void skyIsDarkBetweenTheBows();
    void skyKeepsTheLightThatLeaves_data();
    void skyKeepsTheLightThatLeaves();
};

void TestRainbowColoursCore::closedFormIsTheCurveMinimum_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("index");
    for (int k = kMinOrder; k <= kMaxOrder; ++k) {
        QTest::addRow("k=%d water violet", k) << k << *refractiveIndex(water(), 400.0);
        QTest::addRow("k=%d water red", k) << k << *refractiveIndex(water(), 700.0);
        QTest::addRow("k=%d F2 violet", k)
            << k << *refractiveIndex(*findDispersiveMaterial("Flint glass F2"), 400.0);
    }
}

void TestRainbowColoursCore::closedFormIsTheCurveMinimum()
{
    QFETCH(int, order);
    QFETCH(double, index);
    const auto closed = rainbowRay(index, order);
    QVERIFY(closed);
    // Sampled as coarsely as the chart at its narrowest, and finely.
    for (int samples : {40, 400}) {
        const RainbowRay found = curveMinimum(index, order, samples);
        QVERIFY2(std::fabs(found.deviation - closed->deviation) < 1e-8,
                 qPrintable(degrees(found.deviation) + " vs " + degrees(closed->deviation)));
        QVERIFY2(
            std::fabs(found.impact - closed->impact) < 1e-4,
            qPrintable(QString::number(found.impact) + " vs " + QString::number(closed->impact)));
    }
}

void TestRainbowColoursCore::publishedWaterBows_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("nanometres");
    QTest::addColumn<double>("angle");
    QTest::newRow("primary violet") << 1 << 400.0 << 40.59;
    QTest::newRow("primary red") << 1 << 700.0 << 42.46;
    QTest::newRow("secondary red") << 2 << 700.0 << 50.20;
    QTest::newRow("secondary violet") << 2 << 400.0 << 53.58;
}

void TestRainbowColoursCore::publishedWaterBows()
{
    QFETCH(int, order);
    QFETCH(double, nanometres);
    QFETCH(double, angle);
    const auto bow = bowOf(water(), order);
    QVERIFY(bow);
    const double shown = nanometres == kBandLong ? bow->red : bow->violet;
    QVERIFY2(std::fabs(shown - angle) < 0.02, qPrintable(degrees(shown)));
    const auto band = darkBandWidth(water());
    QVERIFY(band);
    QVERIFY2(std::fabs(*band - 7.7) < 0.05, qPrintable(degrees(*band)));
}

void TestRainbowColoursCore::colourOrder_data()
{
    QTest::addColumn<QString>("material");
    for (const auto& m : dispersiveMaterials())
        QTest::newRow(std::string(m.name).c_str()) << QString::fromUtf8(m.name);
}

void TestRainbowColoursCore::colourOrder()
{
    QFETCH(QString, material);
    const auto* m = findDispersiveMaterial(material.toStdString());
    QVERIFY(m);
    const auto primary = bowOf(*m, 1);
    const auto secondary = bowOf(*m, 2);
    QVERIFY(primary && secondary);
    QVERIFY(primary->redOutside());
    QVERIFY(!secondary->redOutside());
    QVERIFY(primary->red < secondary->red);
}

void TestRainbowColoursCore::antisolarAngleOfLargeTurns_data()
{
    QTest::addColumn<double>("turn");
    QTest::addColumn<double>("angle");
    QTest::newRow("straight back") << 180.0 << 0.0;
    QTest::newRow("primary") << 138.0 << 42.0;
    QTest::newRow("secondary, past half a turn") << 231.0 << 51.0;
    QTest::newRow("tertiary, toward the sun") << 318.0 << 138.0;
    QTest::newRow("past a full turn") << 404.0 << 136.0;
    QTest::newRow("fifth order") << 487.0 << 53.0;
    QTest::newRow("no turn") << 720.0 << 180.0;
}

void TestRainbowColoursCore::antisolarAngleOfLargeTurns()
{
    QFETCH(double, turn);
    QFETCH(double, angle);
    QVERIFY2(std::fabs(antisolarAngle(turn) - angle) < 1e-9,
             qPrintable(degrees(antisolarAngle(turn))));
}

void TestRainbowColoursCore::bowSpanAcrossTheFolds_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("redDeviation");
    QTest::addColumn<double>("violetDeviation");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("outer");
    QTest::newRow("no fold: red to violet") << 1 << 137.5 << 139.4 << 40.6 << 42.5;
    QTest::newRow("past a whole turn: to 180") << 3 << 357.0 << 361.5 << 177.0 << 180.0;
    QTest::newRow("past half a turn: from 0") << 4 << 179.0 << 182.0 << 0.0 << 2.0;
    QTest::newRow("ending on the fold") << 3 << 355.0 << 360.0 << 175.0 << 180.0;
    // Red 177.277°, violet 178.672° from the antisolar point, the colours between reaching 180°.
    const auto& silica = *findDispersiveMaterial("Fused silica");
    QTest::newRow("fused silica, third order")
        << 3 << rainbowRay(*refractiveIndex(silica, 700.0), 3)->deviation
        << rainbowRay(*refractiveIndex(silica, 400.0), 3)->deviation << 177.277 << 180.0;
}

// A bow covers the angles of all its colours: up to a fold its colours cross, not only the
// angles between its red and violet edges.
void TestRainbowColoursCore::bowSpanAcrossTheFolds()
{
    QFETCH(int, order);
    QFETCH(double, redDeviation);
    QFETCH(double, violetDeviation);
    QFETCH(double, inner);
    QFETCH(double, outer);
    const Bow bow = bowBetween(order, redDeviation, violetDeviation);
    QVERIFY2(std::fabs(bow.inner - inner) < 5e-4 && std::fabs(bow.outer - outer) < 5e-4,
             qPrintable(degrees(bow.inner) + " to " + degrees(bow.outer)));
    QCOMPARE(bow.folded(), outer - inner > std::fabs(bow.red - bow.violet) + 1e-9);
}

void TestRainbowColoursCore::dropPathLeavesBySnellsLaw_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<double>("impact");
    QTest::addColumn<int>("side");
    for (int k = kMinOrder; k <= kMaxOrder; ++k) {
        QTest::addRow("k=%d above", k) << k << 0.7 << 1;
        QTest::addRow("k=%d below", k) << k << 0.35 << -1;
    }
}

void TestRainbowColoursCore::dropPathLeavesBySnellsLaw()
{
    QFETCH(int, order);
    QFETCH(double, impact);
    QFETCH(int, side);
    const double n = 1.333;
    const DropPath path = dropPath(n, order, impact, side);
    QCOMPARE(path.count, order + 2);
    const Point in = path.points[0];
    const Point exit = path.points[static_cast<std::size_t>(path.count - 1)];
    const Point last = path.points[static_cast<std::size_t>(path.count - 2)];
    // Enters at the height b on the sunward side; every point lies on the drop.
    QVERIFY(std::fabs(in.y - side * impact) < 1e-12 && in.x < 0.0);
    for (int j = 0; j < path.count; ++j) {
        const Point p = path.points[static_cast<std::size_t>(j)];
        QVERIFY(std::fabs(std::hypot(p.x, p.y) - 1.0) < 1e-12);
    }
    // Leaving: the angle to the outward normal is the angle of incidence, and the last chord
    // met that normal at the angle of refraction, sin i = n sin r.
    const Point d = path.exitDirection;
    const double sinOut = std::fabs(exit.x * d.y - exit.y * d.x);
    const double cx = exit.x - last.x;
    const double cy = exit.y - last.y;
    const double sinIn = std::fabs(exit.x * cy - exit.y * cx) / std::hypot(cx, cy);
    QVERIFY(std::fabs(sinOut - impact) < 1e-9);
    QVERIFY(std::fabs(sinOut - n * sinIn) < 1e-9);
    QVERIFY(exit.x * d.x + exit.y * d.y > 0.0);
}

void TestRainbowColoursCore::skyIsDarkBetweenTheBows()
{
    const SkyProfile sky = skyProfile(water(), orderBit(1) | orderBit(2), 40);
    const double inside = sky.meanBrightness(20.0, 38.0);
    const double band = sky.meanBrightness(43.5, 49.0);
    const double primaryBow = sky.meanBrightness(40.5, 42.5);
    const double secondaryBow = sky.meanBrightness(50.2, 53.6);
    QVERIFY(inside > 0.0);
    QVERIFY2(band < 0.1 * inside, qPrintable(QString::number(band / inside)));
    QVERIFY(primaryBow > inside);
    QVERIFY(secondaryBow > band && secondaryBow < primaryBow);
    // Red at the primary's outer edge, red at the secondary's inner edge.
    const LinearRgb outerPrimary = sky.at(42.3);
    const LinearRgb innerSecondary = sky.at(50.4);
    QVERIFY(outerPrimary.r > outerPrimary.b && innerSecondary.r > innerSecondary.b);
}

void TestRainbowColoursCore::skyKeepsTheLightThatLeaves_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("wavelengths");
    QTest::newRow("primary, few colours") << 1 << 3;
    QTest::newRow("secondary, many colours") << 2 << 400;
    QTest::newRow("fifth order") << 5 << 40;
}

// Whatever the spreading and the sun's smoothing do, the sky over the whole sphere holds the
// light that leaves the drop: per colour, the integral of 2b times the leaving share.
void TestRainbowColoursCore::skyKeepsTheLightThatLeaves()
{
    QFETCH(int, order);
    QFETCH(int, wavelengths);
    const double step = 0.05;
    const SkyProfile sky = skyProfile(water(), orderBit(order), wavelengths, 180.0, step);
    LinearRgb onSky;
    for (std::size_t j = 0; j < sky.light.size(); ++j) {
        const double a0 = static_cast<double>(j) * step * std::numbers::pi / 180.0;
        const double a1 = static_cast<double>(j + 1) * step * std::numbers::pi / 180.0;
        const double ring = 2.0 * std::numbers::pi * (std::cos(a0) - std::cos(a1));
        onSky = {onSky.r + sky.light[j].r * ring, onSky.g + sky.light[j].g * ring,
                 onSky.b + sky.light[j].b * ring};
    }
    LinearRgb leaving;
    const std::vector<double> nm = bandWavelengths(wavelengths);
    for (double lambda : nm) {
        const double n = *refractiveIndex(water(), lambda);
        double energy = 0.0;
        const int steps = 20000;
        for (int j = 0; j < steps; ++j) {
            const double b = (j + 0.5) / steps;
            energy += 2.0 * b * leavingShare(n, order, b) / steps;
        }
        const LinearRgb c = spectralColour(lambda);
        const double k = energy / static_cast<double>(nm.size());
        leaving = {leaving.r + c.r * k, leaving.g + c.g * k, leaving.b + c.b * k};
    }
    QVERIFY(leaving.g > 0.0);
    QVERIFY2(std::fabs(onSky.r / leaving.r - 1.0) < 0.01 &&
                 std::fabs(onSky.g / leaving.g - 1.0) < 0.01 &&
                 std::fabs(onSky.b / leaving.b - 1.0) < 0.01,
             qPrintable(QString::number(onSky.g / leaving.g, 'f', 5)));
}

QTEST_APPLESS_MAIN(TestRainbowColoursCore)
#include "test_rainbow_colours_core.moc"
