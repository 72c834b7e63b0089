#include "depth_window.h"
#include "plot_widget.h"
#include "window_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::drawnPixels;

namespace
{

// The plot's contents are 596 x 329 pixels inside a 2-pixel frame for x from -45 to 45 and y
// from 25 down to -25: pixel (449, 2) is the point (22.5, 25).
const QPoint kEyeAbove(449, 2);

} // namespace

class TestDepthWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void pressDrawsTheRay();
    void pressOnNormalIgnored_data();
    void pressOnNormalIgnored();
    void picturesTakeTheirEvents_data();
    void picturesTakeTheirEvents();
    void cursorReadouts();
    void clearKeepsFixedObjectsAndReadouts();
    void quitKeepsEverything();

private:
    QLineEdit* field(const char* name) { return child<QLineEdit>(m_window.get(), name); }
    QPoint pixelOf(Point p) const { return m_window->plot()->widgetFromUser(p).toPoint(); }

    std::unique_ptr<DepthWindow> m_window;
};

void TestDepthWindow::init()
{
    m_window.reset(createDepthWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestDepthWindow::cleanup()
{
    m_window.reset();
}

void TestDepthWindow::startState()
{
    QCOMPARE(m_window->objectName(), QString("Depth"));
    QCOMPARE(m_window->windowTitle(), QString("Reflection and Refraction"));
    PlotWidget* plot = m_window->plot();
    QCOMPARE(plot->geometry(), QRect(0, 3, 600, 333));
    QCOMPARE(plot->left(), -45.0);
    QCOMPARE(plot->top(), 25.0);
    QCOMPARE(plot->right(), 45.0);
    QCOMPARE(plot->bottom(), -25.0);
    QCOMPARE(drawnPixels(plot), 0);
    for (const char* name : {"xval", "zval", "xx", "yy"}) {
        QVERIFY(field(name)->text().isEmpty());
        QVERIFY(field(name)->isReadOnly());
    }
    QCOMPARE(field("n1")->text(), QString("1.00"));
    QCOMPARE(field("n2")->text(), QString("1.33"));
    QCOMPARE(child<QComboBox>(m_window.get(), "refraction2")->currentText(), QString("water"));
    QCOMPARE(child<QComboBox>(m_window.get(), "refraction2")->count(), 15);
    QCOMPARE(field("xx")->accessibleName(), QString("x"));

    // Each picture sits over its object.
    const QRect moon = child<QLabel>(plot, "Picture1")->geometry();
    const QRect fish = child<QLabel>(plot, "Picture2")->geometry();
    QVERIFY(moon.contains(pixelOf(Point{0.75, 15.8})));
    QVERIFY(fish.contains(pixelOf(Point{0.6, -14.8})));
    QCOMPARE(moon.size(), QSize(36, 35));
    for (const char* name : {"Picture1", "Picture2"})
        QCOMPARE(child<QLabel>(plot, name)->pixmap().size(), QSize(32, 32));
}

void TestDepthWindow::pressDrawsTheRay()
{
    QTest::mouseClick(m_window->plot(), Qt::RightButton, {}, kEyeAbove);
    QCOMPARE(field("xval")->text(), QString("25.0006604738429"));
    QCOMPARE(field("zval")->text(), QString("34.2008851990276"));
    // The ray crosses the surface right of the normal, at (6.99, 0), in dark yellow.
    const QPoint crossing = pixelOf(Point{6.9948, 0});
    const QImage layer = m_window->plot()->drawingLayer();
    const QPoint inLayer = crossing - m_window->plot()->contentsRect().topLeft();
    bool found = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            found |= layer.pixelColor(inLayer + QPoint(dx, dy)) == QColor(128, 128, 0);
    QVERIFY(found);
}

void TestDepthWindow::pressOnNormalIgnored_data()
{
    QTest::addColumn<Point>("at");
    // No pixel row of this plot falls exactly on the surface; the core tests cover it.
    QTest::newRow("above the surface") << Point{0, 20};
    QTest::newRow("below the surface") << Point{0, -20};
}

void TestDepthWindow::pressOnNormalIgnored()
{
    QFETCH(Point, at);
    PlotWidget* plot = m_window->plot();
    const QPoint pixel = pixelOf(at);
    QCOMPARE(plot->userFromWidget(pixel).x, 0.0);
    QTest::mouseClick(plot, Qt::LeftButton, {}, pixel);
    QVERIFY(field("xval")->text().isEmpty());
    QVERIFY(field("zval")->text().isEmpty());
    QCOMPARE(drawnPixels(plot), 0);
}

void TestDepthWindow::picturesTakeTheirEvents_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("moon") << "Picture1";
    QTest::newRow("fish") << "Picture2";
}

void TestDepthWindow::picturesTakeTheirEvents()
{
    QFETCH(QString, picture);
    PlotWidget* plot = m_window->plot();
    auto* label = child<QLabel>(plot, qPrintable(picture));
    const QPoint corner(2, 2);
    QTest::mouseMove(label, corner);
    QTest::mouseClick(label, Qt::LeftButton, {}, corner);
    QVERIFY(field("xx")->text().isEmpty());
    QVERIFY(field("xval")->text().isEmpty());
    QCOMPARE(drawnPixels(plot), 0);
    // Just beside the picture the plot has them again.
    QTest::mouseClick(plot, Qt::LeftButton, {}, label->geometry().topLeft() - QPoint(3, 3));
    QVERIFY(!field("xval")->text().isEmpty());
}

void TestDepthWindow::cursorReadouts()
{
    PlotWidget* plot = m_window->plot();
    QTest::mouseMove(plot, QPoint(100, 100));
    QCOMPARE(field("xx")->text(), QString("-30.20134"));
    QCOMPARE(field("yy")->text(), QString("10.10638"));
    QTest::mouseMove(plot, kEyeAbove);
    QCOMPARE(field("xx")->text(), QString("22.5"));
    QCOMPARE(field("yy")->text(), QString("25"));
}

void TestDepthWindow::clearKeepsFixedObjectsAndReadouts()
{
    PlotWidget* plot = m_window->plot();
    QTest::mouseClick(plot, Qt::LeftButton, {}, kEyeAbove);
    const int one = drawnPixels(plot);
    QTest::mouseClick(plot, Qt::LeftButton, {}, pixelOf(Point{-20, -10}));
    QVERIFY(drawnPixels(plot) > one); // rays gather
    QTest::mouseMove(plot, QPoint(100, 100));
    const QStringList before{field("xval")->text(), field("zval")->text(), field("xx")->text(),
                             field("yy")->text()};

    QTest::mouseClick(child<QPushButton>(m_window.get(), "Clear"), Qt::LeftButton);
    QCOMPARE(drawnPixels(plot), 0);
    const QStringList after{field("xval")->text(), field("zval")->text(), field("xx")->text(),
                            field("yy")->text()};
    QCOMPARE(after, before);
    QCOMPARE(plot->shape(0).kind, PlotShape::Kind::Rect);
    QVERIFY(plot->shape(0).visible && plot->shape(1).visible && plot->shape(1).dotted);
    QVERIFY(child<QLabel>(plot, "Picture1")->isVisible());
    QVERIFY(child<QLabel>(plot, "Picture2")->isVisible());
    // The medium-2 rectangle still shows below the surface.
    const QImage shown = plot->grab().toImage();
    QCOMPARE(shown.pixelColor(pixelOf(Point{-30, -20})), QColor(128, 255, 255));
}

void TestDepthWindow::quitKeepsEverything()
{
    PlotWidget* plot = m_window->plot();
    QTest::mouseClick(plot, Qt::LeftButton, {}, kEyeAbove);
    const int drawn = drawnPixels(plot);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "quit"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    m_window->show();
    QCOMPARE(field("xval")->text(), QString("25.0006604738429"));
    QCOMPARE(drawnPixels(plot), drawn);
    QCOMPARE(child<QComboBox>(m_window.get(), "refraction1")->count(), 15);
}

QTEST_MAIN(TestDepthWindow)
#include "test_depth_window.moc"
