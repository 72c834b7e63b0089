// The program's start-up to the launcher's first paint, set up as main() sets it up; with
// --all-windows, every window is opened and painted first, for the peak memory (with --window
// NAME, the windows named).
#include "startup_common.h"

#include "app_style.h"
#include "launcher.h"
#include "memory_policy.h"
#include "window_catalog.h"
#include "window_registry.h"

int main(int argc, char** argv)
{
    lumenary::returnLargeBlocksToSystem();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    lumenary::setUpApplication();
    lumenary::returnFreePagesAfterInput(app);
    lumenary::boundPixmapCache();

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry, [](const QUrl&) {});
    lumenary::bench::FirstPaint watch;
    // --all-windows opens every window; --window NAME (repeated) only those named.
    const QStringList arguments = app.arguments();
    QStringList chosen;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("--window"))
            chosen << arguments[i + 1];
    if (arguments.contains(QStringLiteral("--all-windows")))
        chosen = registry.names();
    // --without NAME (repeated) leaves those out.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("--without"))
            chosen.removeAll(arguments[i + 1]);
    for (const QString& name : chosen)
        if (QWidget* w = registry.show(name))
            w->repaint();
    launcher.installEventFilter(&watch);
    launcher.show();
    return app.exec();
}
