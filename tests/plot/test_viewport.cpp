#include "chart_ticks.h"
#include "test_support.h"
#include "viewport.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace lumenary;
using lumenary::test::near;

class TestViewport : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void refusals_data();
    void refusals();
    void fitted_data();
    void fitted();
    void ticks_data();
    void ticks();
};

void TestViewport::roundTrip_data()
{
    QTest::addColumn<QVector<double>>("window");
    QTest::addColumn<double>("pixelX");
    QTest::addColumn<double>("pixelY");
    QTest::addColumn<double>("userX");
    QTest::addColumn<double>("userY");
    QTest::newRow("y up") << QVector<double>{-10, 10, 10, -10} << 150.0 << 111.0 << 0.0 << 0.0;
    QTest::newRow("y down, corner")
        << QVector<double>{0, 0, 300, 222} << 300.0 << 222.0 << 300.0 << 222.0;
    QTest::newRow("both axes turned") << QVector<double>{5, -1, -5, 1} << 0.0 << 0.0 << 5.0 << -1.0;
    // Pixels per unit times position would overflow here; the fraction first does not.
    QTest::newRow("widest window")
        << QVector<double>{-8e307, 8e307, 8e307, -8e307} << 300.0 << 0.0 << 8e307 << 8e307;
}

void TestViewport::roundTrip()
{
    QFETCH(QVector<double>, window);
    QFETCH(double, pixelX);
    QFETCH(double, pixelY);
    Viewport view;
    QVERIFY(view.setWindow(window[0], window[1], window[2], window[3]));
    view = view.resized(300, 222);
    const Point user = view.toUser(Point{pixelX, pixelY});
    QVERIFY(std::isfinite(user.x) && std::isfinite(user.y));
    QTEST(user.x, "userX");
    QTEST(user.y, "userY");
    QVERIFY(near(view.toPixels(user), Point{pixelX, pixelY}, 1e-9));
}

void TestViewport::refusals_data()
{
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QVector<double>>("window");
    QTest::newRow("zero width") << QVector<double>{3, 1, 3, 0};
    QTest::newRow("zero height") << QVector<double>{0, 2, 1, 2};
    QTest::newRow("next to zero") << QVector<double>{0, 1e-301, 1e-301, 0};
    QTest::newRow("infinite edge") << QVector<double>{-inf, 1, 1, 0};
    QTest::newRow("not a number") << QVector<double>{0, std::nan(""), 1, 0};
    QTest::newRow("width overflows") << QVector<double>{-1e308, 1, 1e308, 0};
}

// A refused window leaves the old one, so nothing maps through a zero or infinite scale.
void TestViewport::refusals()
{
    QFETCH(QVector<double>, window);
    Viewport view;
    QVERIFY(view.setWindow(-2, 2, 2, -2));
    QVERIFY(!view.setWindow(window[0], window[1], window[2], window[3]));
    QCOMPARE(view.left(), -2.0);
    QCOMPARE(view.bottom(), -2.0);
    const Point p = view.resized(100, 100).toPixels(Point{0, 0});
    QCOMPARE(p.x, 50.0);
    QCOMPARE(p.y, 50.0);
    QVERIFY(!Viewport::fitted(window[0], window[1], window[2], window[3], 100, 100));
}

void TestViewport::fitted_data()
{
    const double nan = std::nan("");
    QTest::addColumn<QVector<double>>("window");  // left, top, right, bottom
    QTest::addColumn<QVector<double>>("surface"); // width, height
    QTest::addColumn<QVector<double>>("shown");   // x, y, width, height of the picture
    QTest::newRow("wide surface: spare width both sides")
        << QVector<double>{0, 1, 2, -1} << QVector<double>{300, 100}
        << QVector<double>{100, 0, 100, 100};
    QTest::newRow("tall surface: spare height above and below")
        << QVector<double>{-5.5, 4.5, 11.5, -5.5} << QVector<double>{340, 400}
        << QVector<double>{0, 100, 340, 200};
    QTest::newRow("y downwards") << QVector<double>{0, 0, 4, 2} << QVector<double>{100, 100}
                                 << QVector<double>{0, 25, 100, 50};
    QTest::newRow("exact fit") << QVector<double>{-1, 1, 1, -1} << QVector<double>{64, 64}
                               << QVector<double>{0, 0, 64, 64};
    QTest::newRow("empty surface")
        << QVector<double>{0, 1, 2, -1} << QVector<double>{0, 80} << QVector<double>{0, 40, 0, 0};
    QTest::newRow("surface not a number")
        << QVector<double>{0, 1, 2, -1} << QVector<double>{nan, 80} << QVector<double>{0, 40, 0, 0};
    QTest::newRow("too narrow a window for the surface")
        << QVector<double>{0, 1e-299, 1e-299, 0} << QVector<double>{1e300, 1e300}
        << QVector<double>{5e299, 5e299, 0, 0};
}

