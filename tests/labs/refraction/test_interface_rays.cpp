#include "interface_rays.h"
#include "numbers.h"
#include "test_support.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

using namespace lumenary;
using lumenary::test::describe;
using lumenary::test::near;

Q_DECLARE_METATYPE(lumenary::Point)

namespace
{

InterfaceClick clickAt(float x, float y, const char* n1 = "1.00", const char* n2 = "1.00")
{
    InterfaceClick click;
    click.x = x;
    click.y = y;
    click.n1 = n1;
    click.n2 = n2;
    return click;
}

// A state no click could have produced, so that any change to it shows.
InterfaceState marked()
{
    InterfaceState s;
    s.incidentStart = {123, 456};
    s.reflectedStart = {789, 456};
    s.refractedEnd = {5000, 4500};
    s.refractedVisible = true;
    s.xval = "x";
    s.yval = "y";
    s.zval = "z";
    return s;
}

bool sameState(const InterfaceState& a, const InterfaceState& b)
{
    return a.incidentStart == b.incidentStart && a.reflectedStart == b.reflectedStart &&
           a.refractedEnd == b.refractedEnd && a.refractedVisible == b.refractedVisible &&
           a.xval == b.xval && a.yval == b.yval && a.zval == b.zval;
}

// The refracted ray's end on the plot's edge: (9000, 4500) is the bottom-right corner.
constexpr double kTolerance = 1e-6;

} // namespace

class TestInterfaceRays : public QObject
{
    Q_OBJECT
private slots:
    void countedClick_data();
    void countedClick();
    void ignoredClick_data();
    void ignoredClick();
    void totalReflectionThenBack();
    void criticalSineLeavesRefraction();
    void equalMediaContinueStraight_data();
    void equalMediaContinueStraight();
    void newIndicesTakeEffectAtTheClick();
    void commaDecimalPoint();
};

void TestInterfaceRays::countedClick_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("incidence");
    QTest::addColumn<QString>("refraction");
    QTest::addColumn<bool>("refractedShown");
    QTest::addColumn<Point>("end"); // refracted end, when shown

    QTest::newRow("45 degrees, equal media, bottom edge")
        << 2250.f << 0.f << "1.00"
        << "1.00"
        << "45.000038009906"
        << "45.000038009906" << true << Point{6750, 4500};
    QTest::newRow("vacuum into water bends towards the normal")
        << 2250.f << 0.f << "1"
        << "1.33"
        << "45.000038009906"
        << "32.1176584066167" << true << Point{5912.38735788154, 4500};
    QTest::newRow("top-left corner: tan phi = 2 ends at the corner")
        << 0.f << 0.f << "1"
        << "1"
        << "63.4350024041763"
        << "63.4350024041763" << true << Point{9000, 4500};
    QTest::newRow("shallow ray leaves through the right edge")
        << 0.f << 1000.f << "1"
        << "1"
        << "74.4759519103911"
        << "74.4759519103911" << true << Point{9000, 3499.99356873266};
    QTest::newRow("grazing, equal media")
        << 0.f << 2249.f << "1"
        << "1"
        << "89.9873436138197"
        << "89.987343613823" << true << Point{9000, 2250.99402942241};
    QTest::newRow("grazing into diamond stays below the critical angle")
        << 0.f << 2249.f << "1"
        << "2.42"
        << "89.9873436138197"
        << "24.4074888921469" << true << Point{5520.99891356909, 4500};
    QTest::newRow("diamond into vacuum, small incidence")
        << 4000.f << 0.f << "2.42"
        << "1"
        << "12.5288182917916"
        << "31.6663654117947" << true << Point{5887.80288328126, 4500};
    QTest::newRow("diamond into vacuum at 45 degrees is totally reflected")
        << 2250.f << 0.f << "2.42"
        << "1"
        << "45.000038009906"
        << "" << false << Point{};
    QTest::newRow("single-precision click just left of the normal")
        << std::nextafter(4500.f, 0.f) << 0.f << "1"
        << "1"
        << "1.24339904315965E-05"
        << "1.24339904315965E-05" << true << Point{4500.00048828125, 4500};
}

void TestInterfaceRays::countedClick()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(QString, incidence);
    QFETCH(QString, refraction);
    QFETCH(bool, refractedShown);
    QFETCH(Point, end);

    InterfaceState state = marked();
    const InterfaceState before = state;
    QVERIFY(clickInterface(state, clickAt(x, y, qPrintable(n1), qPrintable(n2))));
    QCOMPARE(state.incidentStart, (Point{x, y}));
    QCOMPARE(state.reflectedStart, (Point{9000.0 - x, y}));
    QCOMPARE(QString::fromStdString(state.xval), incidence);
    QCOMPARE(state.yval, state.xval);
    QCOMPARE(QString::fromStdString(state.zval), refraction);
    QCOMPARE(state.refractedVisible, refractedShown);
    if (refractedShown)
        QVERIFY2(near(state.refractedEnd, end, kTolerance),
                 qPrintable(describe(state.refractedEnd)));
    else
        QCOMPARE(state.refractedEnd, before.refractedEnd); // hidden where it was
}

