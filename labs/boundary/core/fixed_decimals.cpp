#include "fixed_decimals.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace lumenary::boundary
{

std::string formatFixedLocal(double value, int decimals, char decimalPoint)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, 9);
    // Enough for every finite double in fixed form (309 digits before the point).
    std::array<char, 340> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc())
        return {};
    std::string text(buffer.data(), end);
    // A negative number that rounds to zero is written as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    std::replace(text.begin(), text.end(), '.', decimalPoint);
    return text;
}

} // namespace lumenary::boundary
