#include "bench_picture.h"

#include "bench_document.h"
#include "bench_text.h"
#include "element_edit.h"
#include "element_geometry.h"
#include "modern_window.h"
#include "scene_check.h"
#include "trace_runner.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumenary::bench
{

namespace
{

// The view's bounds: from a kilometre across a screen to a micrometre a pixel and a half.
constexpr double kMinPixelsPerMm = 1e-3;
constexpr double kMaxPixelsPerMm = 1e3;
constexpr double kMaxCentre = 2e6;
// Pixels between grid lines at least, and the scale bar's length at least.
constexpr double kGridPixels = 40.0;
constexpr double kScaleBarPixels = 90.0;
// While a trace goes on in idle passes, the rays are drawn again this often (ms).
constexpr int kRaysEvery = 100;

// The round length (1, 2 or 5 times a power of ten) at or just above value.
double roundAbove(double value)
{
    const double below = roundSize(value);
    if (below >= value)
        return below;
    const double power = std::pow(10.0, std::floor(std::log10(below) + 1e-9));
    const double k = below / power;
    return (k < 1.5 ? 2.0 : k < 3.5 ? 5.0 : 10.0) * power;
}

SceneView bounded(SceneView v)
{
    if (!std::isfinite(v.pixelsPerMm))
        v.pixelsPerMm = 1.0;
    v.pixelsPerMm = std::clamp(v.pixelsPerMm, kMinPixelsPerMm, kMaxPixelsPerMm);
    if (!std::isfinite(v.centre.x) || !std::isfinite(v.centre.y))
        v.centre = {};
    v.centre.x = std::clamp(v.centre.x, -kMaxCentre, kMaxCentre);
    v.centre.y = std::clamp(v.centre.y, -kMaxCentre, kMaxCentre);
    return v;
}

} // namespace

BenchPicture::BenchPicture(BenchDocument& document, TraceRunner& trace, QWidget* parent)
    : QWidget(parent), m_document(document), m_trace(trace)
{
    installAccessible();
    setObjectName(QStringLiteral("benchPicture"));
    setAccessibleName(tr("Optical bench"));
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAcceptDrops(true);
    makeFocusablePicture(this);
    setFocusPolicy(Qt::StrongFocus); // a click on an element gives the keys to the picture
    m_raysLater.setSingleShot(true);
    connect(&m_raysLater, &QTimer::timeout, this, [this] { update(); });
    connect(&m_document, &BenchDocument::sceneChanged, this, &BenchPicture::sceneChanged);
    connect(&m_trace, &TraceRunner::progressed, this, &BenchPicture::traceProgressed);
    m_sinceRays.start();
}

void BenchPicture::setView(const SceneView& view)
{
    m_view = bounded(view);
    m_fitOnShow = false;
    m_raysStale = true;
    update();
}

void BenchPicture::fit()
{
    if (width() < 50 || height() < 50) {
        m_fitOnShow = true;
        return;
    }
    SceneView v = fitView(m_trace.tracer(), QSizeF(size()));
    if (m_document.scene().elements.empty())
        v = SceneView{{0.0, 0.0}, width() / 400.0}; // an empty bench shows 40 cm across
    setView(v);
}

void BenchPicture::zoomBy(double factor, std::optional<QPointF> about)
{
    if (!(factor > 0.0) || !std::isfinite(factor))
        return;
    const QPointF at = about.value_or(QPointF(width() / 2.0, height() / 2.0));
    const Vec2 fixed = sceneAt(at);
    SceneView v = m_view;
    v.pixelsPerMm = std::clamp(v.pixelsPerMm * factor, kMinPixelsPerMm, kMaxPixelsPerMm);
    v.centre = {fixed.x - (at.x() - width() / 2.0) / v.pixelsPerMm,
                fixed.y + (at.y() - height() / 2.0) / v.pixelsPerMm};
    setView(v);
}

void BenchPicture::pan(QPointF pixels)
{
    SceneView v = m_view;
    v.centre = {v.centre.x - pixels.x() / v.pixelsPerMm, v.centre.y + pixels.y() / v.pixelsPerMm};
    setView(v);
}

void BenchPicture::setGridShown(bool shown)
{
    m_grid = shown;
    update();
}

double BenchPicture::gridStep() const
{
    return roundAbove(kGridPixels / m_view.pixelsPerMm);
}

double BenchPicture::newElementSize() const
{
    return roundSize(std::max(height(), 400) / m_view.pixelsPerMm / 5.0);
}

Vec2 BenchPicture::sceneAt(QPointF pixel) const
{
    return {m_view.centre.x + (pixel.x() - width() / 2.0) / m_view.pixelsPerMm,
            m_view.centre.y - (pixel.y() - height() / 2.0) / m_view.pixelsPerMm};
}

QPointF BenchPicture::pixelAt(Vec2 scene) const
{
    return sceneTransform(QRectF(rect()), m_view).map(QPointF(scene.x, scene.y));
}

void BenchPicture::select(QList<int> indices)
{
    const auto size = static_cast<int>(m_document.scene().elements.size());
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::remove_if(indices.begin(), indices.end(),
                                 [size](int i) { return i < 0 || i >= size; }),
                  indices.end());
    const int current = indices.isEmpty()             ? -1
                        : indices.contains(m_current) ? m_current
                                                      : indices.back();
    // Compared element by element: Qt 6.4's list comparison hands two empty lists' null data
    // to memcmp.
    if (std::equal(indices.begin(), indices.end(), m_selection.begin(), m_selection.end()) &&
        current == m_current)
        return;
    m_selection = indices;
    m_current = current;
    update();
    emit selectionChanged();
    announceSelection();
}

