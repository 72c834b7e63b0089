#pragma once

#include "interface_rays.h"
#include "lab_window.h"
#include "material_lists.h"

#include <QUrl>

#include <functional>

class QComboBox;
class QLineEdit;

namespace lumenary
{

class PlotWidget;

// The reflection-and-refraction lab: a press in the upper-left quarter of the plot sends light
// from there to the point of incidence; the incident, reflected and refracted rays are line
// shapes on the plot that the press moves, and the three angles are shown. Two buttons hand
// short clips of animated wavefronts to the user's media player.
class BasicsWindow final : public LabWindow
{
    Q_OBJECT
public:
    // How a clip is handed on; the default is the desktop's player for the file's URL.
    using ClipOpener = std::function<bool(const QUrl&)>;

    explicit BasicsWindow(QWidget* parent = nullptr);

    PlotWidget* plot() const { return m_plot; }
    // Replaces how clips are opened (tests record the URL instead of starting a player).
    void setClipOpener(ClipOpener opener) { m_openClip = std::move(opener); }

    // The clip file names of the two video buttons.
    static QString reflectionClip() { return QStringLiteral("Reflct1.avi"); }
    static QString refractionClip() { return QStringLiteral("Refract2.avi"); }

private slots:
    void plot1_MouseDown(double x, double y);
    void refraction1_Click();
    void refraction2_Click();
    void Command1_Click(); // "Reflection": plays the reflection clip
    void Command2_Click(); // "Refraction": plays the refraction clip
    void Quit_Click();

private:
    // Fills the two materials lists; the window lives until the program ends, so this runs once.
    void Form_Load() override;
    void addRays();
    InterfaceState currentState() const;
    void showState(const InterfaceState& state);
    void playClip(const QString& fileName);

    PlotWidget* m_plot = nullptr;
    int m_incident = -1;
    int m_reflected = -1;
    int m_refracted = -1;
    QLineEdit* m_xval = nullptr;
    QLineEdit* m_yval = nullptr;
    QLineEdit* m_zval = nullptr;
    MediumChooser m_medium1; // refraction1 and n1
    MediumChooser m_medium2; // refraction2 and n2
    ClipOpener m_openClip;
};

// The window the launcher shows as "Basics".
BasicsWindow* createBasicsWindow();

} // namespace lumenary
