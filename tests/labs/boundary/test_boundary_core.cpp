#include "boundary_text.h"
#include "boundary_wave.h"
#include "optics_constants.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace lumenary;
using namespace lumenary::boundary;

Q_DECLARE_METATYPE(lumenary::boundary::Polarisation)

namespace
{

constexpr int kVacuum = 0;
constexpr int kWater = 2;
constexpr int kPolystyrene = 10;
constexpr int kHeavyFlint = 11;
constexpr int kDiamond = 14;
constexpr int kSilica = 16;
constexpr int kF2 = 18;

BoundaryState state(int m1, int m2, double degrees, Polarisation p = Polarisation::Unpolarised,
                    double nm = 589.3)
{
    const auto s = boundaryState({m1, m2, nm, degrees, p});
    if (!s)
        qFatal("no state");
    return *s;
}

// A read-out's number rounded to fewer decimals, as a check states it.
QString rounded(const std::string& readout, int decimals)
{
    return QString::number(QString::fromStdString(readout).remove(QChar(0x00b0)).toDouble(), 'f',
                           decimals);
}

bool finiteText(const std::string& text)
{
    const QString t = QString::fromStdString(text).toLower();
    return !t.isEmpty() && !t.contains(QStringLiteral("nan")) && !t.contains(QStringLiteral("inf"));
}

} // namespace

class TestBoundaryCore : public QObject
{
    Q_OBJECT

private slots:
    void publishedChecks_data();
    void publishedChecks();
    void everyPairAndAngleReadsFinitely();
    void totalReflectionPhases_data();
    void totalReflectionPhases();
    void penetrationDepth_data();
    void penetrationDepth();
    void wavesJoinAtTheBoundary_data();
    void wavesJoinAtTheBoundary();
    void descriptions_data();
    void descriptions();
    void refusedSettings_data();
    void refusedSettings();
};

void TestBoundaryCore::publishedChecks_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    const int air = kAirPosition;
    const int bk7 = kCrownGlassPosition;
    QTest::addRow("Brewster air to N-BK7") << air << bk7 << 45.0 << "brewster" << 2 << "56.60";
    QTest::addRow("R head on air to N-BK7") << air << bk7 << 0.0 << "R" << 4 << "0.0422";
    QTest::addRow("critical N-BK7 to air") << bk7 << air << 30.0 << "critical" << 2 << "41.25";
    QTest::addRow("R_p at 56.6 air to N-BK7") << air << bk7 << 56.6 << "Rp" << 4 << "0.0000";
    QTest::addRow("R_p at 33.4 N-BK7 to air") << bk7 << air << 33.4 << "Rp" << 4 << "0.0000";
    QTest::addRow("refraction at 45 air to N-BK7")
        << air << bk7 << 45.0 << "refraction" << 1 << "27.8";
    QTest::addRow("N-BK7 index") << air << bk7 << 0.0 << "n2" << 4 << "1.5172";
    // 2 · 1.65 / (1.65 + 1.55) is 1.03125 exactly: a tie, rounded away from zero as taught.
    QTest::addRow("t_s head on heavy flint to polystyrene")
        << kHeavyFlint << kPolystyrene << 0.0 << "ts" << 4 << "1.0313";
}

void TestBoundaryCore::publishedChecks()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, degrees);
    QFETCH(QString, quantity);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    const BoundaryReadouts r = boundaryReadouts(state(m1, m2, degrees), '.');
    const std::map<QString, std::string> byName{{"brewster", r.brewster},
                                                {"R", r.reflected},
                                                {"critical", r.critical},
                                                {"Rp", r.powerRp},
                                                {"refraction", r.refraction},
                                                {"n2", r.n2},
                                                {"ts", r.ts}};
    QCOMPARE(rounded(byName.at(quantity), decimals), expected);
    // R_p vanishes at Brewster's angle itself, whatever the pair.
    const BoundaryState s = state(m1, m2, degrees);
    const BoundaryState atBrewster = state(m1, m2, *s.brewster);
    QCOMPARE(boundaryReadouts(atBrewster, '.').powerRp, std::string("0.0000"));
}

