// The bench picture's mouse: choosing, dragging bodies, handles and the view, the wheel, and
// element types dropped from the palette.
#include "bench_document.h"
#include "bench_picture.h"
#include "bench_text.h"
#include "element_edit.h"
#include "element_geometry.h"
#include "scene_check.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace lumenary::bench
{

namespace
{

// How near (pixels) a press must come to an element or a handle to take it.
constexpr double kReach = 6.0;
constexpr double kHandleReach = 7.0;
// Turning with Shift goes in steps of this many degrees.
constexpr double kSnapDegrees = 15.0;

} // namespace

int BenchPicture::elementAt(QPointF pixel) const
{
    const Vec2 at = sceneAt(pixel);
    const Scene& scene = m_document.scene();
    int best = -1;
    double bestScore = kReach;
    // Later elements lie on top; inside glass counts as half the reach, so that a line drawn
    // over the glass is still taken first.
    for (int i = elementCount() - 1; i >= 0; --i) {
        const Element& e = scene.elements[std::size_t(i)];
        const double d = distanceToElement(e, at) * m_view.pixelsPerMm;
        const double score = d == 0.0 ? kReach / 2.0 : d;
        if (score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

std::optional<std::pair<BenchPicture::Grip, int>> BenchPicture::handleAt(QPointF pixel) const
{
    if (m_selection.size() != 1)
        return std::nullopt;
    const Element& e = m_document.scene().elements[std::size_t(m_selection.front())];
    const auto near = [&](QPointF p) {
        return std::hypot(p.x() - pixel.x(), p.y() - pixel.y()) <= kHandleReach;
    };
    const std::vector<Vec2> ends = elementEnds(e);
    for (std::size_t k = 0; k < ends.size(); ++k)
        if (near(pixelAt(ends[k])))
            return std::pair{Grip::End, static_cast<int>(k)};
    if (turns(e) && near(rotateHandle(e)))
        return std::pair{Grip::Rotate, 0};
    return std::nullopt;
}

Vec2 BenchPicture::snapped(Vec2 p) const
{
    const double step = gridStep();
    return {std::round(p.x / step) * step, std::round(p.y / step) * step};
}

void BenchPicture::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_drag = Drag{};
    m_drag.startPixel = at;
    m_drag.nowPixel = at;
    m_drag.startScene = sceneAt(at);
    m_drag.startView = m_view;
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_spaceHeld)) {
        m_drag.grip = Grip::Pan;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    m_drag.toggle = event->modifiers() & Qt::ControlModifier;
    if (const auto handle = handleAt(at); handle && !m_drag.toggle) {
        m_drag.grip = handle->first;
        m_drag.end = handle->second;
        m_drag.indices = m_selection;
    } else {
        m_drag.pressed = elementAt(at);
        if (m_drag.pressed < 0) {
            if (!m_drag.toggle)
                select({});
            m_drag.grip = Grip::Band;
            m_drag.band = QRectF(at, at);
            return;
        }
        if (!m_selection.contains(m_drag.pressed) && !m_drag.toggle)
            select({m_drag.pressed});
        m_drag.grip = Grip::Body;
        m_drag.indices = m_selection;
        if (m_drag.toggle && !m_selection.contains(m_drag.pressed))
            m_drag.indices = {m_drag.pressed}; // moved, but chosen only on release
    }
    for (int i : m_drag.indices)
        m_drag.before.push_back(m_document.scene().elements[std::size_t(i)]);
}

void BenchPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag.grip == Grip::None) {
        // What a press here would take.
        if (m_spaceHeld)
            setCursor(Qt::OpenHandCursor);
        else if (const auto handle = handleAt(event->position()))
            setCursor(handle->first == Grip::Rotate ? Qt::CrossCursor : Qt::SizeAllCursor);
        else if (elementAt(event->position()) >= 0)
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
        return;
    }
    dragTo(event->position(), event->modifiers());
}

