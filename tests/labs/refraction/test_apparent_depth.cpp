#include "apparent_depth.h"
#include "numbers.h"
#include "recording_canvas.h"
#include "test_support.h"

#include <QTest>

#include <limits>

using namespace lumenary;
using lumenary::test::describe;
using lumenary::test::lines;
using lumenary::test::near;

Q_DECLARE_METATYPE(lumenary::Point)

namespace
{

DepthClick clickAt(float x, float y, const char* n1 = "1.00", const char* n2 = "1.33")
{
    DepthClick click;
    click.x = x;
    click.y = y;
    click.n1 = n1;
    click.n2 = n2;
    return click;
}

const DepthReadouts kEarlier{"earlier incidence", "earlier refraction"};

} // namespace

class TestApparentDepth : public QObject
{
    Q_OBJECT
private slots:
    void construction_data();
    void construction();
    void ignoredClick_data();
    void ignoredClick();
    void totalReflectionDrawsNothing();
    void equalMediaOneStraightRay();
    void moonSeenFromWaterNeverReflected();
    void raysAccumulate();
    void commaDecimalPoint();
};

void TestApparentDepth::construction_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<Point>("crossing");
    QTest::addColumn<Point>("object");
    QTest::addColumn<Point>("image");
    QTest::addColumn<QString>("incidence");
    QTest::addColumn<QString>("refraction");

    // Seen from vacuum the fish looks raised to 15 / 1.33 below the surface.
    QTest::newRow("eye above, right: the fish")
        << 10.f << 10.f << "1.00"
        << "1.33" << Point{5.30035335689046, 0} << Point{0, -15} << Point{0, -11.2781954887218}
        << "19.4612287850955"
        << "26.3027769145011";
    QTest::newRow("eye above, left: the fish")
        << -20.f << 5.f << "1.00"
        << "1.33" << Point{-13.8568129330254, 0} << Point{0, -15} << Point{0, -11.2781954887218}
        << "42.7314016102244"
        << "64.4870177571873";
    // Seen from the water the moon looks raised to 15 * 1.33 above the surface.
    QTest::newRow("eye below, left: the moon")
        << -10.f << -10.f << "1.00"
        << "1.33" << Point{-6.66110183639399, 0} << Point{0, 15} << Point{0, 19.95}
        << "23.9447568287632"
        << "17.7674664906198";
    QTest::newRow("eye below, right: the moon")
        << 25.f << -20.f << "1.00"
        << "1.33" << Point{12.4843554443054, 0} << Point{0, 15} << Point{0, 19.95}
        << "39.7703196914252"
        << "28.7498333764289";
}

void TestApparentDepth::construction()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(Point, crossing);
    QFETCH(Point, object);
    QFETCH(Point, image);
    QFETCH(QString, incidence);
    QFETCH(QString, refraction);

    RecordingCanvas canvas;
    DepthReadouts readouts = kEarlier;
    QVERIFY(clickDepth(readouts, clickAt(x, y, qPrintable(n1), qPrintable(n2)), canvas));
    QCOMPARE(QString::fromStdString(readouts.xval), incidence);
    QCOMPARE(QString::fromStdString(readouts.zval), refraction);

    const auto drawn = lines(canvas);
    QCOMPARE(drawn.size(), std::size_t(3));
    const Point eye{x, y};
    const Rgb ray = palette(6);
    QVERIFY2(near(drawn[0].a, eye) && near(drawn[0].b, crossing), qPrintable(describe(drawn[0].b)));
    QVERIFY(drawn[0].colour == ray && !drawn[0].dotted);
    QVERIFY(near(drawn[1].a, crossing) && near(drawn[1].b, object));
    QVERIFY(drawn[1].colour == ray && !drawn[1].dotted);
    QVERIFY(near(drawn[2].a, crossing) && near(drawn[2].b, image));
    QVERIFY(drawn[2].colour == palette(0) && drawn[2].dotted);
    QVERIFY(!canvas.dotted()); // solid again for whatever follows
}

void TestApparentDepth::ignoredClick_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::newRow("on the interface") << 10.f << 0.f << "1.00"
                                      << "1.33";
    QTest::newRow("on the normal, above") << 0.f << 10.f << "1.00"
                                          << "1.33";
    QTest::newRow("on the normal, below") << 0.f << -10.f << "1.00"
                                          << "1.33";
    QTest::newRow("negative zero on the normal") << -0.f << 10.f << "1.00"
                                                 << "1.33";
    QTest::newRow("origin") << 0.f << 0.f << "1.00"
                            << "1.33";
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 5.f << "1"
                                  << "1";
    QTest::newRow("infinite") << 5.f << std::numeric_limits<float>::infinity() << "1"
                              << "1";
    QTest::newRow("index not a number") << 10.f << 10.f << ""
                                        << "1.33";
    QTest::newRow("zero index") << 10.f << 10.f << "1"
                                << "0";
    QTest::newRow("negative index") << 10.f << -10.f << "-1"
                                    << "1.33";
}

