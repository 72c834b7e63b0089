#pragma once

#include "scene.h"
#include "scene_picture.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

namespace lumenary::bench
{

class BenchDocument;
class TraceRunner;

// The MIME type of an element type dragged from the palette onto the picture.
inline constexpr char kElementTypeMime[] = "application/x-lumenary-element-type";

// The Optical Bench's picture: the traced scene on black, with a grid and a scale bar in
// millimetres, zoomed by the wheel and panned by the middle button or Space and a drag; the
// elements are selected by a click or by Tab, moved by their bodies, turned by a round handle
// and resized by their end points (Shift: on the grid, by 15°), and moved and turned by keys.
// Every change goes to the document as one undoable step. To assistive technology it is a
// drawing whose children are the elements, each named and described from its numbers.
class BenchPicture final : public QWidget
{
    Q_OBJECT
public:
    BenchPicture(BenchDocument& document, TraceRunner& trace, QWidget* parent = nullptr);
    ~BenchPicture() override;

    // Which part of the scene shows, and at what scale.
    const SceneView& view() const { return m_view; }
    void setView(const SceneView& view);
    // Frames every element and the light that ends in the scene.
    void fit();
    // Zooms by factor about a point of the widget (its centre when none is given).
    void zoomBy(double factor, std::optional<QPointF> about = std::nullopt);
    bool gridShown() const { return m_grid; }
    void setGridShown(bool shown);
    // The grid's step in mm at this zoom: a round length at least 40 pixels long; arrows move
    // by it and Shift snaps to it.
    double gridStep() const;
    // The scene point at the middle of the picture, and the size of an element added there.
    Vec2 centre() const { return m_view.centre; }
    double newElementSize() const;
    // The scene point under a point of the widget, and back.
    Vec2 sceneAt(QPointF pixel) const;
    QPointF pixelAt(Vec2 scene) const;

    // The selected elements, ascending; the one the keyboard is on (−1: none).
    const QList<int>& selection() const { return m_selection; }
    int current() const { return m_current; }
    void select(QList<int> indices);
    void selectAll();

    // Moves the selection by steps of the grid (big: ten steps, fine: one pixel each).
    enum class StepSize { Grid, Big, Pixel };
    void nudge(int dx, int dy, StepSize size);
    // Turns the selected elements each about its own anchor.
    void turn(double degrees);

    // Paints the scene into target as a copy shows it: rays, grid, elements, scale bar; the
    // selection and its handles are left out.
    void paintPicture(QPainter& painter, const QRectF& target) const;

    // For assistive technology: the elements, their names, descriptions and places.
    int elementCount() const;
    QString elementName(int index) const;
    QString elementDescription(int index) const;
    QRect elementRect(int index) const;
    QAccessibleInterface* elementAccessible(int index) const;

signals:
    void selectionChanged();
    // Enter or a double click on an element: its properties, please.
    void propertiesRequested();
    // An element type dropped from the palette at a scene point.
    void addRequested(ElementType type, Vec2 at);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Grip { None, Body, Rotate, End, Pan, Band };
    struct Drag {
        Grip grip = Grip::None;
        int end = -1;
        QPointF startPixel;
        Vec2 startScene;
        QList<int> indices;
        std::vector<Element> before;
        SceneView startView;
        QPointF nowPixel;
        bool moved = false;
        bool toggle = false; // Ctrl held at the press
        int pressed = -1;    // the element pressed on
        QRectF band;         // the rubber band, in pixels
    };

    static void installAccessible();
    void sceneChanged();
    void traceProgressed(bool newScene);
    // The element under a pixel, the topmost nearest within a few pixels; −1 for none.
    int elementAt(QPointF pixel) const;
    // The handle of the single selected element under a pixel.
    std::optional<std::pair<Grip, int>> handleAt(QPointF pixel) const;
    QPointF rotateHandle(const Element& e) const;
    void dragTo(QPointF pixel, Qt::KeyboardModifiers modifiers);
    void finishDrag();
    Vec2 snapped(Vec2 p) const;
    void announceSelection();
    void setCurrentAndAnnounce(int index);
    void updateDescription();
    void paintGrid(QPainter& painter, const QRectF& target, const SceneView& view) const;
    void paintScaleBar(QPainter& painter, const QRectF& target, const SceneView& view) const;
    void paintHandles(QPainter& painter) const;
    void pan(QPointF pixels);

    BenchDocument& m_document;
    TraceRunner& m_trace;
    SceneView m_view;
    bool m_grid = true;
    bool m_fitOnShow = true;
    QList<int> m_selection;
    int m_current = -1;
    Drag m_drag;
    bool m_spaceHeld = false;
    bool m_walkFromEnd = false;
    mutable QImage m_rays; // the rays at the widget's device pixels
    mutable bool m_raysStale = true;
    QElapsedTimer m_sinceRays;
    QTimer m_raysLater;
    mutable std::vector<QAccessible::Id> m_accessibleIds;
};

} // namespace lumenary::bench
