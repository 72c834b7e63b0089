// Every lab by the keyboard alone: from the launcher by Tab and Space into the window, one
// typical task there by keys, the read-out and the plot's description read as a screen reader
// reads them, and Esc out.

#include "launcher.h"
#include "plot_widget.h"
#include "window_catalog.h"
#include "window_registry.h"
#include "window_support.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

using namespace lumenary;
using lumenary::test::heardReadout;

class TestKeyboardWalk : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void labTask_data();
    void labTask();
    void exploreTask_data();
    void exploreTask();
    void instructionsReadWithoutMarkers();

private:
    QWidget* shownWindow();
    // Tabs from the focused control until target has the focus; false if Tab never gets there.
    bool tabTo(QWidget* target);
    void key(int combination);

    std::unique_ptr<WindowRegistry> m_registry;
    std::unique_ptr<Launcher> m_launcher;
};

void TestKeyboardWalk::init()
{
    m_registry = std::make_unique<WindowRegistry>();
    registerWindows(*m_registry);
    m_launcher = std::make_unique<Launcher>(*m_registry, [](const QUrl&) {});
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowActive(m_launcher.get()));
}

void TestKeyboardWalk::cleanup()
{
    m_launcher.reset();
    m_registry.reset();
}

void TestKeyboardWalk::key(int combination)
{
    // An open menu takes the keys, as it grabs the keyboard.
    QWidget* to = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                    : QApplication::focusWidget();
    QTest::keyClick(to ? to : QApplication::activeWindow(), Qt::Key(combination & ~Qt::SHIFT),
                    (combination & Qt::SHIFT) ? Qt::ShiftModifier : Qt::NoModifier);
}

bool TestKeyboardWalk::tabTo(QWidget* target)
{
    for (int i = 0; i < 80 && target && QApplication::focusWidget() != target; ++i)
        key(Qt::Key_Tab);
    return target && QApplication::focusWidget() == target;
}

QWidget* TestKeyboardWalk::shownWindow()
{
    QWidget* shown = nullptr;
    (void)QTest::qWaitFor([&] {
        QWidget* active = QApplication::activeWindow();
        shown = active != m_launcher.get() ? active : nullptr;
        return shown != nullptr;
    });
    return shown;
}

void TestKeyboardWalk::labTask_data()
{
    QTest::addColumn<QString>("button");  // on the launcher
    QTest::addColumn<QString>("control"); // where the task starts
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("shows"); // the read-out's text starts so
    QTest::addColumn<QString>("said");  // the plot's description contains this

    const int up = (Qt::SHIFT | Qt::Key_Up).toCombined();
    const int left = (Qt::SHIFT | Qt::Key_Left).toCombined();
    const int right = (Qt::SHIFT | Qt::Key_Right).toCombined();
    QTest::newRow("plane mirror: place the eye")
        << "Plane"
        << "Plot1" << QList<int>{up, up, up, up, left, left, left, Qt::Key_Return} << "yvar"
        << "5.540541"
        << "Ray from the object reflects off the mirror at x = ";
    QTest::newRow("basics: press")
        << "Diverge"
        << "plot1" << (QList<int>(10, up) << QList<int>(10, left) << Qt::Key_Space) << "zval"
        << "44.8"
        << ", refracted ray at 44.8 degrees.";
    QTest::newRow("basics: choose a medium")
        << "Diverge"
        << "refraction1" << QList<int>(15, Qt::Key_Down) << "n1"
        << "2.42"
        << "";
    QTest::newRow("depth: press") << "Refract"
                                  << "plot1"
                                  << (QList<int>(5, up) << QList<int>(5, right) << Qt::Key_Enter)
                                  << "zval"
                                  << "21.99"
                                  << "sees the fish at (0, -15)";
    QTest::newRow("thin lens: step the object")
        << "converge"
        << "HScroll1" << QList<int>{Qt::Key_Right} << "d"
        << "39.922"
        << "Object 39.9 units left of the lens, image 13.3 units right of it, real and inverted.";
    QTest::newRow("concave: step the object")
        << "ConcaveMirror"
        << "HScroll1" << QList<int>{Qt::Key_Right} << "d"
        << "49.9026794919243"
        << "image 5.56 units in front of it, real and inverted.";
    QTest::newRow("convex: step the object") << "ConvexMirror"
                                             << "HScroll1" << QList<int>{Qt::Key_Right} << "d"
                                             << "24.9521525043702"
                                             << "image 4.17 units behind it, virtual and upright.";
    QTest::newRow("prism: one ray") << "PrismPlotter"
                                    << "Test" << QList<int>{Qt::Key_Space} << "Dev"
                                    << "-47.108"
                                    << "leaves through the right face at -47.1 degrees.";
    QTest::newRow("drop: step the height") << "Sphere"
                                           << "VScroll1" << QList<int>{Qt::Key_Down} << "f"
                                           << "0.49"
                                           << "Ray at height 0.49 enters the drop at 29.3 "
                                              "degrees";
}

