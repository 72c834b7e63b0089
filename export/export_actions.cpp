#include "export_actions.h"

#include "picture_export.h"
#include "picture_source.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

namespace lumenary
{

namespace
{

QString chooseFileByDialog(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, ExportActions::tr("Save Picture As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{ExportActions::tr("PNG image (*.png)"),
                              ExportActions::tr("SVG drawing (*.svg)"),
                              ExportActions::tr("PDF document (*.pdf)")};
    const QStringList suffixes{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
    dialog.setNameFilters(filters);
    // A name typed without a type gets the chosen filter's type (PNG unless another is chosen),
    // before the dialog asks about overwriting.
    dialog.setDefaultSuffix(suffixes.first());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter), suffixes.first()));
    });
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool choosePrinterByDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void reportByMessageBox(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, QStringLiteral("Varnel Lumenary"), message);
}

// Whether watched takes the surface's mouse: the surface, or a chart's (a scroll area's) viewport.
bool takesMouseOf(const QObject* watched, const QWidget* surface)
{
    const auto* area = qobject_cast<const QAbstractScrollArea*>(surface);
    return watched == surface || (area && watched == area->viewport());
}

// Where the file dialog opens: the folder last chosen in this run (a picture saved, or a name
// refused there), else the user's documents folder where there is one, else the home folder.
QString& lastFolder()
{
    static QString folder = [] {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QDir(documents).exists() ? documents : QDir::homePath();
    }();
    return folder;
}

} // namespace

ExportActions::ExportActions(QWidget* window, std::unique_ptr<PictureSource> source,
                             ExportOptions options)
    : QObject(window), m_window(window), m_source(std::move(source)), m_options(std::move(options)),
      m_chooseFile(chooseFileByDialog), m_choosePrinter(choosePrinterByDialog),
      m_reportError(reportByMessageBox)
{
    setObjectName(QStringLiteral("exportActions"));
    m_actions << addAction(tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), &ExportActions::copy)
              << addAction(tr("Save Picture As…"), QKeySequence(Qt::CTRL | Qt::Key_S),
                           &ExportActions::savePictureAs)
              << addAction(tr("Print…"), QKeySequence(Qt::CTRL | Qt::Key_P), &ExportActions::print)
              << addAction(tr("Copy Values"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                           &ExportActions::copyValues);
    auto* menuKey = new QAction(tr("Menu"), this);
    menuKey->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, this, &ExportActions::showMenuAtSurface);
    window->addAction(menuKey);

    // On the application, not the window: the platform follows the Menu key with a menu request
    // of its own, to whichever widget has the focus.
    qApp->installEventFilter(this);
}

ExportActions::~ExportActions() = default;

QAction* ExportActions::addAction(const QString& text, const QKeySequence& keys,
                                  void (ExportActions::*slot)())
{
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    m_window->addAction(action);
    return action;
}

QMenu* ExportActions::menu()
{
    if (!m_menu) {
        m_menu = new QMenu(m_window);
        m_menu->setObjectName(QStringLiteral("exportMenu"));
        m_menu->addActions(m_actions);
    }
    return m_menu;
}

QString ExportActions::values() const
{
    return windowValues(m_window, m_options.readouts);
}

void ExportActions::copy()
{
    auto* data = new QMimeData;
    data->setImageData(pictureImage(*m_source));
    data->setText(values());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ExportActions::copyValues()
{
    QGuiApplication::clipboard()->setText(values());
}

void ExportActions::savePictureAs()
{
    QString suggested = m_window->windowTitle().remove(QStringLiteral("[*]"));
    suggested.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
    const QString fileName =
        m_chooseFile(m_window, QDir(lastFolder()).filePath(suggested + QStringLiteral(".png")));
    if (fileName.isEmpty())
        return;
    const QString folder = QFileInfo(fileName).absolutePath();
    if (QDir(folder).exists())
        lastFolder() = folder;
    if (const auto failure = savePicture(*m_source, fileName, shownTitle(m_window)))
        m_reportError(m_window, tr("The picture could not be saved as “%1”.\n\n%2")
                                    .arg(QDir::toNativeSeparators(fileName), *failure));
}

void ExportActions::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(shownTitle(m_window));
    if (!m_choosePrinter(m_window, printer))
        return;
    if (!printPicture(*m_source, printer, shownTitle(m_window), values()))
        m_reportError(m_window, tr("The picture could not be printed."));
}

void ExportActions::showMenu(QPoint globalPos)
{
    menu()->popup(globalPos);
}

void ExportActions::showMenuAtSurface()
{
    const QWidget* surface = m_source->surface();
    showMenu(surface->mapToGlobal(surface->rect().center()));
}

bool ExportActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        // The keys are this window's shortcuts, even where a field has a menu of its own.
        if (menuEvent->reason() != QContextMenuEvent::Mouse)
            return widget && widget->window() == m_window;
        // A press of the right button over the surface waits for its release.
        if (takesMouseOf(watched, m_source->surface()))
            return true;
        if (watched == m_window) {
            showMenu(menuEvent->globalPos());
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease && takesMouseOf(watched, m_source->surface())) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* under = static_cast<const QWidget*>(watched);
        if (mouse->button() == Qt::RightButton && m_options.rightButton == RightButton::Free &&
            under->rect().contains(mouse->position().toPoint())) {
            const QPoint at = mouse->globalPosition().toPoint();
            // After the surface's own release handling.
            QMetaObject::invokeMethod(
                this, [this, at] { showMenu(at); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

ExportActions* installExportActions(QWidget* window, PlotWidget* plot, RightButton rightButton,
                                    const QStringList& readouts)
{
    return installExportActions(window, std::make_unique<PlotPicture>(plot),
                                ExportOptions{rightButton, readouts});
}

ExportActions* installExportActions(QWidget* window, std::unique_ptr<PictureSource> source,
                                    ExportOptions options)
{
    return new ExportActions(window, std::move(source), std::move(options));
}

} // namespace lumenary