// Every pair of media, many at every tenth of a degree: R + T reads 1.0000 (and is 1 for s and p
// alike), no read-out is empty or shows a non-number, and the wave field of s and p is finite.
void TestBoundaryCore::everyPairAndAngleReadsFinitely()
{
    for (int m1 = 0; m1 < kMediumCount; ++m1) {
        for (int m2 = 0; m2 < kMediumCount; ++m2) {
            for (int tenth = 0; tenth <= 900; tenth += (m1 + m2) % 5 == 0 ? 1 : 7) {
                BoundaryState s = state(m1, m2, tenth / 10.0, Polarisation::S, 380.0 + m1 * 20.0);
                const BoundaryReadouts r = boundaryReadouts(s, ',');
                const QString at = QStringLiteral("%1 to %2 at %3").arg(m1).arg(m2).arg(tenth);
                QVERIFY2(r.sum == "1,0000", qPrintable(at + ": " + r.sum.c_str()));
                QVERIFY2(std::fabs(s.powers.rs + s.powers.ts - 1.0) < 1e-12 &&
                             std::fabs(s.powers.rp + s.powers.tp - 1.0) < 1e-12,
                         qPrintable(at));
                for (const std::string* t :
                     {&r.n1, &r.n2, &r.refraction, &r.rs, &r.rp, &r.ts, &r.tp, &r.powerRs,
                      &r.powerRp, &r.powerTs, &r.powerTp, &r.reflected, &r.transmitted, &r.brewster,
                      &r.critical, &r.wavelength1, &r.wavelength2, &r.penetrationDepth})
                    QVERIFY2(finiteText(*t), qPrintable(at + ": " + t->c_str()));
                for (auto p : {Polarisation::S, Polarisation::P}) {
                    s.settings.polarisation = p;
                    const WaveField w(s);
                    QVERIFY2(std::isfinite(w.at(0.3, -0.7, 1.0)) &&
                                 std::isfinite(w.at(0.3, 0.7, 1.0)) && std::isfinite(w.peak()),
                             qPrintable(at));
                }
            }
        }
    }
}

void TestBoundaryCore::totalReflectionPhases_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("degrees");
    QTest::addRow("N-BK7 to air 45") << kCrownGlassPosition << kAirPosition << 45.0;
    QTest::addRow("N-BK7 to air 89.9") << kCrownGlassPosition << kAirPosition << 89.9;
    QTest::addRow("diamond to water 60") << kDiamond << kWater << 60.0;
    QTest::addRow("F2 to fused silica 80") << kF2 << kSilica << 80.0;
}

// tan(φ_s / 2) = √(sin²θ − n²) / cos θ and tan(φ_p / 2) = √(sin²θ − n²) / (n² cos θ), n = n2/n1,
// as the read-outs give them (magnitude 1, phase to four decimals).
void TestBoundaryCore::totalReflectionPhases()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, degrees);
    const BoundaryState s = state(m1, m2, degrees);
    QVERIFY(s.totallyReflected());
    const double n = s.n2() / s.n1();
    const double sine = std::sin(degrees * kDegree);
    const double cosine = std::cos(degrees * kDegree);
    const double root = std::sqrt(sine * sine - n * n);
    const double phiS = 2.0 * std::atan(root / cosine) / kDegree;
    const double phiP = 2.0 * std::atan(root / (n * n * cosine)) / kDegree;
    const BoundaryReadouts r = boundaryReadouts(s, '.');
    QCOMPARE(QString::fromStdString(r.rs),
             QStringLiteral("1.0000 \u2220 %1\u00b0").arg(phiS, 0, 'f', 4));
    QCOMPARE(QString::fromStdString(r.rp),
             QStringLiteral("1.0000 \u2220 %1\u00b0").arg(phiP, 0, 'f', 4));
    QCOMPARE(r.refraction, std::string("totally reflected"));
    QCOMPARE(r.sum, std::string("1.0000"));
    QCOMPARE(r.transmitted, std::string("0.0000"));
}

void TestBoundaryCore::penetrationDepth_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("nm");
    QTest::addColumn<Polarisation>("polarisation");
    QTest::addRow("N-BK7 to air 45 s")
        << kCrownGlassPosition << kAirPosition << 45.0 << 589.3 << Polarisation::S;
    QTest::addRow("N-BK7 to vacuum 70 p")
        << kCrownGlassPosition << kVacuum << 70.0 << 450.0 << Polarisation::P;
    QTest::addRow("diamond to water 34.5 s")
        << kDiamond << kWater << 34.5 << 700.0 << Polarisation::S;
}

// The read-out depth against its formula, and the wave field falling to 1/e over that depth.
void TestBoundaryCore::penetrationDepth()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, degrees);
    QFETCH(double, nm);
    QFETCH(Polarisation, polarisation);
    const BoundaryState s = state(m1, m2, degrees, polarisation, nm);
    const double vacuum = nm * 1.0003;
    const double a = s.n1() * std::sin(degrees * kDegree);
    const double d = vacuum / (2.0 * std::numbers::pi * std::sqrt(a * a - s.n2() * s.n2()));
    QVERIFY(s.penetrationDepth);
    QVERIFY(std::fabs(*s.penetrationDepth - d) < 1e-9 * d);
    QCOMPARE(QString::fromStdString(boundaryReadouts(s, '.').penetrationDepth),
             QStringLiteral("%1 nm").arg(d, 0, 'f', 4));
    const WaveField w(s);
    const double depth = d / vacuum; // in vacuum wavelengths
    QVERIFY(w.evanescent());
    QVERIFY(std::fabs(std::abs(w.across(depth)) / std::abs(w.across(0.0)) - std::exp(-1.0)) <
            1e-12);
    // Below the critical angle there is none.
    QVERIFY(!state(m1, m2, 0.0).penetrationDepth);
}

