#include "lab_window.h"

#include "accessible_text.h"
#include "controls.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>

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

constexpr int kRowSlack = 20; // pixels: how far below a row's first top a control still joins it

} // namespace

LabWindow::LabWindow(const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    static const bool installed = [] {
        QAccessible::installFactory(labWindowAccessible);
        installTextAccessibles();
        return true;
    }();
    (void)installed;
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

void LabWindow::keyPressEvent(QKeyEvent* event)
{
    // Every lab's Quit button hides its window; Esc is the keyboard's way to it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LabWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        // The first focus stays where a click-focusable control of the layout puts it, as
        // before plots and scroll bars took the focus by Tab: a mouse user sees no crosshair.
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if ((w->focusPolicy() & Qt::ClickFocus) && !w->isHidden()) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        setReadingTabOrder(this);
        Form_Load();
    }
}

void setReadingTabOrder(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->focusPolicy() & Qt::TabFocus)
            controls.append(w);
    const auto byTop = [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    };
    std::stable_sort(controls.begin(), controls.end(), byTop);
    QList<QWidget*> order;
    for (qsizetype first = 0; first < controls.size();) {
        qsizetype end = first + 1;
        while (end < controls.size() && controls[end]->y() <= controls[first]->y() + kRowSlack)
            ++end;
        QList<QWidget*> row = controls.mid(first, end - first);
        std::stable_sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
        });
        order += row;
        first = end;
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace lumenary
