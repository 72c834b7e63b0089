#pragma once

#include "canvas.h"

#include <string>

namespace lumenary
{

// Numbers for the sentences that describe a drawing to assistive technology: three significant
// digits (whole numbers from 100 on), written like a read-out with the given decimal point.
std::string spokenNumber(double value, char decimalPoint);

// A point as "(x, y)"; with a decimal comma the coordinates are parted by a semicolon.
std::string spokenPoint(Point p, char decimalPoint);

} // namespace lumenary
