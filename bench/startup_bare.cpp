// A bare Qt window: the yardstick for the launcher's start-up time and memory.
#include "startup_common.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(601, 462);
    lumenary::bench::FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}
