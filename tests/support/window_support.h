#pragma once

#include "plot_widget.h"

#include <QImage>
#include <QWidget>

namespace lumenary::test
{

// The control named name inside w; a missing control ends the test run.
template <typename T> T* child(QWidget* w, const char* name)
{
    auto* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// How many pixels of a plot's drawing layer are not transparent.
inline int drawnPixels(PlotWidget* plot)
{
    const QImage layer = plot->drawingLayer();
    int n = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            n += qAlpha(layer.pixel(x, y)) != 0;
    return n;
}

} // namespace lumenary::test
