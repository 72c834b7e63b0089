#pragma once

#include <QString>
#include <QWidget>

namespace lumenary::bench {

// The program's windows for benchmarks: created once through the registry, as the launcher
// creates them, and shown on the offscreen platform.
QWidget* window(const QString& name);

// A control of a window, by its name; aborts the benchmark run when it is missing.
template <typename T> T* control(QWidget* window, const char* name)
{
    auto* c = window->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// Paints a widget now, as the screen would after the event.
void paintNow(QWidget* widget);

// Runs the registered benchmarks inside a QApplication.
int runBenchmarks(int argc, char** argv);

} // namespace lumenary::bench
