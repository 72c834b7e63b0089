#include "dispersion.h"
#include "spectral_colour.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace lumenary;

class TestSpectrumCore : public QObject
{
    Q_OBJECT

private slots:
    void publishedIndices_data();
    void publishedIndices();
    void wavelengthsOutsideAreRefused_data();
    void wavelengthsOutsideAreRefused();
    void dominantPrimary_data();
    void dominantPrimary();
    void equalEnergyLightIsNearlyWhite();
};

void TestSpectrumCore::publishedIndices_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<double>("nanometres");
    QTest::addColumn<double>("index");
    QTest::addColumn<double>("abbe");
    // Catalogue and handbook values; abbe 0 where none is checked.
    QTest::newRow("N-BK7 d line") << "Crown glass N-BK7" << kLineD << 1.5168 << 64.17;
    QTest::newRow("F2 d line") << "Flint glass F2" << kLineD << 1.6200 << 36.37;
    QTest::newRow("fused silica d line") << "Fused silica" << kLineD << 1.4585 << 67.8;
    QTest::newRow("water sodium D") << "Water (21.5 \u00b0C)" << 589.3 << 1.3332 << 0.0;
    QTest::newRow("N-BK7 F line") << "Crown glass N-BK7" << kLineF << 1.5224 << 0.0;
    QTest::newRow("N-BK7 C line") << "Crown glass N-BK7" << kLineC << 1.5143 << 0.0;
}

void TestSpectrumCore::publishedIndices()
{
    QFETCH(QString, material);
    QFETCH(double, nanometres);
    QFETCH(double, index);
    QFETCH(double, abbe);
    const auto* m = findDispersiveMaterial(material.toStdString());
    QVERIFY(m);
    const auto n = refractiveIndex(*m, nanometres);
    QVERIFY(n);
    QVERIFY2(std::fabs(*n - index) < 6e-5, qPrintable(QString::number(*n, 'f', 6)));
    if (abbe > 0.0)
        QVERIFY2(std::fabs(abbeNumber(*m) - abbe) < 0.1,
                 qPrintable(QString::number(abbeNumber(*m), 'f', 3)));
}

void TestSpectrumCore::wavelengthsOutsideAreRefused_data()
{
    QTest::addColumn<double>("nanometres");
    QTest::newRow("below") << 379.9;
    QTest::newRow("above") << 780.5;
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -500.0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void TestSpectrumCore::wavelengthsOutsideAreRefused()
{
    QFETCH(double, nanometres);
    for (const auto& m : dispersiveMaterials())
        QVERIFY(!refractiveIndex(m, nanometres));
}

void TestSpectrumCore::dominantPrimary_data()
{
    QTest::addColumn<double>("nanometres");
    QTest::addColumn<int>("primary"); // 0 red, 1 green, 2 blue
    QTest::newRow("violet-blue 450") << 450.0 << 2;
    QTest::newRow("green 530") << 530.0 << 1;
    QTest::newRow("red 650") << 650.0 << 0;
    QTest::newRow("deep red 700") << 700.0 << 0;
}

void TestSpectrumCore::dominantPrimary()
{
    QFETCH(double, nanometres);
    QFETCH(int, primary);
    const LinearRgb lin = spectralColour(nanometres);
    QVERIFY(lin.r >= 0.0 && lin.g >= 0.0 && lin.b >= 0.0);
    const Rgb c = wavelengthColour(nanometres);
    const int v[3] = {c.r, c.g, c.b};
    for (int i = 0; i < 3; ++i)
        if (i != primary)
            QVERIFY2(v[primary] > v[i],
                     qPrintable(QStringLiteral("%1 %2 %3").arg(c.r).arg(c.g).arg(c.b)));
    QCOMPARE(v[primary], 255);
}

void TestSpectrumCore::equalEnergyLightIsNearlyWhite()
{
    LinearRgb sum;
    for (double nm = kShortestWavelength; nm <= kLongestWavelength; nm += 1.0) {
        const LinearRgb c = spectralColour(nm);
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
    }
    const double top = std::max({sum.r, sum.g, sum.b});
    const double bottom = std::min({sum.r, sum.g, sum.b});
    // Equal-energy light is a little warmer than the display's D65 white, never coloured.
    QVERIFY2(bottom / top > 0.75,
             qPrintable(QStringLiteral("%1 %2 %3").arg(sum.r).arg(sum.g).arg(sum.b)));
}

QTEST_APPLESS_MAIN(TestSpectrumCore)
#include "test_spectrum_core.moc"
