#include "interface.h"
#include "optics_constants.h"

#include <QtTest>

#include <cmath>
#include <complex>

using namespace lumenary;

namespace
{

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

// The refracted angle of the reverse path, for Snell's law both ways.
double reverse(double n1, double n2, double transmitted)
{
    return *refractionAngle(n2, n1, transmitted);
}

} // namespace

// Energy over every pair of media and angle, and the phases of total reflection, are checked
// through the boundary lab's core (tests/labs/boundary).
class TestInterface : public QObject
{
    Q_OBJECT

private slots:
    void normalIncidence_data();
    void normalIncidence();
    void stokesRelations_data();
    void stokesRelations();
    void equalIndicesReflectNothing_data();
    void equalIndicesReflectNothing();
    void specialAngles_data();
    void specialAngles();
};

void TestInterface::normalIncidence_data()
{
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("reflected");
    QTest::addRow("air to glass") << 1.0 << 1.5 << 0.04;
    QTest::addRow("glass to air") << 1.5 << 1.0 << 0.04;
    QTest::addRow("water to diamond") << 1.33 << 2.42 << std::pow(1.09 / 3.75, 2);
}

void TestInterface::normalIncidence()
{
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, reflected);
    const FresnelAmplitudes a = fresnelAmplitudes(n1, n2, 0.0);
    const FresnelPowers p = fresnelPowers(n1, n2, 0.0);
    // s and p cannot be told apart head on; the sign convention makes r_p = −r_s there.
    QVERIFY(near(a.rs.real(), (n1 - n2) / (n1 + n2), 1e-15));
    QVERIFY(near(a.rp.real(), -a.rs.real(), 1e-15));
    QVERIFY(near(a.ts.real(), a.tp.real(), 1e-15));
    QVERIFY(near(p.rs, reflected, 1e-15) && near(p.rp, reflected, 1e-15));
    QVERIFY(near(p.ts, 1.0 - reflected, 1e-15) && near(p.tp, 1.0 - reflected, 1e-15));
}

void TestInterface::stokesRelations_data()
{
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("degrees");
    QTest::addRow("air to glass 30°") << 1.0 << 1.5 << 30.0;
    QTest::addRow("air to glass 80°") << 1.0 << 1.5 << 80.0;
    QTest::addRow("diamond to water 20°") << 2.42 << 1.33 << 20.0;
}

// The reverse path (from medium 2 at the refracted angle) has r' = −r and t t' = 1 − r²: the
// coefficients of both directions belong to one set of boundary conditions.
void TestInterface::stokesRelations()
{
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(double, degrees);
    const double angle = degrees * kDegree;
    const double back = *refractionAngle(n1, n2, angle);
    QVERIFY(near(reverse(n1, n2, back), angle, 1e-14));
    const FresnelAmplitudes f = fresnelAmplitudes(n1, n2, angle);
    const FresnelAmplitudes b = fresnelAmplitudes(n2, n1, back);
    QVERIFY(std::abs(f.rs + b.rs) < 1e-14 && std::abs(f.rp + b.rp) < 1e-14);
    QVERIFY(std::abs(f.ts * b.ts - (1.0 - f.rs * f.rs)) < 1e-14);
    QVERIFY(std::abs(f.tp * b.tp - (1.0 - f.rp * f.rp)) < 1e-14);
}

void TestInterface::equalIndicesReflectNothing_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addRow("head on") << 0.0;
    QTest::addRow("45°") << 45.0;
    QTest::addRow("89.9°") << 89.9;
    QTest::addRow("grazing") << 90.0;
}

void TestInterface::equalIndicesReflectNothing()
{
    QFETCH(double, degrees);
    const FresnelAmplitudes a = fresnelAmplitudes(1.36, 1.36, degrees * kDegree);
    const FresnelPowers p = fresnelPowers(1.36, 1.36, degrees * kDegree);
    QCOMPARE(std::abs(a.rs), 0.0);
    QCOMPARE(std::abs(a.rp), 0.0);
    QVERIFY(near(p.ts, 1.0, 1e-15) && near(p.tp, 1.0, 1e-15));
    QVERIFY(near(*refractionAngle(1.36, 1.36, degrees * kDegree), degrees * kDegree, 1e-15));
}

void TestInterface::specialAngles_data()
{
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addRow("air to glass") << 1.0 << 1.5;
    QTest::addRow("glass to air") << 1.5 << 1.0;
    QTest::addRow("water to diamond") << 1.33 << 2.42;
}

void TestInterface::specialAngles()
{
    QFETCH(double, n1);
    QFETCH(double, n2);
    const double brewster = brewsterAngle(n1, n2);
    QVERIFY(near(std::tan(brewster), n2 / n1, 1e-14));
    QVERIFY(fresnelPowers(n1, n2, brewster).rp < 1e-28);
    // At Brewster's angle the reflected and refracted rays are at right angles.
    QVERIFY(near(brewster + *refractionAngle(n1, n2, brewster), 90.0 * kDegree, 1e-14));
    const auto critical = criticalAngle(n1, n2);
    QCOMPARE(critical.has_value(), n1 > n2);
    if (!critical)
        return;
    const auto grazing = refractionAngle(n1, n2, *critical - 1e-9);
    QVERIFY(grazing && near(*grazing, 90.0 * kDegree, 1e-4));
    QVERIFY(!refractionAngle(n1, n2, *critical + 1e-9));
    QVERIFY(near(fresnelPowers(n1, n2, *critical).rs, 1.0, 1e-6));
}

QTEST_APPLESS_MAIN(TestInterface)
#include "test_interface.moc"
