// Drives the read-out writer with arbitrary doubles and checks the form of every text it
// writes, and that the text reads back as the value it shows.
#include "numbers.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

using namespace lumenary;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The form of a read-out: an optional "-", digits with at most one decimal point, an optional
// "E", a sign and at least two digits; no more significant digits than allowed, no trailing
// zero after the point, never "-0".
void checkForm(const std::string& text, char point, int maxDigits)
{
    check(!text.empty());
    std::size_t i = 0;
    if (text[i] == '-')
        ++i;
    check(i < text.size() && isDigit(text[i]));
    int significant = 0;
    bool leading = true;
    bool seenPoint = false;
    std::size_t mantissaEnd = i;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        if (text[i] == point) {
            check(!seenPoint);
            seenPoint = true;
            continue;
        }
        check(isDigit(text[i]));
        if (text[i] != '0')
            leading = false;
        if (!leading)
            ++significant;
        mantissaEnd = i + 1;
    }
    check(significant <= maxDigits);
    if (seenPoint)
        check(text[mantissaEnd - 1] != '0' && text[mantissaEnd - 1] != point);
    if (i < text.size()) {
        ++i;
        check(i < text.size() && (text[i] == '+' || text[i] == '-'));
        ++i;
        check(text.size() - i >= 2);
        for (; i < text.size(); ++i)
            check(isDigit(text[i]));
    }
    check(text != "-0");
}

} // namespace

// Eight bytes are the double; a ninth, when present, chooses the decimal point.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const char point = size > sizeof(double) && (data[sizeof(double)] & 1) ? ',' : '.';

    const std::string wide = formatReadout(value, Precision::Double15, point);
    check(wide.empty() == !std::isfinite(value));
    if (!wide.empty()) {
        checkForm(wide, point, 15);
        const auto back = parseNumber(wide, point);
        check(back.has_value());
        check(std::fabs(*back - value) <= 1e-14 * std::fabs(value));
        check(formatReadout(*back, Precision::Double15, point) == wide);
        check(displayed(value, Precision::Double15) == parseNumber(wide, point) || point != '.');
    }

    const std::string narrow = formatReadout(value, Precision::Single7, point);
    check(narrow.empty() == (!std::isfinite(value) || std::fabs(value) > FLT_MAX));
    if (!narrow.empty()) {
        checkForm(narrow, point, 7);
        const auto back = parseNumber(narrow, point);
        check(back.has_value());
        // Within the rounding to float and then to seven digits.
        check(std::fabs(*back - value) <= 1e-6 * std::fabs(value) + FLT_TRUE_MIN);
        check(formatReadout(*back, Precision::Single7, point) == narrow);
    }
    return 0;
}
