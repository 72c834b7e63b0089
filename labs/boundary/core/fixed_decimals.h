#pragma once

#include <string>

namespace lumenary::boundary
{

// A number with a fixed count of decimals (0..9), rounded from the double's exact value (an exact
// half to even, as printf): "-" for negatives, never "-0.0000", no thousands separator; the
// empty text for a value that is not finite. To be replaced by the window kit's shared formatFixed
// when it lands.
std::string formatFixedLocal(double value, int decimals, char decimalPoint = '.');

} // namespace lumenary::boundary
