#pragma once

#include "lab_window.h"
#include "mirror_lab_core.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace lumenary
{

class PlotWidget;

// The plane-mirror lab: rays from a fixed object to an eye placed by a mouse release, reflected
// by one mirror, or once or twice by two mirrors at an adjustable angle.
class PlaneMirrorWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit PlaneMirrorWindow(QWidget* parent = nullptr);

    PlotWidget* plot() const { return m_plot; }
    // The current mode, as the buttons, the angle field and "Clear" left it.
    MirrorMode mode() const { return m_lab.mode(); }

private slots:
    void Form_Load() override;
    void PMirror_Click();
    void TwoMirrors_Click();
    void alpha_Change();
    void Clear_Click();
    void Command1_Click(); // "Quit"
    void plot1_MouseMove(double x, double y);
    void Plot1_MouseUp(double x, double y);

private:
    void showTwoMirrorControls(bool visible);
    std::string alphaText() const;

    MirrorLab m_lab;
    PlotWidget* m_plot = nullptr;
    QLineEdit* m_xvar = nullptr;
    QLineEdit* m_yvar = nullptr;
    QLineEdit* m_alpha = nullptr;
    QLabel* m_angleText = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QCheckBox* m_m11 = nullptr;
    QCheckBox* m_m21 = nullptr;
    QCheckBox* m_m12 = nullptr;
    QCheckBox* m_m22 = nullptr;
};

// The plane-mirror window, ready to be shown.
PlaneMirrorWindow* createPlaneMirrorWindow();

} // namespace lumenary
