#include "plot_widget.h"

#include "line_raster.h"
#include "qt_colour.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace lumenary
{

namespace
{

constexpr int kBorder = 2; // a sunken frame around the surface, as plots have

QPen linePen(QColor colour, Qt::PenStyle style, int width, bool cosmetic)
{
    QPen pen(colour, width, style);
    pen.setCosmetic(cosmetic);
    // Dots of one pixel: a square cap would lengthen each by a pixel and close the gaps.
    if (!cosmetic && style != Qt::SolidLine)
        pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by Tab only: a mouse user's click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    installAccessible();
    setContentsMargins(kBorder, kBorder, kBorder, kBorder);
}

PlotWidget::~PlotWidget()
{
    endPainting();
}

void PlotWidget::setBackground(Rgb colour)
{
    m_background = colour;
    update();
}

int PlotWidget::addShape(const PlotShape& shape)
{
    m_shapes.push_back(shape);
    update();
    return static_cast<int>(m_shapes.size()) - 1;
}

const PlotShape& PlotWidget::shape(int handle) const
{
    return m_shapes.at(static_cast<std::size_t>(handle));
}

void PlotWidget::setShape(int handle, const PlotShape& shape)
{
    m_shapes.at(static_cast<std::size_t>(handle)) = shape;
    update();
}

Viewport PlotWidget::surface() const
{
    const QRect area = contentsRect();
    return viewport().resized(area.width(), area.height());
}

Point PlotWidget::userFromWidget(QPointF widgetPos) const
{
    const QRect area = contentsRect();
    return surface().toUser(Point{widgetPos.x() - area.left(), widgetPos.y() - area.top()});
}

QPointF PlotWidget::widgetFromUser(Point user) const
{
    const QRect area = contentsRect();
    return toLayer(user) + QPointF(area.left(), area.top());
}

QPointF PlotWidget::toLayer(Point user) const
{
    const Point p = surface().toPixels(user);
    return QPointF(p.x, p.y);
}

void PlotWidget::ensureLayer()
{
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (!m_layer.isNull() && m_layer.size() == pixels)
        return;
    endPainting();
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    if (!m_layer.isNull()) {
        QPainter copy(&layer);
        copy.drawImage(QPointF(0, 0), m_layer);
    }
    m_layer = std::move(layer);
    m_layerSize = size;
}

void PlotWidget::ensureLayerFor(QSize area)
{
    // The cheap test for primitives; a change of screen resolution alone is caught at the next
    // paint or resize.
    if (m_layer.isNull() || m_layerSize != area.expandedTo(QSize(1, 1)))
        ensureLayer();
}

void PlotWidget::paintUnder(QPainter& p) const
{
    // Frame, background and shapes are a few strokes: painted on each paint rather than kept
    // in an image of the whole widget, which would cost as much memory again as the layer.
    const QRect area = contentsRect();
    p.save();
    // Sunken frame: dark on the top and left, light on the bottom and right.
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(1, 1, width() - 2, 1);
    p.drawLine(1, 1, 1, height() - 2);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.translate(area.topLeft());
    paintBase(p, area.size(), devicePixelRatioF() == 1.0);
    p.restore();
}

void PlotWidget::paintBase(QPainter& painter, QSize area, bool cosmeticPens) const
{
    const Viewport view = viewport().resized(area.width(), area.height());
    auto at = [&](Point user) {
        const Point p = view.toPixels(user);
        return QPointF(p.x, p.y);
    };
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), area), Qt::IntersectClip);
    painter.fillRect(QRect(QPoint(0, 0), area), toQColor(m_background));
    for (const PlotShape& s : m_shapes) {
        if (!s.visible)
            continue;
        painter.setPen(linePen(toQColor(s.pen), s.dotted ? Qt::DotLine : Qt::SolidLine,
                               std::max(1, s.penWidth), cosmeticPens));
        painter.setBrush(s.filled ? QBrush(toQColor(s.fill)) : Qt::NoBrush);
        const QRectF box = QRectF(at(s.a), at(s.b)).normalized();
        const double half = s.penWidth / 2.0;
        switch (s.kind) {
        case PlotShape::Kind::Rect:
            painter.drawRect(box);
            break;
        case PlotShape::Kind::Ellipse:
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawEllipse(box.adjusted(half, half, -half, -half));
            painter.setRenderHint(QPainter::Antialiasing, false);
            break;
        case PlotShape::Kind::Line:
            painter.drawLine(at(s.a), at(s.b));
            break;
        }
    }
    painter.restore();
}

QPainter& PlotWidget::layerPainter()
{
    ensureLayer();
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_layer);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void PlotWidget::endPainting()
{
    m_painter.reset();
}

QImage PlotWidget::drawingLayer()
{
    endPainting();
    ensureLayer();
    return m_layer;
}

void PlotWidget::scheduleRepaint()
{
    // One repaint request per batch of primitives: a trace of a million lines asks once.
    if (!m_repaintPending) {
        m_repaintPending = true;
        update();
    }
}

bool PlotWidget::rasterDirectly() const
{
    // A whole number of device pixels to a logical one: the rasteriser writes blocks.
    const qreal ratio = m_layer.devicePixelRatio();
    return ratio >= 1.0 && ratio == std::floor(ratio) &&
           m_layer.format() == QImage::Format_ARGB32_Premultiplied;
}

