#include "rainbow_colours_views.h"

#include "light_image.h"

#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::rainbow
{

namespace
{

const QColor kAxis(150, 150, 160);
const QColor kText(210, 210, 220);

// The most lines drawn for one curve or one ray across the spectrum.
constexpr std::size_t kDistinctLines = 100;

Point pixel(QPointF p)
{
    return {p.x(), p.y()};
}

PixelRect pixels(const QRectF& r)
{
    return {r.left(), r.top(), r.width(), r.height()};
}

QImage toImage(const LightImage& light)
{
    QImage image(light.width(), light.height(), QImage::Format_RGB32);
    if (!image.isNull())
        light.encode(reinterpret_cast<std::uint32_t*>(image.bits()),
                     static_cast<int>(image.bytesPerLine() / 4));
    return image;
}

LinearRgb times(LinearRgb c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

// Calls draw(curve, hue) once per line to draw for a spectrum of colours. Beyond
// kDistinctLines colours, the lines of neighbouring colours lie well within a pixel of each
// other (the whole spectrum spreads over a few degrees): each run of neighbours is drawn as one
// line, along its middle colour's path, carrying the light of them all.
template <typename Draw> void forEachLine(const std::vector<ColourCurve>& colours, Draw draw)
{
    const std::size_t total = colours.size();
    const std::size_t group = (total + kDistinctLines - 1) / kDistinctLines;
    for (std::size_t first = 0; first < total; first += group) {
        const std::size_t end = std::min(total, first + group);
        LinearRgb sum;
        for (std::size_t j = first; j < end; ++j) {
            const LinearRgb c = lineColour(colours[j].nanometres);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
        draw(colours[(first + end) / 2], sum);
    }
}

QString fewColoursText(const RainbowScene& s)
{
    return QStringLiteral("%1 colours from 400 to 700 nm").arg(s.wavelengths.size());
}

} // namespace

QString degreesText(double degrees)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(degrees, 'f', 3) + QChar(0x00b0);
}

QString orderName(int k)
{
    switch (k) {
    case 1:
        return QStringLiteral("Primary");
    case 2:
        return QStringLiteral("Secondary");
    case 3:
        return QStringLiteral("Third-order");
    case 4:
        return QStringLiteral("Fourth-order");
    default:
        return QStringLiteral("Fifth-order");
    }
}

// --- PictureView ---------------------------------------------------------------------------

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setScene(std::shared_ptr<const RainbowScene> scene)
{
    m_scene = std::move(scene);
    m_cache = QImage();
    setAccessibleDescription(m_scene ? describe() : QString());
    update();
}

void PictureView::paintPicture(QPainter& painter, const QRectF& target) const
{
    const QSize size = target.size().toSize();
    if (size.isEmpty())
        return;
    if (m_cache.size() != size)
        m_cache = render(size);
    painter.drawImage(target, m_cache);
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter, QRectF(rect()));
}

// --- DeviationChart ------------------------------------------------------------------------

DeviationChart::DeviationChart(QWidget* parent) : PictureView(parent) {}

QImage DeviationChart::render(QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    LightImage light(w, h);
    const QRectF plot(58, 10, w - 58 - 14, h - 10 - 42);
    const RainbowScene* s = scene();
    struct Panel {
        QRectF rect;
        double lo = 0;
        double hi = 0;
        int order = 1;
    };
    std::vector<Panel> panels;
    if (s && plot.width() > 20 && plot.height() > 20 && !s->orders.empty()) {
        const auto count = static_cast<int>(s->orders.size());
        const double gap = 10.0;
        const double ph = (plot.height() - gap * (count - 1)) / count;
        const double weight = 2.4 / static_cast<double>(s->wavelengths.size());
        for (int p = 0; p < count; ++p) {
            const OrderCurves& o = s->orders[static_cast<std::size_t>(p)];
            Panel panel{QRectF(plot.left(), plot.top() + p * (ph + gap), plot.width(), ph), 0, 0,
                        o.order};
            double least = 1e9;
            for (const ColourCurve& c : o.colours)
                least = std::min(least, c.minimum.deviation);
            if (o.colours.empty())
                least = 180.0 * o.order;
            // From just below the least deviation, 30° up: the minima stand out.
            panel.lo = std::floor(least) - 2.0;
            panel.hi = panel.lo + 30.0;
            const QRectF& r = panel.rect;
            auto at = [&](double b, double d) {
                return QPointF(r.left() + b * r.width(),
                               r.bottom() - (d - panel.lo) / (panel.hi - panel.lo) * r.height());
            };
            forEachLine(o.colours, [&](const ColourCurve& c, LinearRgb hue) {
                const LinearRgb colour = times(hue, weight);
                const auto n = static_cast<int>(c.values.size());
                QPointF prev = at(0.0, c.values[0]);
                for (int j = 1; j < n; ++j) {
                    const QPointF next =
                        at(static_cast<double>(j) / (n - 1), c.values[static_cast<std::size_t>(j)]);
                    light.addLine(pixel(prev), pixel(next), colour, pixels(r));
                    prev = next;
                }
            });
            // The least deviation found on each colour's curve: a small cross.
            for (const ColourCurve& c : o.colours) {
                const QPointF m = at(c.minimum.impact, c.minimum.deviation);
                const LinearRgb mark = times(lineColour(c.nanometres), 2.0 * weight);
                light.addLine(pixel(m - QPointF(4, 0)), pixel(m + QPointF(4, 0)), mark, pixels(r));
                light.addLine(pixel(m - QPointF(0, 4)), pixel(m + QPointF(0, 4)), mark, pixels(r));
            }
            panels.push_back(panel);
        }
    }
    QImage image = toImage(light);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPointSizeF(8.0);
    painter.setFont(font);
    if (panels.empty()) {
        painter.setPen(kText);
        painter.drawText(QRectF(0, 0, w, h), Qt::AlignCenter,
                         QStringLiteral("Choose a number of reflections to see its curves."));
        return image;
    }
    for (const Panel& panel : panels) {
        const QRectF& r = panel.rect;
        painter.setPen(kAxis);
        painter.drawRect(r);
        // Ticks every 5°, or every 10° or 15° when the panel is too short to label each 5°.
        const double perDegree = r.height() / (panel.hi - panel.lo);
        const double tick = perDegree * 5.0 >= 14.0 ? 5.0 : perDegree * 10.0 >= 14.0 ? 10.0 : 15.0;
        for (double d = std::ceil(panel.lo / tick) * tick; d <= panel.hi; d += tick) {
            const double y = r.bottom() - (d - panel.lo) / (panel.hi - panel.lo) * r.height();
            if (y < r.top() + 4 || y > r.bottom() - 4)
                continue;
            painter.drawLine(QPointF(r.left() - 4, y), QPointF(r.left(), y));
            painter.drawText(QRectF(0, y - 7, r.left() - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(d, 'f', 0));
        }
        painter.setPen(kText);
        painter.drawText(
            r.adjusted(6, 3, -6, -3), Qt::AlignTop | Qt::AlignRight,
            QStringLiteral("k = %1 (%2)").arg(panel.order).arg(orderName(panel.order)));
    }
    const QRectF& last = panels.back().rect;
    painter.setPen(kAxis);
    for (int t = 0; t <= 10; t += 2) {
        const double x = last.left() + t / 10.0 * last.width();
        painter.drawLine(QPointF(x, last.bottom()), QPointF(x, last.bottom() + 4));
        painter.drawText(QRectF(x - 20, last.bottom() + 5, 40, 14), Qt::AlignCenter,
                         QString::number(t / 10.0, 'f', 1));
    }
    painter.setPen(kText);
    painter.drawText(QRectF(last.left(), h - 20, last.width(), 18), Qt::AlignCenter,
                     QStringLiteral("Impact parameter b (0 = centre, 1 = rim); + marks each "
                                    "curve's least deviation, the rainbow ray"));
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -8, plot.height(), 16), Qt::AlignCenter,
                     QStringLiteral("Deviation D (\u00b0)"));
    painter.restore();
    return image;
}

