#include "controls.h"
#include "plane_mirror_window.h"
#include "plot_widget.h"
#include "window_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cmath>
#include <memory>

using namespace lumenary;
using lumenary::test::child;

Q_DECLARE_METATYPE(lumenary::Point)
Q_DECLARE_METATYPE(lumenary::Rgb)

namespace
{

const char* const kTwoMirrorControls[] = {"alpha", "angletext", "Label3", "Label4",
                                          "M11",   "M12",       "M21",    "M22"};

// The pixel of the drawing layer where a user point lies.
QPoint layerPixel(PlotWidget* plot, Point user)
{
    return (plot->widgetFromUser(user) - QPointF(plot->contentsRect().topLeft())).toPoint();
}

// Whether the drawing shows colour within a few pixels of a user point.
bool shows(PlotWidget* plot, Point user, Rgb colour, int reach = 2)
{
    const QImage layer = plot->drawingLayer();
    const QPoint at = layerPixel(plot, user);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (!layer.rect().contains(p))
                continue;
            const QRgb px = layer.pixel(p);
            if (qAlpha(px) == 255 && qRed(px) == colour.r && qGreen(px) == colour.g &&
                qBlue(px) == colour.b)
                return true;
        }
    return false;
}

// The colours drawn anywhere on the layer.
QSet<QRgb> drawnColours(PlotWidget* plot)
{
    const QImage layer = plot->drawingLayer();
    QSet<QRgb> out;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                out.insert(layer.pixel(x, y) | 0xFF000000u);
    return out;
}

QRgb argb(Rgb c)
{
    return qRgb(c.r, c.g, c.b);
}

const Rgb kBlack{0, 0, 0};

} // namespace

class TestPlaneMirrorWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void startsInPlaneMirrorMode();
    void planeMirrorRelease();
    void modeSwitching();
    void twoMirrorRelease_data();
    void twoMirrorRelease();
    void angleEdits();
    void accumulationAndClear();
    void releaseAfterLeavingTheSurface();
    void cursorReadout();
    void quitKeepsEverything();
    void hostileAnglesAndReleasesAnywhere_data();
    void hostileAnglesAndReleasesAnywhere();

private:
    void releaseAt(Point user)
    {
        QTest::mouseClick(m_window->plot(), Qt::LeftButton, {},
                          m_window->plot()->widgetFromUser(user).toPoint());
    }
    void click(const char* button)
    {
        QTest::mouseClick(child<QPushButton>(m_window.get(), button), Qt::LeftButton);
    }
    QCheckBox* check(const char* name) { return child<QCheckBox>(m_window.get(), name); }

    std::unique_ptr<PlaneMirrorWindow> m_window;
};

void TestPlaneMirrorWindow::init()
{
    m_window.reset(createPlaneMirrorWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPlaneMirrorWindow::cleanup()
{
    m_window.reset();
}

void TestPlaneMirrorWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("at");
    QTest::newRow("Plot1") << "Plot1"
                           << "" << twips(0, 105, 9000, 4500);
    QTest::newRow("PMirror") << "PMirror"
                             << "Plane Mirror" << twips(90, 4950, 1095, 525);
    QTest::newRow("TwoMirrors") << "TwoMirrors"
                                << "Two Mirrors" << twips(105, 5535, 1095, 525);
    QTest::newRow("Clear") << "Clear"
                           << "Clear" << twips(7005, 5760, 1095, 525);
    QTest::newRow("Command1") << "Command1"
                              << "Quit" << twips(7005, 5145, 1095, 525);
    QTest::newRow("Label1") << "Label1"
                            << "x" << twips(1515, 5070, 465, 375);
    QTest::newRow("xvar") << "xvar"
                          << "0" << twips(2130, 5025, 960, 375);
    QTest::newRow("Label2") << "Label2"
                            << "y" << twips(3180, 5025, 465, 375);
    QTest::newRow("yvar") << "yvar"
                          << "0" << twips(3675, 5010, 960, 375);
    QTest::newRow("angletext") << "angletext"
                               << "Angle between Mirrors" << twips(1830, 5565, 1695, 270);
    QTest::newRow("alpha") << "alpha"
                           << "90" << twips(3705, 5505, 960, 375);
    QTest::newRow("Label3") << "Label3"
                            << "Single Reflection" << twips(5055, 4860, 1710, 270);
    QTest::newRow("M11") << "M11"
                         << "Mirror 1" << twips(5040, 5115, 855, 315);
    QTest::newRow("M21") << "M21"
                         << "Mirror 2" << twips(5985, 5115, 855, 315);
    QTest::newRow("Label4") << "Label4"
                            << "Double Reflection" << twips(5040, 5700, 1710, 270);
    QTest::newRow("M12") << "M12"
                         << "Mirror 1" << twips(5040, 6000, 855, 315);
    QTest::newRow("M22") << "M22"
                         << "Mirror 2" << twips(6000, 5985, 855, 315);
}

void TestPlaneMirrorWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, at);
    QCOMPARE(m_window->windowTitle(), QString("Plane Mirrors"));
    QCOMPARE(m_window->size(), QSize(601, 444));
    auto* w = child<QWidget>(m_window.get(), name.toLatin1().constData());
    QCOMPARE(w->geometry(), at);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(b->text(), text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        QCOMPARE(l->text(), text);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        QCOMPARE(e->text(), text);
}

