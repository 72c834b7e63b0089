#include "prism_spectrum_views.h"

#include "chart_frame.h"
#include "controls.h"
#include "dispersion.h"
#include "light_image.h"
#include "qt_colour.h"
#include "readout.h"
#include "render_scale.h"
#include "viewport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace lumenary
{

namespace
{

// Scene units to pixels of a picture of that size: the scene's view fitted in, kept in
// proportion and centred.
Viewport sceneView(QSizeF size)
{
    const auto& v = kSpectrumSceneView;
    return Viewport::fitted(v[0], v[1], v[2], v[3], size.width(), size.height())
        .value_or(Viewport());
}

QPointF toQPointF(Point p)
{
    return {p.x, p.y};
}

} // namespace

QString materialName(const SellmeierMaterial& material)
{
    // The names of the optics library's table, for lupdate; looked up by their English.
    [[maybe_unused]] static const char* const names[] = {
        QT_TRANSLATE_NOOP("lumenary::DispersiveMaterial", "Water (21.5 °C)"),
        QT_TRANSLATE_NOOP("lumenary::DispersiveMaterial", "Fused silica"),
        QT_TRANSLATE_NOOP("lumenary::DispersiveMaterial", "Crown glass N-BK7"),
        QT_TRANSLATE_NOOP("lumenary::DispersiveMaterial", "Flint glass F2")};
    return QCoreApplication::translate("lumenary::DispersiveMaterial",
                                       std::string(material.name).c_str());
}

SpectrumPicture::SpectrumPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SpectrumPicture::setScene(PrismScene scene)
{
    m_scene = std::move(scene);
    m_light = QImage();
    update();
}

QImage SpectrumPicture::renderLight(QSize pixels, double scale) const
{
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const Viewport view = sceneView(pixels);
    encodeInBands(
        pixels.width(), pixels.height(),
        [&](LightImage& band) {
            // Each ray a logical pixel wide, however many image pixels that is.
            const auto line = [&](Point a, Point b, LinearRgb light) {
                band.addSmoothLine(view.toPixels(a), view.toPixels(b), light, scale);
            };
            for (const auto& segment : m_scene.incoming)
                line(segment[0], segment[1], m_scene.white);
            for (const TracedRay& ray : m_scene.rays) {
                line(ray.path[0], ray.path[1], ray.light);
                line(ray.path[1], ray.path[2], ray.light);
            }
        },
        reinterpret_cast<std::uint32_t*>(image.bits()), static_cast<int>(image.bytesPerLine() / 4));
    image.setDevicePixelRatio(scale);
    return image;
}

void SpectrumPicture::paintPicture(QPainter& painter, const QRectF& target) const
{
    const QSize size = target.size().toSize();
    if (size.isEmpty())
        return;
    // The light at the resolution of where it goes: the screen's pixels (kept until the scene
    // or the size changes), a copy's, a file's or a printer's.
    const RenderScale r = renderScale(painter, QSizeF(size));
    const bool onScreen = painter.device() == this;
    QImage light =
        onScreen && m_light.size() == r.pixels ? m_light : renderLight(r.pixels, r.scale);
    if (onScreen)
        m_light = light;
    painter.save();
    if (light.size() == size)
        painter.drawImage(target.topLeft(), light);
    else
        painter.drawImage(QRectF(target.topLeft(), QSizeF(size)), light);
    painter.translate(target.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const Viewport view = sceneView(target.size());
    const auto map = [&](Point p) { return toQPointF(view.toPixels(p)); };
    QPen dotted(QColor(150, 150, 150), 1.0, Qt::DashLine);
    painter.setPen(dotted);
    painter.drawLine(map(m_scene.normal[0]), map(m_scene.normal[1]));
    painter.setPen(QPen(QColor(170, 190, 215), 1.5));
    painter.setBrush(Qt::NoBrush);
    const QPointF corners[3] = {map(m_scene.prism[0]), map(m_scene.prism[1]),
                                map(m_scene.prism[2])};
    painter.drawPolygon(corners, 3);
    painter.restore();
}

void SpectrumPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter, rect());
}

