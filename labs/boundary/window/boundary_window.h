#pragma once

#include "boundary_state.h"
#include "modern_window.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QPushButton;

namespace lumenary
{

class FineSlider;

namespace boundary
{
class BoundaryChart;
class BoundaryPicture;
} // namespace boundary

// "Light at a Boundary": how much of the light a plane boundary reflects and transmits, for s,
// p and unpolarised light, with the signed amplitudes and their phases, Brewster's and the
// critical angle, the wavelength on either side and the evanescent field past the critical
// angle; a picture of the rays (as wide as their shares) or of the moving waves, and a chart
// of the shares and phases against the angle of incidence.
class BoundaryWindow final : public ModernWindow
{
    Q_OBJECT
public:
    // At its start: air onto N-BK7 at 589.3 nm, 45°, unpolarised, the rays without the waves.
    explicit BoundaryWindow(QWidget* parent = nullptr);

    // Reads the controls, recomputes the light at the boundary, redraws the picture and the
    // chart and writes every read-out.
    void refresh() override;

private:
    QWidget* buildSettings();
    // A titled group added to a layout, with the form its read-outs go in.
    QFormLayout* readoutGroup(const QString& title, QBoxLayout* into);
    void buildAngleReadouts(QFormLayout* form);
    void buildAmplitudeReadouts(QFormLayout* form);
    void buildShareReadouts(QFormLayout* polarised, QFormLayout* unpolarised);
    // A slider with its value as a read-out beside it.
    QWidget* sliderWithValue(FineSlider* slider, Readout** value, const char* name,
                             const QString& caption, const QString& widest);
    // A medium list with its index as a read-out beside it.
    QWidget* mediumWithIndex(QComboBox* list, Readout** index, const char* name,
                             const QString& caption);
    boundary::BoundarySettings settings() const;
    void writeReadouts(const boundary::BoundaryState& state);
    void showPlaying(bool playing);

    QComboBox* m_medium1 = nullptr;
    QComboBox* m_medium2 = nullptr;
    FineSlider* m_wavelength = nullptr;
    FineSlider* m_incidence = nullptr;
    QComboBox* m_polarisation = nullptr;
    QCheckBox* m_waves = nullptr;
    QPushButton* m_play = nullptr;
    FineSlider* m_speed = nullptr;

    Readout* m_index1 = nullptr;
    Readout* m_index2 = nullptr;
    Readout* m_wavelengthValue = nullptr;
    Readout* m_incidenceValue = nullptr;
    Readout* m_speedValue = nullptr;
    Readout* m_refraction = nullptr;
    Readout* m_brewster = nullptr;
    Readout* m_critical = nullptr;
    Readout* m_wavelength1 = nullptr;
    Readout* m_wavelength2 = nullptr;
    Readout* m_depth = nullptr;
    Readout* m_rs = nullptr;
    Readout* m_rp = nullptr;
    Readout* m_ts = nullptr;
    Readout* m_tp = nullptr;
    Readout* m_powerRs = nullptr;
    Readout* m_powerRp = nullptr;
    Readout* m_powerTs = nullptr;
    Readout* m_powerTp = nullptr;
    Readout* m_reflected = nullptr;
    Readout* m_transmitted = nullptr;
    Readout* m_sum = nullptr;

    boundary::BoundaryPicture* m_picture = nullptr;
    boundary::BoundaryChart* m_chart = nullptr;
};

// The window, without a parent, for the registry.
QWidget* createBoundaryWindow();

} // namespace lumenary
