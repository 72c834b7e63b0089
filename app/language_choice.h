#pragma once

#include "language.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QActionGroup;
class QMainWindow;
class QMenu;
class QSettings;

namespace lumenary
{

// The language given on the command line ("--lang CODE" or "--lang=CODE"; CODE a language code
// such as "de", a locale name such as "fr_FR.UTF-8", or "system"): "system" or a code of
// languageCodes(); none without the option. An unknown CODE or a missing one gives none and
// says why in error.
std::optional<QString> languageArgument(const QStringList& arguments, QString* error = nullptr);

// The student's choice of language, the one setting the program keeps: "system" (the system's
// language, the default) or a language code, remembered in settings under "language" and offered
// in the launcher's "Language" menu. A choice takes effect at once: the launcher's own texts are
// retranslated, and every window opened after it (a hidden one is made afresh) speaks the new
// language; a window open at the time keeps its language until it is closed.
class LanguageChoice final : public QObject
{
    Q_OBJECT
public:
    // folders: where the translations are looked for.
    explicit LanguageChoice(QSettings& settings, QStringList folders = translationFolders(),
                            QObject* parent = nullptr);

    // The choice remembered: "system" or a language code.
    QString remembered() const;
    // The language to start in: the command line's, else the one remembered, else the system's;
    // also what the menu shows as chosen.
    QString startChoice(const QStringList& arguments);
    // Makes choice ("system" or a code) the running language and the menu's checked entry; with
    // remember, it is also kept for the next start. False when its translation was not found
    // (the program then runs in English).
    bool choose(const QString& choice, bool remember = true);
    // The language a choice runs in: a code of languageCodes().
    static QString languageFor(const QString& choice);

    // Adds the "Language" menu to the end of launcher's menu bar: the system's language, then
    // each language by its own name.
    void addMenu(QMainWindow& launcher);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QSettings& m_settings;
    QStringList m_folders;
    QString m_choice = QStringLiteral("system");
    QMenu* m_menu = nullptr;
    QActionGroup* m_entries = nullptr;
};

} // namespace lumenary
