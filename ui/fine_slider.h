#pragma once

#include "readout.h"

#include <QSlider>

namespace lumenary
{

// A horizontal slider over real values in steps of 1/stepsPerUnit of their unit (tenths of a
// degree: 10). It redraws while dragged (tracking on), and the copied values give its value as
// the student reads it ("50.1°").
//
//     auto* angle = new FineSlider("incidenceSlider", 0.0, 89.0, 50.0, 10);
//     angle->setShownAs(1, QStringLiteral("\u00b0"));
//     double incidence = angle->unitValue(); // 50.0
class FineSlider final : public QSlider, public ShownValue
{
    Q_OBJECT
public:
    // From low to high, at start, named name; one step of the keyboard's arrows is one
    // 1/stepsPerUnit.
    FineSlider(const char* name, double low, double high, double start, int stepsPerUnit,
               QWidget* parent = nullptr);

    // The value in its unit.
    double unitValue() const;
    // How its value is written: decimals and the unit's sign after the number.
    void setShownAs(int decimals, const QString& unit);
    QString shownValue() const override;

private:
    int m_steps;
    int m_decimals = 1;
    QString m_unit;
};

} // namespace lumenary
