// Every lab by the keyboard alone: from the launcher by Tab and Space into each window, one
// typical task there by keys, the read-outs and the plot's description checked as a screen
// reader would read them, and Esc out.

#include "launcher.h"
#include "plot_widget.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

using namespace lumenary;

class TestKeyboardWalk : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void planeMirrorEye();
    void basicsPressAndTotalReflection();
    void apparentDepthPress();
    void raySliderSteps_data();
    void raySliderSteps();
    void prismOneRay();
    void dropHeightStep();
    void instructionsReadWithoutMarkers();

private:
    // Tabs through the launcher to a lab button, presses Space and returns the window shown.
    QWidget* openLab(const char* button);
    // The window the last key opened, once it is active.
    QWidget* shownWindow();
    // Tabs from the focused control until target has the focus; fails if Tab never gets there.
    bool tabTo(QWidget* target);
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier);
    QString text(const char* field) const;
    QString description() const;
    // Esc hides the lab, as its Quit button does.
    void leave();

    std::unique_ptr<WindowRegistry> m_registry;
    std::unique_ptr<Launcher> m_launcher;
    QWidget* m_lab = nullptr;
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

bool TestKeyboardWalk::tabTo(QWidget* target)
{
    for (int i = 0; i < 80 && QApplication::focusWidget() != target; ++i)
        key(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

void TestKeyboardWalk::key(Qt::Key k, Qt::KeyboardModifiers mods)
{
    QWidget* to = QApplication::focusWidget();
    QTest::keyClick(to ? to : QApplication::activeWindow(), k, mods);
}

QWidget* TestKeyboardWalk::shownWindow()
{
    m_lab = nullptr;
    (void)QTest::qWaitFor([this] {
        QWidget* active = QApplication::activeWindow();
        if (active && active != m_launcher.get())
            m_lab = active;
        return m_lab != nullptr;
    });
    return m_lab;
}

QWidget* TestKeyboardWalk::openLab(const char* button)
{
    auto* b = m_launcher->findChild<QPushButton*>(QString::fromLatin1(button));
    if (!b || !tabTo(b))
        return nullptr;
    key(Qt::Key_Space);
    return shownWindow();
}

QString TestKeyboardWalk::text(const char* field) const
{
    auto* f = m_lab->findChild<QLineEdit*>(QString::fromLatin1(field));
    return f ? QAccessible::queryAccessibleInterface(f)->text(QAccessible::Value) : QString();
}

QString TestKeyboardWalk::description() const
{
    auto* plot = m_lab->findChild<PlotWidget*>();
    return QAccessible::queryAccessibleInterface(plot)->text(QAccessible::Description);
}

void TestKeyboardWalk::leave()
{
    key(Qt::Key_Escape);
    QVERIFY(!m_lab->isVisible());
}

void TestKeyboardWalk::planeMirrorEye()
{
    QVERIFY(openLab("Plane"));
    QVERIFY(tabTo(m_lab->findChild<PlotWidget*>()));
    // From the centre, 40 pixels up and 30 left: an eye above the mirror, left of the object.
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Up, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(text("yvar").toDouble() > 0);
    key(Qt::Key_Return);
    QVERIFY2(description().startsWith("Ray from the object reflects off the mirror at x = "),
             qPrintable(description()));
    QVERIFY(description().contains("reaches the eye at ("));
    leave();
}

void TestKeyboardWalk::basicsPressAndTotalReflection()
{
    QVERIFY(openLab("Diverge"));
    auto* plot = m_lab->findChild<PlotWidget*>();
    QVERIFY(tabTo(plot));
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Up, Qt::ShiftModifier);
        key(Qt::Key_Left, Qt::ShiftModifier);
    }
    key(Qt::Key_Space);
    QVERIFY(text("xval").toDouble() > 40);
    QCOMPARE(text("yval"), text("xval"));
    QCOMPARE(text("zval"), text("xval")); // both media vacuum
    // Diamond below, by the arrow keys in its list; light from the vacuum is not reflected
    // whole, but from diamond into vacuum it is.
    QVERIFY(tabTo(m_lab->findChild<QComboBox*>("refraction1")));
    for (int i = 0; i < 15; ++i)
        key(Qt::Key_Down);
    QCOMPARE(text("n1"), QStringLiteral("2.42"));
    QVERIFY(tabTo(plot));
    key(Qt::Key_Enter);
    QVERIFY(text("zval").isEmpty());
    QVERIFY2(description().endsWith("total internal reflection: no refracted ray."),
             qPrintable(description()));
    leave();
}

