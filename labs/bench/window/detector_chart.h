#pragma once

#include "readouts.h"

#include <QWidget>

#include <array>
#include <vector>

namespace lumenary::bench
{

// A small chart of the light a detector caught along its length: the hits' intensity summed in
// bins from its `from` end to its `to` end, each bar in the colour the light there makes.
class DetectorChart final : public QWidget
{
    Q_OBJECT
public:
    explicit DetectorChart(QWidget* parent = nullptr);

    // The hits of a detector of that length (mm).
    void setHits(const std::vector<DetectorHit>& hits, double length);
    // Paints the chart into target, background included.
    void paintPicture(QPainter& painter, const QRectF& target) const;
    QSize sizeHint() const override { return {300, 130}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kBins = 60;
    struct Bin {
        double intensity = 0.0;
        std::array<double, 3> light{}; // summed linear red, green, blue
    };
    std::vector<Bin> m_bins;
    double m_length = 0.0;
    double m_peak = 0.0;
};

} // namespace lumenary::bench
