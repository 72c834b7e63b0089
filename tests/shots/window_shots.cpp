// Saves a picture of the launcher and of every window of the table of labs, at its start and
// after a fixed set of presses, drags and slider steps, so that two builds can be compared pixel
// for pixel (window_shots OUTDIR; run twice with QT_SCALE_FACTOR 1 and 2).
#include "app_style.h"
#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

#include "plot_widget.h"

using namespace lumenary;

namespace
{

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(40);
    }
}

void save(QWidget* w, const QString& dir, const QString& name)
{
    settle();
    w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The same presses and drags over every plot and one page step on every slider and scroll bar.
void exercise(QWidget* w)
{
    for (auto* plot : w->findChildren<PlotWidget*>()) {
        if (!plot->isVisible())
            continue;
        const QPoint c = plot->rect().center();
        const QPoint third(plot->width() / 3, plot->height() / 3);
        QTest::mousePress(plot, Qt::LeftButton, {}, third);
        QTest::mouseMove(plot, c);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, c);
    }
    for (auto* s : w->findChildren<QAbstractSlider*>())
        if (s->isVisible() && s->isEnabled())
            s->setValue(s->value() + s->pageStep());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    setUpApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    const QString dir =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots")).absolutePath();
    QDir().mkpath(dir);
    // The program's working folder in the build, where it finds its instructions document.
    QDir::setCurrent(QStringLiteral(LUMENARY_APP_DIR));

    WindowRegistry registry;
    registerWindows(registry);
    Launcher launcher(registry);
    launcher.show();
    save(&launcher, dir, QStringLiteral("launcher"));
    for (const LabEntry& e : labTable()) {
        const QString name = QString::fromLatin1(e.window);
        QWidget* w = registry.show(name);
        if (!w)
            continue;
        save(w, dir, name + QStringLiteral("-start"));
        exercise(w);
        save(w, dir, name + QStringLiteral("-used"));
        w->hide();
    }
    return 0;
}
