#include "controls.h"
#include "plot_widget.h"
#include "prism_window.h"
#include "window_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::typeInto;

namespace
{

const char* const kReadouts[] = {"theta12",  "theta1p2",  "theta22", "theta2p2",
                                 "theta2b2", "theta2pb2", "Dev"};

// How many pixels of the drawing have the colour c.
int pixelsOf(PlotWidget* plot, QRgb c)
{
    const QImage layer = plot->drawingLayer();
    int n = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            n += layer.pixel(x, y) == c;
    return n;
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kDarkYellow = qRgb(128, 128, 0);

} // namespace

class TestPrismWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout();
    void oneRay();
    void fanOnScrollChange();
    void optionsWaitForTheScrollBar_data();
    void optionsWaitForTheScrollBar();
    void typingTheApexAngle();
    void clearAndQuitKeepTheFields();
    void hostileFieldTexts_data();
    void hostileFieldTexts();

private:
    QString text(const char* name) { return child<QLineEdit>(m_window.get(), name)->text(); }
    QStringList readouts();
    void clickOneRay()
    {
        QTest::mouseClick(child<QPushButton>(m_window.get(), "Test"), Qt::LeftButton);
    }
    QScrollBar* scroll() { return child<QScrollBar>(m_window.get(), "HScroll1"); }

    std::unique_ptr<PrismWindow> m_window;
};

QStringList TestPrismWindow::readouts()
{
    QStringList out;
    for (const char* name : kReadouts)
        out << text(name);
    return out;
}

