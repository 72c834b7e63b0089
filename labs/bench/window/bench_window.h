#pragma once

#include "bench_dialogs.h"
#include "bench_files.h"
#include "modern_window.h"
#include "scene.h"
#include "unsaved_work.h"

#include <QStringList>
#include <QTimer>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace lumenary
{
class ExportActions;
}

namespace lumenary::bench
{

class BenchDocument;
class BenchPicture;
class ElementPalette;
class PropertyPanel;
class SettingsPanel;
class TraceRunner;

// "Optical Bench": a scene of light sources, lenses, mirrors, prisms, drops and detectors placed
// freely, traced with real glass, edited by mouse or keyboard alone with every change undoable,
// and kept in a scene file (File menu, Ctrl+S) or exported as a picture (Ctrl+E). Unsaved
// changes are asked about before they could be lost and kept in a recovery file every minute.
class BenchWindow final : public ModernWindow, public UnsavedWork
{
    Q_OBJECT
public:
    // The interval of the recovery file's writes while the scene has unsaved changes.
    static constexpr int kRecoveryMs = 60 * 1000;

    explicit BenchWindow(QWidget* parent = nullptr);
    ~BenchWindow() override;

    BenchDocument& document() const { return *m_document; }
    BenchPicture* picture() const { return m_picture; }
    PropertyPanel* properties() const { return m_properties; }
    TraceRunner& trace() const { return *m_trace; }
    // Replaces the dialogs (tests, the soak).
    void setDialogs(BenchDialogs dialogs);

    void refresh() override;

    // The File menu's work, callable from tests: each asks about unsaved changes first where
    // they would be lost, and returns false when nothing was done (cancelled or refused).
    bool newScene();
    bool openFile(const QString& path, const QString& shownName = {});
    bool openFileByDialog();
    bool openExample(const ExampleScene& example);
    bool save();
    bool saveAs();
    // Takes a scene kept by a run that ended without saving it, with its unsaved mark.
    bool restore(const RecoveredScene& recovered);
    // Writes the recovery file now, as the minute's timer does.
    void keepRecovery();
    bool settleUnsavedWork() override;
    std::size_t workBytes() const override;

    // The Edit menu's work on the selection.
    void copySelection();
    void paste();
    void duplicateSelection();
    void deleteSelection();
    // Adds an element of a type at a scene point, sized for the view (refused past the limits).
    void addElement(ElementType type, Vec2 at);

    // The message line: what the last paste, refusal or file action did.
    QString message() const;
    // The trace's status line.
    QString status() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* buildMenus();
    QWidget* buildSide();
    void fillExampleMenu();
    void fillRecentMenu();
    void remember(const QString& path);
    void updateTitle();
    void updateActions();
    void showMessage(const QString& text);
    // The scene's name for the title and the questions: its file's name, "Untitled".
    QString sceneName() const;
    bool addElements(std::vector<Element> elements, const QString& what);
    void takeScene(const Scene& scene, const QString& path, const QString& example);
    void dropRecovery();

    BenchDialogs m_dialogs;
    BenchDocument* m_document;
    TraceRunner* m_trace;
    BenchPicture* m_picture = nullptr;
    ElementPalette* m_palette = nullptr;
    PropertyPanel* m_properties = nullptr;
    SettingsPanel* m_settings = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_description = nullptr;
    Readout* m_status = nullptr;
    Readout* m_message = nullptr;
    ExportActions* m_export = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_beforeClose = nullptr; // the separator above Close
    QMenu* m_examples = nullptr;
    QMenu* m_recent = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_duplicate = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_grid = nullptr;
    QString m_exampleTitle; // the example a new scene was made from
    QStringList m_recentPaths;
    RecoveryFile m_recovery;
    QTimer m_recoveryTimer;
};

// The Optical Bench window, as the launcher shows it.
QWidget* createBenchWindow();

// What the program does at its start for the bench: offers every recovery file no running
// program holds (restored into the window showBench gives), then opens the scene file named on
// the command line, if any; a file that cannot be opened is reported over parent (the launcher)
// and leaves everything else as it was.
void startBench(const QString& sceneFile, QWidget* parent,
                const std::function<BenchWindow*()>& showBench);

} // namespace lumenary::bench
