#include "art_materials.h"
#include "interface.h"
#include "optics_constants.h"
#include "ray_optics.h"
#include "thin_film.h"

#include <QTest>

#include <cmath>

using namespace lumenary;
using namespace lumenary::tools;

// The optics the picture generators add to the core's: thin films, the pictures' materials,
// Snell's law at a surface facing either way, the rainbow drop and the prism.
class TestToolOptics : public QObject
{
    Q_OBJECT
private slots:
    void thinFilmReflectance_data();
    void thinFilmReflectance();
    void thinFilmColour_data();
    void thinFilmColour();
    void pictureMaterials_data();
    void pictureMaterials();
    void snell_data();
    void snell();
    void rainbowTraceAgreesWithDeviation_data();
    void rainbowTraceAgreesWithDeviation();
    void rainbowAngles();
    void prismMinimumDeviation();
    void prismMissesAndTraps_data();
    void prismMissesAndTraps();
};

namespace
{

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

double radians(double degrees)
{
    return degrees * kDegree;
}

const std::array<Vec2, 3> kPrism{Vec2{0, 0}, Vec2{100, 0}, Vec2{50, 50 * std::sqrt(3.0)}};

} // namespace

void TestToolOptics::thinFilmReflectance_data()
{
    const double n = 1.33;
    const double r = (n - 1) / (n + 1);
    const double peak = 4 * r * r / ((1 + r * r) * (1 + r * r));
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("nm");
    QTest::addColumn<double>("expected");
    QTest::newRow("vanishing film") << 0.0 << 550.0 << 0.0;
    QTest::newRow("quarter wave") << 550.0 / (4 * n) << 550.0 << peak;
    QTest::newRow("half wave") << 550.0 / (2 * n) << 550.0 << 0.0;
    QTest::newRow("three quarter waves") << 3 * 450.0 / (4 * n) << 450.0 << peak;
}

void TestToolOptics::thinFilmReflectance()
{
    QFETCH(double, thickness);
    QFETCH(double, nm);
    QFETCH(double, expected);
    QVERIFY(near(lumenary::tools::thinFilmReflectance(thickness, 1.33, nm), expected, 1e-12));
}

void TestToolOptics::thinFilmColour_data()
{
    QTest::addColumn<double>("thickness");
    QTest::addColumn<QString>("look");
    // A film of optical path 2nt reflects most where 2nt = (m + 1/2) wavelength.
    QTest::newRow("black film") << 5.0 << "dark";
    QTest::newRow("first-order magenta") << 200.0 << "magenta"; // dark at 532 nm
    QTest::newRow("second-order green") << 300.0 << "green";    // bright at 532 nm
    QTest::newRow("thick film washes out") << 20000.0 << "grey";
}

void TestToolOptics::thinFilmColour()
{
    QFETCH(double, thickness);
    QFETCH(QString, look);
    const double n = 1.33;
    const double r = (n - 1) / (n + 1);
    const double mean = 2 * r * r / (1 + r * r); // the reflectance averaged over the phase
    const LinearRgb c = lumenary::tools::thinFilmColour(thickness, n);
    if (look == QLatin1String("dark")) {
        QVERIFY(std::max({c.r, c.g, c.b}) < 0.05 * mean);
    } else if (look == QLatin1String("magenta")) {
        QVERIFY(c.r > 1.5 * c.g && c.b > 1.5 * c.g);
    } else if (look == QLatin1String("green")) {
        QVERIFY(c.g > 1.3 * c.r && c.g > 1.3 * c.b);
    } else {
        for (double v : {c.r, c.g, c.b})
            QVERIFY2(near(v, mean, 0.05 * mean), qPrintable(QString::number(v)));
    }
}

void TestToolOptics::pictureMaterials_data()
{
    QTest::addColumn<QString>("material");
    QTest::newRow("the drop") << QString::fromUtf8(kDropMaterial);
    QTest::newRow("the prism") << QString::fromUtf8(kPrismMaterial);
}

void TestToolOptics::pictureMaterials()
{
    QFETCH(QString, material);
    const std::string name = material.toStdString();
    const SellmeierMaterial* m = findDispersiveMaterial(name);
    QVERIFY2(m, "the pictures' materials are in the core's table");
    // The middle wavelength keeps its index; the others part from it three times as far.
    QCOMPARE(*drawnIndex(name, 589.0, 589.0, 3.0), *refractiveIndex(*m, 589.0));
    const double violet = *drawnIndex(name, 400.0, 589.0, 3.0) - *refractiveIndex(*m, 589.0);
    QVERIFY(near(violet, 3.0 * (*refractiveIndex(*m, 400.0) - *refractiveIndex(*m, 589.0)), 1e-12));
    QVERIFY(violet > 0.0);
    QVERIFY(!drawnIndex(name, 300.0, 589.0, 3.0));
    QVERIFY(!drawnIndex("No such glass", 589.0, 589.0, 3.0));
}

void TestToolOptics::snell_data()
{
    QTest::addColumn<double>("incidence");
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<bool>("passes");
    QTest::newRow("air into water") << 40.0 << 1.0 << 1.333 << true;
    QTest::newRow("head on") << 0.0 << 1.0 << 1.5 << true;
    QTest::newRow("glass into air below critical") << 40.0 << 1.5 << 1.0 << true;
    QTest::newRow("glass into air beyond critical") << 43.0 << 1.5 << 1.0 << false;
    QTest::newRow("grazing into glass") << 89.9 << 1.0 << 1.5 << true;
}