void TestApparentDepth::ignoredClick()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    RecordingCanvas canvas;
    DepthReadouts readouts = kEarlier;
    QVERIFY(!clickDepth(readouts, clickAt(x, y, qPrintable(n1), qPrintable(n2)), canvas));
    QCOMPARE(readouts.xval, kEarlier.xval);
    QCOMPARE(readouts.zval, kEarlier.zval);
    QVERIFY(canvas.primitives().empty());
}

void TestApparentDepth::totalReflectionDrawsNothing()
{
    // Far from the normal the fish is beyond the critical angle of water into vacuum (48.75
    // degrees): its light cannot reach an eye in the vacuum there.
    RecordingCanvas canvas;
    DepthReadouts readouts = kEarlier;
    QVERIFY(clickDepth(readouts, clickAt(40, 1), canvas));
    QCOMPARE(readouts.xval, std::string("67.792319006714"));
    QCOMPARE(readouts.zval, std::string());
    QVERIFY(canvas.primitives().empty());

    // Just inside the critical angle the ray is drawn again, nearly along the surface.
    QVERIFY(clickDepth(readouts, clickAt(40, 16), canvas));
    const double incidence = *parseNumber(readouts.xval);
    QVERIFY2(incidence > 45 && incidence < 48.75, readouts.xval.c_str());
    QVERIFY(*parseNumber(readouts.zval) > 70);
    QCOMPARE(lines(canvas).size(), std::size_t(3));
}

void TestApparentDepth::equalMediaOneStraightRay()
{
    RecordingCanvas canvas;
    DepthReadouts readouts;
    QVERIFY(clickDepth(readouts, clickAt(10, 10, "1.33", "1.33"), canvas));
    QCOMPARE(readouts.xval, std::string("21.8014279012302"));
    QVERIFY(near(*parseNumber(readouts.zval), *parseNumber(readouts.xval), 1e-9));
    const auto drawn = lines(canvas);
    QCOMPARE(drawn.size(), std::size_t(3));
    const Point fish{0, -15};
    QVERIFY(near(drawn[2].b, fish)); // the image is the object
    // Eye, crossing and fish on one line.
    const Point s = drawn[0].b;
    QVERIFY(near((s.x - 10) * (fish.y - 10) - (s.y - 10) * (fish.x - 10), 0, 1e-9));
}

void TestApparentDepth::moonSeenFromWaterNeverReflected()
{
    // From the denser medium towards the thinner one's object: s < 1 wherever the eye is.
    for (float x = -45; x <= 45; x += 2.5f) {
        for (float y = -25; y < 0; y += 0.5f) {
            if (x == 0)
                continue;
            RecordingCanvas canvas;
            DepthReadouts readouts;
            QVERIFY(clickDepth(readouts, clickAt(x, y, "1", "2.42"), canvas));
            QVERIFY2(!readouts.zval.empty(), qPrintable(describe(Point{x, y})));
            QCOMPARE(lines(canvas).size(), std::size_t(3));
        }
    }
}

void TestApparentDepth::raysAccumulate()
{
    RecordingCanvas canvas;
    DepthReadouts readouts;
    QVERIFY(clickDepth(readouts, clickAt(10, 10), canvas));
    QVERIFY(clickDepth(readouts, clickAt(-10, -10), canvas));
    QCOMPARE(lines(canvas).size(), std::size_t(6));
    QCOMPARE(canvas.clears(), 0);
    QCOMPARE(readouts.xval, std::string("23.9447568287632")); // the latest click
}

void TestApparentDepth::commaDecimalPoint()
{
    RecordingCanvas canvas;
    DepthReadouts readouts;
    DepthClick click = clickAt(10, 10, "1", "1,33");
    click.decimalPoint = ',';
    QVERIFY(clickDepth(readouts, click, canvas));
    QCOMPARE(readouts.xval, std::string("19,4612287850955"));
    QCOMPARE(readouts.zval, std::string("26,3027769145011"));
}

QTEST_APPLESS_MAIN(TestApparentDepth)
#include "test_apparent_depth.moc"