void TestPlaneMirrorWindow::startsInPlaneMirrorMode()
{
    QCOMPARE(m_window->mode(), MirrorMode::Plane);
    for (const char* name : kTwoMirrorControls)
        QVERIFY2(!child<QWidget>(m_window.get(), name)->isVisible(), name);
    QVERIFY(check("M11")->isChecked());
    PlotWidget* plot = m_window->plot();
    QVERIFY(shows(plot, {0, -0.5}, palette(11), 0));
    QVERIFY(shows(plot, {31, 10}, Rgb{6, 0, 0}, 1));
    QCOMPARE(drawnColours(plot), (QSet<QRgb>{argb(palette(11)), argb(Rgb{6, 0, 0})}));
    QVERIFY(child<QLineEdit>(m_window.get(), "xvar")->isReadOnly());
}

void TestPlaneMirrorWindow::planeMirrorRelease()
{
    PlotWidget* plot = m_window->plot();
    releaseAt({0, 10});
    QVERIFY(shows(plot, {22.5, 5}, palette(4)));
    QVERIFY(shows(plot, {7.5, 5}, palette(9)));
    bool dots = false;
    for (double x = 16; x < 39; x += 0.5)
        dots = dots || shows(plot, {x, -10 * (x - 15) / 15}, kBlack, 1);
    QVERIFY(dots);
    // No rays for an eye right of the object.
    const QImage before = plot->drawingLayer();
    releaseAt({35, 15});
    QCOMPARE(plot->drawingLayer(), before);
}

void TestPlaneMirrorWindow::modeSwitching()
{
    click("TwoMirrors");
    QCOMPARE(m_window->mode(), MirrorMode::TwoMirrors);
    for (const char* name : kTwoMirrorControls)
        QVERIFY2(child<QWidget>(m_window.get(), name)->isVisible(), name);
    QVERIFY(shows(m_window->plot(), {0, 20}, kBlack, 1)); // mirror 2 along the y axis

    QTest::mouseClick(check("M11"), Qt::LeftButton);
    QTest::mouseClick(check("M12"), Qt::LeftButton);
    QTest::mouseClick(check("M22"), Qt::LeftButton);
    click("PMirror");
    QCOMPARE(m_window->mode(), MirrorMode::Plane);
    for (const char* name : kTwoMirrorControls)
        QVERIFY2(!child<QWidget>(m_window.get(), name)->isVisible(), name);
    QVERIFY(!check("M11")->isChecked() && check("M12")->isChecked());
    QVERIFY(shows(m_window->plot(), {0, -0.5}, palette(11), 0));

    click("TwoMirrors");
    QVERIFY(check("M11")->isChecked());
    QVERIFY(!check("M21")->isChecked() && !check("M12")->isChecked() && !check("M22")->isChecked());
}