void TestPrismWindow::init()
{
    m_window.reset(createPrismWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPrismWindow::cleanup()
{
    m_window.reset();
}

void TestPrismWindow::layout()
{
    QCOMPARE(m_window->windowTitle(), QString("Prism"));
    QCOMPARE(m_window->size(), QSize(601, 444));
    QCOMPARE(m_window->plot()->geometry(), twips(210, 165, 5500, 5500));
    QCOMPARE(m_window->plot()->background(), palette(0));
    QCOMPARE(scroll()->minimum(), 1);
    QCOMPARE(scroll()->maximum(), 100);
    QCOMPARE(scroll()->pageStep(), 10);
    QCOMPARE(scroll()->value(), 50);
    // Every field is named by its label and takes typing, the read-outs too.
    const std::pair<const char*, const char*> named[] = {{"Phi", "Apex Angle"},
                                                         {"NRay", "# Rays"},
                                                         {"n1", "Medium"},
                                                         {"n2", "Prism"},
                                                         {"theta12", "Angle of Incidence"},
                                                         {"theta1p2", "Angle of Refraction"},
                                                         {"theta22", "Angle of Incidence"},
                                                         {"theta2p2", "Angle of Refraction"},
                                                         {"theta2b2", "Angle of Incidence"},
                                                         {"theta2pb2", "Angle of Refraction"},
                                                         {"Dev", "Deviation"},
                                                         {"yh", "at height"}};
    for (const auto& [name, label] : named) {
        auto* field = child<QLineEdit>(m_window.get(), name);
        QCOMPARE(field->accessibleName(), QString(label));
        QVERIFY(!field->isReadOnly());
    }
    QVERIFY(child<QCheckBox>(m_window.get(), "Check1")->isChecked());
    QVERIFY(!child<QCheckBox>(m_window.get(), "Check2")->isChecked());
    QStringList found;
    for (auto* label : m_window->findChildren<QLabel*>()) {
        if (!label->font().bold())
            continue;
        found << label->text();
        QCOMPARE(label->font().family(), QString("Times New Roman"));
        QCOMPARE(label->font().pointSizeF(), 9.75);
    }
    found.sort();
    QCOMPARE(found, (QStringList{"Bottom Surface", "Indices of Refraction", "Left Surface",
                                 "Right Surface"}));
    // The surface stays blank until the first action.
    QCOMPARE(pixelsOf(m_window->plot(), kWhite), 0);
}

void TestPrismWindow::oneRay()
{
    child<QLineEdit>(m_window.get(), "theta2b2")->setText("kept");
    clickOneRay();
    QCOMPARE(readouts(), (QStringList{"29.9942704220487", "19.4677119355867", "40.5322880644133",
                                      "77.113736202372", "kept", "0", "-47.1080066244207"}));
    QCOMPARE(text("angle"), QString("0"));
    QVERIFY(pixelsOf(m_window->plot(), kWhite) > 300);
    QVERIFY(pixelsOf(m_window->plot(), kDarkYellow) > 300);
}

void TestPrismWindow::fanOnScrollChange()
{
    scroll()->setValue(51);
    QCOMPARE(text("angle"), QString("-0.6"));
    scroll()->setValue(50);
    QCOMPARE(text("angle"), QString("0"));
    QCOMPARE(readouts(),
             (QStringList{"30", "19.4712206344907", "40.5287793655093", "77.0958115215542",
                          "79.4712206344907", "0", "-47.0958115215542"}));
    // A track click moves by the large change and redraws.
    const QRect bar = scroll()->rect();
    QTest::mouseClick(scroll(), Qt::LeftButton, {}, QPoint(bar.right() - 30, bar.center().y()));
    QCOMPARE(scroll()->value(), 60);
    QCOMPARE(text("angle"), QString("-6"));
}

void TestPrismWindow::optionsWaitForTheScrollBar_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Check1") << "Check1";
    QTest::newRow("Check2") << "Check2";
    QTest::newRow("NRay") << "NRay";
}

void TestPrismWindow::optionsWaitForTheScrollBar()
{
    QFETCH(QString, control);
    scroll()->setValue(70); // a rotation at which Check2 admits more rays
    const QImage before = m_window->plot()->drawingLayer();
    const QStringList shown = readouts();
    const QByteArray name = control.toLatin1();
    if (control == "NRay") {
        auto* field = child<QLineEdit>(m_window.get(), "NRay");
        typeInto(field, "7");
    } else {
        QTest::mouseClick(child<QCheckBox>(m_window.get(), name.constData()), Qt::LeftButton);
    }
    QCOMPARE(m_window->plot()->drawingLayer(), before);
    QCOMPARE(readouts(), shown);
    scroll()->setValue(69);
    scroll()->setValue(70);
    QVERIFY(m_window->plot()->drawingLayer() != before);
}

void TestPrismWindow::typingTheApexAngle()
{
    auto* phi = child<QLineEdit>(m_window.get(), "Phi");
    auto* angle = child<QLineEdit>(m_window.get(), "angle");
    scroll()->setValue(1);
    QCOMPARE(angle->text(), QString("29.4"));
    phi->selectAll();
    for (const char* step : {"-", "x"}) {
        QTest::keyClicks(phi, step);
        QCOMPARE(angle->text(), QString("29.4")); // not a positive number: nothing redrawn
        phi->selectAll();
    }
    QTest::keyClicks(phi, "4");
    QCOMPARE(angle->text(), QString("1.96"));
    QTest::keyClicks(phi, "5");
    QCOMPARE(angle->text(), QString("22.05"));
    const QImage drawn = m_window->plot()->drawingLayer();
    angle->setText("typed");
    phi->clear();
    QCOMPARE(angle->text(), QString("typed"));
    QCOMPARE(m_window->plot()->drawingLayer(), drawn);
    // "Plot Prism" overwrites whatever was typed into the angle box.
    phi->setText("-10");
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(angle->text(), QString("-4.9"));
}

void TestPrismWindow::clearAndQuitKeepTheFields()
{
    scroll()->setValue(40);
    child<QCheckBox>(m_window.get(), "Check2")->setChecked(true);
    child<QLineEdit>(m_window.get(), "yh")->setText("3");
    clickOneRay();
    const QStringList shown = readouts();
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Clear"), Qt::LeftButton);
    QCOMPARE(pixelsOf(m_window->plot(), kWhite) + pixelsOf(m_window->plot(), kDarkYellow), 0);
    QCOMPARE(readouts(), shown);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Quit"), Qt::LeftButton);
    QVERIFY(m_window->isHidden());
    m_window->show();
    QCOMPARE(scroll()->value(), 40);
    QVERIFY(child<QCheckBox>(m_window.get(), "Check2")->isChecked());
    QCOMPARE(text("yh"), QString("3"));
    QCOMPARE(readouts(), shown);
}

void TestPrismWindow::hostileFieldTexts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    for (const char* field : {"Phi", "n1", "n2", "NRay", "yh"})
        for (const char* text : {"", "-", "+", ".", "abc", "1e999", "nan", "inf", "0x10", "1,5"})
            QTest::addRow("%s=%s", field, text) << field << text;
    QTest::newRow("NRay=1e9") << "NRay"
                              << "1e9";
    QTest::newRow("yh=digits") << "yh" << QString(1000, '9');
}

// A field the action reads that holds no usable number leaves the surface and the read-outs
// as they were.
void TestPrismWindow::hostileFieldTexts()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    clickOneRay();
    const QImage drawn = m_window->plot()->drawingLayer();
    const QStringList shown = readouts();
    child<QLineEdit>(m_window.get(), field.toLatin1().constData())->setText(text);
    clickOneRay();
    scroll()->setValue(33);
    // Only the fan reads no height: it runs; otherwise the ray is drawn again as it was, or
    // nothing happens at all.
    const bool fanActs = field == "yh";
    QCOMPARE(readouts() == shown, !fanActs);
    QCOMPARE(m_window->plot()->drawingLayer() == drawn, !fanActs);
}

QTEST_MAIN(TestPrismWindow)
#include "test_prism_window.moc"
