#pragma once

#include "lab_window.h"

#include <array>

class QCheckBox;
class QFormLayout;
class QComboBox;
class QLabel;
class QLineEdit;
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
class RainbowColoursWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit RainbowColoursWindow(QWidget* parent = nullptr);

    // Recomputes the scene from the controls, redraws the pictures and writes the read-outs.
    void redraw();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void liquidList_Change(int index);
    void orderCheck_Change();
    void countSlider_Change(int value);
    void countSpin_Change(int value);

private:
    struct BowReadouts {
        QLabel* labels[3] = {};
        QLineEdit* fields[3] = {}; // red, violet, width
    };

    QWidget* buildControls();
    QWidget* buildReadouts();
    QLineEdit* addReadout(QFormLayout* form, const QString& label, const QString& name,
                          QLabel** labelOut = nullptr);
    unsigned chosenOrders() const;

    QComboBox* m_liquid = nullptr;
    std::array<QCheckBox*, 5> m_orders{};
    QSlider* m_countSlider = nullptr;
    QSpinBox* m_countSpin = nullptr;
    std::array<BowReadouts, 5> m_bowReadouts{};
    QLineEdit* m_darkBand = nullptr;
    QLineEdit* m_agreement = nullptr;
    rainbow::DeviationPanels* m_chart = nullptr;
    rainbow::DropView* m_drop = nullptr;
    rainbow::SkyView* m_sky = nullptr;
    QWidget* m_close = nullptr;
    bool m_shown = false;
};

// The window, without a parent, for the registry.
QWidget* createRainbowColoursWindow();

} // namespace lumenary
