#include "spoken.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace lumenary
{

std::string spokenNumber(double value, char decimalPoint)
{
    if (!std::isfinite(value))
        return "?";
    if (value == 0)
        return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    // Anything below a millionth reads as 0; three digits are all a sentence needs.
    const int decimals = std::clamp(2 - magnitude, 0, 6);
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return formatReadout(rounded, Precision::Double15, decimalPoint);
}

std::string spokenPoint(Point p, char decimalPoint)
{
    const char* gap = decimalPoint == ',' ? "; " : ", ";
    return "(" + spokenNumber(p.x, decimalPoint) + gap + spokenNumber(p.y, decimalPoint) + ")";
}

} // namespace lumenary
