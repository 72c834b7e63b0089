#include "language.h"

#include "asset_path.h"
#include "wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <memory>

namespace lumenary
{

namespace
{

// The translators in effect: the program's and Qt's.
struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

std::string translateForCore(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

void removeTranslators()
{
    Installed& state = installed();
    for (auto* slot : {&state.program, &state.qt}) {
        if (*slot)
            QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
}

// Tells every widget that the language changed: Qt tells them of a translator installed or
// removed only once the event loop runs, and not at all of a change to English from English.
void announceChange()
{
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

} // namespace

const QStringList& languageCodes()
{
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                   QStringLiteral("es")};
    return codes;
}

QString languageName(const QString& code)
{
    static const std::array<const char*, 4> names{"English", "Deutsch", "Français", "Español"};
    const qsizetype at = languageCodes().indexOf(code);
    return at < 0 ? QString() : QString::fromUtf8(names[static_cast<std::size_t>(at)]);
}

QString languageOf(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed == QLatin1String("C") || trimmed.startsWith(QLatin1String("C.")) ||
        trimmed == QLatin1String("POSIX"))
        return QStringLiteral("en");
    // The language part: before any territory, script, encoding or modifier.
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed.at(end).isLetter())
        ++end;
    const QString language = trimmed.left(end).toLower();
    return languageCodes().contains(language) ? language : QString();
}

QString preferredLanguage(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages)
        if (const QString code = languageOf(name); !code.isEmpty())
            return code;
    return QStringLiteral("en");
}

QString systemLanguage()
{
    return preferredLanguage(QLocale::system().uiLanguages());
}

QStringList translationFolders()
{
    QStringList folders;
    for (const QString& folder : assetFolders())
        folders << QDir(folder).filePath(QStringLiteral("translations"));
    return folders;
}

bool setLanguage(const QString& code, const QStringList& folders)
{
    // The cores' sentences follow Qt's translators from now on.
    setTranslateFunction(translateForCore);
    removeTranslators();
    Installed& state = installed();
    state.code = QStringLiteral("en");
    const bool english = code == QLatin1String("en");
    if (!english && languageCodes().contains(code)) {
        auto program = std::make_unique<QTranslator>();
        const QString file = QStringLiteral("lumenary_") + code;
        for (const QString& folder : folders)
            if (!folder.isEmpty() && program->load(file, folder)) {
                auto qt = std::make_unique<QTranslator>();
                if (qt->load(QStringLiteral("qtbase_") + code,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                    QCoreApplication::installTranslator(qt.get());
                    state.qt = std::move(qt);
                }
                QCoreApplication::installTranslator(program.get());
                state.program = std::move(program);
                state.code = code;
                break;
            }
    }
    announceChange();
    return english || state.program != nullptr;
}

QString currentLanguage()
{
    return installed().code;
}

QString withoutSoftHyphens(QString caption)
{
    return caption.remove(QChar(QChar::SoftHyphen));
}

} // namespace lumenary