void TestPlaneMirrorWindow::twoMirrorRelease_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("box");
    QTest::addColumn<Point>("eye");
    QTest::addColumn<Point>("onPath");
    QTest::addColumn<Rgb>("colour");
    QTest::newRow("90, mirror 1") << "90"
                                  << "M11" << Point{10, 5} << Point{13.3, 2.5} << kBlack;
    QTest::newRow("60, mirror 2") << "60"
                                  << "M21" << Point{10, 5} << Point{18.15, 10.45} << palette(4);
    QTest::newRow("90, mirror 1 then 2")
        << "90"
        << "M12" << Point{10, 25} << Point{9.29, 8.12} << palette(2);
    QTest::newRow("90, mirror 2 then 1")
        << "90"
        << "M22" << Point{40, 5} << Point{8.33, 1.79} << palette(5);
    QTest::newRow("45, mirror 1 then 2")
        << "45"
        << "M12" << Point{20, 15} << Point{20.83, 8.33} << palette(2);
}

void TestPlaneMirrorWindow::twoMirrorRelease()
{
    QFETCH(QString, angle);
    QFETCH(QString, box);
    QFETCH(Point, eye);
    QFETCH(Point, onPath);
    QFETCH(Rgb, colour);
    click("TwoMirrors");
    child<QLineEdit>(m_window.get(), "alpha")->setText(angle);
    check("M11")->setChecked(false);
    QTest::mouseClick(check(box.toLatin1().constData()), Qt::LeftButton);
    PlotWidget* plot = m_window->plot();
    QVERIFY(!shows(plot, onPath, colour, 0)); // ticking alone draws nothing
    releaseAt(eye);
    QVERIFY(shows(plot, onPath, colour));
}

void TestPlaneMirrorWindow::angleEdits()
{
    auto* alpha = child<QLineEdit>(m_window.get(), "alpha");
    PlotWidget* plot = m_window->plot();
    click("TwoMirrors");
    QTest::mouseClick(check("M21"), Qt::LeftButton);
    releaseAt({10, 5});
    const QImage withRays = plot->drawingLayer();
    alpha->selectAll();
    for (const char* typed : {"-", "0"}) {
        QTest::keyClicks(alpha, typed); // "-", then "-0": not angles
        QCOMPARE(plot->drawingLayer(), withRays);
    }
    alpha->selectAll();
    QTest::keyClick(alpha, Qt::Key_Backspace); // the empty text
    QCOMPARE(plot->drawingLayer(), withRays);
    QTest::keyClicks(alpha, "45");
    QCOMPARE(alpha->text(), QString("45"));
    QVERIFY(shows(plot, {20, 20}, kBlack, 1));     // mirror 2 at 45 degrees
    QVERIFY(!shows(plot, {13.3, 2.5}, kBlack, 2)); // the rays are gone
    QVERIFY(!shows(plot, {15, 8.125}, palette(4), 2));
    QVERIFY(check("M21")->isChecked() && check("M11")->isChecked()); // boxes untouched

    // Hidden in plane-mirror mode, an accepted edit still switches to two mirrors.
    click("PMirror");
    alpha->setText("30");
    QCOMPARE(m_window->mode(), MirrorMode::TwoMirrors);
    QVERIFY(shows(plot, {40 / std::tan(30 * M_PI / 180) / 2, 20}, kBlack, 1));
}

void TestPlaneMirrorWindow::accumulationAndClear()
{
    PlotWidget* plot = m_window->plot();
    releaseAt({0, 10});
    releaseAt({-20, 15});
    QVERIFY(shows(plot, {7.5, 5}, palette(9)));
    QVERIFY(shows(plot, {-5, 7.5}, palette(9)));
    click("Clear");
    QCOMPARE(m_window->mode(), MirrorMode::Plane);
    QCOMPARE(drawnColours(plot), (QSet<QRgb>{argb(palette(11)), argb(Rgb{6, 0, 0})}));

    click("TwoMirrors");
    releaseAt({10, 5});
    releaseAt({20, 10});
    QVERIFY(shows(plot, {13.3, 2.5}, kBlack));
    QVERIFY(shows(plot, {22.5, 5}, kBlack, 3));
    click("Clear");
    QCOMPARE(m_window->mode(), MirrorMode::TwoMirrors);
    QVERIFY(!shows(plot, {13.3, 2.5}, kBlack, 1));
    QVERIFY(shows(plot, {0, 20}, kBlack, 0));
}

