#pragma once

#include "boundary_state.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

namespace lumenary::boundary
{

// Two panels against the angle of incidence from 0° to 90°: above, R_s, R_p, T_s, T_p and the
// unpolarised R and T (reflected solid, transmitted dashed); below, the phase of r_s and r_p
// from 0° to 180°. Brewster's and the critical angle are marked, past the critical angle is
// shaded, and the present angle is a marker with a dot on each curve of the chosen
// polarisation. The curves change with the media and the wavelength only: they are kept as an
// image, and a new angle repaints the marker over it.
class BoundaryChart final : public QWidget
{
    Q_OBJECT
public:
    explicit BoundaryChart(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {520, 420}; }

    // Shows a new setting: new curves when the indices or the polarisation changed, the marker
    // always, and a new description.
    void setState(const BoundaryState& state);

    // Paints the whole chart, background included, scaled into target.
    void paintPicture(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCurves(QPainter& painter, const QRectF& target) const;
    void paintMarker(QPainter& painter, const QRectF& target) const;

    std::optional<BoundaryState> m_state;
    std::vector<CurvePoint> m_curves;
    mutable QImage m_cache;
    mutable bool m_cacheValid = false;
};

} // namespace lumenary::boundary
