#pragma once

#include "lab_window.h"
#include "prism_spectrum.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QSlider;
class QSpinBox;

namespace lumenary
{

class PrismDeviationChart;
class SpectrumPicture;

// "Prism Spectrum": white light through a prism of measured glass, its colours fanning out,
// the deviation of three spectral lines against the angle of incidence, and what a spectrometer
// reads at the minimum. A resizable window laid out by Qt layouts, unlike the fixed labs.
class PrismSpectrumWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit PrismSpectrumWindow(QWidget* parent = nullptr);

    SpectrumPicture* picture() const { return m_picture; }
    PrismDeviationChart* chart() const { return m_chart; }

    // The settings the controls show now.
    PrismSpectrumSettings settings() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    // Traces, charts and reads out again after any control changes.
    void refresh();

private:
    QWidget* buildControls();
    QWidget* buildReadouts();
    QLabel* addReadout(QFormLayout* form, const char* name, const QString& caption);
    void writeReadouts(const PrismSpectrumReadings& r);
    void describePictures(const PrismSpectrumReadings& r);

    QComboBox* m_material = nullptr;
    QSlider* m_apex = nullptr;
    QLabel* m_apexValue = nullptr;
    QSlider* m_incidence = nullptr;
    QLabel* m_incidenceValue = nullptr;
    QSpinBox* m_count = nullptr;
    QComboBox* m_beam = nullptr;
    SpectrumPicture* m_picture = nullptr;
    PrismDeviationChart* m_chart = nullptr;
    QLabel* m_indexD = nullptr;
    QLabel* m_indexF = nullptr;
    QLabel* m_indexC = nullptr;
    QLabel* m_abbe = nullptr;
    QLabel* m_deviationD = nullptr;
    QLabel* m_deviationF = nullptr;
    QLabel* m_deviationC = nullptr;
    QLabel* m_minimum = nullptr;
    QLabel* m_minimumIncidence = nullptr;
    QLabel* m_spread = nullptr;
    QLabel* m_measured = nullptr;
    QList<QWidget*> m_tabChain; // reading order, set on the first show
    bool m_shown = false;
};

// The Prism Spectrum window, as the launcher shows it.
QWidget* createPrismSpectrumWindow();

} // namespace lumenary