// A press on the surface released beside it is not a release over it.
void TestPlaneMirrorWindow::releaseAfterLeavingTheSurface()
{
    PlotWidget* plot = m_window->plot();
    const QImage before = plot->drawingLayer();
    const QPoint inside = plot->widgetFromUser({0, 10}).toPoint();
    QTest::mousePress(plot, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(-20, inside.y()));
    QCOMPARE(plot->drawingLayer(), before);
}

void TestPlaneMirrorWindow::cursorReadout()
{
    PlotWidget* plot = m_window->plot();
    auto* xvar = child<QLineEdit>(m_window.get(), "xvar");
    auto* yvar = child<QLineEdit>(m_window.get(), "yvar");
    QTest::mouseMove(plot, plot->contentsRect().topLeft());
    QCOMPARE(xvar->text(), QString("-40"));
    QCOMPARE(yvar->text(), QString("20"));
    click("TwoMirrors");
    QTest::mouseMove(plot, plot->contentsRect().center());
    QTest::mouseMove(plot, plot->contentsRect().topLeft());
    QCOMPARE(xvar->text(), QString("-80"));
    QCOMPARE(yvar->text(), QString("40"));
    // Single precision: at most seven significant digits, never the double's long tail.
    QTest::mouseMove(plot, plot->contentsRect().topLeft() + QPoint(7, 3));
    QString x = xvar->text();
    QVERIFY2(x.remove('-').remove('.').size() <= 7, qPrintable(xvar->text()));
}

void TestPlaneMirrorWindow::quitKeepsEverything()
{
    click("TwoMirrors");
    child<QLineEdit>(m_window.get(), "alpha")->setText("60");
    check("M22")->setChecked(true);
    releaseAt({10, 5});
    const QImage drawn = m_window->plot()->drawingLayer();
    click("Command1");
    QVERIFY(!m_window->isVisible());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->mode(), MirrorMode::TwoMirrors);
    QVERIFY(child<QWidget>(m_window.get(), "alpha")->isVisible());
    QVERIFY(check("M22")->isChecked());
    QCOMPARE(m_window->plot()->drawingLayer(), drawn);
}

void TestPlaneMirrorWindow::hostileAnglesAndReleasesAnywhere_data()
{
    QTest::addColumn<bool>("twoMirrors");
    QTest::addColumn<QString>("text");
    QTest::newRow("plane mirror") << false << "90";
    for (const char* t :
         {"", "-", ".", "1e999", "nan", "1e300", "0", "-5", "180", "1e-300", "1e-320", "270"})
        QTest::addRow("two mirrors, '%s'", t) << true << QString(t);
}

// Releases on every edge and corner of the surface, with every path ticked, draw only the
// lab's own colours.
void TestPlaneMirrorWindow::hostileAnglesAndReleasesAnywhere()
{
    QFETCH(bool, twoMirrors);
    QFETCH(QString, text);
    PlotWidget* plot = m_window->plot();
    if (twoMirrors) {
        click("TwoMirrors");
        for (const char* name : {"M21", "M12", "M22"})
            check(name)->setChecked(true);
        child<QLineEdit>(m_window.get(), "alpha")->setText(text);
        click("Clear");
    }
    const QRect r = plot->rect();
    const int xs[] = {r.left(), r.left() + 2, r.center().x(), r.right() - 2, r.right()};
    const int ys[] = {r.top(),        r.top() + 2, r.center().y(), r.center().y() - 1,
                      r.bottom() - 2, r.bottom()};
    for (int x : xs)
        for (int y : ys)
            QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(x, y));
    const QSet<QRgb> allowed{argb(kBlack),     argb(Rgb{6, 0, 0}), argb(palette(11)),
                             argb(palette(4)), argb(palette(9)),   argb(palette(2)),
                             argb(palette(5))};
    QVERIFY(drawnColours(plot).subtract(allowed).isEmpty());
    QVERIFY(shows(plot, {31, 10}, Rgb{6, 0, 0}, 1)); // the scene is still there
    QCOMPARE(m_window->mode(), twoMirrors ? MirrorMode::TwoMirrors : MirrorMode::Plane);
}

QTEST_MAIN(TestPlaneMirrorWindow)
#include "test_plane_mirror_window.moc"