void BenchPicture::dragTo(QPointF pixel, Qt::KeyboardModifiers modifiers)
{
    m_drag.nowPixel = pixel;
    const QPointF shift = pixel - m_drag.startPixel;
    if (!m_drag.moved && shift.manhattanLength() < QApplication::startDragDistance())
        return;
    m_drag.moved = true;
    if (m_drag.grip == Grip::Pan) {
        SceneView v = m_drag.startView;
        v.centre = {v.centre.x - shift.x() / v.pixelsPerMm, v.centre.y + shift.y() / v.pixelsPerMm};
        setView(v);
        return;
    }
    if (m_drag.grip == Grip::Band) {
        m_drag.band = QRectF(m_drag.startPixel, pixel).normalized();
        update();
        return;
    }
    if (m_drag.before.empty())
        return;
    const bool snap = modifiers & Qt::ShiftModifier;
    const Vec2 now = sceneAt(pixel);
    std::vector<Element> after = m_drag.before;
    const Element& first = m_drag.before.front();
    if (m_drag.grip == Grip::Body) {
        Vec2 delta = now - m_drag.startScene;
        if (snap) {
            const Vec2 anchor = elementAnchor(first);
            delta = snapped(anchor + delta) - anchor;
        }
        for (Element& e : after)
            moveElement(e, delta);
    } else if (m_drag.grip == Grip::Rotate) {
        const Vec2 anchor = elementAnchor(first);
        double delta =
            directionDegrees(now - anchor) - directionDegrees(m_drag.startScene - anchor);
        if (snap) {
            const double base = elementAngle(first);
            delta = std::round((base + delta) / kSnapDegrees) * kSnapDegrees - base;
        }
        rotateElement(after.front(), delta);
    } else if (m_drag.grip == Grip::End) {
        setElementEnd(after.front(), m_drag.end, snap ? snapped(now) : now);
    }
    for (const Element& e : after)
        if (checkElement(e))
            return; // keeps the last shape that works (a radius below half the aperture, …)
    m_document.preview(m_drag.indices, after);
}

void BenchPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_drag.grip != Grip::None)
        dragTo(event->position(), event->modifiers());
    finishDrag();
    if (m_spaceHeld)
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

void BenchPicture::finishDrag()
{
    const Drag drag = std::exchange(m_drag, Drag{});
    const Scene& scene = m_document.scene();
    switch (drag.grip) {
    case Grip::Body:
        if (drag.moved) {
            m_document.finish(drag.indices, drag.before,
                              stepName(scene, drag.indices, tr("Move %1")));
        } else if (drag.toggle) {
            QList<int> now = m_selection;
            if (now.contains(drag.pressed))
                now.removeAll(drag.pressed);
            else
                now << drag.pressed;
            select(now);
        } else if (m_selection.size() > 1) {
            select({drag.pressed}); // a click on one of several chooses it alone
        }
        break;
    case Grip::Rotate:
        m_document.finish(drag.indices, drag.before,
                          stepName(scene, drag.indices, tr("Rotate %1")));
        break;
    case Grip::End:
        m_document.finish(drag.indices, drag.before,
                          stepName(scene, drag.indices, tr("Resize %1")));
        break;
    case Grip::Band: {
        if (!drag.moved)
            break;
        QList<int> chosen = drag.toggle ? m_selection : QList<int>{};
        for (int i = 0; i < elementCount(); ++i)
            if (drag.band.contains(pixelAt(elementAnchor(scene.elements[std::size_t(i)]))))
                chosen << i;
        select(chosen);
        update();
        break;
    }
    case Grip::Pan:
    case Grip::None:
        break;
    }
}

void BenchPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int hit = event->button() == Qt::LeftButton ? elementAt(event->position()) : -1;
    if (hit < 0)
        return;
    select({hit});
    emit propertiesRequested();
}

void BenchPicture::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0)
        zoomBy(std::pow(1.2, notches), event->position());
    event->accept();
}

void BenchPicture::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(QLatin1String(kElementTypeMime)))
        event->acceptProposedAction();
}

void BenchPicture::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(QLatin1String(kElementTypeMime)))
        event->acceptProposedAction();
}

void BenchPicture::dropEvent(QDropEvent* event)
{
    bool ok = false;
    const int type =
        QString::fromLatin1(event->mimeData()->data(QLatin1String(kElementTypeMime))).toInt(&ok);
    if (!ok || type < 0 || type >= kElementTypeCount)
        return;
    event->acceptProposedAction();
    emit addRequested(static_cast<ElementType>(type), sceneAt(event->position()));
}

} // namespace lumenary::bench