void TestInterfaceRays::ignoredClick_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("on the normal") << 4500.f << 1000.f;
    QTest::newRow("on the interface") << 1000.f << 2250.f;
    QTest::newRow("point of incidence") << 4500.f << 2250.f;
    QTest::newRow("right of the normal") << 6000.f << 1000.f;
    QTest::newRow("below the interface") << 1000.f << 3000.f;
    QTest::newRow("top-right corner") << 9000.f << 0.f;
    QTest::newRow("bottom-left corner") << 0.f << 4500.f;
    QTest::newRow("bottom-right corner") << 9000.f << 4500.f;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0.f;
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << 0.f;
    QTest::newRow("minus infinity above") << 0.f << -std::numeric_limits<float>::infinity();
}

void TestInterfaceRays::ignoredClick()
{
    QFETCH(float, x);
    QFETCH(float, y);
    InterfaceState state = marked();
    QVERIFY(!clickInterface(state, clickAt(x, y)));
    QVERIFY(sameState(state, marked()));
}

void TestInterfaceRays::totalReflectionThenBack()
{
    InterfaceState state;
    QVERIFY(clickInterface(state, clickAt(2250, 0, "2.42", "1")));
    QVERIFY(!state.refractedVisible);
    QCOMPARE(state.zval, std::string());
    QCOMPARE(state.yval, std::string("45.000038009906")); // the reflection is still shown

    // Just below the critical angle of about 24.4 degrees the light gets out again.
    const float x = static_cast<float>(4500 - 2250 * std::tan(24.3 * std::numbers::pi / 180));
    QVERIFY(clickInterface(state, clickAt(x, 0, "2.42", "1")));
    QVERIFY(state.refractedVisible);
    QVERIFY(!state.zval.empty());
    const double phi = *parseNumber(state.zval) * 3.14159 / 180;
    QVERIFY(phi > 1.4 && phi < std::numbers::pi / 2); // nearly along the interface
    QCOMPARE(state.refractedEnd.x, 9000.0);
}

void TestInterfaceRays::criticalSineLeavesRefraction()
{
    // An index for medium 2 equal to n1 sin(theta) as a double makes s exactly 1.
    const float x = 1000;
    const float y = 500;
    const double sinTheta = std::sin(std::atan((4500.0 - x) / (2250.0 - y)));
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.17g", sinTheta);
    QVERIFY(*parseNumber(exact) == sinTheta);

    InterfaceState state = marked();
    QVERIFY(clickInterface(state, clickAt(x, y, "1", exact)));
    QCOMPARE(state.incidentStart, (Point{x, y}));
    QCOMPARE(state.zval, std::string("z"));
    QCOMPARE(state.refractedEnd, marked().refractedEnd);
    QVERIFY(state.refractedVisible);

    state.refractedVisible = false; // hidden by an earlier total reflection: stays hidden
    QVERIFY(clickInterface(state, clickAt(x, y, "1", exact)));
    QVERIFY(!state.refractedVisible);
}

void TestInterfaceRays::equalMediaContinueStraight_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("n");
    QTest::newRow("steep, vacuum") << 3000.f << 100.f << "1";
    QTest::newRow("steep, diamond") << 3900.f << 1200.f << "2.42";
    QTest::newRow("shallow, water") << 100.f << 1800.f << "1.33";
}

void TestInterfaceRays::equalMediaContinueStraight()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, n);
    InterfaceState state;
    QVERIFY(clickInterface(state, clickAt(x, y, qPrintable(n), qPrintable(n))));
    QVERIFY(near(*parseNumber(state.zval), *parseNumber(state.xval), 1e-9));
    // The refracted end lies on the incident ray's line through the point of incidence, to
    // within a hundredth of a twip (the lab's pi of 3.14159 bends the right-edge end that much).
    const double dx = 4500 - x;
    const double dy = 2250 - y;
    const double ex = state.refractedEnd.x - 4500;
    const double ey = state.refractedEnd.y - 2250;
    const double offLine = std::fabs(dx * ey - dy * ex) / std::hypot(dx, dy);
    QVERIFY2(offLine < 0.01 && ex > 0 && ey > 0, qPrintable(describe(state.refractedEnd)));
}

void TestInterfaceRays::newIndicesTakeEffectAtTheClick()
{
    InterfaceState state;
    QVERIFY(clickInterface(state, clickAt(3000, 500, "1", "1")));
    const InterfaceState first = state;
    QVERIFY(clickInterface(state, clickAt(3000, 500, "1", "1.5")));
    QCOMPARE(state.incidentStart, first.incidentStart);
    QCOMPARE(state.reflectedStart, first.reflectedStart);
    QCOMPARE(state.xval, first.xval);
    QCOMPARE(state.yval, first.yval);
    QVERIFY(state.zval != first.zval);
    QVERIFY(state.refractedEnd.x < first.refractedEnd.x); // bent towards the normal
}

void TestInterfaceRays::commaDecimalPoint()
{
    InterfaceState state;
    InterfaceClick click = clickAt(2250, 0, "1", "1,33");
    click.decimalPoint = ',';
    QVERIFY(clickInterface(state, click));
    QCOMPARE(state.xval, std::string("45,000038009906"));
    QCOMPARE(state.zval, std::string("32,1176584066167"));
}

QTEST_APPLESS_MAIN(TestInterfaceRays)
#include "test_interface_rays.moc"
