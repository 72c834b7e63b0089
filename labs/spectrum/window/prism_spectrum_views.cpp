#include "prism_spectrum_views.h"

#include "dispersion.h"
#include "light_image.h"
#include "qt_colour.h"
#include "render_scale.h"
#include "viewport.h"

#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <memory>

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

PrismDeviationChart::PrismDeviationChart(QWidget* parent) : QChartView(parent)
{
    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeDark);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_x = new QValueAxis;
    m_x->setRange(0.0, 90.0);
    m_x->setTitleText(QStringLiteral("Angle of incidence (\u00b0)"));
    m_x->setLabelFormat(QStringLiteral("%.0f"));
    m_x->setTickCount(10);
    m_x->setMinorTickCount(1);
    m_y = new QValueAxis;
    m_y->setTitleText(QStringLiteral("Deviation \u03b4 (\u00b0)"));
    m_y->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(m_x, Qt::AlignBottom);
    chart->addAxis(m_y, Qt::AlignLeft);

    const double lines[3] = {kLineF, kLineD, kLineC};
    const char* names[3] = {"F", "d", "C"};
    for (std::size_t k = 0; k < 3; ++k) {
        auto* s = new QLineSeries;
        s->setName(
            QStringLiteral("%1 line, %2 nm").arg(QLatin1String(names[k])).arg(lines[k], 0, 'f', 2));
        s->setPen(QPen(toQColor(wavelengthColour(lines[k])), 2.0));
        m_curves[k] = s;
    }
    m_presentLine = new QLineSeries;
    m_presentLine->setName(QStringLiteral("present incidence"));
    m_presentLine->setPen(QPen(QColor(200, 200, 200), 1.0, Qt::DashLine));
    m_minima = new QScatterSeries;
    m_minima->setName(QStringLiteral("minimum deviation"));
    m_minima->setMarkerSize(9.0);
    m_minima->setColor(Qt::white);
    m_minima->setBorderColor(Qt::black);
    m_present = new QScatterSeries;
    m_present->setName(QStringLiteral("deviation now"));
    m_present->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    m_present->setMarkerSize(7.0);
    m_present->setColor(QColor(255, 220, 120));
    m_present->setBorderColor(Qt::black);
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(m_curves[0]), static_cast<QXYSeries*>(m_curves[1]),
          static_cast<QXYSeries*>(m_curves[2]), static_cast<QXYSeries*>(m_presentLine),
          static_cast<QXYSeries*>(m_minima), static_cast<QXYSeries*>(m_present)}) {
        chart->addSeries(s);
        s->attachAxis(m_x);
        s->attachAxis(m_y);
    }
    // The view starts with an empty chart of its own and lets go of it when given another:
    // it is ours to delete.
    std::unique_ptr<QChart> empty(this->chart());
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PrismDeviationChart::setCurves(const std::array<DeviationCurve, 3>& curves, double incidence)
{
    double low = INFINITY;
    double high = -INFINITY;
    QList<QPointF> minima;
    QList<QPointF> present;
    for (std::size_t k = 0; k < 3; ++k) {
        for (const Point p : curves[k].points) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
        // A new incidence moves only the markers: the curves are replaced when they change.
        if (curves[k].points != m_shown[k]) {
            m_shown[k] = curves[k].points;
            QList<QPointF> points;
            points.reserve(static_cast<qsizetype>(m_shown[k].size()));
            for (const Point p : m_shown[k])
                points.append({p.x, p.y});
            m_curves[k]->replace(points);
        }
        if (curves[k].minimum)
            minima.append({curves[k].minimum->incidence, curves[k].minimum->deviation});
        if (curves[k].present)
            present.append({incidence, *curves[k].present});
    }
    if (low <= high) {
        // Room above and below, on round numbers.
        const double pad = std::max(1.0, (high - low) * 0.05);
        m_y->setRange(std::floor(low - pad), std::ceil(high + pad));
        m_y->applyNiceNumbers();
    } else { // every colour totally reflected: empty axes
        m_y->setRange(0.0, 90.0);
    }
    m_presentLine->replace({{incidence, m_y->min()}, {incidence, m_y->max()}});
    m_minima->replace(minima);
    m_present->replace(present);
}

void PrismDeviationChart::paintPicture(QPainter& painter, const QRectF& target) const
{
    if (scene())
        scene()->render(&painter, target, sceneRect(), Qt::KeepAspectRatio);
}

} // namespace lumenary