QString DeviationChart::describe() const
{
    const RainbowScene* s = scene();
    QString text = QStringLiteral("Deviation against impact parameter for ") + fewColoursText(*s);
    for (const OrderCurves& o : s->orders) {
        if (o.colours.empty())
            continue;
        text +=
            QStringLiteral("; %1: least deviation %2 (violet) to %3 (red)")
                .arg(orderName(o.order).toLower(), degreesText(o.colours.front().minimum.deviation),
                     degreesText(o.colours.back().minimum.deviation));
    }
    return text + QLatin1Char('.');
}

// --- DropView ------------------------------------------------------------------------------

DropView::DropView(QWidget* parent) : PictureView(parent) {}

QImage DropView::render(QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    LightImage light(w, h);
    const double radius = 0.3 * std::min(w, h);
    const QPointF centre(0.62 * w, 0.4 * h);
    auto at = [&](Point p) {
        return QPointF(centre.x() + radius * p.x, centre.y() - radius * p.y);
    };
    const double reach = 3.0 * (w + h) / std::max(radius, 1.0);
    const RainbowScene* s = scene();
    const double impacts[] = {0.3, 0.6, 0.93};
    if (s && radius > 4.0) {
        const double count = static_cast<double>(s->wavelengths.size());
        const double thin = 0.7 / count;
        const double bold = 4.0 / count;
        for (const OrderCurves& o : s->orders) {
            if (o.colours.empty())
                continue;
            const int side = downwardSide(o.colours[o.colours.size() / 2].minimum.deviation);
            // Sunlight from the left, white: every colour's incoming ray is the same line.
            auto incoming = [&](double b, double k, int thickness) {
                const QPointF entry = at({-std::sqrt(1.0 - b * b), side * b});
                light.addWideLine({0.0, entry.y()}, pixel(entry), {k, k, k}, thickness);
            };
            for (double b : impacts)
                incoming(b, thin * count, 1);
            const ColourCurve& middle = o.colours[o.colours.size() / 2];
            incoming(middle.closed ? middle.closed->impact : middle.minimum.impact, bold * count,
                     2);
            auto trace = [&](const ColourCurve& c, LinearRgb hue, double b, double k,
                             int thickness) {
                const DropPath path = dropPath(c.index, o.order, b, side);
                if (path.count < 2)
                    return;
                const LinearRgb colour = times(hue, k);
                for (int j = 1; j < path.count; ++j)
                    light.addWideLine(pixel(at(path.points[static_cast<std::size_t>(j - 1)])),
                                      pixel(at(path.points[static_cast<std::size_t>(j)])), colour,
                                      thickness);
                const Point end = path.points[static_cast<std::size_t>(path.count - 1)];
                const Point far{end.x + reach * path.exitDirection.x,
                                end.y + reach * path.exitDirection.y};
                light.addWideLine(pixel(at(end)), pixel(at(far)), colour, thickness);
            };
            forEachLine(o.colours, [&](const ColourCurve& c, LinearRgb hue) {
                for (double b : impacts)
                    trace(c, hue, b, thin, 1);
                trace(c, hue, c.closed ? c.closed->impact : c.minimum.impact, bold, 2);
            });
        }
    }
    QImage image = toImage(light);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 150, 210), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    QFont font = painter.font();
    font.setPointSizeF(8.0);
    painter.setFont(font);
    painter.setPen(kText);
    painter.drawText(QRectF(6, 4, w - 12, 16), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Sunlight \u2192"));
    painter.drawText(QRectF(6, h - 20, w - 12, 16), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Bold: each colour's rainbow ray"));
    return image;
}

QString DropView::describe() const
{
    const RainbowScene* s = scene();
    QString text =
        QStringLiteral("Rays of ") + fewColoursText(*s) + QStringLiteral(" through a drop");
    for (const Bow& b : s->bows)
        text += QStringLiteral("; %1 rainbow rays leave at %2 (red) and %3 (violet) from the "
                               "antisolar point")
                    .arg(orderName(b.order).toLower(), degreesText(b.red), degreesText(b.violet));
    return text + QLatin1Char('.');
}

// --- SkyView -------------------------------------------------------------------------------

SkyView::SkyView(QWidget* parent) : PictureView(parent) {}

QImage SkyView::render(QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(12, 12, 20));
    const double horizon = h - 34.0;
    const double cx = 0.5 * w;
    const int scale = static_cast<int>(std::min(0.5 * w - 8.0, horizon - 6.0));
    const RainbowScene* s = scene();
    if (s && scale > 8 && !s->sky.light.empty()) {
        // One colour per whole pixel of radius: the mean of the sky's samples across it.
        const SkyProfile& sky = s->sky;
        const double peak = sky.peak();
        const double exposure = peak > 0.0 ? 1.0 / peak : 0.0;
        const double perPixel = kSkyExtent / scale;
        std::vector<QRgb> ring(static_cast<std::size_t>(scale) + 1);
        for (int r = 0; r <= scale; ++r) {
            const double a0 = r * perPixel;
            const double a1 = std::min(kSkyExtent, (r + 1) * perPixel);
            LinearRgb sum;
            int n = 0;
            for (double a = a0 + 0.5 * sky.step; a < a1 || n == 0; a += sky.step, ++n) {
                const LinearRgb c = sky.at(a);
                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
            }
            const Rgb c = encodeSrgb(times(sum, exposure / n));
            ring[static_cast<std::size_t>(r)] = qRgb(c.r, c.g, c.b);
        }
        const auto rows = static_cast<int>(horizon);
        for (int y = 0; y < rows; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const double dy = y + 0.5 - horizon;
            for (int x = 0; x < w; ++x) {
                const double dx = x + 0.5 - cx;
                const auto r = static_cast<int>(std::sqrt(dx * dx + dy * dy));
                if (r <= scale)
                    line[x] = ring[static_cast<std::size_t>(r)];
            }
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPointSizeF(8.0);
    painter.setFont(font);
    painter.setPen(kAxis);
    painter.drawLine(QPointF(0, horizon), QPointF(w, horizon));
    if (scale > 8) {
        for (int a = -60; a <= 60; a += 10) {
            const double x = cx + a / kSkyExtent * scale;
            painter.drawLine(QPointF(x, horizon), QPointF(x, horizon + 4));
            if (a % 20 == 0)
                painter.drawText(QRectF(x - 20, horizon + 4, 40, 14), Qt::AlignCenter,
                                 QStringLiteral("%1\u00b0").arg(std::abs(a)));
        }
    }
    painter.setPen(kText);
    painter.drawText(QRectF(4, h - 16, w - 8, 15), Qt::AlignCenter,
                     QStringLiteral("Angle from the antisolar point (sun behind you)"));
    if (s && scale > 40) {
        // Names beside the bows on the left, the dark band's at the top.
        auto label = [&](double angle, double elevation, const QString& text) {
            const double r = angle / kSkyExtent * scale;
            const double e = elevation * std::numbers::pi / 180.0;
            const QPointF p(cx + r * std::cos(e), horizon - r * std::sin(e));
            const bool left = std::cos(e) < -0.1;
            const bool top = std::fabs(std::cos(e)) <= 0.1;
            const QRectF box = top    ? QRectF(p.x() - 60, p.y() - 7, 120, 14)
                               : left ? QRectF(p.x() - 124, p.y() - 14, 120, 14)
                                      : QRectF(p.x() + 4, p.y() - 14, 120, 14);
            painter.drawText(box,
                             (top    ? Qt::AlignHCenter
                              : left ? Qt::AlignRight
                                     : Qt::AlignLeft) |
                                 Qt::AlignVCenter,
                             text);
        };
        double primaryOuter = -1.0;
        double secondaryInner = -1.0;
        for (const Bow& b : s->bows) {
            const double outer = std::max(b.red, b.violet);
            if (outer > kSkyExtent)
                continue;
            label(outer,
                  b.order == 1   ? 165.0
                  : b.order == 2 ? 140.0
                                 : 115.0,
                  orderName(b.order).toLower());
            if (b.order == 1)
                primaryOuter = outer;
            if (b.order == 2)
                secondaryInner = std::min(b.red, b.violet);
        }
        if (primaryOuter > 0.0 && secondaryInner > primaryOuter)
            label(0.5 * (primaryOuter + secondaryInner), 90.0, QStringLiteral("dark band"));
    }
    return image;
}

QString SkyView::describe() const
{
    const RainbowScene* s = scene();
    QString text = QStringLiteral("The sky from 0\u00b0 to 60\u00b0 from the antisolar point");
    for (const Bow& b : s->bows) {
        if (std::min(b.red, b.violet) > kSkyExtent)
            text += QStringLiteral("; the %1 bow lies beyond it, at %2")
                        .arg(orderName(b.order).toLower(), degreesText(b.red));
        else
            text += QStringLiteral("; %1 bow from %2 to %3, red %4")
                        .arg(orderName(b.order).toLower(), degreesText(std::min(b.red, b.violet)),
                             degreesText(std::max(b.red, b.violet)),
                             b.redOutside() ? QStringLiteral("outside") : QStringLiteral("inside"));
    }
    return text + QLatin1Char('.');
}

} // namespace lumenary::rainbow
