#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace lumenary
{

// Creates each window the first time it is shown and shows the same one ever after. A window
// that destroys itself (the about box) is created afresh by the next show, and so is a hidden
// window made in another language than the running one (its texts are fixed when it is made).
class WindowRegistry
{
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    // Makes name showable; factory builds the window (without a parent).
    void add(const QString& name, Factory factory);
    // Creates the window if it does not exist, shows it modeless and brings it to the front.
    // Returns it, or nullptr for a name with no window.
    QWidget* show(const QString& name);
    // The window if it exists now.
    QWidget* find(const QString& name) const;
    // The names that have a window to show, in the order they were added.
    QStringList names() const { return m_order; }

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
    QHash<QString, QString> m_languages; // the running language when each window was made
    QStringList m_order;
};

} // namespace lumenary
