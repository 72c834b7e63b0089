// The "Light at a Boundary" window driven as a student drives it: the angle stepped by the
// keyboard through Brewster's and the critical angle, the waves played and paused, the picture
// copied with the values.
#include "boundary_picture.h"
#include "boundary_window.h"
#include "export_actions.h"
#include "picture_source.h"
#include "window_support.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::readout;

namespace
{

constexpr int kAir = 1;
constexpr int kCrownGlass = 17;
constexpr int kS = 0, kP = 1;

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Whether the picture shows a ray leaving the point of incidence at a screen angle (degrees
// counter-clockwise from the right): its colour differs from the medium beside it, looked at
// 0.6 of the way out, clear of the arrowheads and labels.
bool rayAt(QWidget* picture, double screenDegrees)
{
    const QImage image = picture->grab().toImage();
    const QPointF hit(image.width() / 2.0, image.height() / 2.0);
    const double along = 0.6 * 0.45 * std::min(image.width(), image.height());
    const double a = screenDegrees * std::acos(-1.0) / 180.0;
    const QPointF u(std::cos(a), -std::sin(a));
    const QPointF side(-u.y(), u.x());
    const QPoint on = (hit + u * along).toPoint();
    const QPoint off = (hit + u * along + side * 20).toPoint();
    return difference(image.pixel(on), image.pixel(off)) > 60;
}

} // namespace

class TestBoundaryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void angleStepsThroughMarkedAngles_data();
    void angleStepsThroughMarkedAngles();
    void wavesPlayAndPause();
    void copiesPictureWithValues();

private:
    std::unique_ptr<BoundaryWindow> m_window;
};

void TestBoundaryWindow::init()
{
    m_window = std::make_unique<BoundaryWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestBoundaryWindow::cleanup()
{
    m_window.reset();
}

void TestBoundaryWindow::angleStepsThroughMarkedAngles_data()
{
    QTest::addColumn<int>("medium1");
    QTest::addColumn<int>("medium2");
    QTest::addColumn<int>("polarisation");
    QTest::addColumn<int>("tenths"); // the angle reached by one step of the arrow key
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<bool>("reflectedRay");
    QTest::addColumn<bool>("transmittedRay");
    QTest::addColumn<QString>("said"); // in the picture's description

    QTest::newRow("p light at Brewster's angle: nothing reflected")
        << kAir << kCrownGlass << kP << 566 << "powerRp"
        << "0.0000" << false << true << "0.0 % reflected, 100.0 % transmitted at 33.4\u00b0";
    QTest::newRow("s light at Brewster's angle") << kAir << kCrownGlass << kS << 566 << "powerRs"
                                                 << "0.1552" << true << true << "15.5 % reflected";
    QTest::newRow("N-BK7 to air just below the critical angle")
        << kCrownGlass << kAir << kS << 412 << "refraction"
        << "87.5057\u00b0" << true << true << "transmitted at 87.5\u00b0";
    QTest::newRow("N-BK7 to air just past the critical angle")
        << kCrownGlass << kAir << kS << 413 << "penetrationDepth"
        << "2053.1896 nm" << true << false << "totally reflected";
}

void TestBoundaryWindow::angleStepsThroughMarkedAngles()
{
    QFETCH(int, medium1);
    QFETCH(int, medium2);
    QFETCH(int, polarisation);
    QFETCH(int, tenths);
    QFETCH(QString, name);
    QFETCH(QString, shows);
    QFETCH(bool, reflectedRay);
    QFETCH(bool, transmittedRay);
    QFETCH(QString, said);
    child<QComboBox>(m_window.get(), "medium1List")->setCurrentIndex(medium1);
    child<QComboBox>(m_window.get(), "medium2List")->setCurrentIndex(medium2);
    child<QComboBox>(m_window.get(), "polarisationList")->setCurrentIndex(polarisation);
    auto* angle = child<QSlider>(m_window.get(), "incidenceSlider");
    angle->setValue(tenths - 1);
    angle->setFocus();
    QTest::keyClick(angle, Qt::Key_Right);

    QCOMPARE(readout(m_window.get(), "incidenceValue")->value(),
             QStringLiteral("%1.%2\u00b0").arg(tenths / 10).arg(tenths % 10));
    QCOMPARE(readout(m_window.get(), qPrintable(name))->value(), shows);
    QCOMPARE(readout(m_window.get(), "sum")->value(), QStringLiteral("1.0000"));
    // The marked angles stay where they are, whatever the angle of incidence.
    QCOMPARE(readout(m_window.get(), "brewster")->value(),
             medium1 == kAir ? QStringLiteral("56.6026\u00b0") : QStringLiteral("33.3974\u00b0"));
    if (medium1 == kCrownGlass)
        QCOMPARE(readout(m_window.get(), "critical")->value(), QStringLiteral("41.2476\u00b0"));

    auto* picture = child<QWidget>(m_window.get(), "boundaryPicture");
    const double incidence = tenths / 10.0;
    QCOMPARE(rayAt(picture, 90.0 + incidence), true);
    QCOMPARE(rayAt(picture, 90.0 - incidence), reflectedRay);
    const QString refraction = readout(m_window.get(), "refraction")->value();
    QCOMPARE(refraction == QStringLiteral("totally reflected"), !transmittedRay);
    if (transmittedRay)
        QVERIFY(rayAt(picture, -90.0 + test::angleIn(refraction)));
    const QString described =
        QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description);
    QVERIFY2(described.contains(said), qPrintable(described));
}

// The wave view's button and Space on the picture play and pause the same animation, and the
// button says which it will do; without the wave view nothing runs and the button rests.
void TestBoundaryWindow::wavesPlayAndPause()
{
    auto* waves = child<QCheckBox>(m_window.get(), "wavesCheck");
    auto* play = child<QPushButton>(m_window.get(), "playButton");
    auto* picture = child<boundary::BoundaryPicture>(m_window.get(), "boundaryPicture");
    QVERIFY(!waves->isChecked() && !picture->animating() && !play->isEnabled());
    QTest::keyClick(waves, Qt::Key_Space);
    QVERIFY(picture->waves() && picture->animating() && play->isEnabled());
    QCOMPARE(play->text(), QStringLiteral("Pause"));
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(!picture->animating());
    QCOMPARE(play->text(), QStringLiteral("Play"));
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Space);
    QVERIFY(picture->animating());
    QCOMPARE(play->text(), QStringLiteral("Pause"));
    QTest::keyClick(waves, Qt::Key_Space);
    QVERIFY(!picture->animating() && !play->isEnabled());
}

// Copy takes the picture with the focus, at twice its size, with every read-out by its caption.
void TestBoundaryWindow::copiesPictureWithValues()
{
    auto* chart = child<QWidget>(m_window.get(), "boundaryChart");
    chart->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_window->findChild<ExportActions*>()->picture().surface(), chart);
    QTest::keyClick(chart, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), chart->size() * 2);
    const QString values = copied->text();
    for (const char* line : {"Amplitude r_s\t-0.3098", "Reflected R\t0.0526", "R + T\t1.0000",
                             "Angle of refraction \u03b8\u2082\t27.7883\u00b0"})
        QVERIFY2(values.contains(QString::fromUtf8(line)), qPrintable(values));
}

QTEST_MAIN(TestBoundaryWindow)
#include "test_boundary_window.moc"
