#include "rainbow_colours_views.h"

#include "chart_frame.h"
#include "controls.h"
#include "light_image.h"
#include "numbers.h"
#include "parallel.h"
#include "readout.h"
#include "render_scale.h"
#include "viewport.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace lumenary::rainbow
{

namespace
{

const QColor kAxis(150, 150, 160);
const QColor kText(210, 210, 220);

// The most lines drawn for one curve or one ray across the spectrum.
constexpr std::size_t kDistinctLines = 100;

PixelRect pixels(const QRectF& r)
{
    return {r.left(), r.top(), r.width(), r.height()};
}

// The light that draw adds, in an image pixels in size, scale pixels to a logical one.
QImage lightImage(QSize pixels, double scale, const std::function<void(LightImage&)>& draw)
{
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    encodeInBands(pixels.width(), pixels.height(), draw,
                  reinterpret_cast<std::uint32_t*>(image.bits()),
                  static_cast<int>(image.bytesPerLine() / 4));
    image.setDevicePixelRatio(scale);
    return image;
}

QSize pixelsOf(QSize size, double scale)
{
    return {static_cast<int>(std::lround(size.width() * scale)),
            static_cast<int>(std::lround(size.height() * scale))};
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

// A tick's label: the chart's axes, like the prism's chart, write a point whatever the locale.
QString tickText(double value, int decimals)
{
    return QString::fromStdString(formatFixed(value, decimals, decimalPoint()));
}

QString fewColoursText(const RainbowScene& s)
{
    return QCoreApplication::translate("lumenary::rainbow::RainbowText",
                                       "%1 colours from 400 to 700 nm")
        .arg(s.wavelengths.size());
}

} // namespace

QString degreesText(double degrees)
{
    return fixedText(degrees, 3) + QChar(0x00b0);
}

QString orderName(int k)
{
    static const char* const names[kMaxOrder] = {
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "Primary"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "Secondary"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "Third-order"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "Fourth-order"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "Fifth-order")};
    return QCoreApplication::translate("lumenary::rainbow::RainbowText",
                                       names[std::clamp(k, 1, kMaxOrder) - 1]);
}

QString orderWord(int k)
{
    static const char* const words[kMaxOrder] = {
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "primary"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "secondary"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "third-order"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "fourth-order"),
        QT_TRANSLATE_NOOP("lumenary::rainbow::RainbowText", "fifth-order")};
    return QCoreApplication::translate("lumenary::rainbow::RainbowText",
                                       words[std::clamp(k, 1, kMaxOrder) - 1]);
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

QImage PictureView::renderWhole(QSize size, double scale) const
{
    QImage image = renderLight(size, scale);
    if (!image.isNull()) {
        QPainter painter(&image);
        paintOverlay(painter, size);
    }
    return image;
}

void PictureView::renderForScreen(std::initializer_list<PictureView*> views)
{
    struct Job {
        PictureView* view;
        QSize size;
        double scale;
    };
    std::vector<Job> jobs;
    for (PictureView* view : views) {
        const double scale = view->devicePixelRatioF();
        const QSize size = view->size();
        if (view->isVisible() && !size.isEmpty() && view->m_cache.size() != pixelsOf(size, scale))
            jobs.push_back({view, size, scale});
    }
    forEachPart(static_cast<int>(jobs.size()), [&](int i) {
        const Job& job = jobs[static_cast<std::size_t>(i)];
        job.view->m_cache = job.view->renderWhole(job.size, job.scale);
    });
}

void PictureView::paintPicture(QPainter& painter, const QRectF& target) const
{
    const QSize size = target.size().toSize();
    if (size.isEmpty())
        return;
    const RenderScale r = renderScale(painter, QSizeF(size));
    if (r.vector) {
        // The light as an image; the frame, axes and words as vectors over it.
        painter.drawImage(target, renderLight(size, r.scale));
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(target.width() / size.width(), target.height() / size.height());
        paintOverlay(painter, size);
        painter.restore();
        return;
    }
    // At the device's pixels. A picture rendered ahead for the screen is painted once and let
    // go: the window's own pixels keep it, and a later paint renders it again.
    const bool onScreen = painter.device() == this;
    if (onScreen && m_cache.size() == r.pixels) {
        painter.drawImage(target, m_cache);
        m_cache = QImage();
        return;
    }
    painter.drawImage(target, renderWhole(size, r.scale));
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter, QRectF(rect()));
}

// --- DeviationPanels -----------------------------------------------------------------------

