#include "plot_widget.h"
#include "ray_diagram_window.h"
#include "window_support.h"

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

QLineEdit* field(QWidget* w, const char* name)
{
    return child<QLineEdit>(w, name);
}

std::unique_ptr<RayDiagramWindow> makeWindow(bool convex)
{
    std::unique_ptr<RayDiagramWindow> w(convex ? createConvexWindow() : createConcaveWindow());
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qFatal("window not shown");
    return w;
}

const char* paramName(bool convex)
{
    return convex ? "R0" : "R";
}

} // namespace

class TestMirrorWindows : public QObject
{
    Q_OBJECT
private slots:
    void layoutAndDefaults_data();
    void layoutAndDefaults();
    void zeroRadiusDoesNotRedraw_data();
    void zeroRadiusDoesNotRedraw();
    void sliderMovesTheObject_data();
    void sliderMovesTheObject();
    void pastedPositiveRadius();
    void typedNegativeRadius();
    void eachWindowKeepsItsFieldsAfterQuit();
};

void TestMirrorWindows::layoutAndDefaults_data()
{
    QTest::addColumn<bool>("convex");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("radius");
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<QString>("xmax");
    QTest::addColumn<QRect>("label4");
    QTest::addColumn<QRect>("slider");
    QTest::newRow("Concave") << false << "Spherical Mirrors - Concave"
                             << "10"
                             << "-40"
                             << "20" << QRect(496, 124, 49, 20) << QRect(0, 426, 477, 15);
    QTest::newRow("Convex") << true << "Spherical Mirrors - Convex"
                            << "-10"
                            << "-35"
                            << "5" << QRect(495, 123, 49, 20) << QRect(0, 427, 477, 15);
}

void TestMirrorWindows::layoutAndDefaults()
{
    QFETCH(bool, convex);
    QFETCH(QString, title);
    QFETCH(QString, radius);
    QFETCH(QString, xmin);
    QFETCH(QString, xmax);
    QFETCH(QRect, label4);
    QFETCH(QRect, slider);
    auto w = makeWindow(convex);
    QCOMPARE(w->objectName(), QString(convex ? "Convex" : "Concave"));
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->size(), QSize(601, 444));
    QCOMPARE(field(w.get(), paramName(convex))->text(), radius);
    QCOMPARE(field(w.get(), paramName(convex))->accessibleName(), QString("R"));
    QCOMPARE(field(w.get(), "xmin")->text(), xmin);
    QCOMPARE(field(w.get(), "xmax")->text(), xmax);
    QCOMPARE(field(w.get(), "ymin")->text(), QString("-20"));
    QCOMPARE(field(w.get(), "d")->text(), QString("50"));
    auto* caption = child<QLabel>(w.get(), "Label4");
    QCOMPARE(caption->text(), QString("R"));
    QCOMPARE(caption->geometry(), label4);
    QCOMPARE(child<QScrollBar>(w.get(), "HScroll1")->geometry(), slider);
    QCOMPARE(w->plot()->geometry(), QRect(13, 7, 473, 411));
    QCOMPARE(w->plot()->background(), (Rgb{128, 128, 128}));
    // The other element's parameter is not there.
    QVERIFY(!w->findChild<QLineEdit*>(paramName(!convex)));
    QVERIFY(!w->findChild<QLineEdit*>("f"));
}

void TestMirrorWindows::zeroRadiusDoesNotRedraw_data()
{
    QTest::addColumn<bool>("convex");
    QTest::newRow("Concave") << false;
    QTest::newRow("Convex") << true;
}

void TestMirrorWindows::zeroRadiusDoesNotRedraw()
{
    QFETCH(bool, convex);
    auto w = makeWindow(convex);
    auto* slider = child<QScrollBar>(w.get(), "HScroll1");
    slider->setValue(100);
    const QString d = field(w.get(), "d")->text();
    const QString xi = field(w.get(), "xi")->text();
    const QImage before = w->plot()->drawingLayer();
    auto* radius = field(w.get(), paramName(convex));
    typeInto(radius, "0");
    QCOMPARE(radius->text(), QString("0"));
    QCOMPARE(slider->value(), 100);
    QCOMPARE(field(w.get(), "d")->text(), d);
    QCOMPARE(field(w.get(), "xi")->text(), xi);
    QCOMPARE(w->plot()->drawingLayer(), before);
    // A radius again redraws from the left edge.
    QTest::keyClicks(radius, "5"); // "05"
    QCOMPARE(slider->value(), 0);
    QVERIFY(w->plot()->drawingLayer() != before);
}

