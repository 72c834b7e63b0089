#pragma once

#include "numbers.h"

#include <QString>

class QWidget;

namespace lumenary
{

// A read-out of a laid-out window: a value the window writes for the student to read, shown by
// a widget that implements this. The copied values (Ctrl+Shift+C) and the tests read read-outs
// through it, whatever widget shows them.
class Readout
{
public:
    virtual ~Readout() = default;

    // Its caption, without a colon: "Deviation (d line)".
    virtual QString caption() const = 0;
    // The text it shows now: "38.6558°".
    virtual QString value() const = 0;
    // Shows a new text, announced to assistive technology; while the text is cut by the
    // widget's width, its tooltip shows it whole.
    virtual void write(const QString& text) = 0;
    // A sentence saying what it is, its tooltip while its text is shown whole.
    virtual void explain(const QString& sentence) = 0;
    // The widget that shows it.
    virtual QWidget* widget() = 0;
};

// A setting whose value the copied values give as a text rather than as a control's raw
// number: a slider that steps in tenths of a degree gives "50.1°", not 501.
class ShownValue
{
public:
    virtual ~ShownValue() = default;

    // The value as the student reads it.
    virtual QString shownValue() const = 0;
};

// How a read-out looks, and so how assistive technology reads it.
enum class ReadoutLook {
    // A read-only field that the keyboard reaches by Tab: named by its caption, its text its
    // value, as screen readers read a field ("Deviation, read only, 38.6558°"), and announced
    // as a value change. The choice for new windows.
    Field,
    // Plain text beside its caption, outside the tab order: a label has no value for assistive
    // technology, so its name carries both, "caption: text", and a new name is announced.
    Label,
};

// A read-out named name (its objectName) with that caption, a child of parent (which owns it
// like any widget), not yet in a layout (ModernWindow::addReadout places one). It is empty until
// written.
Readout* makeReadout(const char* name, const QString& caption, ReadoutLook look,
                     QWidget* parent = nullptr);

// A number with a fixed count of decimals and the user's decimal point, by formatFixed.
QString fixedText(double value, int decimals, FixedForm form = FixedForm::Positional);

} // namespace lumenary
