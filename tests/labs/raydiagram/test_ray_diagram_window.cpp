#include "plot_widget.h"
#include "ray_diagram_window.h"
#include "window_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::drawnPixels;
using lumenary::test::typeInto;

class TestRayDiagramWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAndDefaults();
    void typingMinusThenDigit();
    void sliderDrawsAtItsValue();
    void setupResetsSlider();
    void badInputNeverDraws_data();
    void badInputNeverDraws();
    void cursorReadout();
    void clearKeepsFields();

private:
    std::unique_ptr<RayDiagramWindow> m_window;
};

void TestRayDiagramWindow::init()
{
    m_window.reset(createThinLensWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestRayDiagramWindow::cleanup()
{
    m_window.reset();
}

void TestRayDiagramWindow::layoutAndDefaults()
{
    QCOMPARE(m_window->windowTitle(), QString("Thin Lenses"));
    QCOMPARE(m_window->size(), QSize(601, 444));
    QCOMPARE(child<QLineEdit>(m_window.get(), "xmin")->text(), QString("-40"));
    QCOMPARE(child<QLineEdit>(m_window.get(), "f")->accessibleName(), QString("f"));
    QCOMPARE(child<QLineEdit>(m_window.get(), "d")->text(), QString("50"));
    QVERIFY(child<QLineEdit>(m_window.get(), "d")->isReadOnly());
    QCOMPARE(child<QPushButton>(m_window.get(), "Batch")->text(), QString("Setup system"));
    QCOMPARE(child<QWidget>(m_window.get(), "Plot1")->geometry(), QRect(13, 8, 473, 411));
    // Nothing is drawn before the first pass.
    QCOMPARE(drawnPixels(m_window->plot()), 0);
}

void TestRayDiagramWindow::typingMinusThenDigit()
{
    auto* slider = child<QScrollBar>(m_window.get(), "HScroll1");
    slider->setValue(100);
    auto* ymin = child<QLineEdit>(m_window.get(), "ymin");
    auto* d = child<QLineEdit>(m_window.get(), "d");
    QCOMPARE(d->text(), QString("32.2"));
    typeInto(ymin, "-");
    QCOMPARE(d->text(), QString("32.2")); // a lone minus changes nothing
    QCOMPARE(slider->value(), 100);
    QTest::keyClicks(ymin, "2");
    QCOMPARE(ymin->text(), QString("-2"));
    QCOMPARE(d->text(), QString("40"));
    QCOMPARE(slider->value(), 0);
}

void TestRayDiagramWindow::sliderDrawsAtItsValue()
{
    auto* slider = child<QScrollBar>(m_window.get(), "HScroll1");
    slider->setValue(250);
    QCOMPARE(child<QLineEdit>(m_window.get(), "d")->text(), QString("20.5"));
    QCOMPARE(child<QLineEdit>(m_window.get(), "xi")->text(), QString("19.5238095238095"));
    QVERIFY(drawnPixels(m_window->plot()) > 500);
}

void TestRayDiagramWindow::setupResetsSlider()
{
    auto* slider = child<QScrollBar>(m_window.get(), "HScroll1");
    slider->setValue(300);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Batch"), Qt::LeftButton);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(child<QLineEdit>(m_window.get(), "d")->text(), QString("40"));
    QCOMPARE(child<QLineEdit>(m_window.get(), "xi")->text(), QString("13.3333333333333"));
}

void TestRayDiagramWindow::badInputNeverDraws_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    const char* hostile[] = {"",       "-",   "+",   ".",    "abc", "1e999", "-1e308",
                             "1e-320", "nan", "inf", "0x10", "1,5", "0"};
    for (const char* field : {"xmin", "xmax", "ymin", "ymax", "h", "f"})
        for (const char* text : hostile)
            QTest::addRow("%s=%s", field, text) << field << text;
    QTest::addRow("f=digits") << "f" << QString(10000, '7');
}

void TestRayDiagramWindow::badInputNeverDraws()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    auto* edit = child<QLineEdit>(m_window.get(), field.toLatin1().constData());
    edit->setText(text);
    child<QScrollBar>(m_window.get(), "HScroll1")->setValue(77);
    for (const char* readout : {"d", "xi"}) {
        const QString shown = child<QLineEdit>(m_window.get(), readout)->text();
        QVERIFY2(!shown.contains("nan", Qt::CaseInsensitive) &&
                     !shown.contains("inf", Qt::CaseInsensitive) && !shown.isEmpty(),
                 qPrintable(shown));
    }
    m_window->plot()->drawingLayer(); // rasterising must not fault either
}

void TestRayDiagramWindow::cursorReadout()
{
    PlotWidget* plot = m_window->plot();
    auto* varx = child<QLineEdit>(m_window.get(), "varx");
    auto* vary = child<QLineEdit>(m_window.get(), "vary");
    const QRect area = plot->contentsRect();
    QTest::mouseMove(plot, area.topLeft());
    QCOMPARE(varx->text(), QString("-40"));
    QCOMPARE(vary->text(), QString("20"));
    QTest::mouseMove(plot, area.center());
    QVERIFY(std::fabs(varx->text().toDouble()) < 0.5);
    // A window field that is not a number leaves the read-outs as they were.
    child<QLineEdit>(m_window.get(), "xmax")->setText("x");
    QTest::mouseMove(plot, area.topLeft() + QPoint(3, 3));
    QVERIFY(std::fabs(varx->text().toDouble()) < 0.5);
}

void TestRayDiagramWindow::clearKeepsFields()
{
    child<QScrollBar>(m_window.get(), "HScroll1")->setValue(10);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Clear"), Qt::LeftButton);
    QCOMPARE(drawnPixels(m_window->plot()), 0);
    QCOMPARE(child<QLineEdit>(m_window.get(), "d")->text(), QString("39.22"));
}

QTEST_MAIN(TestRayDiagramWindow)
#include "test_ray_diagram_window.moc"