namespace
{

struct Panel {
    QRectF rect;
    Viewport view; // b from 0 to 1 across, D in degrees up
    int order = 1;
};

// The plot's room in a picture of that size, left for the axes and their words.
QRectF plotArea(QSize size)
{
    return QRectF(58, 10, size.width() - 58 - 14, size.height() - 10 - 42);
}

// One panel per order shown, from its least deviation 30° up, in logical pixels.
std::vector<Panel> panelsOf(const RainbowScene* s, QSize size)
{
    std::vector<Panel> panels;
    const QRectF plot = plotArea(size);
    if (!s || !(plot.width() > 20 && plot.height() > 20) || s->orders.empty())
        return panels;
    const auto count = static_cast<int>(s->orders.size());
    const double gap = 10.0;
    const double ph = (plot.height() - gap * (count - 1)) / count;
    for (int p = 0; p < count; ++p) {
        const OrderCurves& o = s->orders[static_cast<std::size_t>(p)];
        const QRectF r(plot.left(), plot.top() + p * (ph + gap), plot.width(), ph);
        double least = 1e9;
        for (const ColourCurve& c : o.colours)
            least = std::min(least, c.minimum.deviation);
        if (o.colours.empty())
            least = 180.0 * o.order;
        // From just below the least deviation, 30° up: the minima stand out.
        const double lo = std::floor(least) - 2.0;
        Viewport window;
        window.setWindow(0.0, lo + 30.0, 1.0, lo);
        panels.push_back({r, window.placed(r.left(), r.top(), r.width(), r.height()), o.order});
    }
    return panels;
}

} // namespace

DeviationPanels::DeviationPanels(QWidget* parent) : PictureView(parent) {}

QImage DeviationPanels::renderLight(QSize size, double scale) const
{
    const RainbowScene* s = scene();
    // The panels in image pixels, each with its order's curves.
    struct Placed {
        QRectF rect;
        Viewport view;
        const OrderCurves* curves = nullptr;
    };
    std::vector<Placed> placed;
    for (const Panel& logical : panelsOf(s, size)) {
        const QRectF r(logical.rect.left() * scale, logical.rect.top() * scale,
                       logical.rect.width() * scale, logical.rect.height() * scale);
        const OrderCurves* curves = nullptr;
        for (const OrderCurves& o : s->orders)
            if (o.order == logical.order)
                curves = &o;
        placed.push_back(
            {r, logical.view.placed(r.left(), r.top(), r.width(), r.height()), curves});
    }
    // Lines a logical pixel wide, in image pixels.
    const int thickness = std::max(1, static_cast<int>(std::lround(scale)));
    const double arm = 4.0 * scale;
    // Every line's points in image pixels, once for all the bands, with the rows they span.
    struct Curve {
        std::vector<Point> points;
        LinearRgb light;
        PixelRect within;
        double top = 0;
        double bottom = 0;
    };
    std::vector<Curve> curves;
    const double weight = s ? 2.4 / static_cast<double>(s->wavelengths.size()) : 0.0;
    const auto add = [&](std::vector<Point> points, LinearRgb light, const PixelRect& within) {
        const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                     [](Point p, Point q) { return p.y < q.y; });
        curves.push_back({std::move(points), light, within, low->y, high->y});
    };
    for (const Placed& panel : placed) {
        const PixelRect within = pixels(panel.rect);
        forEachLine(panel.curves->colours, [&](const ColourCurve& c, LinearRgb hue) {
            const auto n = static_cast<int>(c.values.size());
            std::vector<Point> points;
            points.reserve(c.values.size());
            points.push_back(panel.view.toPixels({0.0, c.values[0]}));
            for (int j = 1; j < n; ++j)
                points.push_back(panel.view.toPixels(
                    {static_cast<double>(j) / (n - 1), c.values[static_cast<std::size_t>(j)]}));
            add(std::move(points), times(hue, weight), within);
        });
        // The least deviation found on each colour's curve: a small cross.
        for (const ColourCurve& c : panel.curves->colours) {
            const Point m = panel.view.toPixels({c.minimum.impact, c.minimum.deviation});
            const LinearRgb mark = times(lineColour(c.nanometres), 2.0 * weight);
            add({{m.x - arm, m.y}, {m.x + arm, m.y}}, mark, within);
            add({{m.x, m.y - arm}, {m.x, m.y + arm}}, mark, within);
        }
    }
    const auto draw = [&](LightImage& light) {
        // What lies wholly above or below the band is passed over here, cheaply.
        const double top = light.firstRow() - thickness - 1.0;
        const double bottom = light.firstRow() + light.rows() + thickness + 1.0;
        for (const Curve& curve : curves) {
            if (curve.bottom < top || curve.top > bottom)
                continue;
            for (std::size_t j = 1; j < curve.points.size(); ++j) {
                const Point a = curve.points[j - 1];
                const Point b = curve.points[j];
                if (std::max(a.y, b.y) < top || std::min(a.y, b.y) > bottom)
                    continue;
                light.addWideLine(a, b, curve.light, thickness, curve.within);
            }
        }
    };
    return lightImage(pixelsOf(size, scale), scale, draw);
}

