#pragma once

#include <QString>
#include <QWidget>

#include <initializer_list>

namespace lumenary::bench
{

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

// Lets the event loop deliver what an event left pending (the repaint of the changed controls
// and of the plot), as the screen would; returns how many widgets were painted.
int settle();

// Like settle(), but aborts the run when the widget was not painted: a benchmark of an event
// that drew nothing would measure nothing.
void settlePainting(QWidget* widget, const char* what);
// The same for several widgets that one event must all repaint.
void settlePainting(std::initializer_list<QWidget*> widgets, const char* what);

// A left click (press and release) at a widget position.
void click(QWidget* widget, QPoint at);

// Runs the registered benchmarks inside a QApplication.
int runBenchmarks(int argc, char** argv);

} // namespace lumenary::bench
