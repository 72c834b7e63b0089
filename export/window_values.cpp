#include "picture_export.h"
#include "readout.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace lumenary
{

namespace
{

struct Entry {
    const QWidget* control;
    QString name;
    QString value;
    bool readout;
};

// A name or value on one line, without the tabs that separate the columns.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.trimmed();
}

QString nameOf(const QWidget* control)
{
    const QString name = oneLine(control->accessibleName());
    return name.isEmpty() ? control->objectName() : name;
}

QRect inWindow(const QWidget* w, const QWidget* window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

// The nearest label without a field of its own above the control and its label, sharing some
// of their width: the heading of the group the control belongs to.
QString headingAbove(const Entry& entry, const QWidget* window)
{
    QRect span = inWindow(entry.control, window);
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (const QLabel* label : labels)
        if (label->buddy() == entry.control)
            span = span.united(inWindow(label, window));
    const QLabel* best = nullptr;
    int bestBottom = 0;
    for (const QLabel* label : labels) {
        const QRect at = inWindow(label, window);
        // A read-out's text is a value, never a heading.
        if (label->buddy() || dynamic_cast<const Readout*>(label) || !label->isVisible() ||
            at.bottom() > span.top() || at.right() < span.left() || at.left() > span.right())
            continue;
        if (!best || at.bottom() > bestBottom) {
            best = label;
            bestBottom = at.bottom();
        }
    }
    return best ? oneLine(best->text()) : QString();
}

std::optional<Entry> entryFor(const QWidget* w, const QStringList& readouts)
{
    // The text part of a list or a spin box belongs to its control.
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent))
        return std::nullopt;
    // A laid-out window's read-out, field or label, says its caption and its text itself.
    if (auto* readout = dynamic_cast<const Readout*>(w))
        return Entry{w, oneLine(readout->caption()), oneLine(readout->value()), true};
    if (auto* field = qobject_cast<const QLineEdit*>(w))
        return Entry{w, nameOf(w), oneLine(field->text()),
                     field->isReadOnly() || readouts.contains(w->objectName())};
    if (auto* list = qobject_cast<const QComboBox*>(w))
        return Entry{w, nameOf(w), oneLine(list->currentText()), false};
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
        return Entry{w, nameOf(w), oneLine(spin->text()), false};
    // A setting whose steps are not its unit (tenths of a degree) gives its value as text.
    if (auto* shown = dynamic_cast<const ShownValue*>(w))
        return Entry{w, nameOf(w), oneLine(shown->shownValue()), false};
    if (auto* slider = qobject_cast<const QAbstractSlider*>(w)) {
        // A scroll bar is a position along a travel, not a value: the window shows what it
        // sets (the object's distance, the prism's rotation, the drop's incidence height) in a
        // read-out, in its units and under its own name.
        if (qobject_cast<const QScrollBar*>(w))
            return std::nullopt;
        return Entry{w, nameOf(w), QString::number(slider->value()), false};
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w); button && button->isCheckable())
        return Entry{w, nameOf(w),
                     button->isChecked()
                         ? QCoreApplication::translate("lumenary::WindowValues", "on")
                         : QCoreApplication::translate("lumenary::WindowValues", "off"),
                     false};
    return std::nullopt;
}

} // namespace

QString windowValues(const QWidget* window, const QStringList& readouts)
{
    std::vector<Entry> entries;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        auto entry = entryFor(w, readouts);
        // Two controls of one value (a slider and the spin box beside it) are one setting.
        if (entry && std::none_of(entries.begin(), entries.end(), [&](const Entry& e) {
                return !e.readout && !entry->readout && e.name == entry->name &&
                       e.value == entry->value &&
                       e.control->accessibleDescription() == w->accessibleDescription();
            }))
            entries.push_back(*entry);
    }
    // A read-out that shows a setting's value beside it (a slider's "50.0°") says it once more:
    // the setting says it.
    std::erase_if(entries, [&](const Entry& r) {
        return r.readout && std::any_of(entries.begin(), entries.end(), [&](const Entry& e) {
                   return !e.readout && e.name == r.name && e.value == r.value;
               });
    });
    QStringList settings;
    QStringList lines;
    for (const Entry& e : entries) {
        QString name = e.name;
        const auto same = std::count_if(entries.begin(), entries.end(),
                                        [&](const Entry& o) { return o.name == e.name; });
        const QString told = oneLine(e.control->accessibleDescription());
        if (same > 1 && !told.isEmpty()) {
            // Fields that share a label are told apart by their descriptions ("left edge").
            name += QStringLiteral(" (") + told + QLatin1Char(')');
        } else if (same > 1) {
            const QString heading = headingAbove(e, window);
            if (!heading.isEmpty())
                name = heading + QStringLiteral(": ") + name;
        }
        if (e.readout)
            lines << name + QLatin1Char('\t') + e.value;
        else
            settings << name + QStringLiteral(" = ") + e.value;
    }
    lines.prepend(oneLine(shownTitle(window)) + QLatin1Char('\t') +
                  settings.join(QStringLiteral("; ")));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString shownTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         window->isWindowModified() ? QStringLiteral("*") : QString());
}

} // namespace lumenary
