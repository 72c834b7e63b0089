#include "plot_widget.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace lumenary;

namespace
{

int drawnPixels(const QImage& layer)
{
    int n = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            n += qAlpha(layer.pixel(x, y)) != 0;
    return n;
}

} // namespace

class TestPlotWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void retainsDrawingAcrossRepaint();
    void hostileCoordinatesNeverFault_data();
    void hostileCoordinatesNeverFault();
    void shapesSurviveClear();
    void paintFollowsChangesUnderTheDrawing_data();
    void paintFollowsChangesUnderTheDrawing();
    void firstDrawingShows_data();
    void firstDrawingShows();
    void mouseInUserUnits();
    void circleStaysRound();
    void extremeWindowsMapFinitely_data();
    void extremeWindowsMapFinitely();

private:
    PlotWidget* m_plot = nullptr;
};

namespace
{

// A light-cyan medium filling the lower half of the default window, outlined in pen.
PlotShape lowerMedium(Rgb pen)
{
    PlotShape rect;
    rect.kind = PlotShape::Kind::Rect;
    rect.a = {-40, 0};
    rect.b = {40, -20};
    rect.filled = true;
    rect.fill = fromBgr(0xFFFF80);
    rect.pen = pen;
    return rect;
}

} // namespace

void TestPlotWidget::init()
{
    m_plot = new PlotWidget;
    m_plot->resize(404, 204); // a 400 x 200 drawing area inside the frame
    QVERIFY(m_plot->setScale(-40, 20, 40, -20));
    m_plot->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_plot));
}

void TestPlotWidget::cleanup()
{
    delete m_plot;
}

void TestPlotWidget::retainsDrawingAcrossRepaint()
{
    m_plot->line({-40, 0}, {40, 0}, palette(4));
    const int before = drawnPixels(m_plot->drawingLayer());
    QVERIFY(before >= 399);
    m_plot->hide();
    m_plot->show();
    m_plot->repaint();
    QCOMPARE(drawnPixels(m_plot->drawingLayer()), before);
    const QImage shot = m_plot->grab().toImage();
    QCOMPARE(shot.pixelColor(m_plot->widgetFromUser({0, 0}).toPoint()), QColor(128, 0, 0));
    m_plot->clear();
    QCOMPARE(drawnPixels(m_plot->drawingLayer()), 0);
}

void TestPlotWidget::hostileCoordinatesNeverFault_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("visible");
    QTest::newRow("far right") << 1e300 << 1.0 << true;
    QTest::newRow("far down") << 1.0 << -1e300 << true;
    QTest::newRow("max double") << std::numeric_limits<double>::max() << 0.0 << true;
    QTest::newRow("denormal") << 4e-320 << 0.0 << false;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0.0 << false;
}

void TestPlotWidget::hostileCoordinatesNeverFault()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, visible);
    m_plot->line({0, 0}, {x, y}, palette(0));
    m_plot->circle({x, y}, 1e300, palette(0));
    m_plot->box({-x, -y}, {x, y}, palette(0), false);
    m_plot->point({x, y}, palette(0));
    m_plot->repaint();
    // A line from the centre towards a far point still shows its visible part.
    if (visible)
        QVERIFY(drawnPixels(m_plot->drawingLayer()) > 50);
}

void TestPlotWidget::shapesSurviveClear()
{
    m_plot->addShape(lowerMedium(fromBgr(0xFFFF00)));
    m_plot->clear();
    const QImage shot = m_plot->grab().toImage();
    QCOMPARE(shot.pixelColor(m_plot->widgetFromUser({0, -10}).toPoint()), QColor(128, 255, 255));
    QCOMPARE(shot.pixelColor(m_plot->widgetFromUser({0, 10}).toPoint()), QColor(255, 255, 255));
}

// What lies under the drawing is kept between paints; every change to it must show at the
// next paint, with the drawing still on top.
void TestPlotWidget::paintFollowsChangesUnderTheDrawing_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QPointF>("probe"); // user position looked at after the change
    QTest::addColumn<QColor>("expected");
    const QColor cyan(128, 255, 255);
    const QColor white(255, 255, 255);
    QTest::newRow("shape moved") << "move" << QPointF(0, 10) << cyan;
    QTest::newRow("shape moved away") << "move" << QPointF(0, -10) << white;
    QTest::newRow("shape hidden") << "hide" << QPointF(0, -10) << white;
    QTest::newRow("background changed") << "background" << QPointF(0, 10) << QColor(0, 0, 128);
    QTest::newRow("coordinate window changed") << "scale" << QPointF(0, -10) << cyan;
    QTest::newRow("resized") << "resize" << QPointF(0, -10) << cyan;
    QTest::newRow("drawing stays on top") << "move" << QPointF(0, 0) << QColor(128, 0, 0);
}