void DeviationPanels::paintOverlay(QPainter& painter, QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    const std::vector<Panel> panels = panelsOf(scene(), size);
    painter.setRenderHint(QPainter::Antialiasing);
    setScreenPointSize(painter, 8.0);
    if (panels.empty()) {
        painter.setPen(kText);
        painter.drawText(QRectF(0, 0, w, h), Qt::AlignCenter,
                         tr("Choose a number of reflections to see its curves."));
        return;
    }
    for (const Panel& panel : panels) {
        const QRectF& r = panel.rect;
        painter.setPen(kAxis);
        painter.drawRect(r);
        // Ticks every 5°, or every 10° or 15° when the panel is too short to label each 5°.
        const double step = tickStep(std::fabs(panel.view.scaleY()), {5.0, 10.0, 15.0}, 14.0);
        drawAxis(painter, ChartAxis::Y, r.left(),
                 axisTicks(panel.view, ChartAxis::Y, panel.view.bottom(), panel.view.top(), step,
                           0.0, 4.0),
                 [](double d) { return tickText(d, 0); });
        painter.setPen(kText);
        painter.drawText(
            r.adjusted(6, 3, -6, -3), Qt::AlignTop | Qt::AlignRight,
            QStringLiteral("k = %1 (%2)").arg(panel.order).arg(orderName(panel.order)));
    }
    const Panel& last = panels.back();
    painter.setPen(kAxis);
    drawAxis(
        painter, ChartAxis::X, last.rect.bottom(),
        axisTicks(last.view, ChartAxis::X, 0.0, 1.0, 0.2), [](double b) { return tickText(b, 1); },
        5.0);
    painter.setPen(kText);
    painter.drawText(QRectF(last.rect.left(), h - 20, last.rect.width(), 18), Qt::AlignCenter,
                     tr("Impact parameter b (0 = centre, 1 = rim); + marks each "
                        "curve's least deviation, the rainbow ray"));
    drawLeftTitle(painter, plotArea(size), 12, tr("Deviation D (\u00b0)"));
}

QString DeviationPanels::describe() const
{
    const RainbowScene* s = scene();
    QString text = tr("Deviation against impact parameter for %1").arg(fewColoursText(*s));
    for (const OrderCurves& o : s->orders) {
        if (o.colours.empty())
            continue;
        text += tr("; %1: least deviation %2 (violet) to %3 (red)")
                    .arg(orderWord(o.order), degreesText(o.colours.front().minimum.deviation),
                         degreesText(o.colours.back().minimum.deviation));
    }
    return text + QLatin1Char('.');
}

// --- DropView ------------------------------------------------------------------------------

DropView::DropView(QWidget* parent) : PictureView(parent) {}

namespace
{

// The drop's place in a picture of that size: its centre and radius, in logical pixels.
struct DropPlace {
    QPointF centre;
    double radius = 0;
};

DropPlace dropPlace(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    return {QPointF(0.62 * w, 0.4 * h), 0.3 * std::min(w, h)};
}

} // namespace

