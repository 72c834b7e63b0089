// A bare Qt window: the yardstick for the launcher's start-up time and memory. With --text it
// shows one line of text, which brings in the font system as any real window does; with
// --pictures also the launcher's three pictures, read from their files as plain labels.
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
    if (app.arguments().contains(QStringLiteral("--pictures"))) {
        const char* names[] = {"soapfilm.png", "drop.png", "spectrum.png"};
        const QRect places[] = {{59, 0, 204, 163}, {343, 0, 253, 214}, {0, 275, 320, 194}};
        for (int i = 0; i < 3; ++i) {
            auto* picture = new QLabel(&window);
            picture->setGeometry(places[i]);
            picture->setPixmap(
                QPixmap(QStringLiteral(LUMENARY_IMAGES "/") + QLatin1String(names[i])));
            picture->setScaledContents(true);
        }
    }
    lumenary::bench::FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}
