#include "lab_window.h"

#include "controls.h"

#include <QCloseEvent>

namespace lumenary {

LabWindow::LabWindow(const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(title);
    setAccessibleName(title);
    setFixedSize(twips(0, 0, 9015, 6660).size());
}

void LabWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

} // namespace lumenary
