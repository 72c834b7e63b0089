#include "prism_spectrum_views.h"
#include "prism_spectrum_window.h"
#include "window_support.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace lumenary;
using lumenary::test::angleIn;
using lumenary::test::child;
using lumenary::test::readout;

class TestPrismSpectrumWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readOuts_data();
    void readOuts();
    void pictureShowsTheFan();
    void unitSaidOnce();

private:
    std::unique_ptr<PrismSpectrumWindow> m_window;
};

void TestPrismSpectrumWindow::init()
{
    m_window = std::make_unique<PrismSpectrumWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPrismSpectrumWindow::cleanup()
{
    m_window.reset();
}

void TestPrismSpectrumWindow::readOuts_data()
{
    QTest::addColumn<int>("material"); // -1 leaves the starting one
    QTest::addColumn<int>("incidenceTenths");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<bool>("leaves"); // the d line leaves the prism
    QTest::newRow("N-BK7 at the start") << -1 << 500 << 38.65 << true;
    QTest::newRow("N-BK7 near its minimum") << -1 << 493 << 38.65 << true;
    QTest::newRow("N-BK7 totally reflected") << -1 << 100 << 38.65 << false;
    QTest::newRow("F2 grazing") << 3 << 890 << 48.20 << true;
}

void TestPrismSpectrumWindow::readOuts()
{
    QFETCH(int, material);
    QFETCH(int, incidenceTenths);
    QFETCH(double, minimum);
    QFETCH(bool, leaves);
    if (material >= 0)
        child<QComboBox>(m_window.get(), "materialList")->setCurrentIndex(material);
    auto* slider = child<QSlider>(m_window.get(), "incidenceSlider");
    slider->setValue(incidenceTenths);
    const QString least = readout(m_window.get(), "minimumDeviation")->value();
    QVERIFY2(std::fabs(angleIn(least) - minimum) < 0.005, qPrintable(least));
    const QString n = readout(m_window.get(), "indexD")->value();
    QCOMPARE(child<QLabel>(m_window.get(), "measuredIndex")->text(), n);
    auto* deviation = child<QLabel>(m_window.get(), "deviationD");
    QCOMPARE(deviation->accessibleName(), "Deviation (d line): " + deviation->text());
    if (!leaves) {
        QCOMPARE(deviation->text(), QString("totally reflected"));
        QVERIFY(m_window->picture()->accessibleDescription().contains("totally reflected"));
        return;
    }
    const double now = angleIn(deviation->text());
    QVERIFY2(now >= angleIn(least) - 5e-5, qPrintable(deviation->text()));
    // Near the minimum the deviation hardly changes with the incidence.
    if (std::abs(incidenceTenths - 493) <= 1)
        QVERIFY(now - angleIn(least) < 0.001);
}

void TestPrismSpectrumWindow::pictureShowsTheFan()
{
    // At the start the colours fan out behind the prism (the right half), violet and red both
    // showing; before it (the left third) the light is white.
    const QImage image = m_window->picture()->grab().toImage();
    int violet[2] = {0, 0};
    int red[2] = {0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int part = x < image.width() / 3 ? 0 : x >= image.width() / 2 ? 1 : -1;
            if (part < 0)
                continue;
            const QColor c = image.pixelColor(x, y);
            violet[part] += c.blue() > c.green() + 40 && c.blue() > 60;
            red[part] += c.red() > c.green() + 60 && c.red() > c.blue() + 60;
        }
    QVERIFY2(violet[1] > 50 && red[1] > 50,
             qPrintable(QStringLiteral("%1 %2").arg(violet[1]).arg(red[1])));
    QCOMPARE(violet[0] + red[0], 0);
}

// A row whose value names its unit ("65.0°") has a caption without it ("Apex angle", not
// "Apex angle (°)"), so that neither the window nor its copied values say the unit twice.
void TestPrismSpectrumWindow::unitSaidOnce()
{
    int valued = 0;
    for (auto* form : m_window->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            auto* caption = form->itemAt(row, QFormLayout::LabelRole);
            auto* field = form->itemAt(row, QFormLayout::FieldRole);
            if (!caption || !caption->widget() || !field || !field->widget())
                continue;
            const QString text = qobject_cast<QLabel*>(caption->widget())->text();
            for (auto* value : field->widget()->findChildren<QLabel*>()) {
                if (!value->text().endsWith(QChar(0x00b0)))
                    continue;
                ++valued;
                QVERIFY2(!text.contains(QStringLiteral("(\u00b0)")), qPrintable(text));
            }
        }
    }
    QCOMPARE(valued, 2); // the apex and the incidence
}

QTEST_MAIN(TestPrismSpectrumWindow)
#include "test_prism_spectrum_window.moc"
