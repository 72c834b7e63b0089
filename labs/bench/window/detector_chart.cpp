#include "detector_chart.h"

#include "bench_text.h"
#include "chart_frame.h"
#include "chart_ticks.h"
#include "spectral_colour.h"
#include "viewport.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumenary::bench
{

DetectorChart::DetectorChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("detectorChart"));
    setAccessibleName(tr("Intensity along the detector"));
    setMinimumHeight(110);
}

void DetectorChart::setHits(const std::vector<DetectorHit>& hits, double length)
{
    m_bins.assign(kBins, Bin{});
    m_length = std::isfinite(length) && length > 0.0 ? length : 0.0;
    m_peak = 0.0;
    std::size_t peakBin = 0;
    for (const DetectorHit& h : hits) {
        if (!(m_length > 0.0) || !std::isfinite(h.position) || !std::isfinite(h.intensity))
            continue;
        const auto k = static_cast<std::size_t>(
            std::clamp(std::floor(h.position / m_length * kBins), 0.0, double(kBins - 1)));
        const LinearRgb c = spectralColour(h.wavelength);
        Bin& b = m_bins[k];
        b.intensity += h.intensity;
        b.light[0] += c.r * h.intensity;
        b.light[1] += c.g * h.intensity;
        b.light[2] += c.b * h.intensity;
        if (b.intensity > m_peak) {
            m_peak = b.intensity;
            peakBin = k;
        }
    }
    if (m_peak > 0.0)
        setAccessibleDescription(
            (hits.size() == 1 ? tr("1 ray caught; the most light at %1 from the detector's start")
                              : tr("%n rays caught; the most light at %1 from the detector's start",
                                   nullptr, static_cast<int>(hits.size())))
                .arg(BenchText::millimetres((peakBin + 0.5) * m_length / kBins)));
    else
        setAccessibleDescription(tr("No light reaches the detector."));
    update();
}

void DetectorChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter, QRectF(rect()));
}

void DetectorChart::paintPicture(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.fillRect(target, QColor(16, 16, 20));
    const QFontMetricsF metrics(font());
    const QRectF plot = target.adjusted(10.0, 8.0, -10.0, -(metrics.height() + 10.0));
    painter.setPen(QColor(90, 90, 100));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (m_peak > 0.0 && plot.width() > 10.0 && plot.height() > 10.0) {
        const double w = plot.width() / kBins;
        for (int k = 0; k < kBins; ++k) {
            const Bin& b = m_bins[std::size_t(k)];
            if (!(b.intensity > 0.0))
                continue;
            const double top = std::max({b.light[0], b.light[1], b.light[2]});
            const Rgb c = encodeSrgb(
                top > 0.0 ? LinearRgb{b.light[0] / top, b.light[1] / top, b.light[2] / top}
                          : LinearRgb{1.0, 1.0, 1.0});
            const double h = plot.height() * b.intensity / m_peak;
            painter.fillRect(
                QRectF(plot.left() + k * w, plot.bottom() - h, std::max(1.0, w - 1.0), h),
                QColor(c.r, c.g, c.b));
        }
    }
    if (m_length > 0.0) {
        Viewport view;
        if (view.setWindow(0.0, 1.0, m_length, 0.0)) {
            view = view.placed(plot.left(), plot.top(), plot.width(), plot.height());
            const double step = tickStep(plot.width() / m_length,
                                         {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100,
                                          200, 500, 1000, 2000, 5000, 10000},
                                         60.0);
            painter.setPen(QColor(200, 200, 210));
            painter.setFont(font());
            drawAxis(painter, ChartAxis::X, plot.bottom(),
                     axisTicks(view, ChartAxis::X, 0.0, m_length, step),
                     [](double v) { return BenchText::millimetres(v); });
        }
    }
    painter.restore();
}

} // namespace lumenary::bench
