#pragma once

#include <QString>
#include <QStringList>

namespace lumenary
{

// The languages the program speaks, as ISO 639-1 codes: English (the source and fallback),
// German, French, Spanish.
const QStringList& languageCodes();

// A language's own name ("Deutsch"), as the language menu lists it.
QString languageName(const QString& code);

// The program's language for a locale or language name ("de_DE.UTF-8", "fr-CA", "es"): its
// code when the program speaks it, otherwise empty. "C" and "POSIX" are English.
QString languageOf(const QString& name);

// The first of a list of preferred languages (as QLocale::uiLanguages gives them, most
// preferred first) that the program speaks; English when it speaks none.
QString preferredLanguage(const QStringList& uiLanguages);

// The system's language, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as Qt reads them.
QString systemLanguage();

// Where the compiled translations are looked for: a "translations" folder in each asset
// folder, in the same order.
QStringList translationFolders();

// Makes code the running language: installs the program's translation (lumenary_<code>.qm,
// from the first of folders that has it) and Qt's own for its dialogs and buttons
// (qtbase_<code>.qm, from Qt's translations folder), replacing those installed before; English
// removes them. Returns false, and runs in English, when the program's translation for code is
// not found. Widgets receive a LanguageChange event.
bool setLanguage(const QString& code, const QStringList& folders = translationFolders());

// The running language's code ("en" until setLanguage chooses another).
QString currentLanguage();

// A caption as assistive technology and the copied values read it: without the soft hyphens
// that let a narrow label wrap a long word.
QString withoutSoftHyphens(QString caption);

} // namespace lumenary
