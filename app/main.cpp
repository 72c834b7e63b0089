#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    QApplication::setApplicationVersion(QStringLiteral(LUMENARY_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry);
    launcher.show();
    return app.exec();
}
