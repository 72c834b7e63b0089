#include "numbers.h"
#include "prism_lab.h"
#include "recording_canvas.h"
#include "test_support.h"

#include <QList>
#include <QPointF>
#include <QTest>

#include <cmath>
#include <limits>

using namespace lumenary;
using namespace lumenary::test;

namespace
{

using Polyline = QList<QPointF>;

// The read-outs theta12 ... theta2pb2 and Dev as texts; "~" for one the action leaves alone.
QStringList texts(const PrismReadouts& r)
{
    QStringList out;
    for (const auto* slot :
         {&r.theta12, &r.theta1p2, &r.theta22, &r.theta2p2, &r.theta2b2, &r.theta2pb2, &r.dev})
        out << (*slot ? QString::fromStdString(**slot) : QStringLiteral("~"));
    return out;
}

// The rays drawn, as polylines: a segment that starts where the previous one ended continues
// its polyline, any other segment starts a new one. Only dark-yellow lines count.
std::vector<Polyline> rayPolylines(const RecordingCanvas& c)
{
    std::vector<Polyline> out;
    for (const auto& p : lines(c)) {
        if (p.colour != palette(kRayColour))
            continue;
        if (out.empty() || out.back().last() != QPointF(p.a.x, p.a.y))
            out.push_back(Polyline{QPointF(p.a.x, p.a.y)});
        out.back() << QPointF(p.b.x, p.b.y);
    }
    return out;
}

bool near(const Polyline& a, const Polyline& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (!test::near(Point{a[i].x(), a[i].y()}, Point{b[i].x(), b[i].y()}))
            return false;
    return true;
}

const QString kKept = QStringLiteral("~");

} // namespace

class TestPrismTrace : public QObject
{
    Q_OBJECT
private slots:
    void prismOutline_data();
    void prismOutline();
    void apexRule_data();
    void apexRule();
    void refractionRules_data();
    void refractionRules();
    void lineCrossing_data();
    void lineCrossing();
    void oneRay_data();
    void oneRay();
    void undeviatedWhenIndicesMatch();
    void unreadableFieldsIgnoreTheAction_data();
    void unreadableFieldsIgnoreTheAction();
    void defaultFan_data();
    void defaultFan();
    void fanCount_data();
    void fanCount();
    void carriedExitDirection_data();
    void carriedExitDirection();
    void bottomEntriesInTheFan();
    void levelBottomFaceEndsTheRay();
};

void TestPrismTrace::prismOutline_data()
{
    QTest::addColumn<QString>("phi");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<Polyline>("corners");
    const double r3 = 10 * std::sqrt(3.0) / 2;
    QTest::newRow("defaults") << "60" << 50 << "0" << Polyline{{0, 10}, {-r3, -5}, {r3, -5}};
    QTest::newRow("scroll 1") << "60" << 1 << "29.4"
                              << Polyline{{-4.909038, 8.712138},
                                          {-5.090414, -8.607420},
                                          {9.999452, -0.104718}};
    QTest::newRow("scroll 100") << "60" << 100 << "-30" << Polyline{{5, r3}, {-10, 0}, {5, -r3}};
    QTest::newRow("apex 0 collapses") << "0" << 1 << "0" << Polyline{{0, 10}, {0, -10}, {0, -10}};
}

void TestPrismTrace::prismOutline()
{
    QFETCH(QString, phi);
    QFETCH(int, scroll);
    QFETCH(QString, angle);
    QFETCH(Polyline, corners);
    PrismFields f;
    f.phi = phi.toStdString();
    f.scroll = scroll;
    RecordingCanvas c;
    c.line({1, 1}, {2, 2}, palette(4)); // an earlier drawing, to be erased
    const PrismAction a = plotPrism(f, c);
    QVERIFY(a.acted);
    QCOMPARE(QString::fromStdString(a.readouts.angle.value()), angle);
    QCOMPARE(texts(a.readouts), QStringList(7, kKept));
    QCOMPARE(c.clears(), 1);
    QCOMPARE(c.left(), -20.0);
    QCOMPARE(c.top(), 20.0);
    QCOMPARE(c.right(), 20.0);
    QCOMPARE(c.bottom(), -20.0);
    const auto outline = lines(c);
    QCOMPARE(int(outline.size()), 3);
    Polyline drawn;
    for (const auto& p : outline) {
        QCOMPARE(p.colour, palette(kPrismColour));
        if (drawn.isEmpty())
            drawn << QPointF(p.a.x, p.a.y);
        QVERIFY(drawn.last() == QPointF(p.a.x, p.a.y));
        drawn << QPointF(p.b.x, p.b.y);
    }
    QVERIFY2(near(drawn, corners << corners.first()),
             qPrintable(describe({drawn[1].x(), drawn[1].y()})));
}

