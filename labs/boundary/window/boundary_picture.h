#pragma once

#include "boundary_state.h"
#include "boundary_wave.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

namespace lumenary::boundary
{

// The boundary between the two media with the incident, reflected and transmitted rays, each as
// wide as its share of the light, the normal and the angles; with the wave view on, the field of
// the three waves underneath as a colour map (the light's colour where the field is positive, a
// cool grey where it is negative, dark where it is zero), drawn to scale in vacuum wavelengths,
// so that the wavelength in each medium is λ0 / n and the evanescent field fades over its
// drawn depth. The waves move at 60 frames a second while playing, shown and in the wave view.
class BoundaryPicture final : public QWidget
{
    Q_OBJECT
public:
    explicit BoundaryPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {560, 420}; }

    // Shows a new setting: redraws and renews the description.
    void setState(const BoundaryState& state);
    // The wave view on or off.
    void setWaves(bool on);
    bool waves() const { return m_waves; }
    // Plays or pauses the waves; playingChanged follows a change.
    void setPlaying(bool playing);
    bool playing() const { return m_playing; }
    // Wave periods a second (0.05..5; others are ignored).
    void setSpeed(double periodsPerSecond);
    // The phase ωt of the waves, in radians.
    double phase() const { return m_phase; }
    void setPhase(double phase);
    // Whether the animation timer runs (playing, shown and in the wave view).
    bool animating() const { return m_timer.isActive(); }

    // Paints the whole picture, background included, scaled into target: the still frame at
    // the present phase.
    void paintPicture(QPainter& painter, const QRectF& target) const;

signals:
    void playingChanged(bool playing);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The field's phasors for one picture size: e^{−i kx x} per column, across(z) per row,
    // both divided so that the field's peak maps to 1.
    struct FieldSamples {
        QSize size;
        std::vector<float> columnRe, columnIm, rowRe, rowIm;
    };
    void advance();
    void updateTimer();
    void paintBackground(QPainter& painter, const QRectF& target, FieldSamples& samples) const;
    void paintOverlay(QPainter& painter, const QRectF& target) const;
    QImage fieldImage(QSize size, FieldSamples& samples) const;

    std::optional<BoundaryState> m_state;
    std::optional<WaveField> m_field;
    bool m_waves = false;
    bool m_playing = true;
    double m_speed = 0.5;
    double m_phase = 0.0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    unsigned m_tick = 0;
    std::vector<std::uint32_t> m_colours; // field value −1..1 to pixel, 512 steps
    // What the screen shows, kept between paints.
    mutable FieldSamples m_samples;
    mutable QImage m_overlay;
    mutable bool m_overlayValid = false;
};

} // namespace lumenary::boundary