void TestPlotWidget::paintFollowsChangesUnderTheDrawing()
{
    QFETCH(QString, change);
    QFETCH(QPointF, probe);
    QFETCH(QColor, expected);
    PlotShape rect = lowerMedium(fromBgr(0xFFFF80));
    const int handle = m_plot->addShape(rect);
    m_plot->line({-40, 0}, {40, 0}, palette(4));
    m_plot->repaint(); // the first paint keeps what lies under the drawing

    if (change == QLatin1String("move")) {
        rect.a = {-40, 20};
        rect.b = {40, 1};
        m_plot->setShape(handle, rect);
    } else if (change == QLatin1String("hide")) {
        rect.visible = false;
        m_plot->setShape(handle, rect);
    } else if (change == QLatin1String("background")) {
        m_plot->setBackground(Rgb{0, 0, 128});
    } else if (change == QLatin1String("scale")) {
        QVERIFY(m_plot->setScale(-40, 0, 40, -40)); // the shape now fills the upper half
    } else if (change == QLatin1String("resize")) {
        m_plot->resize(204, 404);
    }
    const QImage shot = m_plot->grab().toImage();
    QCOMPARE(shot.pixelColor(m_plot->widgetFromUser({probe.x(), probe.y()}).toPoint()), expected);
}

// The drawing's layer is made at the first drawing: whatever happened to the plot before, the
// first line shows where it belongs, on the background, at the plot's size then.
void TestPlotWidget::firstDrawingShows_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("fresh plot") << "";
    QTest::newRow("cleared first") << "clear";
    QTest::newRow("resized first") << "resize";
    QTest::newRow("painted, resized, cleared first") << "paint resize clear";
}

void TestPlotWidget::firstDrawingShows()
{
    QFETCH(QString, before);
    for (const QString& step : before.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("clear"))
            m_plot->clear();
        else if (step == QLatin1String("resize"))
            m_plot->resize(604, 304);
        else
            m_plot->repaint();
    }
    m_plot->line({-40, 0}, {40, 0}, palette(4));
    const QImage shot = m_plot->grab().toImage();
    const QPoint right = m_plot->widgetFromUser({39, 0}).toPoint();
    QCOMPARE(shot.pixelColor(right), QColor(128, 0, 0));
    QCOMPARE(shot.pixelColor(m_plot->widgetFromUser({39, 10}).toPoint()), QColor(255, 255, 255));
    QCOMPARE(drawnPixels(m_plot->drawingLayer()), m_plot->contentsRect().width());
}

void TestPlotWidget::mouseInUserUnits()
{
    QSignalSpy moves(m_plot, &PlotWidget::mouseMove);
    QSignalSpy downs(m_plot, &PlotWidget::mouseDown);
    QSignalSpy ups(m_plot, &PlotWidget::mouseUp);
    QTest::mouseMove(m_plot, QPoint(2 + 200, 2 + 50));
    QVERIFY(!moves.isEmpty());
    QCOMPARE(moves.last().at(0).toDouble(), 0.0);
    QCOMPARE(moves.last().at(1).toDouble(), 10.0);
    QTest::mouseClick(m_plot, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(downs.size(), 1);
    QCOMPARE(ups.size(), 1);
    QCOMPARE(ups.last().at(0).toDouble(), -40.0);
    QCOMPARE(ups.last().at(1).toDouble(), 20.0);
}

void TestPlotWidget::circleStaysRound()
{
    QVERIFY(m_plot->setScale(-40, 40, 40, -40)); // y squeezed twice as much as x
    m_plot->circle({0, 0}, 10, palette(0));
    const QImage layer = m_plot->drawingLayer();
    const int cy = layer.height() / 2;
    int left = -1;
    int right = -1;
    for (int x = 0; x < layer.width(); ++x)
        if (qAlpha(layer.pixel(x, cy))) {
            if (left < 0)
                left = x;
            right = x;
        }
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < layer.height(); ++y)
        if (qAlpha(layer.pixel(layer.width() / 2, y))) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    QVERIFY(std::abs((right - left) - 100) <= 2); // radius 10 of 80 units across 400 pixels
    QVERIFY(std::abs((bottom - top) - (right - left)) <= 2);
}

void TestPlotWidget::extremeWindowsMapFinitely_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::newRow("narrowest window") << 0.0 << 1e-300;
    QTest::newRow("narrow window far out") << 1e300 << 1e300 + 1e285;
    QTest::newRow("widest window") << -8e307 << 8e307;
    QTest::newRow("denormal width refused") << 0.0 << 1e-310;
}

void TestPlotWidget::extremeWindowsMapFinitely()
{
    // Every corner of the surface maps to a user position and back to a finite point, whatever
    // window a student's fields set.
    QFETCH(double, left);
    QFETCH(double, right);
    m_plot->setScale(left, 20, right, -20);
    const QRect area = m_plot->contentsRect();
    for (const QPoint corner : {area.topLeft(), area.bottomRight(), area.topRight()}) {
        const Point user = m_plot->userFromWidget(corner);
        QVERIFY(std::isfinite(user.x) && std::isfinite(user.y));
        const QPointF back = m_plot->widgetFromUser(user);
        QVERIFY2(std::isfinite(back.x()) && std::isfinite(back.y()),
                 qPrintable(QStringLiteral("corner (%1, %2)").arg(corner.x()).arg(corner.y())));
    }
    m_plot->line({left, 0}, {right, 0}, palette(0));
    m_plot->point({left, 0}, palette(0));
    m_plot->repaint();
}

QTEST_MAIN(TestPlotWidget)
#include "test_plot_widget.moc"