void TestPrismTrace::apexRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("point");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("45") << "45" << '.' << true;
    QTest::newRow("blanks") << " 7 " << '.' << true;
    QTest::newRow("comma") << "7,5" << ',' << true;
    QTest::newRow("comma in C") << "7,5" << '.' << false;
    QTest::newRow("empty") << "" << '.' << false;
    QTest::newRow("lone minus") << "-" << '.' << false;
    QTest::newRow("zero") << "0" << '.' << false;
    QTest::newRow("negative") << "-5" << '.' << false;
}

void TestPrismTrace::apexRule()
{
    QFETCH(QString, text);
    QFETCH(char, point);
    QFETCH(bool, accepted);
    QCOMPARE(apexAccepted(text.toStdString(), point), accepted);
}

void TestPrismTrace::refractionRules_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("entry"); // NaN: no refracted ray
    QTest::addColumn<double>("exit");
    const double none = std::numeric_limits<double>::quiet_NaN();
    const double pi = 4 * std::atan(1.0);
    QTest::newRow("half") << 0.5 << pi / 6 << pi / 6;
    QTest::newRow("minus half") << -0.5 << -pi / 6 << -pi / 6;
    QTest::newRow("grazing") << 1.0 << none << pi / 2;
    QTest::newRow("grazing downwards") << -1.0 << none << -pi / 2;
    QTest::newRow("beyond") << 1.0000001 << none << none;
    QTest::newRow("beyond downwards") << -3.0 << none << none;
    QTest::newRow("not a number") << none << none << none;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << none << none;
}

void TestPrismTrace::refractionRules()
{
    QFETCH(double, s);
    QFETCH(double, entry);
    QFETCH(double, exit);
    const auto in = entryRefraction(s);
    const auto out = exitRefraction(s);
    QCOMPARE(in.has_value(), !std::isnan(entry));
    QCOMPARE(out.has_value(), !std::isnan(exit));
    if (in)
        QVERIFY(near(*in, entry, 1e-12));
    if (out)
        QVERIFY(near(*out, exit, 1e-12));
}

void TestPrismTrace::lineCrossing_data()
{
    QTest::addColumn<double>("m1");
    QTest::addColumn<double>("m2");
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<double>("x"); // NaN: no crossing
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("diagonals") << 1.0 << -1.0 << QPointF(0, 0) << QPointF(0, 4) << 2.0;
    QTest::newRow("level and steep") << 0.0 << 3.0 << QPointF(-20, 1) << QPointF(5, -2) << 6.0;
    QTest::newRow("parallel") << 2.0 << 2.0 << QPointF(0, 0) << QPointF(0, 4) << none;
    QTest::newRow("crossing beyond range")
        << 1e300 << -1e300 << QPointF(1e10, 0) << QPointF(0, 0) << none;
}

void TestPrismTrace::lineCrossing()
{
    QFETCH(double, m1);
    QFETCH(double, m2);
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(double, x);
    const auto got = linex(m1, m2, {a.x(), a.y()}, {b.x(), b.y()});
    QCOMPARE(got.has_value(), !std::isnan(x));
    if (got) {
        QVERIFY(near(*got, x, 1e-12));
        // The point lies on both lines.
        const double y = a.y() + (*got - a.x()) * m1;
        QVERIFY(near(y, b.y() + (*got - b.x()) * m2, 1e-9));
    }
}

