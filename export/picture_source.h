#pragma once

#include <QSize>
#include <QString>

class QPainter;
class QWidget;

namespace lumenary
{

class PlotWidget;

// A drawing surface that can paint its picture anywhere: onto an image, an SVG or PDF file or a
// printer page. Copy, save and print work through this alone, so any window's surface joins
// them: a lab's plot, a custom-painted picture, a chart.
//
//     class SkyPicture final : public PictureSource {
//         QWidget* surface() const override { return m_view; }
//         QSize size() const override { return m_view->size(); }
//         void paint(QPainter& p) const override { m_view->paintPicture(p, {0, 0, 400, 300}); }
//     };
//     installExportActions(window, std::make_unique<SkyPicture>(...));
class PictureSource
{
public:
    virtual ~PictureSource() = default;
    // The widget on screen: the right button's menu and the keyboard focus belong to it.
    virtual QWidget* surface() const = 0;
    // The picture's size in logical pixels, as on screen.
    virtual QSize size() const = 0;
    // Paints the whole picture (background included) into 0..size(); the painter may be
    // scaled. On a vector device, lines stay vectors.
    virtual void paint(QPainter& painter) const = 0;
    // Empty when a vector copy is complete; otherwise what was drawn as an image instead.
    virtual QString rasterNote() const { return {}; }
};

// A plot: its background and shapes, then its drawing replayed from the record, then the
// widgets placed on it (pictures). Past the record's bound the drawing is an image at twice
// the on-screen resolution.
class PlotPicture final : public PictureSource
{
public:
    explicit PlotPicture(PlotWidget* plot) : m_plot(plot) {}
    QWidget* surface() const override;
    QSize size() const override;
    void paint(QPainter& painter) const override;
    QString rasterNote() const override;

private:
    PlotWidget* m_plot;
};

// Any other widget, painted by its own render(): a QGraphicsView (a chart) renders its scene,
// so its items stay vectors; a custom-painted widget paints itself through its paintEvent.
class WidgetPicture final : public PictureSource
{
public:
    explicit WidgetPicture(QWidget* widget) : m_widget(widget) {}
    QWidget* surface() const override { return m_widget; }
    QSize size() const override;
    void paint(QPainter& painter) const override;

private:
    QWidget* m_widget;
};

} // namespace lumenary
