#include "plot_widget.h"
#include "rainbow_window.h"
#include "window_support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::typeInto;

namespace
{

// Whether the incident ray at height b is on the drawing: a red pixel where it crosses x = 1.5.
bool incidentRayDrawn(PlotWidget* plot, double b)
{
    const QImage layer = plot->drawingLayer();
    const QPointF at = plot->widgetFromUser({1.5, b}) - QPointF(plot->contentsRect().topLeft());
    for (int dy = -1; dy <= 1; ++dy) {
        const QPoint p(int(at.x()), int(at.y()) + dy);
        if (layer.rect().contains(p) && layer.pixelColor(p) == QColor(128, 0, 0))
            return true;
    }
    return false;
}

bool anythingDrawn(PlotWidget* plot)
{
    const QImage layer = plot->drawingLayer();
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                return true;
    return false;
}

// A click in the track just above the bottom arrow.
void clickLowerTrack(QScrollBar* bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    const QRect groove =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(groove.center().x(), groove.bottom() - 2));
}

// Picks a medium the way a student does: open the list and click the entry.
void choose(QComboBox* list, int row)
{
    list->showPopup();
    QAbstractItemView* view = list->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

} // namespace

class TestRainbowWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startingState();
    void dropUnderTheDrawing();
    void scrollBarTraces_data();
    void scrollBarTraces();
    void choosingAMediumTraces_data();
    void choosingAMediumTraces();
    void textPartIsNoChoice();
    void clearingOnAndOff();
    void countTakesEffectAtNextTrace();
    void mouseChangesNothing();
    void quitKeepsEverything();

private:
    QLineEdit* field(const char* name) { return child<QLineEdit>(m_window.get(), name); }
    QScrollBar* scroll() { return child<QScrollBar>(m_window.get(), "VScroll1"); }
    std::unique_ptr<RainbowWindow> m_window;
};

