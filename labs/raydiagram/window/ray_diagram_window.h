#pragma once

#include "lab_window.h"
#include "ray_diagram.h"
#include "rgb.h"

#include <QRect>
#include <QString>

#include <memory>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace lumenary
{

class PlotWidget;

// What sets one ray-diagram window apart from the others: names, defaults, placement and the
// optical element behind it.
struct RayDiagramDescription {
    QString name;          // the window's name, e.g. "ThinLens"
    QString title;         // its caption
    const char* paramName; // the parameter field: "f", "R" or "R0"
    QString paramDefault;
    QString paramCaption; // caption of Label4
    QRect label4;         // Label4's position (twips converted)
    QString xminDefault;
    QString xmaxDefault;
    Rgb background;
    int plotTop;   // in twips
    int scrollTop; // in twips
    std::unique_ptr<RayElement> element;
};

// The window of the thin-lens and spherical-mirror labs: an object slider, the plotted window,
// the element's parameter and the object height, and the read-outs of the object distance,
// the image distance and the cursor.
class RayDiagramWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit RayDiagramWindow(RayDiagramDescription description, QWidget* parent = nullptr);

    PlotWidget* plot() const { return m_plot; }

private slots:
    void HScroll1_Change(); // the object's position
    void Batch_Click();     // "Setup system"
    void xmin_Change();
    void xmax_Change();
    void ymin_Change();
    void ymax_Change();
    void h_Change();
    void f_Change();
    void R_Change();
    void R0_Change();
    void Clear_Click();
    void Quit_Click();
    void plot1_MouseDown();
    void Plot1_MouseUp();
    void plot1_MouseMove();

private:
    // The drawing pass at the slider's position; SetupSystem is the same pass with the slider
    // reset to the left edge.
    void DrawDiagram(bool setup = false);
    void SetupSystem() { DrawDiagram(true); }
    void setupIfNumeric(const QLineEdit* field);
    void parameterChanged();

    RayDiagramDescription m_description;
    PlotWidget* m_plot = nullptr;
    QScrollBar* m_slider = nullptr;
    QLineEdit* m_xmin = nullptr;
    QLineEdit* m_xmax = nullptr;
    QLineEdit* m_ymin = nullptr;
    QLineEdit* m_ymax = nullptr;
    QLineEdit* m_param = nullptr;
    QLineEdit* m_h = nullptr;
    QLineEdit* m_d = nullptr;
    QLineEdit* m_xi = nullptr;
    QLineEdit* m_varx = nullptr;
    QLineEdit* m_vary = nullptr;
};

// The three windows of the ray-diagram labs.
RayDiagramWindow* createThinLensWindow();
RayDiagramWindow* createConcaveWindow();
RayDiagramWindow* createConvexWindow();

} // namespace lumenary
