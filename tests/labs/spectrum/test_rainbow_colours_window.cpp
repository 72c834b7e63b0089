#include "dispersion.h"
#include "rainbow_colours.h"
#include "rainbow_colours_window.h"
#include "window_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace lumenary;
using lumenary::test::angleIn;
using lumenary::test::child;
using lumenary::test::readout;

class TestRainbowColoursWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithWaterBows();
    void switchingLiquids_data();
    void switchingLiquids();
    void ordersAndCountFollowTheControls();
    void readoutsAtTheirEdges_data();
    void readoutsAtTheirEdges();

private:
    std::unique_ptr<QWidget> m_window;
};

void TestRainbowColoursWindow::init()
{
    m_window.reset(createRainbowColoursWindow());
    m_window->show();
}

void TestRainbowColoursWindow::cleanup()
{
    m_window.reset();
}

void TestRainbowColoursWindow::opensWithWaterBows()
{
    QWidget* w = m_window.get();
    QCOMPARE(w->windowTitle(), QStringLiteral("Rainbow Colours"));
    QCOMPARE(child<QComboBox>(w, "liquidList")->currentText(),
             QStringLiteral("Water (21.5 \u00b0C)"));
    QCOMPARE(child<QSpinBox>(w, "countSpin")->value(), 40);
    auto* red = child<QLineEdit>(w, "bow1Red");
    QCOMPARE(red->accessibleName(), QStringLiteral("Primary bow, red (700 nm)"));
    QCOMPARE(red->text(), QStringLiteral("42.460\u00b0"));
    QCOMPARE(child<QLineEdit>(w, "bow1Violet")->text(), QStringLiteral("40.588\u00b0"));
    QCOMPARE(child<QLineEdit>(w, "bow2Red")->text(), QStringLiteral("50.202\u00b0"));
    QCOMPARE(child<QLineEdit>(w, "bow2Violet")->text(), QStringLiteral("53.583\u00b0"));
    QCOMPARE(child<QLineEdit>(w, "darkBandWidth")->text(), QStringLiteral("7.741\u00b0"));
    QVERIFY(!child<QLineEdit>(w, "bow3Red")->isVisible());
}

void TestRainbowColoursWindow::switchingLiquids_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(dispersiveMaterials().size()); ++i)
        QTest::newRow(std::string(dispersiveMaterials()[static_cast<std::size_t>(i)].name).c_str())
            << i;
}

void TestRainbowColoursWindow::switchingLiquids()
{
    QFETCH(int, index);
    QWidget* w = m_window.get();
    auto* list = child<QComboBox>(w, "liquidList");
    // From another material, so that every row is a change.
    list->setCurrentIndex((index + 1) % list->count());
    list->setCurrentIndex(index);
    const auto& m = dispersiveMaterials()[static_cast<std::size_t>(index)];
    for (int k = 1; k <= 2; ++k) {
        const auto bow = rainbow::bowOf(m, k);
        QVERIFY(bow);
        const double red =
            angleIn(readout(w, qPrintable(QStringLiteral("bow%1Red").arg(k)))->value());
        const double violet =
            angleIn(readout(w, qPrintable(QStringLiteral("bow%1Violet").arg(k)))->value());
        const double width =
            angleIn(readout(w, qPrintable(QStringLiteral("bow%1Width").arg(k)))->value());
        QVERIFY(std::fabs(red - bow->red) < 0.0006 && std::fabs(violet - bow->violet) < 0.0006);
        QVERIFY(std::fabs(width - std::fabs(red - violet)) < 0.0011);
        // Red outside on the primary, inside on the secondary.
        QCOMPARE(red > violet, k == 1);
    }
    const double band = angleIn(readout(w, "darkBandWidth")->value());
    QVERIFY(std::fabs(band - *rainbow::darkBandWidth(m)) < 0.0006);
    bool ok = false;
    QString agreement = child<QLineEdit>(w, "curveAgreement")->text();
    agreement.chop(1);
    QVERIFY(agreement.toDouble(&ok) < 1e-6 && ok);
}

void TestRainbowColoursWindow::ordersAndCountFollowTheControls()
{
    QWidget* w = m_window.get();
    child<QCheckBox>(w, "order1Check")->setChecked(false);
    child<QCheckBox>(w, "order5Check")->setChecked(true);
    QVERIFY(!child<QLineEdit>(w, "bow1Red")->isVisible());
    auto* fifth = child<QLineEdit>(w, "bow5Red");
    QVERIFY(fifth->isVisible());
    QVERIFY(fifth->text().endsWith(QChar(0x00b0)));

    child<QSlider>(w, "countSlider")->setValue(400);
    QCOMPARE(child<QSpinBox>(w, "countSpin")->value(), 400);
    QVERIFY(child<QWidget>(w, "skyView")
                ->accessibleDescription()
                .contains(QStringLiteral("secondary bow")));
    QVERIFY(child<QWidget>(w, "deviationChart")
                ->accessibleDescription()
                .contains(QStringLiteral("400 colours")));
    child<QSpinBox>(w, "countSpin")->setValue(3);
    QCOMPARE(child<QSlider>(w, "countSlider")->value(), 3);
    QVERIFY(child<QWidget>(w, "dropView")
                ->accessibleDescription()
                .startsWith(QStringLiteral("Rays of 3 colours")));
}

void TestRainbowColoursWindow::readoutsAtTheirEdges_data()
{
    QTest::addColumn<QString>("liquid");
    QTest::addColumn<QList<int>>("orders");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    const QString water = QStringLiteral("Water (21.5 \u00b0C)");
    const QString needs = QStringLiteral("needs the primary and secondary");
    QTest::newRow("dark band: both bows")
        << water << QList<int>{1, 2} << "darkBandWidth" << QStringLiteral("7.741\u00b0");
    QTest::newRow("dark band: and a third")
        << water << QList<int>{1, 2, 3} << "darkBandWidth" << QStringLiteral("7.741\u00b0");
    QTest::newRow("dark band: primary alone") << water << QList<int>{1} << "darkBandWidth" << needs;
    QTest::newRow("dark band: secondary and fifth")
        << water << QList<int>{2, 5} << "darkBandWidth" << needs;
    QTest::newRow("dark band: no bow") << water << QList<int>{} << "darkBandWidth" << needs;
    // Red 177.277°, violet 178.672°; the colours between reach 180°.
    QTest::newRow("width across the fold at 180") << QStringLiteral("Fused silica") << QList<int>{3}
                                                  << "bow3Width" << QStringLiteral("2.723\u00b0");
}

void TestRainbowColoursWindow::readoutsAtTheirEdges()
{
    QFETCH(QString, liquid);
    QFETCH(QList<int>, orders);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QWidget* w = m_window.get();
    child<QComboBox>(w, "liquidList")->setCurrentText(liquid);
    for (int k = 1; k <= 5; ++k)
        child<QCheckBox>(w, qPrintable(QStringLiteral("order%1Check").arg(k)))
            ->setChecked(orders.contains(k));
    auto* field = child<QLineEdit>(w, qPrintable(name));
    QCOMPARE(field->text(), shown);
    // Each width says how the fold is counted.
    if (name.endsWith(QLatin1String("Width")) && name != QLatin1String("darkBandWidth"))
        QVERIFY2(field->toolTip().contains(QStringLiteral("fold")), qPrintable(field->toolTip()));
}

QTEST_MAIN(TestRainbowColoursWindow)
#include "test_rainbow_colours_window.moc"