void TestRainbowWindow::init()
{
    m_window.reset(createRainbowWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestRainbowWindow::cleanup()
{
    m_window.reset();
}

void TestRainbowWindow::startingState()
{
    QCOMPARE(m_window->objectName(), QString("Rainbow"));
    QCOMPARE(m_window->windowTitle(), QString("Refraction and Reflection in a Spherical Drop"));
    QCOMPARE(m_window->size(), QSize(601, 444));
    QCOMPARE(m_window->plot()->geometry(), QRect(2, 8, 433, 433));
    QCOMPARE(child<QLabel>(m_window.get(), "Label1")->text(), QString("Indices of Refraction "));
    QCOMPARE(child<QCheckBox>(m_window.get(), "Check1")->isChecked(), true);
    auto* bar = scroll();
    QCOMPARE(bar->orientation(), Qt::Vertical);
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->pageStep(), 10);
    QCOMPARE(bar->value(), 50);
    QCOMPARE(bar->invertedAppearance(), false); // the top end is Value 1
    QCOMPARE(field("Mmax")->text(), QString("0"));
    QCOMPARE(field("n1")->text(), QString("1.00"));
    QCOMPARE(field("n2")->text(), QString("1.33"));
    for (const char* name : {"f", "theta2", "alpha2", "D"}) {
        QCOMPARE(field(name)->text(), QString());
        QVERIFY(field(name)->isReadOnly());
    }
    QVERIFY(field("n1")->isReadOnly() && field("n2")->isReadOnly());
    QVERIFY(!field("Mmax")->isReadOnly());
    auto* one = child<QComboBox>(m_window.get(), "refraction1");
    auto* two = child<QComboBox>(m_window.get(), "refraction2");
    QCOMPARE(one->currentText(), QString("vacuum"));
    QCOMPARE(two->currentText(), QString("water"));
    QCOMPARE(one->count(), 15);
    QCOMPARE(two->itemText(14), QString("diamond "));
    QVERIFY(!anythingDrawn(m_window->plot()));
}

void TestRainbowWindow::dropUnderTheDrawing()
{
    PlotWidget* plot = m_window->plot();
    scroll()->setValue(100); // the ray along the axis crosses the whole drop
    const QImage shown = plot->grab().toImage();
    auto colourAt = [&](Point p) { return shown.pixelColor(plot->widgetFromUser(p).toPoint()); };
    QCOMPARE(colourAt({0, 0.5}), QColor(Qt::white));
    QCOMPARE(colourAt({1.5, 1.5}), QColor(192, 192, 192));
    // The trace lies over the drop.
    const QPoint centre = plot->widgetFromUser({0, 0}).toPoint();
    QVERIFY(shown.pixelColor(centre) == QColor(128, 0, 0) ||
            shown.pixelColor(centre - QPoint(0, 1)) == QColor(128, 0, 0));
    // The outline, two pixels of black where the circle meets the vertical axis: counted as
    // how much darker than the grey surface the column is (its edges are smoothed).
    const QPoint top = plot->widgetFromUser({0, 1}).toPoint();
    int ink = 0;
    for (int dy = -4; dy <= 4; ++dy)
        ink += std::max(0, 192 - shown.pixelColor(top + QPoint(0, dy)).green());
    QVERIFY2(ink > 192 * 3 / 2 && ink < 192 * 5 / 2, qPrintable(QString::number(ink)));
}

void TestRainbowWindow::scrollBarTraces_data()
{
    QTest::addColumn<QString>("m");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("theta2");
    QTest::addColumn<QString>("alpha2");
    QTest::addColumn<QString>("D");
    QTest::newRow("one step down") << "0" << 51 << "0.49"
                                   << "29.3405815750237"
                                   << "21.6182724221581"
                                   << "15.4446183057312";
    QTest::newRow("primary near minimum") << "1" << 14 << "0.86"
                                          << "59.3165828910242"
                                          << "40.2869866636594"
                                          << "137.485219127411";
    QTest::newRow("count in another locale's form") << "1,5" << 60 << "0.4"
                                                    << ""
                                                    << ""
                                                    << "";
}

void TestRainbowWindow::scrollBarTraces()
{
    QFETCH(QString, m);
    QFETCH(int, value);
    auto* mmax = field("Mmax");
    typeInto(mmax, m);
    scroll()->setValue(value);
    QTEST(field("f")->text(), "f");
    QTEST(field("theta2")->text(), "theta2");
    QTEST(field("alpha2")->text(), "alpha2");
    QTEST(field("D")->text(), "D");
    // The read-outs show their leading digits, not the tail of a long number.
    QCOMPARE(field("theta2")->cursorPosition(), 0);
    QCOMPARE(incidentRayDrawn(m_window->plot(), 1 - value / 100.0), !field("D")->text().isEmpty());
}

void TestRainbowWindow::choosingAMediumTraces_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("alpha2");
    QTest::addColumn<QString>("D");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("diamond drop") << "refraction2" << 14 << "1.00"
                                  << "2.42"
                                  << "11.9238551282276"
                                  << "36.1522897435448" << true;
    QTest::newRow("vacuum again writes 1") << "refraction1" << 0 << "1"
                                           << "1.33"
                                           << "22.0824131944723"
                                           << "15.8351736110555" << true;
    // Water around water: no trace, the angles keep the texts of the trace before.
    QTest::newRow("water in water") << "refraction1" << 2 << "1.33"
                                    << "1.33"
                                    << "22.0824131944723"
                                    << "151.670347222111" << false;
    QTest::newRow("vacuum drop") << "refraction2" << 0 << "1.00"
                                 << "1"
                                 << "22.0824131944723"
                                 << "151.670347222111" << false;
}

void TestRainbowWindow::choosingAMediumTraces()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    // A primary-rainbow trace first, so that unchanged read-outs show.
    auto* mmax = field("Mmax");
    typeInto(mmax, "1");
    scroll()->setValue(49);
    scroll()->setValue(50);
    QCOMPARE(field("D")->text(), QString("151.670347222111"));
    typeInto(mmax, "0");
    choose(child<QComboBox>(m_window.get(), qPrintable(list)), row);
    QTEST(field("n1")->text(), "n1");
    QTEST(field("n2")->text(), "n2");
    QCOMPARE(field("f")->text(), QString("0.5"));
    QCOMPARE(field("theta2")->text(), QString("30"));
    QTEST(field("alpha2")->text(), "alpha2");
    QTEST(field("D")->text(), "D");
    QTEST(incidentRayDrawn(m_window->plot(), 0.5), "drawn");
    QTEST(anythingDrawn(m_window->plot()), "drawn");
}

// Typing into a list's text part, or leaving it, chooses nothing: only a pick from the list
// writes an index and traces.
void TestRainbowWindow::textPartIsNoChoice()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto* one = child<QComboBox>(m_window.get(), "refraction1");
    auto* two = child<QComboBox>(m_window.get(), "refraction2");
    one->setFocus();
    QVERIFY(one->lineEdit()->hasFocus());
    two->setFocus(); // "vacuum" names an entry, yet leaving it is no choice
    typeInto(two->lineEdit(), "diamond");
    QTest::keyClick(two->lineEdit(), Qt::Key_Return);
    QTest::keyClick(two->lineEdit(), Qt::Key_Tab);
    field("Mmax")->setFocus();
    QVERIFY(field("Mmax")->hasFocus());
    QCOMPARE(field("n1")->text(), QString("1.00"));
    QCOMPARE(field("n2")->text(), QString("1.33"));
    QCOMPARE(field("f")->text(), QString());
    QVERIFY(!anythingDrawn(m_window->plot()));
}

