#include "wave_scene.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace lumenary;
using namespace lumenary::tools;

// Huygens' construction for a beam meeting a mirror or an interface, as the clips draw it.
class TestWaveScene : public QObject
{
    Q_OBJECT
private slots:
    void outgoingDirection_data();
    void outgoingDirection();
    void unusableSetupsDrawNothing_data();
    void unusableSetupsDrawNothing();
    void wavefronts_data();
    void wavefronts();
    void waveletsTouchTheOutgoingCrest_data();
    void waveletsTouchTheOutgoingCrest();
    void framesRepeatEachPeriod_data();
    void framesRepeatEachPeriod();
    void raysMeetTheBoundaryTogether_data();
    void raysMeetTheBoundaryTogether();
};

namespace
{

bool near(double a, double b, double tolerance = 1e-7)
{
    return std::fabs(a - b) <= tolerance;
}

bool near(Vec2 a, Vec2 b, double tolerance = 1e-7)
{
    return near(a.x, b.x, tolerance) && near(a.y, b.y, tolerance);
}

WaveSetup mirrorSetup()
{
    WaveSetup s;
    s.mirror = true;
    s.incidenceDeg = 40;
    s.wavelength = 28;
    s.beamWidth = 120;
    s.hitX = 10;
    s.left = -200;
    s.right = 200;
    s.bottom = -40;
    s.top = 260;
    return s;
}

WaveSetup glassSetup(double n1 = 1.0, double n2 = 1.5, double incidence = 48)
{
    WaveSetup s;
    s.mirror = false;
    s.incidenceDeg = incidence;
    s.wavelength = 30;
    s.n1 = n1;
    s.n2 = n2;
    s.beamWidth = 110;
    s.hitX = -25;
    s.left = -200;
    s.right = 200;
    s.bottom = -150;
    s.top = 150;
    return s;
}

void addSetups()
{
    QTest::addColumn<WaveSetup>("setup");
    QTest::newRow("mirror") << mirrorSetup();
    QTest::newRow("into glass") << glassSetup();
    QTest::newRow("into water, steep") << glassSetup(1.0, 1.333, 15);
    QTest::newRow("glass into air") << glassSetup(1.5, 1.0, 30);
}

// Distance from p to the infinite line through a segment.
double distanceToLine(Vec2 p, const Segment& s)
{
    const Vec2 along = unit(s.b - s.a);
    return std::fabs(dot(p - s.a, perpendicular(along)));
}

bool sameSegment(const Segment& a, const Segment& b)
{
    return (near(a.a, b.a, 1e-6) && near(a.b, b.b, 1e-6)) ||
           (near(a.a, b.b, 1e-6) && near(a.b, b.a, 1e-6));
}

bool insideView(const WaveSetup& s, Vec2 p)
{
    const double e = 1e-6;
    return p.x >= s.left - e && p.x <= s.right + e && p.y >= s.bottom - e && p.y <= s.top + e;
}

} // namespace

Q_DECLARE_METATYPE(WaveSetup)

void TestWaveScene::outgoingDirection_data()
{
    QTest::addColumn<WaveSetup>("setup");
    QTest::addColumn<bool>("exists");
    QTest::newRow("mirror") << mirrorSetup() << true;
    QTest::newRow("into glass") << glassSetup() << true;
    QTest::newRow("glass into air") << glassSetup(1.5, 1.0, 30) << true;
    QTest::newRow("glass into air, totally reflected") << glassSetup(1.5, 1.0, 45) << false;
}

void TestWaveScene::outgoingDirection()
{
    QFETCH(WaveSetup, setup);
    QFETCH(bool, exists);
    const auto out = lumenary::tools::outgoingDirection(setup);
    QCOMPARE(out.has_value(), exists);
    if (!exists)
        return;
    const Vec2 in = incidentDirection(setup);
    if (setup.mirror) {
        QVERIFY(near(*out, Vec2{in.x, -in.y}));
    } else {
        QVERIFY(out->y < 0);
        QVERIFY(near(setup.n1 * in.x, setup.n2 * out->x));
    }
}

void TestWaveScene::unusableSetupsDrawNothing_data()
{
    QTest::addColumn<WaveSetup>("setup");
    WaveSetup s = glassSetup();
    s.incidenceDeg = 0; // the crests never cross the boundary at a point
    QTest::newRow("head on") << s;
    s = glassSetup();
    s.incidenceDeg = 90;
    QTest::newRow("grazing") << s;
    s = glassSetup();
    s.wavelength = 0;
    QTest::newRow("no wavelength") << s;
    s = glassSetup();
    s.n2 = -1.5;
    QTest::newRow("negative index") << s;
    s = glassSetup();
    s.left = s.right;
    QTest::newRow("empty view") << s;
    s = glassSetup();
    s.incidenceDeg = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("angle not a number") << s;
}

void TestWaveScene::unusableSetupsDrawNothing()
{
    QFETCH(WaveSetup, setup);
    QVERIFY(!lumenary::tools::outgoingDirection(setup));
    const WaveFrame f = waveFrame(setup, 0.25);
    QVERIFY(f.incidentFronts.empty() && f.outgoingFronts.empty() && f.wavelets.empty());
    QVERIFY(beamRays(setup).empty());
    QVERIFY(waveletSourcePoints(setup).empty());
}

void TestWaveScene::wavefronts_data()
{
    addSetups();
}