void TestPrismTrace::oneRay_data()
{
    QTest::addColumn<QString>("phi");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<QString>("yh");
    QTest::addColumn<QStringList>("readouts"); // theta12 ... theta2pb2, Dev
    QTest::addColumn<Polyline>("ray");
    QTest::newRow("defaults, out through the right face")
        << "60"
        << "1"
        << "1.5" << 50 << "0" << QStringList{"29.9942704220487",
                                             "19.4677119355867",
                                             "40.5322880644133",
                                             "77.113736202372",
                                             kKept,
                                             kKept,
                                             "-47.1080066244207"}
        << Polyline{{-20, 0}, {-5.7732, 0}, {7.1619, -2.4036}, {20, -16.2229}};
    QTest::newRow("dense prism, reflected at the right face")
        << "60"
        << "1"
        << "2" << 50 << "0" << QStringList{"29.9942704220487",
                                           "14.4749497816029",
                                           "45.5250502183971",
                                           kKept,
                                           kKept,
                                           kKept,
                                           "0"}
        << Polyline{{-20, 0}, {-5.7732, 0}, {7.979161, -3.818853}};
    QTest::newRow("apex 90, reflected at the bottom face")
        << "90"
        << "1"
        << "1.5" << 50 << "0" << QStringList{"44.9942704220487",
                                             "28.1224430044465",
                                             kKept,
                                             kKept,
                                             "73.1224430044465",
                                             kKept,
                                             "0"}
        << Polyline{{-20, 0}, {-9.999000, 0}, {-9.995704, -0.0009996}};
    QTest::newRow("rotated -30, in through the bottom face")
        << "60"
        << "1"
        << "1.5" << 100 << "-8" << QStringList{"60",
                                               kKept,
                                               "24.7356103172453",
                                               "38.8767696123636",
                                               "60",
                                               "35.2643896827547",
                                               "38.8767696123636"}
        << Polyline{{-20, -8}, {3.8564, -8}, {5, -7.4731}, {20, 4.6203}};
    // Rotated 49 degrees: the inside ray meets the bottom face 40.83 degrees from its outward
    // normal (at -41 degrees) and leaves 51.69 degrees from it, bent away: direction 10.69.
    QTest::newRow("rotated 49, out through the bottom face")
        << "100"
        << "1"
        << "1.2" << 1 << "0" << QStringList{"1",
                                            "0.833320404862766",
                                            kKept,
                                            kKept,
                                            "40.8333204048628",
                                            "51.6867359140962",
                                            "10.6867359140962"}
        << Polyline{{-20, 0}, {-7.661611, 0}, {-2.314383, -0.015556}, {20, 4.195441}};
    QTest::newRow("no refracted ray on entry")
        << "60"
        << "4"
        << "1.5" << 50 << "0"
        << QStringList{"29.9942704220487", kKept, kKept, kKept, kKept, kKept, "0"}
        << Polyline{{-20, 0}, {-5.7732, 0}};
    QTest::newRow("prism index 0")
        << "60"
        << "1"
        << "0" << 50 << "2"
        << QStringList{"29.9942704220487", kKept, kKept, kKept, kKept, kKept, "0"}
        << Polyline{{-20, 2}, {-4.618736, 2}};
}

void TestPrismTrace::oneRay()
{
    QFETCH(QString, phi);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(int, scroll);
    QFETCH(QString, yh);
    QFETCH(QStringList, readouts);
    QFETCH(Polyline, ray);
    PrismFields f;
    f.phi = phi.toStdString();
    f.n1 = n1.toStdString();
    f.n2 = n2.toStdString();
    f.scroll = scroll;
    f.yh = yh.toStdString();
    f.nray = "not read";
    f.check1 = false;
    RecordingCanvas c;
    const PrismAction a = plotOneRay(f, c);
    QVERIFY(a.acted);
    QCOMPARE(texts(a.readouts), readouts);
    const auto rays = rayPolylines(c);
    QCOMPARE(int(rays.size()), 1);
    QVERIFY2(near(rays[0], ray), qPrintable(describe({rays[0].last().x(), rays[0].last().y()})));
}

void TestPrismTrace::undeviatedWhenIndicesMatch()
{
    PrismFields f;
    f.n2 = "1";
    RecordingCanvas c;
    const PrismAction a = plotOneRay(f, c);
    QCOMPARE(a.readouts.theta1p2, a.readouts.theta12);
    QVERIFY(near(parseNumber(a.readouts.dev.value()).value(), 0, 1e-9));
    const auto rays = rayPolylines(c);
    QCOMPARE(int(rays.size()), 1);
    QCOMPARE(int(rays[0].size()), 4);
    for (const QPointF& p : rays[0])
        QVERIFY(near(p.y(), 0, 1e-9));
}