void TestRainbowWindow::clearingOnAndOff()
{
    PlotWidget* plot = m_window->plot();
    auto* check = child<QCheckBox>(m_window.get(), "Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QVERIFY(!check->isChecked());
    for (int i = 0; i < 5; ++i)
        clickLowerTrack(scroll());
    QCOMPARE(scroll()->value(), 100);
    for (double b : {0.4, 0.3, 0.2, 0.1, 0.0})
        QVERIFY2(incidentRayDrawn(plot, b), qPrintable(QString::number(b)));
    QCOMPARE(field("D")->text(), QString("0"));

    // At the bottom end the thumb covers the spot: nothing changes, nothing is drawn.
    const QImage before = plot->drawingLayer();
    field("D")->setText(QStringLiteral("stale"));
    clickLowerTrack(scroll());
    QCOMPARE(scroll()->value(), 100);
    QCOMPARE(field("D")->text(), QString("stale"));
    QVERIFY(plot->drawingLayer() == before);

    QTest::mouseClick(child<QPushButton>(m_window.get(), "Clear"), Qt::LeftButton);
    QVERIFY(!anythingDrawn(plot));
    QCOMPARE(field("f")->text(), QString("0"));
    QCOMPARE(scroll()->value(), 100);
    const QImage shown = plot->grab().toImage();
    QCOMPARE(shown.pixelColor(plot->widgetFromUser({0, 0.5}).toPoint()), QColor(Qt::white));

    // Ticked again: each trace replaces the last.
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    scroll()->setValue(60);
    scroll()->setValue(70);
    QVERIFY(incidentRayDrawn(plot, 0.3));
    QVERIFY(!incidentRayDrawn(plot, 0.4));
}

void TestRainbowWindow::countTakesEffectAtNextTrace()
{
    PlotWidget* plot = m_window->plot();
    scroll()->setValue(40);
    const QImage before = plot->drawingLayer();
    const QString d = field("D")->text();
    auto* mmax = field("Mmax");
    for (const char* typed : {"2", "", "x", "1e300", "-"}) {
        mmax->selectAll();
        if (*typed)
            QTest::keyClicks(mmax, typed);
        else
            QTest::keyClick(mmax, Qt::Key_Delete);
        QCOMPARE(field("D")->text(), d);
        QVERIFY(plot->drawingLayer() == before);
    }
    typeInto(mmax, "2");
    scroll()->setValue(50);
    QCOMPARE(field("D")->text(), QString("287.505520833166"));
}

void TestRainbowWindow::mouseChangesNothing()
{
    PlotWidget* plot = m_window->plot();
    scroll()->setValue(30);
    const QImage before = plot->drawingLayer();
    QStringList texts;
    for (const char* name : {"f", "theta2", "alpha2", "D", "Mmax", "n1", "n2"})
        texts << field(name)->text();
    for (QPoint p : {QPoint(10, 10), QPoint(216, 216), QPoint(400, 100)})
        QTest::mouseMove(plot, p);
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(200, 300));
    QStringList after;
    for (const char* name : {"f", "theta2", "alpha2", "D", "Mmax", "n1", "n2"})
        after << field(name)->text();
    QCOMPARE(after, texts);
    QVERIFY(plot->drawingLayer() == before);
}

void TestRainbowWindow::quitKeepsEverything()
{
    choose(child<QComboBox>(m_window.get(), "refraction2"), 6);
    QCOMPARE(field("n2")->text(), QString("1.46"));
    const QImage drawing = m_window->plot()->drawingLayer();
    QVERIFY(anythingDrawn(m_window->plot()));
    QTest::mouseClick(child<QPushButton>(m_window.get(), "quit"), Qt::LeftButton);
    QVERIFY(m_window->isHidden());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(child<QComboBox>(m_window.get(), "refraction1")->count(), 15);
    QCOMPARE(child<QComboBox>(m_window.get(), "refraction2")->count(), 15);
    QCOMPARE(child<QComboBox>(m_window.get(), "refraction2")->currentText(),
             QString("quartz glass"));
    QCOMPARE(field("n2")->text(), QString("1.46"));
    QCOMPARE(field("f")->text(), QString("0.5"));
    QVERIFY(m_window->plot()->drawingLayer() == drawing);
}

QTEST_MAIN(TestRainbowWindow)
#include "test_rainbow_window.moc"
