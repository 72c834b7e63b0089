#pragma once

#include "dispersion.h"
#include "prism_spectrum.h"

#include <QImage>
#include <QWidget>

namespace lumenary
{

// A measured material's name as the material lists show it, in the running language.
QString materialName(const SellmeierMaterial& material);

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
// and the present incidence marked: a chart drawn by hand (ticks from axisTicks, frame by
// chart_frame), in vectors wherever it is painted.
class PrismDeviationChart final : public QWidget
{
    Q_OBJECT
public:
    explicit PrismDeviationChart(QWidget* parent = nullptr);

    // Shows the curves and marks where they stand at incidence (degrees).
    void setCurves(const std::array<DeviationCurve, 3>& curves, double incidence);

    // Paints the whole chart, background included, scaled into target.
    void paintPicture(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override { return {640, 300}; }
    QSize minimumSizeHint() const override { return {240, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<DeviationCurve, 3> m_curves;
    double m_incidence = 0.0;
    double m_low = 0.0; // the deviations the curves span, padded
    double m_high = 90.0;
};

} // namespace lumenary