void BenchPicture::selectAll()
{
    QList<int> all;
    for (int i = 0; i < elementCount(); ++i)
        all << i;
    select(all);
}

void BenchPicture::nudge(int dx, int dy, StepSize size)
{
    if (m_selection.isEmpty())
        return;
    const double step = size == StepSize::Pixel ? 1.0 / m_view.pixelsPerMm
                        : size == StepSize::Big ? 10.0 * gridStep()
                                                : gridStep();
    std::vector<Element> after;
    for (int i : m_selection) {
        Element e = m_document.scene().elements[std::size_t(i)];
        moveElement(e, {dx * step, dy * step});
        if (checkElement(e))
            return; // past the edge of what a scene may hold
        after.push_back(std::move(e));
    }
    m_document.replace(m_selection, after, stepName(m_document.scene(), m_selection, tr("Move %1")),
                       QStringLiteral("nudge"));
}

void BenchPicture::turn(double degrees)
{
    std::vector<Element> after;
    for (int i : m_selection) {
        Element e = m_document.scene().elements[std::size_t(i)];
        rotateElement(e, degrees);
        if (checkElement(e))
            return;
        after.push_back(std::move(e));
    }
    m_document.replace(m_selection, after,
                       stepName(m_document.scene(), m_selection, tr("Rotate %1")),
                       QStringLiteral("turn"));
}

void BenchPicture::sceneChanged()
{
    const int size = elementCount();
    if (m_drag.grip != Grip::None && std::any_of(m_drag.indices.begin(), m_drag.indices.end(),
                                                 [size](int i) { return i >= size; }))
        m_drag = Drag{};
    if (!m_selection.isEmpty() && m_selection.back() >= size)
        select(m_selection);
    m_trace.setScene(m_document.scene());
}

void BenchPicture::traceProgressed(bool newScene)
{
    m_raysStale = true;
    if (newScene || m_trace.finished() || m_sinceRays.elapsed() >= kRaysEvery)
        update();
    else if (!m_raysLater.isActive())
        m_raysLater.start(kRaysEvery - int(m_sinceRays.elapsed()));
    if (m_trace.finished())
        updateDescription();
}

void BenchPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_raysStale = true;
    if (m_fitOnShow)
        fit();
}

void BenchPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, int(std::lround(width() * ratio))),
                       std::max(1, int(std::lround(height() * ratio))));
    if (m_raysStale || m_rays.size() != pixels) {
        SceneView deviceView = m_view;
        deviceView.pixelsPerMm *= ratio;
        m_rays = renderRays(m_trace.tracer(), deviceView, pixels);
        m_rays.setDevicePixelRatio(ratio);
        m_raysStale = false;
        m_sinceRays.restart();
    }
    painter.drawImage(QPointF(0, 0), m_rays);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF target(rect());
    if (m_grid)
        paintGrid(painter, target, m_view);
    const Scene& scene = m_document.scene();
    for (std::size_t i = 0; i < scene.elements.size(); ++i)
        paintElement(painter, target, m_view, scene.elements[i],
                     m_selection.contains(static_cast<int>(i)));
    paintScaleBar(painter, target, m_view);
    paintHandles(painter);
    if (m_drag.grip == Grip::Band) {
        painter.setPen(QPen(QColor(200, 220, 255), 1.0, Qt::DashLine));
        painter.setBrush(QColor(120, 160, 255, 40));
        painter.drawRect(m_drag.band);
    }
}

void BenchPicture::paintPicture(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, Qt::black);
    // The same part of the scene as on screen, at the target's size.
    SceneView view = m_view;
    view.pixelsPerMm *= target.width() / std::max(1, width());
    const qreal scale = std::max(1.0, painter.worldTransform().m11());
    const QSize pixels(std::max(1, int(std::lround(target.width() * scale))),
                       std::max(1, int(std::lround(target.height() * scale))));
    SceneView pixelView = view;
    pixelView.pixelsPerMm *= pixels.width() / target.width();
    painter.drawImage(target, renderRays(m_trace.tracer(), pixelView, pixels));
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (m_grid)
        paintGrid(painter, target, view);
    for (const Element& e : m_document.scene().elements)
        paintElement(painter, target, view, e);
    paintScaleBar(painter, target, view);
    painter.restore();
}

void BenchPicture::paintGrid(QPainter& painter, const QRectF& target, const SceneView& view) const
{
    const double step = roundAbove(kGridPixels / view.pixelsPerMm);
    const QTransform map = sceneTransform(target, view);
    const double halfW = target.width() / 2.0 / view.pixelsPerMm;
    const double halfH = target.height() / 2.0 / view.pixelsPerMm;
    const QColor line(255, 255, 255, 26);
    const QColor axis(255, 255, 255, 60);
    const double x0 = std::ceil((view.centre.x - halfW) / step);
    const double x1 = std::floor((view.centre.x + halfW) / step);
    const double y0 = std::ceil((view.centre.y - halfH) / step);
    const double y1 = std::floor((view.centre.y + halfH) / step);
    if (!(x1 - x0 < 2000 && y1 - y0 < 2000))
        return;
    for (double k = x0; k <= x1; ++k) {
        const double x = map.map(QPointF(k * step, 0.0)).x();
        painter.setPen(QPen(k == 0.0 ? axis : line, 1.0));
        painter.drawLine(QPointF(x, target.top()), QPointF(x, target.bottom()));
    }
    for (double k = y0; k <= y1; ++k) {
        const double y = map.map(QPointF(0.0, k * step)).y();
        painter.setPen(QPen(k == 0.0 ? axis : line, 1.0));
        painter.drawLine(QPointF(target.left(), y), QPointF(target.right(), y));
    }
}

