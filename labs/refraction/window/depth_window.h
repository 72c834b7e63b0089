#pragma once

#include "lab_window.h"
#include "material_lists.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace lumenary
{

class PlotWidget;

// The apparent-depth lab: a fish under water and the moon above it; a press on the plot puts
// the eye there and draws the ray by which it sees the object across the interface, with the
// line of sight back to the object's image. Drawn rays gather until "Clear".
class DepthWindow final : public LabWindow
{
    Q_OBJECT
public:
    explicit DepthWindow(QWidget* parent = nullptr);

    PlotWidget* plot() const { return m_plot; }

private slots:
    void plot1_MouseDown(double x, double y);
    void plot1_MouseMove(double x, double y);
    void refraction1_Click();
    void refraction2_Click();
    void Clear_Click();
    void Quit_Click();

private:
    void Form_Load() override;
    void addFixedShapes();
    QLabel* addPicture(const char* name, const QPixmap& picture, double left, double top);

    PlotWidget* m_plot = nullptr;
    QLineEdit* m_xval = nullptr;
    QLineEdit* m_zval = nullptr;
    QLineEdit* m_xx = nullptr;
    QLineEdit* m_yy = nullptr;
    MediumChooser m_medium1; // refraction1 and n1
    MediumChooser m_medium2; // refraction2 and n2
};

// The window the launcher shows as "Depth".
DepthWindow* createDepthWindow();

} // namespace lumenary
