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
}

QTEST_GUILESS_MAIN(TestViewport)
#include "test_viewport.moc"