void TestPrismTrace::unreadableFieldsIgnoreTheAction_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("oneRayActs");
    QTest::addColumn<bool>("fanActs");
    for (const char* text : {"", "-", "x", "1e999"}) {
        for (const char* field : {"Phi", "n1", "n2"})
            QTest::addRow("%s=%s", field, text) << field << text << false << false;
        QTest::addRow("yh=%s", text) << "yh" << text << false << true;
        QTest::addRow("NRay=%s", text) << "NRay" << text << true << false;
    }
    QTest::newRow("NRay beyond the bound") << "NRay"
                                           << "10001" << true << false;
    QTest::newRow("NRay at the bound") << "NRay"
                                       << "10000.9" << true << true;
}

void TestPrismTrace::unreadableFieldsIgnoreTheAction()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, oneRayActs);
    QFETCH(bool, fanActs);
    PrismFields f;
    std::string* slot = field == "Phi"  ? &f.phi
                        : field == "n1" ? &f.n1
                        : field == "n2" ? &f.n2
                        : field == "yh" ? &f.yh
                                        : &f.nray;
    *slot = text.toStdString();
    RecordingCanvas prism;
    QCOMPARE(plotPrism(f, prism).acted, field != "Phi");
    RecordingCanvas one;
    const PrismAction a = plotOneRay(f, one);
    QCOMPARE(a.acted, oneRayActs);
    QCOMPARE(one.clears(), oneRayActs ? 1 : 0);
    RecordingCanvas fan;
    const PrismAction b = plotFan(f, fan);
    QCOMPARE(b.acted, fanActs);
    QCOMPARE(fan.clears(), fanActs ? 1 : 0);
    if (!fanActs)
        QCOMPARE(texts(b.readouts), QStringList(7, kKept));
}

void TestPrismTrace::defaultFan_data()
{
    QTest::addColumn<bool>("check1");
    QTest::newRow("incident rays only") << true;
    QTest::newRow("all rays") << false;
}

void TestPrismTrace::defaultFan()
{
    QFETCH(bool, check1);
    PrismFields f;
    f.check1 = check1;
    f.yh = "not read";
    RecordingCanvas c;
    const PrismAction a = plotFan(f, c);
    QCOMPARE(texts(a.readouts),
             (QStringList{"30", "19.4712206344907", "40.5287793655093", "77.0958115215542",
                          "79.4712206344907", kKept, "-47.0958115215542"}));
    QCOMPARE(QString::fromStdString(a.readouts.angle.value()), QString("0"));

    std::vector<Polyline> traced;
    std::vector<double> across;
    for (const Polyline& ray : rayPolylines(c)) {
        QCOMPARE(ray.first().x(), -20.0);
        if (ray.size() == 2 && ray.last().x() == 20.0 && ray.last().y() == ray.first().y())
            across.push_back(ray.first().y());
        else
            traced.push_back(ray);
    }
    QCOMPARE(int(traced.size()), 12);
    for (int k = 0; k < 12; ++k) {
        const int j = 12 + k;
        QVERIFY(near(traced[k].first().y(), -20 + 40.0 * j / 31, 1e-12));
        // Rays 12 and 13 end at the bottom face, reflected; the others leave on the right.
        QCOMPARE(int(traced[k].size()), j <= 13 ? 3 : 4);
        if (j <= 13)
            QVERIFY(near(traced[k].last().y(), -5, 1e-9));
    }
    QCOMPARE(int(across.size()), check1 ? 0 : 18);
    for (std::size_t k = 0; k < across.size(); ++k) {
        const int j = k < 11 ? int(k) + 1 : int(k) + 13;
        QVERIFY(near(across[k], -20 + 40.0 * j / 31, 1e-12));
    }
}