void TestKeyboardWalk::labTask()
{
    QFETCH(QString, button);
    QFETCH(QString, control);
    QFETCH(QList<int>, keys);
    QFETCH(QString, readout);
    QFETCH(QString, shows);
    QFETCH(QString, said);
    QVERIFY(tabTo(m_launcher->findChild<QPushButton*>(button)));
    key(Qt::Key_Space);
    QWidget* lab = shownWindow();
    QVERIFY(lab);
    QVERIFY(tabTo(lab->findChild<QWidget*>(control)));
    for (int k : keys)
        key(k);
    auto* field = lab->findChild<QLineEdit*>(readout);
    QVERIFY2(field->text().startsWith(shows), qPrintable(field->text()));
    const QString heard = QAccessible::queryAccessibleInterface(lab->findChild<PlotWidget*>())
                              ->text(QAccessible::Description);
    QVERIFY2(heard.contains(said), qPrintable(heard));
    key(Qt::Key_Escape);
    QVERIFY(!lab->isVisible());
}

void TestKeyboardWalk::exploreTask_data()
{
    QTest::addColumn<int>("entry");       // in the launcher's Explore menu
    QTest::addColumn<QString>("control"); // where the task starts
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("readout"); // its accessible name
    QTest::addColumn<QString>("shows");   // its value, as a screen reader reads it
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("said"); // the picture's description contains this
    QTest::addColumn<int>("escapes");  // Esc presses that leave (a first may clear a choice)

    QTest::newRow("prism spectrum: step the incidence")
        << 0 << "incidenceSlider" << QList<int>{Qt::Key_Right} << "Deviation (d line)"
        << "38.6558\u00b0"
        << "pictureView"
        << "at 50.1000\u00b0 incidence" << 1;
    QTest::newRow("rainbow colours: change the liquid")
        << 1 << "liquidList" << QList<int>{Qt::Key_Down} << "Primary bow, red (700 nm)"
        << "27.140\u00b0"
        << "skyView"
        << "primary bow" << 1;
    QTest::newRow("light at a boundary: step the angle")
        << 2 << "incidenceSlider" << QList<int>{Qt::Key_Right} << "Angle of refraction \u03b8\u2082"
        << "27.8409\u00b0"
        << "boundaryPicture"
        << "Unpolarised light, 45.1\u00b0 in air onto N-BK7: 5.3 % reflected" << 1;
    QTest::newRow("optical bench: add a lens")
        << 3 << "elementPalette"
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << "Message"
        << "Add Ideal lens"
        << "benchPicture"
        << "1 element; No light" << 2;
}

void TestKeyboardWalk::exploreTask()
{
    QFETCH(int, entry);
    QFETCH(QString, control);
    QFETCH(QList<int>, keys);
    QFETCH(QString, readout);
    QFETCH(QString, shows);
    QFETCH(QString, picture);
    QFETCH(QString, said);
    QFETCH(int, escapes);
    // Alt to the menu bar, Right past About and Instructions to Explore, Down into it.
    for (int k : {Qt::Key_Alt, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        key(k);
    for (int i = 0; i < entry; ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    QWidget* lab = shownWindow();
    QVERIFY(lab);
    QVERIFY(tabTo(lab->findChild<QWidget*>(control)));
    for (int k : keys)
        key(k);
    const QString heard = heardReadout(lab, readout);
    QVERIFY2(heard == shows, qPrintable(heard));
    // The picture is reached by Tab, and tells what it shows.
    QVERIFY(tabTo(lab->findChild<QWidget*>(picture)));
    const QString described = QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                                  ->text(QAccessible::Description);
    QVERIFY2(described.contains(said), qPrintable(described));
    for (int i = 1; i < escapes; ++i) {
        key(Qt::Key_Escape);
        QVERIFY(lab->isVisible());
    }
    key(Qt::Key_Escape);
    QVERIFY(!lab->isVisible());
}

void TestKeyboardWalk::instructionsReadWithoutMarkers()
{
    // Alt to the menu bar, Right to "Instructions", Enter; the document's tables keep markers
    // that a screen reader must not read out.
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(LUMENARY_ASSETS_DIR)));
    for (int k : {Qt::Key_Alt, Qt::Key_Right, Qt::Key_Return})
        key(k);
    QWidget* viewer = shownWindow();
    QDir::setCurrent(start);
    QVERIFY(viewer && viewer->objectName() == QLatin1String("LumenaryDoc"));
    auto* document = viewer->findChild<QTextEdit*>("RichTextBox1");
    QVERIFY(document->document()->toRawText().contains(QChar(0xFDD0)));
    QAccessibleTextInterface* read =
        QAccessible::queryAccessibleInterface(document)->textInterface();
    const QString heard = read->text(0, read->characterCount());
    QVERIFY(heard.contains(QStringLiteral("Lumenary")));
    QVERIFY(!heard.contains(QChar(0xFDD0)) && !heard.contains(QChar(0xFDD1)));
    key(Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
}

QTEST_MAIN(TestKeyboardWalk)
#include "test_keyboard_walk.moc"
