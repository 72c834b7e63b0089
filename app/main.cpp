#include "app_style.h"
#include "external_open.h"
#include "language_choice.h"
#include "launcher.h"
#include "memory_policy.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char* argv[])
{
    lumenary::returnLargeBlocksToSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENARY_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    lumenary::setUpApplication();
    lumenary::routeUrlsThroughXdgOpen();
    lumenary::returnFreePagesAfterInput(app);
    lumenary::boundPixmapCache();

    // The language comes before any window: --lang, else the choice remembered in the user's
    // configuration (~/.config/Varnel/Lumenary.conf), else the system's.
    QString error;
    if (!lumenary::languageArgument(QApplication::arguments(), &error) && !error.isEmpty())
        std::fprintf(stderr, "lumenary: %s\n", qPrintable(error));
    QSettings settings(QStringLiteral("Varnel"), QStringLiteral("Lumenary"));
    lumenary::LanguageChoice language(settings);
    const QString choice = language.startChoice(QApplication::arguments());
    if (!language.choose(choice, false))
        std::fprintf(stderr, "lumenary: no translation for %s was found; running in English\n",
                     qPrintable(lumenary::LanguageChoice::languageFor(choice)));

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry);
    language.addMenu(launcher);
    launcher.show();
    return app.exec();
}