void TestBoundaryCore::wavesJoinAtTheBoundary_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<Polarisation>("polarisation");
    QTest::addRow("air to diamond 30 s") << kAirPosition << kDiamond << 30.0 << Polarisation::S;
    QTest::addRow("air to diamond 70 p") << kAirPosition << kDiamond << 70.0 << Polarisation::P;
    QTest::addRow("water to air 20 p") << kWater << kAirPosition << 20.0 << Polarisation::P;
    QTest::addRow("water to air 60 s") << kWater << kAirPosition << 60.0 << Polarisation::S;
    QTest::addRow("water to air 60 p") << kWater << kAirPosition << 60.0 << Polarisation::P;
}

// The field is continuous across the boundary at every point along it and every moment, and each
// transmitted wave repeats after λ0 / n2 along its own direction.
void TestBoundaryCore::wavesJoinAtTheBoundary()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, degrees);
    QFETCH(Polarisation, polarisation);
    const BoundaryState s = state(m1, m2, degrees, polarisation);
    const WaveField w(s);
    for (double x : {-1.3, 0.0, 0.4, 2.9})
        for (double t : {0.0, 1.1, 4.0})
            QVERIFY(std::fabs(w.at(x, -1e-12, t) - w.at(x, 0.0, t)) < 1e-9);
    if (s.totallyReflected())
        return;
    const double theta2 = *s.refraction * kDegree;
    const double step = w.wavelength2();
    QVERIFY(std::fabs(step - s.wavelength2 / vacuumNanometres(589.3)) < 1e-12);
    for (double t : {0.0, 2.0}) {
        const double here = w.at(0.2, 0.3, t);
        const double there = w.at(0.2 + step * std::sin(theta2), 0.3 + step * std::cos(theta2), t);
        QVERIFY(std::fabs(here - there) < 1e-9);
    }
}

void TestBoundaryCore::descriptions_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<Polarisation>("polarisation");
    QTest::addColumn<bool>("waves");
    QTest::addColumn<char>("point");
    QTest::addColumn<QString>("expected");
    QTest::addRow("start") << kAirPosition << kCrownGlassPosition << 45.0
                           << Polarisation::Unpolarised << false << '.'
                           << "Unpolarised light, 45.0° in air onto N-BK7: 5.3 % reflected, "
                              "94.7 % transmitted at 27.8°";
    QTest::addRow("Brewster p") << kAirPosition << kCrownGlassPosition << 56.6 << Polarisation::P
                                << false << ','
                                << "p-polarised light, 56,6° in air onto N-BK7: 0,0 % reflected, "
                                   "100,0 % transmitted at 33,4°";
    QTest::addRow("evanescent s")
        << kCrownGlassPosition << kAirPosition << 60.0 << Polarisation::S << true << '.'
        << "s-polarised light, 60.0° in N-BK7 onto air: totally reflected; waves of 388.5 nm in "
           "N-BK7, an evanescent field in air falling to 1/e within 110.1 nm";
}

void TestBoundaryCore::descriptions()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, degrees);
    QFETCH(Polarisation, polarisation);
    QFETCH(bool, waves);
    QFETCH(char, point);
    QFETCH(QString, expected);
    const BoundaryState s = state(m1, m2, degrees, polarisation);
    QCOMPARE(QString::fromStdString(pictureDescription(s, waves, point)), expected);
}

void TestBoundaryCore::refusedSettings_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("nm");
    QTest::addColumn<double>("degrees");
    QTest::addRow("angle below 0") << 1 << 17 << 589.3 << -0.1;
    QTest::addRow("angle past 90") << 1 << 17 << 589.3 << 90.1;
    QTest::addRow("angle NaN") << 1 << 17 << 589.3 << std::nan("");
    QTest::addRow("medium -1") << -1 << 17 << 589.3 << 45.0;
    QTest::addRow("medium 19") << 1 << kMediumCount << 589.3 << 45.0;
    QTest::addRow("wavelength 379.9") << 1 << 17 << 379.9 << 45.0;
    QTest::addRow("wavelength infinite") << 1 << 17 << HUGE_VAL << 45.0;
}

void TestBoundaryCore::refusedSettings()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, nm);
    QFETCH(double, degrees);
    QVERIFY(!boundaryState({m1, m2, nm, degrees, Polarisation::S}));
}

QTEST_APPLESS_MAIN(TestBoundaryCore)
#include "test_boundary_core.moc"