// --- PrismDeviationChart ----------------------------------------------------------------------

namespace
{

const QColor kChartBackground(36, 37, 42);
const QColor kGrid(72, 73, 80);
const QColor kChartText(205, 205, 212);
// Room around the plot for the ticks' labels, the titles and the legend.
constexpr double kChartLeft = 54.0;
constexpr double kChartTop = 12.0;
constexpr double kChartRight = 16.0;
constexpr double kChartBottom = 62.0;
constexpr double kLines[3] = {kLineF, kLineD, kLineC};
const char* const kLineNames[3] = {"F", "d", "C"};

void drawMinimumMark(QPainter& painter, QPointF at)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 4.5, 4.5);
}

void drawPresentMark(QPainter& painter, QPointF at)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(255, 220, 120));
    painter.drawRect(QRectF(at.x() - 3.5, at.y() - 3.5, 7.0, 7.0));
}

// The legend: a mark and a name for each thing drawn, in a row centred at y.
void drawLegend(QPainter& painter, double width, double y)
{
    struct Entry {
        QString name;
        std::function<void(QPointF)> mark;
    };
    std::vector<Entry> entries;
    for (std::size_t k = 0; k < 3; ++k) {
        const QColor colour = toQColor(wavelengthColour(kLines[k]));
        entries.push_back({PrismDeviationChart::tr("%1 line, %2 nm")
                               .arg(QLatin1String(kLineNames[k]), fixedText(kLines[k], 2)),
                           [&painter, colour](QPointF at) {
                               painter.setPen(QPen(colour, 2.0));
                               painter.drawLine(at - QPointF(6, 0), at + QPointF(6, 0));
                           }});
    }
    entries.push_back({PrismDeviationChart::tr("present incidence"), [&painter](QPointF at) {
                           painter.setPen(QPen(QColor(200, 200, 200), 1.0, Qt::DashLine));
                           painter.drawLine(at - QPointF(0, 6), at + QPointF(0, 6));
                       }});
    entries.push_back({PrismDeviationChart::tr("minimum deviation"),
                       [&painter](QPointF at) { drawMinimumMark(painter, at); }});
    entries.push_back({PrismDeviationChart::tr("deviation now"),
                       [&painter](QPointF at) { drawPresentMark(painter, at); }});
    const QFontMetricsF metrics(painter.font());
    constexpr double kMark = 16.0;
    constexpr double kGap = 14.0;
    double total = 0.0;
    for (const Entry& e : entries)
        total += kMark + 4.0 + metrics.horizontalAdvance(e.name) + kGap;
    double x = std::max(4.0, (width - total + kGap) / 2.0);
    for (const Entry& e : entries) {
        painter.save();
        e.mark(QPointF(x + kMark / 2, y));
        painter.restore();
        x += kMark + 4.0;
        painter.setPen(kChartText);
        const double w = metrics.horizontalAdvance(e.name);
        painter.drawText(QRectF(x, y - 8, w + 2, 16), Qt::AlignLeft | Qt::AlignVCenter, e.name);
        x += w + kGap;
    }
}

} // namespace

PrismDeviationChart::PrismDeviationChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PrismDeviationChart::setCurves(const std::array<DeviationCurve, 3>& curves, double incidence)
{
    m_curves = curves;
    m_incidence = incidence;
    double low = INFINITY;
    double high = -INFINITY;
    for (const DeviationCurve& c : m_curves)
        for (const Point p : c.points) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
    if (low <= high) {
        // Room above and below.
        const double pad = std::max(1.0, (high - low) * 0.05);
        m_low = low - pad;
        m_high = high + pad;
    } else { // every colour totally reflected: empty axes
        m_low = 0.0;
        m_high = 90.0;
    }
    update();
}

