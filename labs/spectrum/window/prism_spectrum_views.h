#pragma once

#include "prism_spectrum.h"

#include <QChartView>
#include <QImage>
#include <QWidget>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace lumenary
{

// The prism with white light coming in and its colours fanning out, drawn as light adds up on a
// black background. Grows with its window.
class SpectrumPicture final : public QWidget
{
    Q_OBJECT
public:
    explicit SpectrumPicture(QWidget* parent = nullptr);

    // Shows a new trace.
    void setScene(PrismScene scene);
    const PrismScene& scene() const { return m_scene; }

    // Paints the whole picture, background included, scaled into target.
    void paintPicture(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {240, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The light alone, pixels in size, each ray scale pixels wide.
    QImage renderLight(QSize pixels, double scale) const;

    PrismScene m_scene;
    mutable QImage m_light; // the light as last painted on screen, until the scene changes
};

// Deviation against the angle of incidence for the F, d and C lines, with each line's minimum
// and the present incidence marked.
class PrismDeviationChart final : public QChartView
{
    Q_OBJECT
public:
    explicit PrismDeviationChart(QWidget* parent = nullptr);

    // Shows the curves and marks where they stand at incidence (degrees).
    void setCurves(const std::array<DeviationCurve, 3>& curves, double incidence);

    // Paints the whole chart, background included, scaled into target.
    void paintPicture(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override { return {640, 300}; }

private:
    std::array<QLineSeries*, 3> m_curves{};
    std::array<std::vector<Point>, 3> m_shown; // the curves' points as last shown
    QScatterSeries* m_minima = nullptr;
    QScatterSeries* m_present = nullptr;
    QLineSeries* m_presentLine = nullptr;
    QValueAxis* m_x = nullptr;
    QValueAxis* m_y = nullptr;
};

} // namespace lumenary
