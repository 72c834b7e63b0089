#include "window_registry.h"

#include "language.h"

namespace lumenary
{

WindowRegistry::~WindowRegistry()
{
    for (auto& window : m_windows)
        delete window.data();
}

void WindowRegistry::add(const QString& name, Factory factory)
{
    if (!m_factories.contains(name))
        m_order.append(name);
    m_factories.insert(name, std::move(factory));
}

QWidget* WindowRegistry::show(const QString& name)
{
    QWidget* window = find(name);
    if (window && window->isHidden() && m_languages.value(name) != currentLanguage()) {
        // Its replacement speaks the new language; only a launcher's control asks for it, never
        // the window itself, so it is not in one of its own handlers.
        delete window;
        m_windows.remove(name);
        window = nullptr;
    }
    if (!window) {
        const auto factory = m_factories.constFind(name);
        if (factory == m_factories.constEnd())
            return nullptr;
        window = (*factory)();
        if (!window)
            return nullptr;
        m_windows.insert(name, window);
        m_languages.insert(name, currentLanguage());
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::find(const QString& name) const
{
    return m_windows.value(name).data();
}

} // namespace lumenary