void TestToolOptics::snell()
{
    QFETCH(double, incidence);
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(bool, passes);
    // Light travelling down onto the surface y = 0.
    const Vec2 d{std::sin(radians(incidence)), -std::cos(radians(incidence))};
    for (Vec2 normal : {Vec2{0, 1}, Vec2{0, -1}}) {
        const auto out = refractBetween(d, normal, n1, n2);
        QCOMPARE(out.has_value(), passes);
        if (!passes)
            continue;
        QVERIFY(out->y < 0); // it carries on downwards
        QVERIFY(near(length(*out), 1.0, 1e-12));
        QVERIFY(near(n1 * std::sin(radians(incidence)), n2 * out->x, 1e-12));
    }
    const Vec2 bounced = reflected(d, {0, 1});
    QVERIFY(near(bounced.x, d.x, 1e-12) && near(bounced.y, -d.y, 1e-12));
}

void TestToolOptics::rainbowTraceAgreesWithDeviation_data()
{
    QTest::addColumn<double>("impact");
    QTest::addColumn<double>("n");
    QTest::newRow("near the axis") << 0.2 << 1.333;
    QTest::newRow("rainbow ray") << 0.86 << 1.333;
    QTest::newRow("near the edge") << 0.98 << 1.333;
    QTest::newRow("violet") << 0.86 << 1.3428;
}

void TestToolOptics::rainbowTraceAgreesWithDeviation()
{
    QFETCH(double, impact);
    QFETCH(double, n);
    const Vec2 centre{3, -2};
    const double radius = 5;
    const auto path = tracePrimaryRainbow(centre, radius, impact, n);
    QVERIFY(path.has_value());
    QCOMPARE(path->points.size(), std::size_t(4));
    for (int i = 1; i < 4; ++i)
        QVERIFY(near(length(path->points[i] - centre), radius, 1e-9));
    QVERIFY(near(path->points[1].y - centre.y, impact * radius, 1e-9));
    QVERIFY(near(deviationDegrees({1, 0}, path->exitDirection), rainbowDeviationDegrees(impact, n),
                 1e-7));
    // A ray entering above the centre leaves below it, heading back and down.
    QVERIFY(path->points[3].y < centre.y);
    QVERIFY(path->exitDirection.x < 0 && path->exitDirection.y < 0);
}

void TestToolOptics::rainbowAngles()
{
    // The primary bow stands at 180 degrees less the smallest deviation: about 42 degrees for
    // water, red outside violet.
    auto bowAngle = [](double n) {
        double least = 180.0;
        for (int i = 1; i < 10000; ++i)
            least = std::min(least, rainbowDeviationDegrees(i / 10000.0, n));
        return 180.0 - least;
    };
    QVERIFY(near(bowAngle(1.333), 42.0, 0.15));
    const SellmeierMaterial* water = findDispersiveMaterial(kDropMaterial);
    QVERIFY(water);
    QVERIFY(bowAngle(*refractiveIndex(*water, 656)) >
            bowAngle(*refractiveIndex(*water, 405)) + 1.5);
    QVERIFY(!tracePrimaryRainbow({0, 0}, 1, 0.0, 1.333));
    QVERIFY(!tracePrimaryRainbow({0, 0}, 1, 1.0, 1.333));
    QVERIFY(!tracePrimaryRainbow({0, 0}, 1, 0.5, 1.0));
}

void TestToolOptics::prismMinimumDeviation()
{
    // A 60-degree prism of index 1.5 deviates least, 2 asin(0.75) - 60 = 37.18 degrees, when the
    // ray crosses it parallel to the base.
    double least = 180.0;
    Vec2 inside{};
    for (int i = 0; i < 900; ++i) {
        const double rising = radians(i * 0.1);
        const Vec2 d{std::cos(rising), std::sin(rising)};
        const Vec2 aim{25.0, 25.0 * std::sqrt(3.0)}; // the middle of the left face
        const auto path = tracePrism(kPrism, aim - 200.0 * d, d, 1.5);
        if (!path)
            continue;
        const double deviation = deviationDegrees(d, path->exitDirection);
        if (deviation < least) {
            least = deviation;
            inside = path->points[2] - path->points[1];
        }
    }
    QVERIFY(near(least, 2 * std::asin(0.75) / kDegree - 60.0, 0.05));
    QVERIFY(std::fabs(inside.y) < 0.01 * length(inside));
}

void TestToolOptics::prismMissesAndTraps_data()
{
    QTest::addColumn<double>("startY");
    QTest::addColumn<double>("n");
    QTest::newRow("passes above the apex") << 200.0 << 1.5;
    QTest::newRow("trapped by total reflection") << 40.0 << 2.5;
}

void TestToolOptics::prismMissesAndTraps()
{
    QFETCH(double, startY);
    QFETCH(double, n);
    QVERIFY(!tracePrism(kPrism, {-100, startY}, {1, 0}, n));
}

QTEST_GUILESS_MAIN(TestToolOptics)
#include "test_tool_optics.moc"
