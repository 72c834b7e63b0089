#include "app_style.h"
#include "bench_window.h"
#include "external_open.h"
#include "language_choice.h"
#include "launcher.h"
#include "memory_policy.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QCommandLineParser>
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

    // `lumenary FILE.lumenary` (and the file manager, through the desktop entry's %F) opens the
    // scene in the Optical Bench; one scene at a time, so the first file named.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Varnel Lumenary, an optics laboratory"));
    arguments.addHelpOption();
    arguments.addVersionOption();
    // Read by languageArgument below; named here so that the parser accepts it.
    arguments.addOption(QCommandLineOption(QStringLiteral("lang"),
                                           QStringLiteral("Runs in the language CODE"),
                                           QStringLiteral("code")));
    arguments.addPositionalArgument(QStringLiteral("scene"),
                                    QStringLiteral("An Optical Bench scene (.lumenary) to open"),
                                    QStringLiteral("[scene]"));
    arguments.process(app);
    const QStringList scenes = arguments.positionalArguments();

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
    lumenary::bench::startBench(scenes.value(0), &launcher, [&registry] {
        return qobject_cast<lumenary::bench::BenchWindow*>(
            registry.show(QStringLiteral("OpticalBench")));
    });
    return app.exec();
}
