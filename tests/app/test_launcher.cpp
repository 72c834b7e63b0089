#include "bench_document.h"
#include "bench_window.h"
#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumenary;

class TestLauncher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttons_data();
    void buttons();
    void pictures_data();
    void pictures();
    void webPanel();
    void webButtonsOpenTheirAddresses();
    void oneWindowPerButton();
    void hiddenWindowKeepsItsState();
    void everyWindowIsAFrameToAssistiveTechnology();
    void mirrorButtonsShowTheirWindows_data();
    void mirrorButtonsShowTheirWindows();
    void quitAsksAboutUnsavedWork_data();
    void quitAsksAboutUnsavedWork();

private:
    QPushButton* button(const char* name)
    {
        auto* b = m_launcher->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!b)
            qFatal("no button %s", name);
        return b;
    }
    std::unique_ptr<WindowRegistry> m_registry;
    std::unique_ptr<Launcher> m_launcher;
    QList<QUrl> m_opened;
};

void TestLauncher::init()
{
    m_registry = std::make_unique<WindowRegistry>();
    registerWindows(*m_registry);
    m_opened.clear();
    m_launcher = std::make_unique<Launcher>(*m_registry, [this](const QUrl& u) { m_opened << u; });
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));
}

void TestLauncher::cleanup()
{
    m_launcher.reset();
    m_registry.reset();
}

void TestLauncher::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Plane") << "Plane"
                           << "Plane Mirrors" << QRect(156, 163, 122, 54);
    QTest::newRow("Diverge") << "Diverge"
                             << "The Basics" << QRect(35, 163, 122, 54);
    QTest::newRow("quit") << "quit"
                          << "Quit" << QRect(532, 403, 62, 37);
    QTest::newRow("Command5") << "Command5"
                              << "Interactive Physics and Math " << QRect(346, 376, 171, 21);
}

void TestLauncher::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    auto* b = button(name.toLatin1().constData());
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->geometry(), geometry);
}

void TestLauncher::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("soap film") << "Picture3" << QSize(200, 159);
    QTest::newRow("drop") << "Picture4" << QSize(253, 214);
    QTest::newRow("spectrum") << "Picture1" << QSize(320, 194);
}

// The launcher's art and icon come from the resources linked into the program.
void TestLauncher::pictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    auto* picture = m_launcher->findChild<QLabel*>(name);
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().size(), size);
    QCOMPARE(m_launcher->windowIcon().availableSizes().value(0), QSize(32, 32));
}

void TestLauncher::webPanel()
{
    QCOMPARE(m_launcher->windowTitle(), QString("Varnel Lumenary"));
    auto* panel = m_launcher->findChild<QWidget*>("Shape1");
    QVERIFY(panel && !panel->isVisible());
    QVERIFY(!button("Command3")->isVisible());
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    for (const char* n : {"Command3", "Command4", "Command5", "Command6", "Command7"})
        QVERIFY(button(n)->isVisible());
    QTest::mouseClick(button("Command7"), Qt::LeftButton);
    QVERIFY(!button("Command7")->isVisible()); // "Hide" hides itself with the panel
    QVERIFY(!panel->isVisible());
    QVERIFY(button("Command8")->isVisible());
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
}

void TestLauncher::webButtonsOpenTheirAddresses()
{
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);
    for (const char* n : {"Command3", "Command4", "Command5", "Command6"})
        QTest::mouseClick(button(n), Qt::LeftButton);
    QCOMPARE(m_opened.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(m_opened[i], Launcher::webAddresses()[i]);
        QVERIFY(m_opened[i].isValid() && m_opened[i].scheme().startsWith("http"));
    }
}

void TestLauncher::oneWindowPerButton()
{
    const auto before = QApplication::topLevelWidgets().size();
    QTest::mouseClick(button("converge"), Qt::LeftButton);
    QWidget* lens = m_registry->find("ThinLens");
    QVERIFY(lens && lens->isVisible());
    QTest::mouseClick(button("converge"), Qt::LeftButton);
    QCOMPARE(m_registry->find("ThinLens"), lens);
    QCOMPARE(QApplication::topLevelWidgets().size(), before + 1);
}

void TestLauncher::hiddenWindowKeepsItsState()
{
    QTest::mouseClick(button("converge"), Qt::LeftButton);
    QWidget* lens = m_registry->find("ThinLens");
    auto* h = lens->findChild<QLineEdit*>("h");
    h->setText("7");
    QTest::mouseClick(lens->findChild<QPushButton*>("quit"), Qt::LeftButton);
    QVERIFY(!lens->isVisible());
    lens->close(); // the frame's close box hides too
    QTest::mouseClick(button("converge"), Qt::LeftButton);
    QVERIFY(lens->isVisible());
    QCOMPARE(h->text(), QString("7"));
}

void TestLauncher::mirrorButtonsShowTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("concave") << "ConcaveMirror"
                             << "Concave"
                             << "Spherical Mirrors - Concave";
    QTest::newRow("convex") << "ConvexMirror"
                            << "Convex"
                            << "Spherical Mirrors - Convex";
}

void TestLauncher::mirrorButtonsShowTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QTest::mouseClick(this->button(button.toLatin1().constData()), Qt::LeftButton);
    QWidget* w = m_registry->find(window);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), title);
}

void TestLauncher::everyWindowIsAFrameToAssistiveTechnology()
{
    // Screen readers find a window by its role and title: a lab window must be a frame.
    for (const QString& name : m_registry->names()) {
        QWidget* w = m_registry->show(name);
        QVERIFY2(w, qPrintable(name));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a, qPrintable(name));
        QVERIFY2(a->role() == QAccessible::Window || a->role() == QAccessible::Dialog,
                 qPrintable(name));
        // The title as the frame shows it: a document window's unsaved mark resolved.
        QString shown = w->windowTitle();
        shown.replace(QStringLiteral("[*]"), w->isWindowModified() ? QStringLiteral("*") : "");
        QCOMPARE(a->text(QAccessible::Name), shown);
        w->close();
    }
}

void TestLauncher::quitAsksAboutUnsavedWork_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("cancel keeps the program") << int(bench::UnsavedAnswer::Cancel) << false;
    QTest::newRow("discard ends it") << int(bench::UnsavedAnswer::Discard) << true;
}

void TestLauncher::quitAsksAboutUnsavedWork()
{
    QFETCH(int, answer);
    QFETCH(bool, ends);
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    auto* w = qobject_cast<bench::BenchWindow*>(m_registry->show(QStringLiteral("OpticalBench")));
    QVERIFY(w);
    int asked = 0;
    bench::BenchDialogs d = bench::defaultBenchDialogs();
    d.askUnsaved = [&](QWidget*, const QString&) {
        ++asked;
        return static_cast<bench::UnsavedAnswer>(answer);
    };
    w->setDialogs(d);
    // Nothing unsaved: the launcher closes without a question.
    QVERIFY(m_launcher->close());
    QCOMPARE(asked, 0);
    m_launcher->show();
    w->addElement(bench::ElementType::Mirror, {0, 0});
    QCOMPARE(m_launcher->close(), ends);
    QCOMPARE(asked, 1);
    QCOMPARE(w->document().isModified(), true);
}

QTEST_MAIN(TestLauncher)
#include "test_launcher.moc"
