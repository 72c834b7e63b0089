#pragma once

#include "modern_window.h"

#include <array>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QSlider;
class QSpinBox;

namespace lumenary::rainbow
{
class DeviationPanels;
class DropView;
class SkyView;
} // namespace lumenary::rainbow

namespace lumenary
{

// "Rainbow Colours": why the bow is coloured. For a drop of water (or a glass), every colour's
// deviation curve with its rainbow ray, a drop with rays of each colour, and the sky with the
// bows and Alexander's dark band between them; the bows' angles as read-outs.
class RainbowColoursWindow final : public ModernWindow
{
    Q_OBJECT
public:
    explicit RainbowColoursWindow(QWidget* parent = nullptr);

    // Recomputes the scene from the controls, redraws the pictures and writes the read-outs.
    void refresh() override;

private:
    struct BowReadouts {
        QWidget* captions[3] = {};
        Readout* values[3] = {}; // red, violet, width
    };

    QWidget* buildControls();
    QWidget* buildReadouts();
    Readout* addBowReadout(QFormLayout* form, const QString& caption, const QString& name);
    unsigned chosenOrders() const;

    QComboBox* m_liquid = nullptr;
    std::array<QCheckBox*, 5> m_orders{};
    QSlider* m_countSlider = nullptr;
    QSpinBox* m_countSpin = nullptr;
    std::array<BowReadouts, 5> m_bowReadouts{};
    Readout* m_darkBand = nullptr;
    Readout* m_agreement = nullptr;
    rainbow::DeviationPanels* m_chart = nullptr;
    rainbow::DropView* m_drop = nullptr;
    rainbow::SkyView* m_sky = nullptr;
};

// The window, without a parent, for the registry.
QWidget* createRainbowColoursWindow();

} // namespace lumenary