void TestKeyboardWalk::apparentDepthPress()
{
    QVERIFY(openLab("Refract"));
    QVERIFY(tabTo(m_lab->findChild<PlotWidget*>()));
    for (int i = 0; i < 5; ++i) {
        key(Qt::Key_Up, Qt::ShiftModifier);
        key(Qt::Key_Right, Qt::ShiftModifier);
    }
    QVERIFY(!text("xx").isEmpty() && !text("yy").isEmpty());
    key(Qt::Key_Return);
    QVERIFY(!text("xval").isEmpty() && !text("zval").isEmpty());
    QVERIFY2(description().contains("sees the fish at (0, -15)"), qPrintable(description()));
    leave();
}

void TestKeyboardWalk::raySliderSteps_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("said");
    QTest::newRow("thin lens") << "converge"
                               << "39.922"
                               << "Object 39.9 units left of the lens, image 13.3 units right "
                                  "of it, real and inverted.";
    QTest::newRow("concave") << "ConcaveMirror"
                             << "49.9026794919243"
                             << "Object 49.9 units in front of the mirror, image 5.56 units in "
                                "front of it, real and inverted.";
    QTest::newRow("convex") << "ConvexMirror"
                            << "24.9521525043702"
                            << "Object 25 units in front of the mirror, image 4.17 units behind "
                               "it, virtual and upright.";
}

void TestKeyboardWalk::raySliderSteps()
{
    QFETCH(QString, button);
    QFETCH(QString, d);
    QFETCH(QString, said);
    QVERIFY(openLab(button.toLatin1().constData()));
    QVERIFY(tabTo(m_lab->findChild<QScrollBar*>("HScroll1")));
    key(Qt::Key_Right);
    QCOMPARE(text("d"), d);
    QCOMPARE(description(), said);
    leave();
}

void TestKeyboardWalk::prismOneRay()
{
    QVERIFY(openLab("PrismPlotter"));
    QVERIFY(tabTo(m_lab->findChild<QPushButton*>("Test")));
    key(Qt::Key_Space);
    QVERIFY(text("Dev").startsWith("-47.108"));
    QVERIFY2(description().endsWith("leaves through the right face at -47.1 degrees."),
             qPrintable(description()));
    leave();
}

void TestKeyboardWalk::dropHeightStep()
{
    QVERIFY(openLab("Sphere"));
    QVERIFY(tabTo(m_lab->findChild<QScrollBar*>("VScroll1")));
    key(Qt::Key_Down);
    QCOMPARE(text("f"), QStringLiteral("0.49"));
    QVERIFY(!text("D").isEmpty());
    QVERIFY2(description().startsWith("Ray at height 0.49 enters the drop"),
             qPrintable(description()));
    leave();
}

void TestKeyboardWalk::instructionsReadWithoutMarkers()
{
    // Alt to the menu bar, Right to "Instructions", Enter; the document's tables keep markers
    // that a screen reader must not read out.
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(LUMENARY_ASSETS_DIR)));
    key(Qt::Key_Alt);
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    shownWindow();
    QDir::setCurrent(start);
    QVERIFY(m_lab && m_lab->objectName() == QLatin1String("LumenaryDoc"));
    auto* document = m_lab->findChild<QTextEdit*>("RichTextBox1");
    QVERIFY(document->document()->toRawText().contains(QChar(0xFDD0)));
    QAccessibleTextInterface* read =
        QAccessible::queryAccessibleInterface(document)->textInterface();
    const QString heard = read->text(0, read->characterCount());
    QVERIFY(heard.contains(QStringLiteral("Lumenary")));
    QVERIFY(!heard.contains(QChar(0xFDD0)) && !heard.contains(QChar(0xFDD1)));
    leave();
}

QTEST_MAIN(TestKeyboardWalk)
#include "test_keyboard_walk.moc"