void BenchPicture::paintScaleBar(QPainter& painter, const QRectF& target,
                                 const SceneView& view) const
{
    const double mm = roundAbove(kScaleBarPixels / view.pixelsPerMm);
    const double length = mm * view.pixelsPerMm;
    const QPointF left(target.left() + 16.0, target.bottom() - 16.0);
    const QPointF right = left + QPointF(length, 0.0);
    const QString text = BenchText::millimetres(mm);
    const QFontMetricsF metrics(font(), painter.device()); // an export may have its own DPI
    const QRectF label(left.x(), left.y() - 8.0 - metrics.height(),
                       std::max(length, metrics.horizontalAdvance(text)), metrics.height());
    painter.fillRect(label.united(QRectF(left - QPointF(4, 6), right + QPointF(4, 4))),
                     QColor(0, 0, 0, 150));
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(left, right);
    painter.drawLine(left, left - QPointF(0, 5));
    painter.drawLine(right, right - QPointF(0, 5));
    painter.setFont(font());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom, text);
}

QPointF BenchPicture::rotateHandle(const Element& e) const
{
    const Vec2 d = directionVector(elementAngle(e));
    return pixelAt(elementAnchor(e)) + 44.0 * QPointF(d.x, -d.y);
}

void BenchPicture::paintHandles(QPainter& painter) const
{
    if (m_selection.size() != 1)
        return;
    const Element& e = m_document.scene().elements[std::size_t(m_selection.front())];
    const QColor ink(255, 210, 90);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(40, 30, 0));
    for (const Vec2 end : elementEnds(e)) {
        const QPointF p = pixelAt(end);
        painter.drawRect(QRectF(p - QPointF(4.5, 4.5), QSizeF(9, 9)));
    }
    const QPointF anchor = pixelAt(elementAnchor(e));
    painter.drawEllipse(anchor, 3.0, 3.0);
    if (turns(e)) {
        const QPointF handle = rotateHandle(e);
        painter.setPen(QPen(ink, 1.0, Qt::DashLine));
        painter.drawLine(anchor, handle);
        painter.setPen(QPen(ink, 1.5));
        painter.drawEllipse(handle, 6.0, 6.0);
    }
}

bool BenchPicture::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Esc clears a selection before it hides the window.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !m_selection.isEmpty()) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void BenchPicture::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods & Qt::ControlModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const StepSize size = (mods & Qt::AltModifier)     ? StepSize::Pixel
                          : (mods & Qt::ShiftModifier) ? StepSize::Big
                                                       : StepSize::Grid;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = 1;
        break;
    case Qt::Key_Down:
        dy = -1;
        break;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        turn((mods & Qt::ShiftModifier) || event->key() == Qt::Key_BraceLeft ? -15.0 : -1.0);
        return;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        turn((mods & Qt::ShiftModifier) || event->key() == Qt::Key_BraceRight ? 15.0 : 1.0);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0)
            emit propertiesRequested();
        return;
    case Qt::Key_Escape:
        if (!m_selection.isEmpty())
            select({});
        else
            event->ignore();
        return;
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            m_spaceHeld = true;
            setCursor(Qt::OpenHandCursor);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!m_selection.isEmpty()) {
        nudge(dx, dy, size);
    } else {
        const double pixels = size == StepSize::Pixel ? 1.0
                              : size == StepSize::Big ? 10.0 * kGridPixels
                                                      : gridStep() * m_view.pixelsPerMm;
        pan(QPointF(-dx * pixels, dy * pixels));
    }
}

void BenchPicture::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = false;
        unsetCursor();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void BenchPicture::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_walkFromEnd = event->reason() == Qt::BacktabFocusReason;
    updateDescription();
}

bool BenchPicture::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab walk the elements; past the last (or before the first) they leave.
    const int n = elementCount();
    if (!hasFocus() || n == 0)
        return QWidget::focusNextPrevChild(next);
    int to = -1;
    if (next)
        to = m_current + 1 < n ? m_current + 1 : -1;
    else if (m_current > 0)
        to = m_current - 1;
    else if (m_current < 0 && m_walkFromEnd)
        to = n - 1;
    m_walkFromEnd = false;
    if (to < 0) {
        select({});
        return QWidget::focusNextPrevChild(next);
    }
    select({to});
    return true;
}

} // namespace lumenary::bench
