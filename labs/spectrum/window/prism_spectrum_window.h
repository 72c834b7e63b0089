#pragma once

#include "modern_window.h"
#include "prism_spectrum.h"

#include <array>
#include <optional>

class QComboBox;
class QFormLayout;
class QSpinBox;

namespace lumenary
{

class FineSlider;
class PrismDeviationChart;
class SpectrumPicture;

// "Prism Spectrum": white light through a prism of measured glass, its colours fanning out,
// the deviation of three spectral lines against the angle of incidence, and what a spectrometer
// reads at the minimum. A resizable window laid out by Qt layouts, unlike the fixed labs.
class PrismSpectrumWindow final : public ModernWindow
{
    Q_OBJECT
public:
    explicit PrismSpectrumWindow(QWidget* parent = nullptr);

    SpectrumPicture* picture() const { return m_picture; }
    PrismDeviationChart* chart() const { return m_chart; }

    // The settings the controls show now.
    PrismSpectrumSettings settings() const;

    // Traces, charts and reads out again after any control changes.
    void refresh() override;

private:
    QWidget* buildControls();
    QWidget* buildReadouts();
    QWidget* sliderWithValue(FineSlider* slider, Readout** value, const char* name,
                             const QString& caption);
    Readout* addReadoutRow(QFormLayout* form, const char* name, const QString& caption);
    void writeReadouts(const PrismSpectrumReadings& r);
    void describePictures(const PrismSpectrumReadings& r);

    QComboBox* m_material = nullptr;
    FineSlider* m_apex = nullptr;
    Readout* m_apexValue = nullptr;
    FineSlider* m_incidence = nullptr;
    Readout* m_incidenceValue = nullptr;
    QSpinBox* m_count = nullptr;
    QComboBox* m_beam = nullptr;
    SpectrumPicture* m_picture = nullptr;
    PrismDeviationChart* m_chart = nullptr;
    Readout* m_indexD = nullptr;
    Readout* m_indexF = nullptr;
    Readout* m_indexC = nullptr;
    Readout* m_abbe = nullptr;
    Readout* m_deviationD = nullptr;
    Readout* m_deviationF = nullptr;
    Readout* m_deviationC = nullptr;
    Readout* m_minimum = nullptr;
    Readout* m_minimumIncidence = nullptr;
    Readout* m_spread = nullptr;
    Readout* m_measured = nullptr;
    std::array<DeviationCurve, 3> m_curves;           // as last charted
    std::optional<PrismSpectrumSettings> m_curvesFor; // the settings they were drawn for
};

// The Prism Spectrum window, as the launcher shows it.
QWidget* createPrismSpectrumWindow();

} // namespace lumenary