QImage DropView::renderLight(QSize size, double scale) const
{
    const int w = size.width();
    const int h = size.height();
    const DropPlace place = dropPlace(size);
    const double radius = place.radius;
    // The drop's radius is the unit, its centre the origin, y upwards.
    Viewport unit;
    unit.setWindow(0.0, 0.0, 1.0, -1.0);
    const Viewport view = unit.placed(place.centre.x() * scale, place.centre.y() * scale,
                                      radius * scale, radius * scale);
    auto at = [&](Point p) { return view.toPixels(p); };
    const double reach = 3.0 * (w + h) / std::max(radius, 1.0);
    const RainbowScene* s = scene();
    const double impacts[] = {0.3, 0.6, 0.93};
    // Thin lines a logical pixel wide, bold ones two, in image pixels.
    const int thinLine = std::max(1, static_cast<int>(std::lround(scale)));
    const int boldLine = std::max(2, static_cast<int>(std::lround(2.0 * scale)));
    // Every ray's path in image pixels, traced once for all the bands.
    struct Ray {
        std::array<Point, kMaxOrder + 3> points;
        int count = 0;
        LinearRgb light;
        int thickness = 1;
    };
    std::vector<Ray> rays;
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
                const Point entry = at({-std::sqrt(1.0 - b * b), side * b});
                rays.push_back({{Point{0.0, entry.y}, entry}, 2, {k, k, k}, thickness});
            };
            for (double b : impacts)
                incoming(b, thin * count, thinLine);
            const ColourCurve& middle = o.colours[o.colours.size() / 2];
            incoming(middle.closed ? middle.closed->impact : middle.minimum.impact, bold * count,
                     boldLine);
            auto trace = [&](const ColourCurve& c, LinearRgb hue, double b, double k,
                             int thickness) {
                const DropPath path = dropPath(c.index, o.order, b, side);
                if (path.count < 2)
                    return;
                Ray ray{{}, path.count + 1, times(hue, k), thickness};
                for (int j = 0; j < path.count; ++j)
                    ray.points[static_cast<std::size_t>(j)] =
                        at(path.points[static_cast<std::size_t>(j)]);
                const Point end = path.points[static_cast<std::size_t>(path.count - 1)];
                ray.points[static_cast<std::size_t>(path.count)] = at(
                    {end.x + reach * path.exitDirection.x, end.y + reach * path.exitDirection.y});
                rays.push_back(ray);
            };
            forEachLine(o.colours, [&](const ColourCurve& c, LinearRgb hue) {
                for (double b : impacts)
                    trace(c, hue, b, thin, thinLine);
                trace(c, hue, c.closed ? c.closed->impact : c.minimum.impact, bold, boldLine);
            });
        }
    }
    return lightImage(pixelsOf(size, scale), scale, [&](LightImage& light) {
        for (const Ray& ray : rays)
            for (int j = 1; j < ray.count; ++j)
                light.addWideLine(ray.points[static_cast<std::size_t>(j - 1)],
                                  ray.points[static_cast<std::size_t>(j)], ray.light,
                                  ray.thickness);
    });
}

void DropView::paintOverlay(QPainter& painter, QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    const DropPlace place = dropPlace(size);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(110, 150, 210), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(place.centre, place.radius, place.radius);
    setScreenPointSize(painter, 8.0);
    painter.setPen(kText);
    painter.drawText(QRectF(6, 4, w - 12, 16), Qt::AlignLeft | Qt::AlignTop, tr("Sunlight \u2192"));
    painter.drawText(QRectF(6, h - 20, w - 12, 16), Qt::AlignLeft | Qt::AlignBottom,
                     tr("Bold: each colour's rainbow ray"));
}

QString DropView::describe() const
{
    const RainbowScene* s = scene();
    QString text = tr("Rays of %1 through a drop").arg(fewColoursText(*s));
    for (const Bow& b : s->bows)
        text += tr("; %1 rainbow rays leave at %2 (red) and %3 (violet) from the "
                   "antisolar point")
                    .arg(orderWord(b.order), degreesText(b.red), degreesText(b.violet));
    return text + QLatin1Char('.');
}

// --- SkyView -------------------------------------------------------------------------------

SkyView::SkyView(QWidget* parent) : PictureView(parent) {}

namespace
{

// Where the sky lies in a picture of that size: its horizon, and the view of the sky in degrees
// from the antisolar point over a half-disc of radius `radius` pixels on it, in logical pixels.
struct SkyPlace {
    double horizon = 0;
    double centre = 0;
    int radius = 0;
    Viewport view;
};

SkyPlace skyPlace(QSize size)
{
    SkyPlace p;
    p.horizon = size.height() - 34.0;
    p.centre = 0.5 * size.width();
    p.radius = static_cast<int>(std::min(0.5 * size.width() - 8.0, p.horizon - 6.0));
    // The sky above the horizon in degrees from the antisolar point, which stands on the
    // horizon in the middle; y upwards.
    Viewport degrees;
    degrees.setWindow(-kSkyExtent, kSkyExtent, kSkyExtent, 0.0);
    p.view = degrees.placed(p.centre - p.radius, p.horizon - p.radius, 2.0 * p.radius, p.radius);
    return p;
}

} // namespace