void TestMirrorWindows::sliderMovesTheObject_data()
{
    QTest::addColumn<bool>("convex");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("xi");
    QTest::newRow("concave left edge") << false << 0 << "50"
                                       << "5.55555555555556";
    QTest::newRow("concave inside focus") << false << 480 << "3.28615612366939"
                                          << "-9.58709299328112";
    QTest::newRow("convex left edge") << true << 0 << "25"
                                      << "-4.16666666666667";
    QTest::newRow("convex middle") << true << 250 << "13.0381260925538"
                                   << "-3.61404672127666";
}

void TestMirrorWindows::sliderMovesTheObject()
{
    QFETCH(bool, convex);
    QFETCH(int, value);
    QFETCH(QString, d);
    QFETCH(QString, xi);
    auto w = makeWindow(convex);
    auto* slider = child<QScrollBar>(w.get(), "HScroll1");
    slider->setValue(value);
    if (value == 0)
        QTest::mouseClick(child<QPushButton>(w.get(), "Batch"), Qt::LeftButton);
    QCOMPARE(field(w.get(), "d")->text(), d);
    QCOMPARE(field(w.get(), "xi")->text(), xi);
    // Too long for the field: its start is the part in view.
    QCOMPARE(field(w.get(), "xi")->cursorPosition(), 0);
}

void TestMirrorWindows::pastedPositiveRadius()
{
    auto reference = makeWindow(true);
    QTest::mouseClick(child<QPushButton>(reference.get(), "Batch"), Qt::LeftButton);

    auto w = makeWindow(true);
    child<QScrollBar>(w.get(), "HScroll1")->setValue(200);
    auto* radius = field(w.get(), "R0");
    radius->setText("10"); // one edit, as a paste makes it
    QCOMPARE(radius->text(), QString("-10"));
    QCOMPARE(child<QScrollBar>(w.get(), "HScroll1")->value(), 0);
    QCOMPARE(field(w.get(), "d")->text(), QString("25"));
    QCOMPARE(field(w.get(), "xi")->text(), QString("-4.16666666666667"));
    QCOMPARE(w->plot()->drawingLayer(), reference->plot()->drawingLayer());
}

void TestMirrorWindows::typedNegativeRadius()
{
    auto w = makeWindow(false);
    auto* radius = field(w.get(), "R");
    typeInto(radius, "-");
    QCOMPARE(field(w.get(), "d")->text(), QString("50")); // a lone minus draws nothing
    QTest::keyClicks(radius, "20");
    // The concave window shows the radius it draws.
    QCOMPARE(radius->text(), QString("20"));
    QCOMPARE(field(w.get(), "d")->text(), QString("60"));
    QCOMPARE(field(w.get(), "xi")->text(), QString("12"));
}

void TestMirrorWindows::eachWindowKeepsItsFieldsAfterQuit()
{
    auto concave = makeWindow(false);
    auto convex = makeWindow(true);
    field(concave.get(), "h")->setText("3");
    child<QScrollBar>(concave.get(), "HScroll1")->setValue(40);
    field(convex.get(), "R0")->setText("-12");
    child<QScrollBar>(convex.get(), "HScroll1")->setValue(70);
    const QString concaveD = field(concave.get(), "d")->text();
    const QString convexXi = field(convex.get(), "xi")->text();
    const QImage concavePicture = concave->plot()->drawingLayer();

    for (auto* w : {concave.get(), convex.get()}) {
        QTest::mouseClick(child<QPushButton>(w, "quit"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    QCOMPARE(field(concave.get(), "h")->text(), QString("3"));
    QCOMPARE(field(concave.get(), "R")->text(), QString("10"));
    QCOMPARE(child<QScrollBar>(concave.get(), "HScroll1")->value(), 40);
    QCOMPARE(field(concave.get(), "d")->text(), concaveD);
    QCOMPARE(concave->plot()->drawingLayer(), concavePicture);
    QCOMPARE(field(convex.get(), "h")->text(), QString("5"));
    QCOMPARE(field(convex.get(), "R0")->text(), QString("-12"));
    QCOMPARE(child<QScrollBar>(convex.get(), "HScroll1")->value(), 70);
    QCOMPARE(field(convex.get(), "xi")->text(), convexXi);
}

QTEST_MAIN(TestMirrorWindows)
#include "test_mirror_windows.moc"