void PrismDeviationChart::paintPicture(QPainter& painter, const QRectF& target) const
{
    const QSizeF size = target.size();
    painter.save();
    painter.translate(target.topLeft());
    painter.fillRect(QRectF(QPointF(0, 0), size), kChartBackground);
    const QRectF plot(kChartLeft, kChartTop, size.width() - kChartLeft - kChartRight,
                      size.height() - kChartTop - kChartBottom);
    if (!(plot.width() > 20 && plot.height() > 20)) {
        painter.restore();
        return;
    }
    setScreenPointSize(painter, 8.0);
    painter.setRenderHint(QPainter::Antialiasing);

    // Round numbers at the ends of the deviation axis, as many steps as its height has room for.
    const double step = tickStep(plot.height() / std::max(m_high - m_low, 1e-9),
                                 {1.0, 2.0, 5.0, 10.0, 20.0, 50.0}, 28.0);
    Viewport window;
    window.setWindow(0.0, std::ceil(m_high / step) * step, 90.0, std::floor(m_low / step) * step);
    const Viewport view = window.placed(plot.left(), plot.top(), plot.width(), plot.height());
    const auto at = [&](double incidence, double deviation) {
        const Point p = view.toPixels({incidence, deviation});
        return QPointF(p.x, p.y);
    };

    // The grid: every 10° of incidence labelled, every 5° dashed; every step of deviation.
    const std::vector<AxisTick> xTicks = axisTicks(view, ChartAxis::X, 0.0, 90.0, 5.0, 10.0);
    const std::vector<AxisTick> yTicks =
        axisTicks(view, ChartAxis::Y, view.bottom(), view.top(), step);
    for (const AxisTick& t : xTicks) {
        painter.setPen(QPen(kGrid, 1.0, t.labelled ? Qt::SolidLine : Qt::DashLine));
        painter.drawLine(QPointF(t.pixel, plot.top()), QPointF(t.pixel, plot.bottom()));
    }
    painter.setPen(QPen(kGrid, 1.0));
    for (const AxisTick& t : yTicks)
        painter.drawLine(QPointF(plot.left(), t.pixel), QPointF(plot.right(), t.pixel));
    painter.setPen(QPen(kChartText, 1.0));
    painter.drawRect(plot);
    drawAxis(painter, ChartAxis::X, plot.bottom(), xTicks,
             [](double v) { return QString::number(v, 'f', 0); });
    drawAxis(painter, ChartAxis::Y, plot.left(), yTicks, [](double v) {
        return QString::number(v, 'g', 6).replace(QLatin1Char('.'), QChar(decimalPoint()));
    });
    painter.drawText(QRectF(plot.left(), plot.bottom() + 20, plot.width(), 16), Qt::AlignCenter,
                     tr("Angle of incidence (\u00b0)"));
    drawLeftTitle(painter, plot, 12, tr("Deviation \u03b4 (\u00b0)"));

    // The curves, the present incidence and the marks, inside the plot.
    painter.save();
    painter.setClipRect(plot);
    for (std::size_t k = 0; k < 3; ++k) {
        const std::vector<Point>& points = m_curves[k].points;
        if (points.size() < 2)
            continue;
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(points.size()));
        for (const Point p : points)
            line << at(p.x, p.y);
        painter.setPen(QPen(toQColor(wavelengthColour(kLines[k])), 2.0));
        painter.drawPolyline(line);
    }
    painter.setPen(QPen(QColor(200, 200, 200), 1.0, Qt::DashLine));
    painter.drawLine(at(m_incidence, view.bottom()), at(m_incidence, view.top()));
    for (const DeviationCurve& c : m_curves)
        if (c.minimum)
            drawMinimumMark(painter, at(c.minimum->incidence, c.minimum->deviation));
    for (const DeviationCurve& c : m_curves)
        if (c.present)
            drawPresentMark(painter, at(m_incidence, *c.present));
    painter.restore();

    drawLegend(painter, size.width(), size.height() - 14);
    painter.restore();
}

void PrismDeviationChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter, rect());
}

} // namespace lumenary
