#pragma once

#include "lab_window.h"
#include "prism_lab.h"

class QCheckBox;
class QLineEdit;
class QScrollBar;

namespace lumenary
{

class PlotWidget;

// The prism lab: a prism of adjustable apex angle and rotation on a square black surface, one
// ray at a chosen height or a fan of rays traced through it, and the angles at each face.
class PrismWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit PrismWindow(QWidget* parent = nullptr);

    PlotWidget* plot() const { return m_plot; }

private slots:
    void HScroll1_Change(); // the prism's rotation
    void Command1_Click();  // "Plot Prism"
    void Clear_Click();
    void Phi_Change();
    void Test_Click(); // "Plot One Ray"
    void Quit_Click();

private:
    void addReadouts();
    PrismFields fields() const;
    void apply(const PrismAction& action);

    PlotWidget* m_plot = nullptr;
    QScrollBar* m_scroll = nullptr;
    QLineEdit* m_angle = nullptr;
    QLineEdit* m_phi = nullptr;
    QLineEdit* m_nray = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QLineEdit* m_n1 = nullptr;
    QLineEdit* m_n2 = nullptr;
    QLineEdit* m_theta12 = nullptr;
    QLineEdit* m_theta1p2 = nullptr;
    QLineEdit* m_theta22 = nullptr;
    QLineEdit* m_theta2p2 = nullptr;
    QLineEdit* m_theta2b2 = nullptr;
    QLineEdit* m_theta2pb2 = nullptr;
    QLineEdit* m_dev = nullptr;
    QLineEdit* m_yh = nullptr;
};

// The prism lab's window, as the launcher shows it.
PrismWindow* createPrismWindow();

} // namespace lumenary
