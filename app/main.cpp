#include "app_style.h"
#include "external_open.h"
#include "launcher.h"
#include "memory_policy.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>

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

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry);
    launcher.show();
    return app.exec();
}
