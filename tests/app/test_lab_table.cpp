#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace lumenary;

class TestLabTable : public QObject
{
    Q_OBJECT
private slots:
    void everyControlShowsItsWindow_data();
    void everyControlShowsItsWindow();
    void namesAreUnique();
    void exploreMenuOnlyWithEntries();
};

void TestLabTable::everyControlShowsItsWindow_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(labTable().size()); ++i)
        QTest::newRow(labTable()[static_cast<std::size_t>(i)].control) << i;
}

// A row whose window cannot be made, or whose control is missing, fails here rather than
// doing nothing at the student's click.
void TestLabTable::everyControlShowsItsWindow()
{
    QFETCH(int, row);
    const LabEntry& entry = labTable()[static_cast<std::size_t>(row)];
    WindowRegistry registry;
    registerWindows(registry);
    Launcher launcher(registry, [](const QUrl&) {});
    const QString control = QString::fromLatin1(entry.control);
    if (entry.place == LaunchPlace::Button) {
        auto* button = launcher.findChild<QPushButton*>(control);
        QVERIFY(button);
        QCOMPARE(button->text(), QString::fromLatin1(entry.caption));
        button->click();
    } else {
        auto* action = launcher.findChild<QAction*>(control);
        QVERIFY(action);
        QCOMPARE(action->text(), QString::fromLatin1(entry.caption));
        action->trigger();
    }
    QWidget* window = registry.find(QString::fromLatin1(entry.window));
    QVERIFY(window);
    QVERIFY(window->isVisible() && window->isWindow());
    window->close();
}

void TestLabTable::namesAreUnique()
{
    QSet<QString> windows;
    QSet<QString> controls;
    for (const LabEntry& entry : labTable()) {
        windows.insert(QString::fromLatin1(entry.window));
        controls.insert(QString::fromLatin1(entry.control));
    }
    QCOMPARE(windows.size(), static_cast<qsizetype>(labTable().size()));
    QCOMPARE(controls.size(), static_cast<qsizetype>(labTable().size()));
}

void TestLabTable::exploreMenuOnlyWithEntries()
{
    WindowRegistry registry;
    Launcher launcher(registry, [](const QUrl&) {});
    qsizetype explore = 0;
    for (const LabEntry& entry : labTable())
        explore += entry.place == LaunchPlace::Explore ? 1 : 0;
    auto* menu = launcher.findChild<QMenu*>(QStringLiteral("Explore"));
    QCOMPARE(menu != nullptr, explore > 0);
    if (menu) {
        QCOMPARE(menu->actions().size(), explore);
        QCOMPARE(launcher.menuBar()->actions().last(), menu->menuAction());
    }
}

QTEST_MAIN(TestLabTable)
#include "test_lab_table.moc"