QPen PlotWidget::onePixelPen(QColor colour, Qt::PenStyle style) const
{
    // One logical pixel wide, dots spaced in logical pixels: on a high-density layer a
    // cosmetic pen would draw a hairline one device pixel wide.
    return linePen(colour, style, 1, devicePixelRatioF() == 1.0);
}

void PlotWidget::plotPixels(QPointF a, QPointF b, Rgb colour)
{
    // Written straight into the layer: QPainter's set-up per call costs more than the line
    // itself for the short, many lines the labs draw.
    endPainting();
    rasterLine(m_layer, a, b, qRgb(colour.r, colour.g, colour.b),
               static_cast<int>(m_layer.devicePixelRatio()));
}

void PlotWidget::onScale(double left, double top, double right, double bottom)
{
    m_record.scale(left, top, right, bottom);
    update();
}

void PlotWidget::onClear()
{
    m_record.clear();
    endPainting();
    // A plot that has drawn nothing yet has no layer to clear.
    if (!m_layer.isNull()) {
        ensureLayer();
        m_layer.fill(Qt::transparent);
    }
    scheduleRepaint();
    // The description says what is drawn; the window gives the new one after its pass.
    if (!accessibleDescription().isEmpty())
        setAccessibleDescription(QString());
}

void PlotWidget::onLine(Point a, Point b, Rgb colour, bool dotted)
{
    const QSize size = contentsRect().size();
    const Viewport view = surface();
    const Point ua = view.toPixels(a);
    const Point ub = view.toPixels(b);
    QPointF pa(ua.x, ua.y);
    QPointF pb(ub.x, ub.y);
    if (!clipSegment(pa, pb, -kDrawGuard, size.width() + kDrawGuard, size.height() + kDrawGuard))
        return;
    m_record.add({Primitive::Kind::Line, a, b, 0, colour, dotted, false});
    ensureLayerFor(size);
    if (!dotted && rasterDirectly()) {
        plotPixels(pa, pb, colour);
        scheduleRepaint();
        return;
    }
    QPainter& p = layerPainter();
    p.setPen(onePixelPen(toQColor(colour), dotted ? Qt::DotLine : Qt::SolidLine));
    if (pa == pb)
        p.drawPoint(pa);
    else
        p.drawLine(pa, pb);
    scheduleRepaint();
}

void PlotWidget::onBox(Point a, Point b, Rgb colour, bool filled)
{
    const QSize size = contentsRect().size();
    const QRectF rect = QRectF(clampToGuard(toLayer(a), size.width(), size.height()),
                               clampToGuard(toLayer(b), size.width(), size.height()))
                            .normalized();
    m_record.add({Primitive::Kind::Box, a, b, 0, colour, false, filled});
    QPainter& p = layerPainter();
    p.setPen(onePixelPen(toQColor(colour), Qt::SolidLine));
    p.setBrush(filled ? QBrush(toQColor(colour)) : Qt::NoBrush);
    p.drawRect(rect);
    p.setBrush(Qt::NoBrush);
    scheduleRepaint();
}

void PlotWidget::onCircle(Point centre, double radius, Rgb colour)
{
    const QPointF c = toLayer(centre);
    const double r = radius * std::fabs(surface().scaleX());
    const QSize size = contentsRect().size();
    if (!circleWithinGuard(c, r, size.width(), size.height()))
        return;
    m_record.add({Primitive::Kind::Circle, centre, centre, radius, colour, false, false});
    QPainter& p = layerPainter();
    p.setPen(onePixelPen(toQColor(colour), Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    scheduleRepaint();
}

void PlotWidget::onPoint(Point p, Rgb colour)
{
    const QPointF q = toLayer(p);
    const QSize size = contentsRect().size();
    if (q.x() < -1 || q.y() < -1 || q.x() > size.width() + 1 || q.y() > size.height() + 1)
        return;
    m_record.add({Primitive::Kind::Point, p, p, 0, colour, false, false});
    ensureLayer();
    if (rasterDirectly()) {
        plotPixels(q, q, colour);
        scheduleRepaint();
        return;
    }
    QPainter& painter = layerPainter();
    painter.setPen(onePixelPen(toQColor(colour), Qt::SolidLine));
    painter.drawPoint(q);
    scheduleRepaint();
}

void PlotWidget::paintEvent(QPaintEvent*)
{
    m_repaintPending = false;
    endPainting();
    QPainter p(this);
    paintUnder(p);
    if (!m_layer.isNull()) {
        ensureLayer();
        p.drawImage(QPointF(contentsRect().topLeft()), m_layer);
    }
    paintFocus(p);
}

void PlotWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_layer.isNull())
        ensureLayer();
}

void PlotWidget::mousePressEvent(QMouseEvent* event)
{
    m_lastMouse = event->position();
    const Point u = userFromWidget(event->position());
    emit mouseDown(u.x, u.y);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_lastMouse = event->position();
    const Point u = userFromWidget(event->position());
    emit mouseMove(u.x, u.y);
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_lastMouse = event->position();
    const Point u = userFromWidget(event->position());
    emit mouseUp(u.x, u.y);
}

} // namespace lumenary
