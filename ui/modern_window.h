#pragma once

#include "lab_window.h"
#include "readout.h"

#include <QList>

#include <initializer_list>
#include <vector>

class QAbstractSlider;
class QBoxLayout;
class QFormLayout;
class QPushButton;
class QSpinBox;

namespace lumenary
{

// The base of every resizable window, laid out by Qt layouts unlike the fixed classic labs (the
// Explore windows, and every window built after them). Still a LabWindow (hidden, not closed,
// by its frame; a window to assistive technology), it grows with its frame from an opening
// size, hides on Esc like its Close button, sets its tab chain in reading order on its first
// show, makes every read-out one way (addReadout), and has every control feed one refresh().
//
//     Boundary::Boundary() : ModernWindow("Boundary", "Light at a Boundary", {1180, 760}) {
//         auto* form = new QFormLayout(this);
//         form->addRow(QStringLiteral("Angle:"), m_angle); // a FineSlider
//         m_reflected = addReadout(form, "reflected", QStringLiteral("Reflected share R"));
//         refreshOn({m_angle}); setTabChain({m_angle, m_reflected->widget()}); refresh();
//     } // refresh() { m_reflected->write(fixedText(reflectance(m_angle->unitValue()), 4)); }
class ModernWindow : public LabWindow
{
    Q_OBJECT
public:
    // name: objectName and registry name; title: the frame's title. The window opens at
    // initial size, never smaller than 720 x 520 pixels, and grows with its frame.
    ModernWindow(const QString& name, const QString& title, QSize initial,
                 QWidget* parent = nullptr);

    // Reads every control, recomputes, redraws and writes every read-out. Every control given
    // to refreshOn calls it; a window calls it once at the end of its constructor.
    virtual void refresh() = 0;

    // A caption as a form shows it before its control: with the language's colon ("Milieu 1 :").
    static QString labelText(const QString& caption);

protected:
    // A read-out as a row of a form: "caption:" and the read-out beside it.
    Readout* addReadout(QFormLayout* form, const char* name, const QString& caption,
                        ReadoutLook look = ReadoutLook::Field);
    // A read-out at the end of a row of controls (a slider's value beside it); its caption is
    // the row's.
    Readout* addReadout(QBoxLayout* row, const char* name, const QString& caption,
                        ReadoutLook look = ReadoutLook::Field);
    // Connects each control's change of value to refresh(): sliders and scroll bars, spin
    // boxes, lists, check boxes and radio buttons, editable fields.
    void refreshOn(std::initializer_list<QWidget*> controls);
    // The Tab order in reading order, set on the first show, when the first control takes the
    // focus.
    void setTabChain(QList<QWidget*> chain);
    // A Close button, named closeButton, that hides the window as Esc does; for a layout.
    QPushButton* closeButton(const QString& toolTip);

    void showEvent(QShowEvent* event) override;

private:
    QList<QWidget*> m_tabChain;
    bool m_shown = false;
};

// Keeps a slider and a spin box on the same whole number: a change of either sets the other
// quietly (its signals blocked). Call it before refreshOn, so that refresh() sees both moved.
void keepInStep(QAbstractSlider* slider, QSpinBox* spin);

// Lets a picture take the focus by Tab (never by a click) and shows a focus frame over it
// while it has the focus.
void makeFocusablePicture(QWidget* picture);

} // namespace lumenary
