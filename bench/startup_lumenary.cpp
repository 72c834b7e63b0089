// The program's start-up to the launcher's first paint, set up as main() sets it up; with
// --all-windows, every window is opened and painted first, for the peak memory.
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

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry, [](const QUrl&) {});
    lumenary::bench::FirstPaint watch;
    if (app.arguments().contains(QStringLiteral("--all-windows"))) {
        for (const QString& name : registry.names())
            if (QWidget* w = registry.show(name))
                w->repaint();
    }
    launcher.installEventFilter(&watch);
    launcher.show();
    return app.exec();
}
