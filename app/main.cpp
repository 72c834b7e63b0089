#include "app_style.h"
#include "bench_window.h"
#include "external_open.h"
#include "launcher.h"
#include "memory_policy.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    lumenary::returnLargeBlocksToSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENARY_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    lumenary::setUpApplication();
    lumenary::routeUrlsThroughXdgOpen();

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry);

    // `lumenary FILE.lumenary` (and the file manager, through the desktop entry's %F) opens the
    // scene in the Optical Bench; one scene at a time, so the first file named.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Varnel Lumenary, an optics laboratory"));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("scene"),
                                    QStringLiteral("An Optical Bench scene (.lumenary) to open"),
                                    QStringLiteral("[scene]"));
    arguments.process(app);
    const QStringList scenes = arguments.positionalArguments();

    launcher.show();
    lumenary::bench::startBench(scenes.value(0), &launcher, [&registry] {
        return qobject_cast<lumenary::bench::BenchWindow*>(
            registry.show(QStringLiteral("OpticalBench")));
    });
    return app.exec();
}
