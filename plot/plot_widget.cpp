#include "plot_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace lumenary {

namespace {

constexpr int kBorder = 2;        // a sunken frame around the surface, as plots have
constexpr double kGuard = 4096.0; // how far outside the surface a line is still handed over

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Clips the segment a-b to the rectangle [lo, hi] (Liang-Barsky). False when nothing is left.
bool clipSegment(QPointF& a, QPointF& b, double lo, double hiX, double hiY)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - lo, hiX - a.x(), a.y() - lo, hiY - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) &&
           std::isfinite(b.y());
}

} // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

Point PlotWidget::userFromWidget(QPointF widgetPos) const
{
    const QRect area = contentsRect();
    const double w = std::max(1, area.width());
    const double h = std::max(1, area.height());
    const double px = widgetPos.x() - area.left();
    const double py = widgetPos.y() - area.top();
    // The fraction of the surface first: a window as wide as a double allows would overflow.
    return Point{left() + px / w * (right() - left()), top() + py / h * (bottom() - top())};
}

QPointF PlotWidget::widgetFromUser(Point user) const
{
    const QRect area = contentsRect();
    return toLayer(user) + QPointF(area.left(), area.top());
}

QPointF PlotWidget::toLayer(Point user) const
{
    const QRect area = contentsRect();
    const double sx = area.width() / (right() - left());
    const double sy = area.height() / (bottom() - top());
    return QPointF((user.x - left()) * sx, (user.y - top()) * sy);
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
    return m_layer.devicePixelRatio() == 1.0 && m_layer.format() == QImage::Format_ARGB32_Premultiplied;
}

void PlotWidget::plotPixels(QPointF a, QPointF b, Rgb colour)
{
    // A one-pixel solid line written straight into the layer (Bresenham): QPainter's set-up per
    // call costs more than the line itself for the short, many lines the labs draw.
    endPainting();
    const int w = m_layer.width();
    const int h = m_layer.height();
    if (!clipSegment(a, b, 0.0, w - 1e-6, h - 1e-6))
        return;
    int x0 = static_cast<int>(a.x());
    int y0 = static_cast<int>(a.y());
    const int x1 = static_cast<int>(b.x());
    const int y1 = static_cast<int>(b.y());
    const QRgb pixel = qRgb(colour.r, colour.g, colour.b);
    uchar* bits = m_layer.bits();
    const qsizetype stride = m_layer.bytesPerLine();
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        reinterpret_cast<QRgb*>(bits + y0 * stride)[x0] = pixel;
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void PlotWidget::onScale(double, double, double, double)
{
    update();
}

void PlotWidget::onClear()
{
    endPainting();
    ensureLayer();
    m_layer.fill(Qt::transparent);
    scheduleRepaint();
}

void PlotWidget::onLine(Point a, Point b, Rgb colour, bool dotted)
{
    QPointF pa = toLayer(a);
    QPointF pb = toLayer(b);
    const QSize size = contentsRect().size();
    if (!clipSegment(pa, pb, -kGuard, size.width() + kGuard, size.height() + kGuard))
        return;
    ensureLayer();
    if (!dotted && rasterDirectly()) {
        plotPixels(pa, pb, colour);
        scheduleRepaint();
        return;
    }
    QPainter& p = layerPainter();
    QPen pen(toQColor(colour), 1, dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    if (pa == pb)
        p.drawPoint(pa);
    else
        p.drawLine(pa, pb);
    scheduleRepaint();
}

void PlotWidget::onBox(Point a, Point b, Rgb colour, bool filled)
{
    const QSize size = contentsRect().size();
    auto clampPoint = [&](QPointF q) {
        return QPointF(std::clamp(q.x(), -kGuard, size.width() + kGuard),
                       std::clamp(q.y(), -kGuard, size.height() + kGuard));
    };
    const QRectF rect = QRectF(clampPoint(toLayer(a)), clampPoint(toLayer(b))).normalized();
    QPainter& p = layerPainter();
    QPen pen(toQColor(colour), 1);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(filled ? QBrush(toQColor(colour)) : Qt::NoBrush);
    p.drawRect(rect);
    p.setBrush(Qt::NoBrush);
    scheduleRepaint();
}

void PlotWidget::onCircle(Point centre, double radius, Rgb colour)
{
    const QPointF c = toLayer(centre);
    const double r = radius * std::fabs(contentsRect().width() / (right() - left()));
    const QSize size = contentsRect().size();
    if (!std::isfinite(r) || r > kGuard * 16 || c.x() + r < -kGuard || c.y() + r < -kGuard ||
        c.x() - r > size.width() + kGuard || c.y() - r > size.height() + kGuard)
        return;
    QPainter& p = layerPainter();
    QPen pen(toQColor(colour), 1);
    pen.setCosmetic(true);
    p.setPen(pen);
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
    ensureLayer();
    if (rasterDirectly()) {
        plotPixels(q, q, colour);
        scheduleRepaint();
        return;
    }
    QPainter& painter = layerPainter();
    painter.setPen(QPen(toQColor(colour), 1));
    painter.drawPoint(q);
    scheduleRepaint();
}

void PlotWidget::paintEvent(QPaintEvent*)
{
    m_repaintPending = false;
    endPainting();
    ensureLayer();
    QPainter p(this);
    const QRect area = contentsRect();
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
    p.fillRect(area, toQColor(m_background));

    p.save();
    p.setClipRect(area);
    p.translate(area.topLeft());
    for (const PlotShape& s : m_shapes) {
        if (!s.visible)
            continue;
        QPen pen(toQColor(s.pen), s.penWidth, s.dotted ? Qt::DotLine : Qt::SolidLine);
        if (s.penWidth <= 1)
            pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(s.filled ? QBrush(toQColor(s.fill)) : Qt::NoBrush);
        const QPointF a = toLayer(s.a);
        const QPointF b = toLayer(s.b);
        switch (s.kind) {
        case PlotShape::Kind::Rect:
            p.drawRect(QRectF(a, b).normalized());
            break;
        case PlotShape::Kind::Ellipse:
            p.setRenderHint(QPainter::Antialiasing, true);
            p.drawEllipse(QRectF(a, b).normalized().adjusted(s.penWidth / 2.0, s.penWidth / 2.0,
                                                              -s.penWidth / 2.0,
                                                              -s.penWidth / 2.0));
            p.setRenderHint(QPainter::Antialiasing, false);
            break;
        case PlotShape::Kind::Line:
            p.drawLine(a, b);
            break;
        }
    }
    p.drawImage(QPointF(0, 0), m_layer);
    p.restore();
}

void PlotWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
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