void TestWaveScene::wavefronts()
{
    QFETCH(WaveSetup, setup);
    const auto out = lumenary::tools::outgoingDirection(setup);
    QVERIFY(out.has_value());
    const Vec2 in = incidentDirection(setup);
    const WaveFrame f = waveFrame(setup, 0.3);
    QVERIFY(f.incidentFronts.size() >= 3);
    QVERIFY(f.outgoingFronts.size() >= 3);
    const double outSide = setup.mirror ? 1.0 : -1.0;
    for (const auto& [fronts, k, side, spacing] :
         {std::tuple{f.incidentFronts, in, 1.0, setup.wavelength},
          std::tuple{f.outgoingFronts, *out, outSide,
                     setup.mirror ? setup.wavelength : setup.wavelength * setup.n1 / setup.n2}}) {
        std::vector<double> positions;
        for (const Segment& s : fronts) {
            // Each crest lies across its direction of travel, on its own side, in view.
            QVERIFY(near(dot(s.b - s.a, k), 0.0, 1e-6));
            QVERIFY(s.a.y * side >= -1e-6 && s.b.y * side >= -1e-6);
            QVERIFY(insideView(setup, s.a) && insideView(setup, s.b));
            positions.push_back(dot(s.a, k));
        }
        // Neighbouring crests are one wavelength of their medium apart.
        std::sort(positions.begin(), positions.end());
        for (std::size_t i = 1; i < positions.size(); ++i)
            QVERIFY2(near(positions[i] - positions[i - 1], spacing, 1e-6),
                     qPrintable(QString::number(positions[i] - positions[i - 1])));
    }
    // A crest that has partly crossed the boundary is unbroken there.
    int joined = 0;
    for (const Segment& s : f.incidentFronts) {
        for (Vec2 end : {s.a, s.b}) {
            if (!near(end.y, 0.0, 1e-9))
                continue;
            const bool continues = std::any_of(
                f.outgoingFronts.begin(), f.outgoingFronts.end(),
                [&](const Segment& o) { return near(o.a, end, 1e-6) || near(o.b, end, 1e-6); });
            QVERIFY(continues);
            ++joined;
        }
    }
    QVERIFY(joined >= 1);
}

void TestWaveScene::waveletsTouchTheOutgoingCrest_data()
{
    addSetups();
}

void TestWaveScene::waveletsTouchTheOutgoingCrest()
{
    QFETCH(WaveSetup, setup);
    setup.waveletReach = 3.0;
    const auto out = lumenary::tools::outgoingDirection(setup);
    const WaveFrame f = waveFrame(setup, 0.55);
    QVERIFY(f.wavelets.size() >= std::size_t(setup.waveletSources));
    for (const Wavelet& w : f.wavelets) {
        QVERIFY(w.radius > 0 && w.age > 0 && w.age < 1);
        QVERIFY(near(w.centre.y, 0.0));
        // The crest the wavelet belongs to: the outgoing one just as far ahead of the source.
        const bool touched =
            std::any_of(f.outgoingFronts.begin(), f.outgoingFronts.end(), [&](const Segment& s) {
                return near(dot(s.a - w.centre, *out), w.radius, 1e-6) &&
                       near(distanceToLine(w.centre, s), w.radius, 1e-6);
            });
        QVERIFY2(touched,
                 qPrintable(
                     QStringLiteral("wavelet at x = %1, radius %2").arg(w.centre.x).arg(w.radius)));
    }
}

void TestWaveScene::framesRepeatEachPeriod_data()
{
    addSetups();
}

void TestWaveScene::framesRepeatEachPeriod()
{
    QFETCH(WaveSetup, setup);
    const WaveFrame a = waveFrame(setup, 0.4);
    const WaveFrame b = waveFrame(setup, 1.4);
    const WaveFrame c = waveFrame(setup, 0.9);
    auto sameFronts = [](const std::vector<Segment>& x, const std::vector<Segment>& y) {
        if (x.size() != y.size())
            return false;
        return std::all_of(x.begin(), x.end(), [&](const Segment& s) {
            return std::any_of(y.begin(), y.end(),
                               [&](const Segment& t) { return sameSegment(s, t); });
        });
    };
    QVERIFY(sameFronts(a.incidentFronts, b.incidentFronts));
    QVERIFY(sameFronts(a.outgoingFronts, b.outgoingFronts));
    QCOMPARE(a.wavelets.size(), b.wavelets.size());
    // Half a period later the crests have moved.
    QVERIFY(!sameFronts(a.incidentFronts, c.incidentFronts));
}

void TestWaveScene::raysMeetTheBoundaryTogether_data()
{
    addSetups();
}

void TestWaveScene::raysMeetTheBoundaryTogether()
{
    QFETCH(WaveSetup, setup);
    const auto out = lumenary::tools::outgoingDirection(setup);
    const auto rays = beamRays(setup);
    QCOMPARE(rays.size(), std::size_t(3));
    const double cosIn = std::cos(setup.incidenceDeg * std::numbers::pi / 180.0);
    for (std::size_t i = 0; i < rays.size(); ++i) {
        const auto& [in, leave] = rays[i];
        QVERIFY(near(in.b, leave.a));
        QVERIFY(near(in.b.y, 0.0));
        // Edge, centre, edge: the beam lights a patch of width beamWidth / cos(incidence).
        const double expectedX =
            setup.hitX + (static_cast<double>(i) - 1.0) * 0.5 * setup.beamWidth / cosIn;
        QVERIFY(near(in.b.x, expectedX, 1e-6));
        QVERIFY(near(unit(in.b - in.a), incidentDirection(setup), 1e-9));
        QVERIFY(near(unit(leave.b - leave.a), *out, 1e-9));
        QVERIFY(insideView(setup, in.a) && insideView(setup, leave.b));
    }
}

QTEST_GUILESS_MAIN(TestWaveScene)
#include "test_wave_scene.moc"
