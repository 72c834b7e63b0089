#include "language_choice.h"

#include "language.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace lumenary
{

namespace
{

const QString kSystem = QStringLiteral("system");
const QString kKey = QStringLiteral("language");

// A choice as given ("system", "de", "de_DE.UTF-8"): "system" or a code; empty if unknown.
QString choiceOf(const QString& text)
{
    if (text.trimmed().compare(kSystem, Qt::CaseInsensitive) == 0)
        return kSystem;
    return languageOf(text);
}

} // namespace

std::optional<QString> languageArgument(const QStringList& arguments, QString* error)
{
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == option) {
            if (i + 1 >= arguments.size()) {
                if (error)
                    *error = QStringLiteral("--lang needs a language: en, de, fr, es or system");
                return std::nullopt;
            }
            value = arguments[i + 1];
        } else if (arguments[i].startsWith(option + QLatin1Char('='))) {
            value = arguments[i].mid(option.size() + 1);
        } else {
            continue;
        }
        const QString choice = choiceOf(value);
        if (choice.isEmpty()) {
            if (error)
                *error = QStringLiteral("--lang %1: no such language here; one of en, de, fr, es "
                                        "or system")
                             .arg(value);
            return std::nullopt;
        }
        return choice;
    }
    return std::nullopt;
}

LanguageChoice::LanguageChoice(QSettings& settings, QStringList folders, QObject* parent)
    : QObject(parent), m_settings(settings), m_folders(std::move(folders))
{
}

QString LanguageChoice::remembered() const
{
    const QString choice = choiceOf(m_settings.value(kKey).toString());
    return choice.isEmpty() ? kSystem : choice;
}

QString LanguageChoice::languageFor(const QString& choice)
{
    return choice == kSystem ? systemLanguage() : choice;
}

QString LanguageChoice::startChoice(const QStringList& arguments)
{
    m_choice = languageArgument(arguments).value_or(remembered());
    return m_choice;
}

bool LanguageChoice::choose(const QString& choice, bool remember)
{
    const QString known = choiceOf(choice);
    if (known.isEmpty())
        return false;
    m_choice = known;
    if (remember)
        m_settings.setValue(kKey, m_choice);
    const bool found = setLanguage(languageFor(m_choice), m_folders);
    if (m_entries)
        for (QAction* entry : m_entries->actions())
            entry->setChecked(entry->data().toString() == m_choice);
    return found;
}

void LanguageChoice::addMenu(QMainWindow& launcher)
{
    m_menu = launcher.menuBar()->addMenu(QString());
    m_menu->setObjectName(QStringLiteral("Language"));
    m_entries = new QActionGroup(m_menu);
    m_entries->setExclusive(true);
    QStringList choices{kSystem};
    choices += languageCodes();
    for (const QString& choice : choices) {
        QAction* entry = m_menu->addAction(languageName(choice));
        entry->setObjectName(QStringLiteral("Language_") + choice);
        entry->setData(choice);
        entry->setCheckable(true);
        entry->setChecked(choice == m_choice);
        m_entries->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, choice] { choose(choice); });
        if (choice == kSystem)
            m_menu->addSeparator();
    }
    retranslate();
    launcher.installEventFilter(this);
}

bool LanguageChoice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void LanguageChoice::retranslate()
{
    if (!m_menu)
        return;
    m_menu->setTitle(tr("Language"));
    // The system's language by its purpose; every other by its own name, so that a student finds
    // their language whatever the menu speaks now.
    m_entries->actions().first()->setText(
        tr("System Language (%1)").arg(languageName(systemLanguage())));
}

} // namespace lumenary
