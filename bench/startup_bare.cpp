// A bare Qt window: the yardstick for the launcher's start-up time and memory. With --text it
// shows one line of text, which brings in the font system as any real window does.
#include "startup_common.h"

#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(601, 462);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("Varnel Lumenary"), &window);
        label->move(20, 20);
    }
    lumenary::bench::FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}
