#pragma once

#include "plot_widget.h"
#include "readout.h"

#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cmath>

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

// Types text over a field's whole text, key by key, as a student does.
inline void typeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The read-out named name of a laid-out window (ModernWindow::addReadout), field or label; a
// missing one ends the test run.
inline Readout* readout(QWidget* window, const char* name)
{
    auto* readout = dynamic_cast<Readout*>(child<QWidget>(window, name));
    if (!readout)
        qFatal("%s is not a read-out", name);
    return readout;
}

// The number of an angle's text such as "38.6467°"; NaN for any other text.
inline double angleIn(QString text)
{
    if (!text.endsWith(QChar(0x00b0)))
        return std::nan("");
    text.chop(1);
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : std::nan("");
}

// What a screen reader says for the read-out captioned caption in window: a read-out field has
// the caption for its name and its text for its value; a read-out label says both in its name.
inline QString heardReadout(QWidget* window, const QString& caption)
{
    QString heard;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(w);
        const QString name = read->text(QAccessible::Name);
        if (name == caption)
            heard = read->text(QAccessible::Value);
        else if (name.startsWith(caption + QStringLiteral(": ")))
            heard = name.mid(caption.size() + 2);
    }
    return heard;
}

} // namespace lumenary::test
