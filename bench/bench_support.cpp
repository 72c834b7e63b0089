#include "bench_support.h"

#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <set>

namespace lumenary::bench
{

namespace
{

WindowRegistry* g_registry = nullptr;

// Records which widgets receive a paint event.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted.insert(watched);
        return false;
    }
    std::set<QObject*> painted;
};

PaintWatch* g_watch = nullptr;

// The offscreen platform warns at every raise(); the rest is passed on.
QtMessageHandler g_standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    g_standardHandler(type, context, message);
}

} // namespace

QWidget* window(const QString& name)
{
    QWidget* w = g_registry->show(name);
    if (!w)
        qFatal("no window %s", qPrintable(name));
    if (!QTest::qWaitForWindowExposed(w))
        qFatal("window %s never shown", qPrintable(name));
    settle();
    return w;
}

int settle()
{
    g_watch->painted.clear();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return static_cast<int>(g_watch->painted.size());
}

void settlePainting(QWidget* widget, const char* what)
{
    settle();
    if (!g_watch->painted.count(widget))
        qFatal("%s: %s was not repainted", what, qPrintable(widget->objectName()));
}

void settlePainting(std::initializer_list<QWidget*> widgets, const char* what)
{
    settle();
    for (QWidget* widget : widgets)
        if (!g_watch->painted.count(widget))
            qFatal("%s: %s was not repainted", what, qPrintable(widget->objectName()));
}

void click(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

int runBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    PaintWatch watch;
    g_watch = &watch;
    app.installEventFilter(&watch);
    WindowRegistry registry;
    registerWindows(registry);
    g_registry = &registry;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_registry = nullptr;
    g_watch = nullptr;
    return 0;
}

} // namespace lumenary::bench
