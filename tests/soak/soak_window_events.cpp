// The events a careless student gives a laid-out window besides its controls: its pictures
// clicked, focused and keyed, copying, saving and printing (with the dialogs answered by the
// soak, into a folder of its own), and new sizes.
#include "export_actions.h"
#include "soak_driver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace lumenary::soak
{

namespace
{

void pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

bool isPicture(const QWidget* widget)
{
    return widget->focusPolicy() == Qt::TabFocus;
}

QString Driver::pictureEvent(QWidget* picture)
{
    const QString name = describe(picture);
    switch (below(4)) {
    case 0:
        picture->setFocus(Qt::TabFocusReason); // copy, save and print take it now
        return name + QStringLiteral(": focus by Tab");
    case 1: {
        static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,   Qt::Key_Down,
                                   Qt::Key_Home, Qt::Key_End,   Qt::Key_Space};
        const auto k = below(std::size(keys));
        pressKey(picture, keys[k]);
        return name + QStringLiteral(": key %1").arg(keys[k], 0, 16);
    }
    default:
        return mouseGesture(picture, true); // the right button's release opens the menu
    }
}

namespace
{

// What an export event does: its key, and for a save the name chosen in the dialog (empty: the
// dialog cancelled). Every kind is done once before the others are drawn at random.
struct ExportKind {
    const char* name;
    QKeySequence key;
    const char* file;
};

const std::vector<ExportKind>& exportKinds()
{
    static const std::vector<ExportKind> kinds{
        {"copy", QKeySequence(Qt::CTRL | Qt::Key_C), nullptr},
        {"copy values", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), nullptr},
        {"save PNG", QKeySequence(Qt::CTRL | Qt::Key_S), "picture.png"},
        {"save SVG", QKeySequence(Qt::CTRL | Qt::Key_S), "picture.svg"},
        {"save PDF", QKeySequence(Qt::CTRL | Qt::Key_S), "picture.pdf"},
        {"save as an unknown type", QKeySequence(Qt::CTRL | Qt::Key_S), "picture.xyz"},
        {"save into a missing folder", QKeySequence(Qt::CTRL | Qt::Key_S), "none/picture.png"},
        {"save cancelled", QKeySequence(Qt::CTRL | Qt::Key_S), ""},
        {"print", QKeySequence(Qt::CTRL | Qt::Key_P), nullptr},
    };
    return kinds;
}

} // namespace

void Driver::hookExportDialogs(QWidget* window)
{
    auto* actions = window->findChild<ExportActions*>(QString(), Qt::FindDirectChildrenOnly);
    if (!actions || m_hooked.contains(actions))
        return;
    m_hooked.insert(actions);
    QObject::connect(actions, &QObject::destroyed, &m_context,
                     [this, actions] { m_hooked.remove(actions); });
    // The same few files, written over and over.
    actions->setFileChooser([this](QWidget*, const QString&) {
        return m_saveAs.isEmpty() ? QString() : m_exportFolder.filePath(m_saveAs);
    });
    actions->setPrinterChooser([this](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_exportFolder.filePath(QStringLiteral("printed.pdf")));
        return true;
    });
    actions->setErrorReporter([](QWidget*, const QString&) {}); // told, and dismissed
}

QStringList Driver::exportsNeverDone() const
{
    QStringList missing;
    for (const ExportKind& kind : exportKinds())
        if (!m_exportsDone.contains(QLatin1String(kind.name)))
            missing << QLatin1String(kind.name);
    return missing;
}

QString Driver::exportEvent(QWidget* window)
{
    hookExportDialogs(window);
    const std::vector<ExportKind>& kinds = exportKinds();
    const QStringList missing = exportsNeverDone();
    const ExportKind& kind =
        missing.isEmpty() ? kinds[below(kinds.size())]
                          : *std::find_if(kinds.begin(), kinds.end(), [&](const ExportKind& k) {
                                return missing.first() == QLatin1String(k.name);
                            });
    m_saveAs = kind.file ? QString::fromLatin1(kind.file) : QString();
    // The window's own keys, through the actions they trigger.
    for (QAction* action : window->actions()) {
        if (action->shortcut() != kind.key || !action->isEnabled())
            continue;
        action->trigger();
        m_exportsDone.insert(QLatin1String(kind.name));
        // The clipboard keeps a copied picture until something else is copied, as it should;
        // emptied here, so that the memory check sees growth, not the last copy.
        QGuiApplication::clipboard()->clear();
        return describe(window) + QStringLiteral(": ") + QLatin1String(kind.name);
    }
    return describe(window) + QStringLiteral(": nothing to ") + QLatin1String(kind.name);
}

QString Driver::resizeEvent(QWidget* window)
{
    const QSize least = window->minimumSize();
    const QSize most = window->maximumSize();
    if (least == most) // a classic window keeps its size
        return describe(window) + QStringLiteral(": fixed size");
    if (!m_opening.contains(window)) {
        m_opening.insert(window, window->size());
        QObject::connect(window, &QObject::destroyed, &m_context,
                         [this, window] { m_opening.remove(window); });
    }
    // From the least size up to the opening size, and back to that now and then: memory is
    // held to its level at the opening size.
    const QSize opening = m_opening.value(window);
    QSize size = opening;
    if (!chance(300)) {
        const auto span = [&](int lo, int hi) {
            return lo +
                   static_cast<int>(below(static_cast<std::uint64_t>(std::max(hi - lo, 0)) + 1));
        };
        size = QSize(span(least.width(), opening.width()), span(least.height(), opening.height()));
    }
    window->resize(size);
    return describe(window) +
           QStringLiteral(": resize to %1 x %2").arg(size.width()).arg(size.height());
}

} // namespace lumenary::soak