QImage SkyView::renderLight(QSize size, double scale) const
{
    const QSize pixels = pixelsOf(size, scale);
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(QColor(12, 12, 20));
    const SkyPlace place = skyPlace(size);
    const double horizon = place.horizon * scale;
    const double cx = place.centre * scale;
    const int radius = static_cast<int>(place.radius * scale);
    const Viewport view =
        place.view.placed(place.view.x() * scale, place.view.y() * scale,
                          place.view.width() * scale, place.view.height() * scale);
    const RainbowScene* s = scene();
    if (s && place.radius > 8 && !s->sky.light.empty()) {
        // One colour per whole pixel of radius: the mean of the sky's samples across it.
        const SkyProfile& sky = s->sky;
        const double peak = sky.peak();
        const double exposure = peak > 0.0 ? 1.0 / peak : 0.0;
        // Rings about the antisolar point's pixel, at the view's degrees per pixel.
        const double perPixel = (view.right() - view.left()) / view.width();
        std::vector<QRgb> ring(static_cast<std::size_t>(radius) + 1);
        for (int r = 0; r <= radius; ++r) {
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
        // The rows in two halves, one a thread.
        const auto rows = static_cast<int>(horizon);
        const int w = pixels.width();
        forEachPart(2, [&](int part) {
            const int from = part == 0 ? 0 : rows / 2;
            const int to = part == 0 ? rows / 2 : rows;
            for (int y = from; y < to; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                const double dy = y + 0.5 - horizon;
                for (int x = 0; x < w; ++x) {
                    const double dx = x + 0.5 - cx;
                    const auto r = static_cast<int>(std::sqrt(dx * dx + dy * dy));
                    if (r <= radius)
                        line[x] = ring[static_cast<std::size_t>(r)];
                }
            }
        });
    }
    image.setDevicePixelRatio(scale);
    return image;
}

void SkyView::paintOverlay(QPainter& painter, QSize size) const
{
    const int w = size.width();
    const int h = size.height();
    const SkyPlace place = skyPlace(size);
    const double horizon = place.horizon;
    const Viewport& view = place.view;
    painter.setRenderHint(QPainter::Antialiasing);
    setScreenPointSize(painter, 8.0);
    painter.setPen(kAxis);
    painter.drawLine(QPointF(0, horizon), QPointF(w, horizon));
    if (place.radius > 8)
        drawAxis(
            painter, ChartAxis::X, horizon,
            axisTicks(view, ChartAxis::X, -kSkyExtent, kSkyExtent, 10.0, 20.0),
            [](double a) { return tickText(std::fabs(a), 0) + QChar(0x00b0); }, 4.0);
    painter.setPen(kText);
    painter.drawText(QRectF(4, h - 16, w - 8, 15), Qt::AlignCenter,
                     tr("Angle from the antisolar point (sun behind you)"));
    const RainbowScene* s = scene();
    if (s && place.radius > 40) {
        // Names beside the bows on the left, the dark band's at the top.
        auto label = [&](double angle, double elevation, const QString& text) {
            const double e = elevation * kDegree;
            const Point at = view.toPixels({angle * std::cos(e), angle * std::sin(e)});
            const QPointF p(at.x, at.y);
            const bool left = std::cos(e) < -0.1;
            const bool top = std::fabs(std::cos(e)) <= 0.1;
            QRectF box = top    ? QRectF(p.x() - 60, p.y() - 7, 120, 14)
                         : left ? QRectF(p.x() - 124, p.y() - 14, 120, 14)
                                : QRectF(p.x() + 4, p.y() - 14, 120, 14);
            // A name longer than the room left of its bow moves right, clear of the edge.
            const double over = 2.0 - (p.x() - 4 - painter.fontMetrics().horizontalAdvance(text));
            if (left && over > 0.0)
                box.translate(over, 0.0);
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
            const double outer = b.outer;
            if (outer > kSkyExtent)
                continue;
            label(outer, b.order == 1 ? 165.0 : b.order == 2 ? 140.0 : 115.0, orderWord(b.order));
            if (b.order == 1)
                primaryOuter = outer;
            if (b.order == 2)
                secondaryInner = b.inner;
        }
        if (primaryOuter > 0.0 && secondaryInner > primaryOuter)
            label(0.5 * (primaryOuter + secondaryInner), 90.0, tr("dark band"));
    }
}

QString SkyView::describe() const
{
    const RainbowScene* s = scene();
    QString text = tr("The sky from 0\u00b0 to 60\u00b0 from the antisolar point");
    for (const Bow& b : s->bows) {
        if (b.inner > kSkyExtent)
            text += tr("; the %1 bow lies beyond it, at %2", "%1: primary, secondary, …")
                        .arg(orderWord(b.order), degreesText(b.red));
        else
            text += tr("; %1 bow from %2 to %3, red %4",
                       "%1: primary, secondary, …; %4: outside or inside")
                        .arg(orderWord(b.order), degreesText(b.inner), degreesText(b.outer),
                             b.redOutside() ? tr("outside") : tr("inside"));
    }
    return text + QLatin1Char('.');
}

} // namespace lumenary::rainbow