// A fitted window keeps one scale both ways and maps its corners onto the centred picture.
void TestViewport::fitted()
{
    QFETCH(QVector<double>, window);
    QFETCH(QVector<double>, surface);
    QFETCH(QVector<double>, shown);
    const auto view =
        Viewport::fitted(window[0], window[1], window[2], window[3], surface[0], surface[1]);
    QVERIFY(view);
    QCOMPARE(QVector<double>({view->x(), view->y(), view->width(), view->height()}), shown);
    QVERIFY(near(std::fabs(view->scaleX()), std::fabs(view->scaleY()), 1e-12));
    const Point topLeft = view->toPixels({window[0], window[1]});
    const Point bottomRight = view->toPixels({window[2], window[3]});
    QVERIFY(std::isfinite(topLeft.x) && std::isfinite(bottomRight.y));
    QVERIFY(near(topLeft, Point{shown[0], shown[1]}, 1e-9));
    QVERIFY(near(bottomRight, Point{shown[0] + shown[2], shown[1] + shown[3]}, 1e-9));
    QVERIFY(near(view->toUser(bottomRight), Point{window[2], window[3]}, 1e-9) || shown[2] == 0);
}

void TestViewport::ticks_data()
{
    QTest::addColumn<QVector<double>>("range"); // lo, hi, step, label step, inset
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QVector<double>>("pixels");
    QTest::addColumn<QVector<double>>("labelled");
    // Over a panel 120 pixels high at y = 10, 40° to 70° upwards.
    QTest::newRow("every 5 degrees")
        << QVector<double>{40, 70, 5, 0, 0} << QVector<double>{40, 45, 50, 55, 60, 65, 70}
        << QVector<double>{130, 110, 90, 70, 50, 30, 10}
        << QVector<double>{40, 45, 50, 55, 60, 65, 70};
    QTest::newRow("ends kept clear") << QVector<double>{40, 70, 10, 0, 4} << QVector<double>{50, 60}
                                     << QVector<double>{90, 50} << QVector<double>{50, 60};
    QTest::newRow("from a multiple inside, labels every 20")
        << QVector<double>{41, 70, 10, 20, 0} << QVector<double>{50, 60, 70}
        << QVector<double>{90, 50, 10} << QVector<double>{60};
    QTest::newRow("beyond the panel") << QVector<double>{0, 200, 50, 0, 0} << QVector<double>{50}
                                      << QVector<double>{90} << QVector<double>{50};
    QTest::newRow("step not positive") << QVector<double>{40, 70, 0, 0, 0} << QVector<double>{}
                                       << QVector<double>{} << QVector<double>{};
    QTest::newRow("range not finite")
        << QVector<double>{-std::numeric_limits<double>::infinity(), 70, 5, 0, 0}
        << QVector<double>{} << QVector<double>{} << QVector<double>{};
}

// Ticks stand at whole multiples of the step, placed through the viewport and only on its
// surface.
void TestViewport::ticks()
{
    QFETCH(QVector<double>, range);
    Viewport degrees;
    QVERIFY(degrees.setWindow(0, 70, 1, 40));
    const Viewport panel = degrees.placed(58, 10, 500, 120);
    QVector<double> values;
    QVector<double> pixels;
    QVector<double> labelled;
    for (const AxisTick& t :
         axisTicks(panel, ChartAxis::Y, range[0], range[1], range[2], range[3], range[4])) {
        values << t.value;
        pixels << std::round(t.pixel * 1e9) / 1e9;
        if (t.labelled)
            labelled << t.value;
    }
    QTEST(values, "values");
    QTEST(pixels, "pixels");
    QTEST(labelled, "labelled");
}

QTEST_GUILESS_MAIN(TestViewport)
#include "test_viewport.moc"
