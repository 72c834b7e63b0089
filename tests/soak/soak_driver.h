#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <deque>
#include <functional>
#include <random>

class QAbstractButton;
class QAbstractItemView;
class QMenuBar;
class QComboBox;
class QLineEdit;
class QAbstractSlider;
class QWidget;

namespace lumenary
{
class Launcher;
class WindowRegistry;
} // namespace lumenary

namespace lumenary::soak
{

// Drives the program the way a careless student would, one event at a time, from a seed: every
// window is reached through the launcher's own buttons and menu, and every control is found by
// its type, so a window added later is driven without any change here.
class Driver
{
public:
    Driver(Launcher& launcher, WindowRegistry& registry, std::uint64_t seed);

    // Performs the next event and describes it (for a replay's trace).
    QString step();
    // What is wrong with the program's state now, or an empty text when every invariant holds.
    QString check();
    // The registered windows that have not been shown yet.
    QStringList windowsNeverShown() const;
    // How much memory the student's work takes in the windows that hold some.
    std::uint64_t workBytes() const;
    // The kinds of copying, saving and printing not done yet.
    QStringList exportsNeverDone() const;
    // How many web pages and clips the program asked to open.
    int externalRequests() const { return m_externalRequests; }
    void countExternalRequest() { ++m_externalRequests; }

private:
    using Action = std::function<QString()>;

    std::uint64_t below(std::uint64_t n) { return n == 0 ? 0 : m_random() % n; }
    bool chance(int perThousand) { return below(1000) < static_cast<std::uint64_t>(perThousand); }

    QList<QWidget*> openWindows() const;
    QList<QWidget*> controls(QWidget* window) const;
    QString launcherEvent();
    QString windowEvent(QWidget* window);
    QString textEvent(QLineEdit* field);
    QString scrollEvent(QAbstractSlider* bar);
    QString listEvent(QComboBox* list);
    QString buttonEvent(QAbstractButton* button);
    QString menuBarEvent(QWidget* window, QMenuBar* bar);
    QString clipboardEvent();
    QString canvasKeyEvent(QWidget* canvas);
    QString itemViewEvent(QAbstractItemView* view);
    // Copy, save, print and the windows' own pictures and sizes (soak_window_events.cpp).
    QString pictureEvent(QWidget* picture);
    QString exportEvent(QWidget* window);
    QString resizeEvent(QWidget* window);
    void hookExportDialogs(QWidget* window);
    QString mouseGesture(QWidget* surface, bool wholeArea);
    QPoint pointOver(QWidget* surface, bool outsideToo);
    QString numberText();
    QString hostileText();
    void noteShownWindows();
    // The first time a window with menus of its own shows, every entry is tried once, in menu
    // order, as events of their own: what a first use loads and caches belongs to the warm-up.
    void sweepMenusOf(const QList<QWidget*>& windows);

    Launcher& m_launcher;
    WindowRegistry& m_registry;
    std::mt19937_64 m_random;
    std::deque<Action> m_pending;             // the rest of a gesture begun by an earlier event
    QHash<const QLineEdit*, QString> m_typed; // the last text the soak left in each field
    QObject m_context;                        // ends the driver's connections with the driver
    QSet<QString> m_shown;
    QSet<QString> m_swept; // windows whose menus were tried once
    int m_externalRequests = 0;
    QTemporaryDir m_exportFolder;           // where saved pictures and printed pages go
    QHash<const QWidget*, QSize> m_opening; // each resizable window's size when first met
    QSet<const QObject*> m_hooked;          // export actions whose dialogs answer for the soak
    QSet<QString> m_exportsDone;
    QString m_saveAs; // the name the save dialog gives next, in the export folder
};

// A picture of a laid-out window: a custom-painted widget that the keyboard reaches by Tab only.
bool isPicture(const QWidget* widget);

// Describes a widget for the log: its window's name and its own.
QString describe(const QWidget* widget);

} // namespace lumenary::soak
