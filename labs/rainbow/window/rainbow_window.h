#pragma once

#include "lab_window.h"
#include "material_lists.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;

namespace lumenary
{

class PlotWidget;

// The spherical-drop lab: one ray refracted into a drop, reflected inside it a chosen number of
// times and refracted out, with its angles of incidence, refraction and deviation.
class RainbowWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit RainbowWindow(QWidget* parent = nullptr);

    PlotWidget* plot() const { return m_plot; }

private slots:
    void VScroll1_Change(); // "Incidence Height"
    void refraction1_Click();
    void refraction2_Click();
    void Clear_Click();
    void Quit_Click();

private:
    void Form_Load() override;
    void TraceDrop();

    PlotWidget* m_plot = nullptr;
    QScrollBar* m_scroll = nullptr;
    QLineEdit* m_f = nullptr;
    QCheckBox* m_check = nullptr;
    QLineEdit* m_mmax = nullptr;
    MediumChooser m_medium1; // refraction1 and n1
    MediumChooser m_medium2; // refraction2 and n2
    QLineEdit* m_theta2 = nullptr;
    QLineEdit* m_alpha2 = nullptr;
    QLineEdit* m_D = nullptr;
};

// The drop lab's window, with its lists filled.
RainbowWindow* createRainbowWindow();

} // namespace lumenary
