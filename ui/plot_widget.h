#pragma once

#include "canvas.h"
#include "picture_record.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <memory>
#include <vector>

namespace lumenary
{

// A shape placed on a plot by the window's layout, not by drawing: a medium's rectangle, a
// normal, a drop, a movable ray. Shapes lie under the drawing and survive clear(). Their
// geometry is in user units and follows the current coordinate window.
struct PlotShape {
    enum class Kind { Rect, Ellipse, Line };
    Kind kind = Kind::Rect;
    Point a;  // first corner, or line start
    Point b;  // opposite corner, or line end
    Rgb pen;  // outline or line colour
    Rgb fill; // fill colour (Rect, Ellipse)
    bool filled = false;
    int penWidth = 1; // in pixels
    bool dotted = false;
    bool visible = true;
};

// The plotting surface of a lab: a Canvas that rasterises onto a retained layer, so the drawing
// survives covering, uncovering and repainting. Paint order: background, shapes, drawing.
// Mouse positions are reported in user units of the current coordinate window.
class PlotWidget : public QWidget, public Canvas
{
    Q_OBJECT
public:
    explicit PlotWidget(QWidget* parent = nullptr);
    ~PlotWidget() override;

    void setBackground(Rgb colour);
    Rgb background() const { return m_background; }

    // Adds a shape and returns its handle for shape() and setShape().
    int addShape(const PlotShape& shape);
    const PlotShape& shape(int handle) const;
    void setShape(int handle, const PlotShape& shape);

    // The user position of a point of the widget, and the widget point of a user position.
    Point userFromWidget(QPointF widgetPos) const;
    QPointF widgetFromUser(Point user) const;

    // Where the pointer was at the last mouse event, in widget coordinates; a handler that
    // changes the coordinate window first maps it again with userFromWidget().
    QPointF lastMousePosition() const { return m_lastMouse; }

    // The retained drawing alone (transparent where nothing is drawn), for tests.
    QImage drawingLayer();

    // The keyboard's crosshair, in widget coordinates: shown while the plot has the focus,
    // moved by the arrow keys (Shift: ten pixels), Home and End (left and right edge), Page Up
    // and Page Down (top and bottom edge). Space or Enter presses and releases there, and a
    // move moves the pointer there: the same signals a mouse sends.
    QPoint crosshair() const { return m_crosshair; }
    // The crosshair's position in user units, as assistive technology reads it.
    QString crosshairText() const;

    // What was drawn since the last erase, in user units: for vector copies.
    const PictureRecord& record() const { return m_record; }
    // Paints the background and the shapes into (0, 0)-area at the current coordinate window,
    // clipped there: the screen's paint and every copy of the picture use this alone.
    // Cosmetic pens draw one device pixel per pixel (the screen at ratio 1); otherwise pens
    // scale with the painter, so that a scaled or printed picture keeps its line weights.
    void paintBase(QPainter& painter, QSize area, bool cosmeticPens) const;

signals:
    void mouseDown(double x, double y);
    void mouseMove(double x, double y);
    void mouseUp(double x, double y);

protected:
    void onScale(double left, double top, double right, double bottom) override;
    void onClear() override;
    void onLine(Point a, Point b, Rgb colour, bool dotted) override;
    void onBox(Point a, Point b, Rgb colour, bool filled) override;
    void onCircle(Point centre, double radius, Rgb colour) override;
    void onPoint(Point p, Rgb colour) override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Keyboard access (plot_keyboard.cpp).
    static void installAccessible();
    void moveCrosshair(QPoint to);
    void pressAtCrosshair();
    void paintFocus(QPainter& painter);
    QPen onePixelPen(QColor colour, Qt::PenStyle style) const;

    QPainter& layerPainter();
    void endPainting();
    void ensureLayer();
    void ensureLayerFor(QSize area);
    // Paints the frame, background and shapes: what lies under the drawing.
    void paintUnder(QPainter& p) const;
    // The coordinate window over the drawing area, and a user point's place on the layer.
    Viewport surface() const;
    QPointF toLayer(Point user) const;
    void scheduleRepaint();
    bool rasterDirectly() const;
    void plotPixels(QPointF a, QPointF b, Rgb colour);

    QPointF m_lastMouse;
    QPoint m_crosshair{-1, -1}; // placed at the centre on the first focus
    bool m_repaintPending = false;
    QImage m_layer;
    QSize m_layerSize; // the layer's size in logical pixels
    std::unique_ptr<QPainter> m_painter;
    std::vector<PlotShape> m_shapes;
    Rgb m_background{255, 255, 255};
    PictureRecord m_record;
};

} // namespace lumenary
