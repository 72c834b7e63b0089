#include "fine_slider.h"

namespace lumenary
{

FineSlider::FineSlider(const char* name, double low, double high, double start, int stepsPerUnit,
                       QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_steps(std::max(stepsPerUnit, 1))
{
    setObjectName(QLatin1String(name));
    setRange(static_cast<int>(low * m_steps), static_cast<int>(high * m_steps));
    setSingleStep(1);
    setValue(static_cast<int>(start * m_steps));
    setTracking(true);
}

double FineSlider::unitValue() const
{
    return value() / static_cast<double>(m_steps);
}

void FineSlider::setShownAs(int decimals, const QString& unit)
{
    m_decimals = decimals;
    m_unit = unit;
}

QString FineSlider::shownValue() const
{
    return fixedText(unitValue(), m_decimals) + m_unit;
}

} // namespace lumenary