void TestPrismTrace::fanCount_data()
{
    QTest::addColumn<QString>("nray");
    QTest::addColumn<QList<double>>("heights"); // of the traced rays, bottom to top
    QTest::newRow("one") << "1" << QList<double>{0};
    QTest::newRow("fractional") << "2.5" << QList<double>{-20 + 80 / 3.5};
    QTest::newRow("zero") << "0" << QList<double>{};
    QTest::newRow("negative") << "-1" << QList<double>{};
    QTest::newRow("three") << "3" << QList<double>{0, 10};
}

void TestPrismTrace::fanCount()
{
    QFETCH(QString, nray);
    QFETCH(QList<double>, heights);
    PrismFields f;
    f.nray = nray.toStdString();
    RecordingCanvas c;
    const PrismAction a = plotFan(f, c);
    QVERIFY(a.acted);
    const auto rays = rayPolylines(c);
    QCOMPARE(int(rays.size()), int(heights.size()));
    for (int k = 0; k < heights.size(); ++k)
        QVERIFY(near(rays[k].first().y(), heights[k], 1e-12));
    if (heights.isEmpty())
        QCOMPARE(texts(a.readouts), QStringList(7, kKept));
}

void TestPrismTrace::carriedExitDirection_data()
{
    QTest::addColumn<bool>("check2");
    QTest::addColumn<QString>("dev");
    QTest::addColumn<QString>("theta2p2");
    // Rotated -18 degrees in a dense prism: the rays that enter the bottom face leave through
    // the right one; every ray that enters the left face is reflected at the right face.
    QTest::newRow("some rays leave") << true << "83.6121801229419"
                                     << "71.6121801229419";
    QTest::newRow("none leaves") << false << "0" << kKept;
}

void TestPrismTrace::carriedExitDirection()
{
    QFETCH(bool, check2);
    QFETCH(QString, dev);
    QFETCH(QString, theta2p2);
    PrismFields f;
    f.n2 = "1.9";
    f.scroll = 80;
    f.check2 = check2;
    RecordingCanvas c;
    const QStringList shown = texts(plotFan(f, c).readouts);
    QCOMPARE(shown.at(6), dev);
    QCOMPARE(shown.at(3), theta2p2);
    const auto rays = rayPolylines(c);
    QCOMPARE(int(rays.size()), check2 ? 13 : 9);
    QCOMPARE(int(rays.back().size()), 3); // the highest ray ends at the right face
}

void TestPrismTrace::bottomEntriesInTheFan()
{
    PrismFields f;
    f.scroll = 80;
    f.check2 = true;
    RecordingCanvas c;
    const QStringList shown = texts(plotFan(f, c).readouts);
    QCOMPARE(shown.mid(4, 2), (QStringList{"72", "39.3486472964201"}));
    QCOMPARE(shown.at(6), QString("-37.1859105442079"));
    const auto rays = rayPolylines(c);
    QCOMPARE(int(rays.size()), 13);
    // The lowest ray passes below the left face, enters the bottom face and leaves through
    // the right face: its second corner lies on the right face's line.
    const Polyline low = rays.front();
    QVERIFY(near(
        low,
        Polyline{{-20, -7.096774}, {5.661285, -7.096774}, {6.505221, -6.555988}, {20, 6.448173}}));
    const PrismGeometry p = prismGeometry(60 * prismPi() / 180, -18 * prismPi() / 180);
    QVERIFY(near(low[2].y(), p.p1.y + (low[2].x() - p.p1.x) * p.rightSlope(), 1e-9));
}

void TestPrismTrace::levelBottomFaceEndsTheRay()
{
    // Seven rays put the third at height -5, that of the level bottom face: it crosses the
    // left face's line at the lower left corner, so it takes the bottom entry, and a level
    // bottom face is met nowhere by a level ray. It is not drawn; the others are.
    PrismFields f;
    f.nray = "7";
    f.check2 = true;
    RecordingCanvas c;
    const PrismAction a = plotFan(f, c);
    QVERIFY(a.acted);
    const auto rays = rayPolylines(c);
    QCOMPARE(int(rays.size()), 3);
    for (const Polyline& ray : rays)
        QVERIFY(ray.first().y() >= 0);
    QCOMPARE(a.readouts.dev.value(), std::string("-47.0958115215542"));
}

QTEST_MAIN(TestPrismTrace)
#include "test_prism_trace.moc"
