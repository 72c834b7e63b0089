#include "dispersion.h"
#include "prism_spectrum.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <numbers>

using namespace lumenary;

namespace
{

std::size_t materialIndex(const QString& name)
{
    const auto all = dispersiveMaterials();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (QString::fromUtf8(all[i].name.data(), qsizetype(all[i].name.size())) == name)
            return i;
    qFatal("no material %s", qPrintable(name));
}

bool finite(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

double directionDegrees(Point from, Point to)
{
    return std::atan2(to.y - from.y, to.x - from.x) * 180.0 / std::numbers::pi;
}

// True when p lies on one of the prism's three edges.
bool onPrism(const std::array<Point, 3>& prism, Point p)
{
    for (std::size_t i = 0; i < 3; ++i) {
        const Point a = prism[i];
        const Point b = prism[(i + 1) % 3];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const double off = ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / len;
        const double along = ((b.x - a.x) * (p.x - a.x) + (b.y - a.y) * (p.y - a.y)) / len;
        if (std::fabs(off) < 1e-9 && along > -1e-9 && along < len + 1e-9)
            return true;
    }
    return false;
}

} // namespace

class TestPrismSpectrumCore : public QObject
{
    Q_OBJECT

private slots:
    void minimumDeviation_data();
    void minimumDeviation();
    void pictureFollowsTheDeviation_data();
    void pictureFollowsTheDeviation();
    void totalReflectionAndLimits_data();
    void totalReflectionAndLimits();
};

void TestPrismSpectrumCore::minimumDeviation_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<double>("apex");
    QTest::addColumn<double>("published"); // 0 where no published value is checked
    QTest::newRow("N-BK7 60") << "Crown glass N-BK7" << 60.0 << 38.65;
    QTest::newRow("F2 60") << "Flint glass F2" << 60.0 << 48.20;
    QTest::newRow("N-BK7 10") << "Crown glass N-BK7" << 10.0 << 0.0;
    QTest::newRow("fused silica 45") << "Fused silica" << 45.0 << 0.0;
    QTest::newRow("water 80") << "Water (21.5 \u00b0C)" << 80.0 << 0.0;
    QTest::newRow("N-BK7 80") << "Crown glass N-BK7" << 80.0 << 0.0;
}

void TestPrismSpectrumCore::minimumDeviation()
{
    QFETCH(QString, material);
    QFETCH(double, apex);
    QFETCH(double, published);
    PrismSpectrumSettings s;
    s.material = materialIndex(material);
    s.apex = apex;
    const PrismSpectrumReadings r = prismSpectrumReadings(s);
    QVERIFY(r.minimumD);
    const auto closed = symmetricMinimumDeviation(r.indexD, apex);
    QVERIFY(closed);
    QVERIFY2(std::fabs(r.minimumD->deviation - *closed) < 0.01,
             qPrintable(QString::number(r.minimumD->deviation, 'f', 6)));
    if (published > 0.0)
        QVERIFY2(std::fabs(r.minimumD->deviation - published) < 0.005,
                 qPrintable(QString::number(r.minimumD->deviation, 'f', 4)));
    // The symmetric passage: the minimum's incidence equals the exit angle, (A + δ)/2.
    QVERIFY(std::fabs(r.minimumD->incidence - (apex + *closed) / 2.0) < 1e-3);
    // The spectrometer gives the material's index back.
    QVERIFY(r.measuredIndex);
    QVERIFY(std::fabs(*r.measuredIndex - r.indexD) < 5e-6);
}

void TestPrismSpectrumCore::pictureFollowsTheDeviation_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<double>("apex");
    QTest::addColumn<double>("incidence");
    QTest::newRow("defaults") << "Crown glass N-BK7" << 60.0 << 50.0;
    QTest::newRow("flint, steep") << "Flint glass F2" << 45.0 << 80.0;
    QTest::newRow("thin water prism, normal") << "Water (21.5 \u00b0C)" << 10.0 << 0.0;
}

void TestPrismSpectrumCore::pictureFollowsTheDeviation()
{
    QFETCH(QString, material);
    QFETCH(double, apex);
    QFETCH(double, incidence);
    PrismSpectrumSettings s{materialIndex(material), apex, incidence, 5, BeamWidth::SingleRay};
    const PrismScene scene = traceSpectrum(s);
    QCOMPARE(scene.rays.size(), std::size_t(5));
    QCOMPARE(scene.reflectedColours, 0);
    const double in = directionDegrees(scene.incoming[0][0], scene.incoming[0][1]);
    double previous = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 5; ++i) {
        const TracedRay& ray = scene.rays[std::size_t(i)];
        QVERIFY(onPrism(scene.prism, ray.path[1]));
        const double out = directionDegrees(ray.path[1], ray.path[2]);
        const auto expected = prismDeviation(prismIndex(s, bandWavelength(i, 5)), apex, incidence);
        QVERIFY(expected);
        QVERIFY2(std::fabs((in - out) - *expected) < 1e-6, qPrintable(QString::number(in - out)));
        QVERIFY(*expected < previous); // violet is deviated most
        previous = *expected;
    }
}

void TestPrismSpectrumCore::totalReflectionAndLimits_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<double>("apex");
    QTest::addColumn<double>("incidence");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("reflected"); // -1: some but not all
    QTest::newRow("N-BK7 60, 10 deg: all reflected")
        << "Crown glass N-BK7" << 60.0 << 10.0 << 40 << 40;
    QTest::newRow("F2 80: none can leave") << "Flint glass F2" << 80.0 << 89.0 << 400 << 400;
    QTest::newRow("N-BK7 60 at the critical edge")
        << "Crown glass N-BK7" << 60.0 << 29.5 << 400 << -1;
    QTest::newRow("thinnest, normal incidence") << "Fused silica" << 10.0 << 0.0 << 3 << 0;
    QTest::newRow("out of range: NaN and huge")
        << "Flint glass F2" << qQNaN() << 1e300 << 100000 << 0;
}

void TestPrismSpectrumCore::totalReflectionAndLimits()
{
    QFETCH(QString, material);
    QFETCH(double, apex);
    QFETCH(double, incidence);
    QFETCH(int, count);
    QFETCH(int, reflected);
    PrismSpectrumSettings s{materialIndex(material), apex, incidence, count, BeamWidth::NarrowBeam};
    const PrismScene scene = traceSpectrum(s);
    const int n = withinRange(s).wavelengths;
    QCOMPARE(int(scene.rays.size()) % n, 0);
    if (reflected >= 0)
        QCOMPARE(scene.reflectedColours, reflected);
    else
        QVERIFY(scene.reflectedColours > 0 && scene.reflectedColours < n);
    for (const TracedRay& ray : scene.rays) {
        for (const Point p : ray.path)
            QVERIFY(finite(p));
        if (ray.totallyReflected) // drawn reflecting, ending at the next face
            QVERIFY(onPrism(scene.prism, ray.path[2]));
    }
    const PrismSpectrumReadings r = prismSpectrumReadings(s);
    if (scene.reflectedColours == n)
        QVERIFY(!r.deviationD && !r.spreadFC);
    else if (scene.reflectedColours == 0)
        QVERIFY(r.deviationD && r.spreadFC);
    for (const DeviationCurve& curve : deviationCurves(s, 200))
        for (const Point p : curve.points)
            QVERIFY(finite(p));
}

QTEST_APPLESS_MAIN(TestPrismSpectrumCore)
#include "test_prism_spectrum_core.moc"
