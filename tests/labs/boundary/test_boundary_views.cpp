#include "boundary_picture.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using namespace lumenary::boundary;

Q_DECLARE_METATYPE(lumenary::boundary::Polarisation)

namespace
{

constexpr int kDiamond = 14;

BoundaryState state(int m1, int m2, double degrees, Polarisation p)
{
    const auto s = boundaryState({m1, m2, 589.3, degrees, p});
    if (!s)
        qFatal("no state");
    return *s;
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

class TestBoundaryViews : public QObject
{
    Q_OBJECT

private slots:
    void raysAsWideAsTheirShare_data();
    void raysAsWideAsTheirShare();
    void animatesOnlyWhenPlayingShownAndWaving_data();
    void animatesOnlyWhenPlayingShownAndWaving();
    void spaceAndTimeMoveTheWaves();
};

void TestBoundaryViews::raysAsWideAsTheirShare_data()
{
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<Polarisation>("polarisation");
    QTest::addColumn<bool>("reflected");
    QTest::addColumn<bool>("transmitted");
    QTest::addRow("s at 70°") << kAirPosition << kCrownGlassPosition << 70.0 << Polarisation::S
                              << true << true;
    QTest::addRow("p at Brewster's angle")
        << kAirPosition << kCrownGlassPosition << 56.6 << Polarisation::P << false << true;
    QTest::addRow("totally reflected")
        << kDiamond << kAirPosition << 30.0 << Polarisation::S << true << false;
}

// Where a ray carries light its colour differs from the medium beside it; at Brewster's angle
// p light has no reflected ray, and past the critical angle there is no transmitted one.
void TestBoundaryViews::raysAsWideAsTheirShare()
{
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(double, degrees);
    QFETCH(Polarisation, polarisation);
    QFETCH(bool, reflected);
    QFETCH(bool, transmitted);
    const BoundaryState s = state(m1, m2, degrees, polarisation);
    BoundaryPicture picture;
    picture.setState(s);
    QImage image(560, 420, QImage::Format_RGB32);
    QPainter painter(&image);
    picture.paintPicture(painter, QRectF(0, 0, 560, 420));
    painter.end();
    // The rays leave the middle, 0.45 of the shorter side long; looked at 0.6 of the way out,
    // clear of the arrowheads and labels, and 20 pixels to the side.
    const QPointF hit(280, 210);
    const double along = 0.6 * 0.45 * 420;
    const auto lit = [&](double screenDegrees) {
        const double a = screenDegrees * std::acos(-1.0) / 180.0;
        const QPointF u(std::cos(a), -std::sin(a));
        const QPointF side(-u.y(), u.x());
        const QPoint on = (hit + u * along).toPoint();
        const QPoint off = (hit + u * along + side * 20).toPoint();
        return difference(image.pixel(on), image.pixel(off)) > 60;
    };
    QVERIFY(lit(90.0 + degrees));
    QCOMPARE(lit(90.0 - degrees), reflected);
    if (s.refraction)
        QCOMPARE(lit(-90.0 + *s.refraction), transmitted);
    else
        QVERIFY(!transmitted);
}

void TestBoundaryViews::animatesOnlyWhenPlayingShownAndWaving_data()
{
    QTest::addColumn<bool>("waves");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("animating");
    QTest::addRow("all three") << true << true << true << true;
    QTest::addRow("paused") << true << false << true << false;
    QTest::addRow("hidden") << true << true << false << false;
    QTest::addRow("rays only") << false << true << true << false;
}

void TestBoundaryViews::animatesOnlyWhenPlayingShownAndWaving()
{
    QFETCH(bool, waves);
    QFETCH(bool, playing);
    QFETCH(bool, shown);
    QFETCH(bool, animating);
    QWidget window;
    auto* picture = new BoundaryPicture(&window);
    picture->setState(state(kAirPosition, kCrownGlassPosition, 45.0, Polarisation::S));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    picture->setWaves(waves);
    picture->setPlaying(playing);
    if (!shown)
        window.hide();
    QCOMPARE(picture->animating(), animating);
    // Whatever stopped it, showing everything again starts it.
    window.show();
    picture->setWaves(true);
    picture->setPlaying(true);
    QVERIFY(picture->animating());
    window.hide();
    QVERIFY(!picture->animating());
}

void TestBoundaryViews::spaceAndTimeMoveTheWaves()
{
    BoundaryPicture picture;
    picture.setState(state(kCrownGlassPosition, kAirPosition, 60.0, Polarisation::P));
    picture.setWaves(true);
    picture.setSpeed(2.0);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QTRY_VERIFY(picture.phase() > 0.5);
    QSignalSpy toggled(&picture, &BoundaryPicture::playingChanged);
    QTest::keyClick(&picture, Qt::Key_Space);
    QCOMPARE(toggled.count(), 1);
    QVERIFY(!picture.playing() && !picture.animating());
    const double still = picture.phase();
    QTest::qWait(100);
    QCOMPARE(picture.phase(), still);
    QTest::keyClick(&picture, Qt::Key_Space);
    QVERIFY(picture.playing() && picture.animating());
}

QTEST_MAIN(TestBoundaryViews)
#include "test_boundary_views.moc"
