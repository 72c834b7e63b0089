#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPrinter;
class QWidget;

namespace lumenary
{

class PictureSource;
class PlotWidget;

// Whether the right mouse button opens the menu over a surface (Free) or belongs to the
// surface's own handlers, which act on a press or release of any button (Acts).
enum class RightButton { Free, Acts };

// How a window's surface and fields take part in copying, saving and printing.
struct ExportOptions {
    RightButton rightButton = RightButton::Free;
    // Editable fields that the window writes as read-outs (by objectName).
    QStringList readouts;
};

// Copy (Ctrl+C), Save Picture As... (Ctrl+S), Print... (Ctrl+P) and Copy Values
// (Ctrl+Shift+C) for one window and its drawing surface, as window shortcuts and in a context
// menu that opens on the Menu key, on Shift+F10 and on the right button where the surface
// leaves it free (on release, after the surface's own handlers had the click). The dialogs are
// injectable, so that tests never open a modal one.
class ExportActions final : public QObject
{
    Q_OBJECT
public:
    // Returns the chosen file name, or an empty text when the student cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    // Sets the printer up; false when the student cancelled.
    using PrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer)>;
    // Tells the student what went wrong.
    using ErrorReporter = std::function<void(QWidget* parent, const QString& message)>;

    ExportActions(QWidget* window, std::unique_ptr<PictureSource> source, ExportOptions options);
    ~ExportActions() override;

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

    const PictureSource& picture() const { return *m_source; }
    // The four actions in menu order: Copy, Save Picture As…, Print…, Copy Values. A document
    // window may rename them, give them other keys or put them in its menus (the Optical Bench
    // saves its scene on Ctrl+S and exports its picture on Ctrl+E).
    const QList<QAction*>& actions() const { return m_actions; }
    // The context menu, made at its first use: a menu is a top-level widget of its own.
    QMenu* menu();
    // The window's values as Copy Values puts them on the clipboard.
    QString values() const;

public slots:
    void copy();
    void savePictureAs();
    void print();
    void copyValues();
    void showMenu(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(const QString& text, const QKeySequence& keys,
                       void (ExportActions::*slot)());
    void showMenuAtSurface();

    QWidget* m_window;
    std::unique_ptr<PictureSource> m_source;
    ExportOptions m_options;
    QMenu* m_menu = nullptr;
    QList<QAction*> m_actions; // in menu order
    FileChooser m_chooseFile;
    PrinterChooser m_choosePrinter;
    ErrorReporter m_reportError;
};

// Gives window the four actions for its plot: the one line a lab window needs.
ExportActions* installExportActions(QWidget* window, PlotWidget* plot,
                                    RightButton rightButton = RightButton::Free,
                                    const QStringList& readouts = {});
// The same for any other surface.
ExportActions* installExportActions(QWidget* window, std::unique_ptr<PictureSource> source,
                                    ExportOptions options = {});

} // namespace lumenary
