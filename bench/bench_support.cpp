#include "bench_support.h"

#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <memory>

namespace lumenary::bench {

namespace {
WindowRegistry* g_registry = nullptr;
}

QWidget* window(const QString& name)
{
    QWidget* w = g_registry->show(name);
    if (!w)
        qFatal("no window %s", qPrintable(name));
    if (!QTest::qWaitForWindowExposed(w))
        qFatal("window %s never shown", qPrintable(name));
    return w;
}

void paintNow(QWidget* widget)
{
    widget->repaint();
}

int runBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowRegistry registry;
    registerWindows(registry);
    g_registry = &registry;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_registry = nullptr;
    return 0;
}

} // namespace lumenary::bench
