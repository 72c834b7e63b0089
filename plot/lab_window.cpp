#include "lab_window.h"

#include "controls.h"

#include <QAccessibleWidget>
#include <QCloseEvent>

namespace lumenary
{

namespace
{

// Assistive technology sees a lab window as a frame, as it sees the launcher, not as a bare
// pane ("filler") the way Qt reports a plain top-level widget.
QAccessibleInterface* labWindowAccessible(const QString& className, QObject* object)
{
    auto* window = qobject_cast<LabWindow*>(object);
    if (!window || className != QLatin1String("lumenary::LabWindow"))
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

} // namespace

LabWindow::LabWindow(const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    static const bool installed = [] {
        QAccessible::installFactory(labWindowAccessible);
        return true;
    }();
    (void)installed;
    setObjectName(name);
    setWindowTitle(title);
    setAccessibleName(title);
    setFixedSize(twips(0, 0, 9015, 6660).size());
}

void LabWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void LabWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

} // namespace lumenary
