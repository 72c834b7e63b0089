#include "controls.h"
#include "plot_widget.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace lumenary;

namespace
{

// A plot that reports a device-pixel ratio of its own, as on a high-density screen.
class DensePlot : public PlotWidget
{
public:
    explicit DensePlot(int ratio) : m_ratio(ratio) {}

protected:
    int metric(PaintDeviceMetric m) const override
    {
        if (m == PdmDevicePixelRatio)
            return m_ratio;
        if (m == PdmDevicePixelRatioScaled)
            return int(m_ratio * devicePixelRatioFScale());
        return PlotWidget::metric(m);
    }

private:
    int m_ratio;
};

// Painted device pixels of a layer, and the most painted in one column.
struct Coverage {
    int pixels = 0;
    int thickest = 0;
};

Coverage coverage(const QImage& layer)
{
    Coverage c;
    for (int x = 0; x < layer.width(); ++x) {
        int column = 0;
        for (int y = 0; y < layer.height(); ++y)
            column += qAlpha(layer.pixel(x, y)) != 0;
        c.pixels += column;
        c.thickest = std::max(c.thickest, column);
    }
    return c;
}

using Draw = void (*)(PlotWidget&);

} // namespace

Q_DECLARE_METATYPE(Draw)

class TestPlotAccess : public QObject
{
    Q_OBJECT
private slots:
    void linesStayOneLogicalPixel_data();
    void linesStayOneLogicalPixel();
    void keysActAsTheMouse_data();
    void keysActAsTheMouse();
    void readOnlyFieldsRefuseAssistiveEdits();
    void longReadoutsShowTheirWholeText();
};

void TestPlotAccess::linesStayOneLogicalPixel_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::newRow("solid line") << Draw([](PlotWidget& p) {
        p.line({-40, 0}, {40, 0}, palette(0));
    });
    QTest::newRow("dotted line") << Draw([](PlotWidget& p) {
        p.setDotted(true);
        p.line({-40, 0}, {40, 0}, palette(0));
    });
    QTest::newRow("box") << Draw([](PlotWidget& p) {
        p.box({-20, 10}, {20, -10}, palette(0), false);
    });
    QTest::newRow("circle") << Draw([](PlotWidget& p) { p.circle({0, 0}, 10, palette(0)); });
}

void TestPlotAccess::linesStayOneLogicalPixel()
{
    // At two device pixels to a logical one, a one-pixel line is two device pixels wide and a
    // dotted one keeps its logical spacing: the area covered, in logical pixels, is the same.
    QFETCH(Draw, draw);
    Coverage at[3];
    for (int ratio : {1, 2}) {
        DensePlot plot(ratio);
        plot.resize(404, 204);
        QVERIFY(plot.setScale(-40, 20, 40, -20));
        draw(plot);
        at[ratio] = coverage(plot.drawingLayer());
        QCOMPARE(plot.drawingLayer().width(), 400 * ratio);
    }
    QVERIFY(at[1].pixels > 0);
    const double logical = at[2].pixels / 4.0;
    // A thin circle steps diagonally where a thick one fills: some slack, far short of half.
    QVERIFY2(std::abs(logical - at[1].pixels) <= 0.12 * at[1].pixels + 2,
             qPrintable(QStringLiteral("%1 logical pixels at ratio 2, %2 at ratio 1")
                            .arg(logical)
                            .arg(at[1].pixels)));
    QVERIFY(at[2].thickest >= 2 * at[1].thickest - 1);
}

void TestPlotAccess::keysActAsTheMouse_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("at"); // where the crosshair ends, in the 400 x 200 drawing area
    QTest::newRow("arrows") << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Down}
                            << QPoint(197, 100);
    QTest::newRow("home, page up") << QList<int>{Qt::Key_Home, Qt::Key_PageUp} << QPoint(0, 0);
    QTest::newRow("end, page down, past the edge")
        << QList<int>{Qt::Key_End, Qt::Key_PageDown, Qt::Key_Right} << QPoint(399, 199);
}

void TestPlotAccess::keysActAsTheMouse()
{
    // The crosshair starts at the centre; a move reports the pointer there, and Enter is a
    // press and a release at exactly the place a mouse would report.
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, at);
    PlotWidget plot;
    plot.resize(404, 204);
    QVERIFY(plot.setScale(-40, 20, 40, -20));
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    plot.setFocus(Qt::TabFocusReason);
    QSignalSpy moves(&plot, &PlotWidget::mouseMove);
    QSignalSpy downs(&plot, &PlotWidget::mouseDown);
    QSignalSpy ups(&plot, &PlotWidget::mouseUp);
    for (int key : keys)
        QTest::keyClick(&plot, Qt::Key(key));
    QCOMPARE(moves.size(), keys.size());
    QTest::keyClick(&plot, Qt::Key_Return);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(ups.size(), 1);
    const QPoint widgetPoint = at + plot.contentsRect().topLeft();
    QCOMPARE(plot.crosshair(), widgetPoint);

    QCOMPARE(moves.last(), ups.last());
    QCOMPARE(plot.lastMousePosition(), QPointF(widgetPoint));
    QTest::mouseClick(&plot, Qt::LeftButton, {}, widgetPoint);
    QCOMPARE(ups.size(), 2);
    QCOMPARE(ups.at(0), ups.at(1));
}

void TestPlotAccess::readOnlyFieldsRefuseAssistiveEdits()
{
    QWidget window;
    QLineEdit* readout = addField(&window, "n1", QStringLiteral("1.00"), QRect(0, 0, 60, 20), true);
    QLineEdit* typed = addField(&window, "Mmax", QStringLiteral("0"), QRect(0, 30, 60, 20));
    QAccessibleInterface* ro = QAccessible::queryAccessibleInterface(readout);
    QAccessibleInterface* rw = QAccessible::queryAccessibleInterface(typed);
    QVERIFY(ro && rw);
    ro->setText(QAccessible::Value, QStringLiteral("0.5"));
    QVERIFY(!ro->editableTextInterface());
    QVERIFY(ro->state().readOnly);
    QCOMPARE(readout->text(), QStringLiteral("1.00"));
    QCOMPARE(ro->textInterface()->text(0, 4), QStringLiteral("1.00"));

    QVERIFY(rw->editableTextInterface());
    rw->editableTextInterface()->replaceText(0, 1, QStringLiteral("2"));
    QCOMPARE(typed->text(), QStringLiteral("2"));
    rw->setText(QAccessible::Value, QStringLiteral("3"));
    QCOMPARE(typed->text(), QStringLiteral("3"));
}

void TestPlotAccess::longReadoutsShowTheirWholeText()
{
    QWidget window;
    QLineEdit* dev = addField(&window, "Dev", QStringLiteral("0"), QRect(0, 0, 50, 21), true);
    const QString whole = QStringLiteral("6.36110936292703E-15");
    showText(dev, whole);
    QCOMPARE(dev->toolTip(), whole);
    QCOMPARE(QAccessible::queryAccessibleInterface(dev)->text(QAccessible::Value), whole);
    QCOMPARE(dev->width(), 50);
    showText(dev, QStringLiteral("1"));
    QVERIFY(dev->toolTip().isEmpty());
}

QTEST_MAIN(TestPlotAccess)
#include "test_plot_access.moc"
