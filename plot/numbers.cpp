#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace lumenary
{

namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Roughly the decimal exponent of a well-formed ASCII number ("0.001e5" -> 3): positive for
// magnitudes of at least one. Only its sign is used, to tell overflow from underflow.
long long decimalMagnitude(const std::string& ascii)
{
    long long magnitude = 0;
    std::size_t i = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!seenNonZero) {
            if (c != '0')
                seenNonZero = true;
            if (!afterPoint && seenNonZero)
                magnitude = 1;
            else if (afterPoint && !seenNonZero)
                --magnitude;
        } else if (!afterPoint) {
            ++magnitude;
        }
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (i < ascii.size()) {
        ++i;
        if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
            negativeExponent = ascii[i++] == '-';
        for (; i < ascii.size(); ++i)
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), 1000000000LL);
    }
    return magnitude + (negativeExponent ? -exponent : exponent);
}

constexpr double kFloatMax = 3.4028234663852886e38;

// value in the shortest general form with at most digits significant digits ("1e-05",
// "13.3333333333333"), "0" for zero of either sign; '.' and 'e' as written by to_chars.
std::string generalDigits(double value, int digits)
{
    if (value == 0)
        return "0";
    char buffer[64];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return ec == std::errc() ? std::string(buffer, ptr) : std::string();
}

// The seven-digit text of a float that reads back as a float showing the same text. Where
// floats are coarser than seven digits (below about 1.2e-38, and just under some powers of
// ten) the text of one float can read back as its neighbour, which shows another text; such a
// float shows the text its neighbour settles on, one or two units away in the last digit.
std::string singleDigits(float value)
{
    std::string text = generalDigits(value, 7);
    for (int step = 0; step < 8; ++step) {
        double back = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), back);
        if (ec != std::errc() || ptr != text.data() + text.size() ||
            !(std::fabs(back) <= kFloatMax))
            break;
        const auto neighbour = static_cast<float>(back);
        if (neighbour == value)
            break;
        std::string again = generalDigits(neighbour, 7);
        if (again == text)
            break;
        text = std::move(again);
        value = neighbour;
    }
    return text;
}

// True when value lies exactly halfway between two texts of `decimals` decimals in that form:
// its exact expansion (every double has a finite one) ends with a 5 just past them.
bool isTie(double value, int decimals, std::chars_format format)
{
    char buffer[1200];
    // Cheaply first: one more decimal must end in 5.
    const auto [shortEnd, shortError] =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, decimals + 1);
    if (shortError != std::errc())
        return false;
    const std::string_view shorter(buffer, static_cast<std::size_t>(shortEnd - buffer));
    const std::size_t last = std::min(shorter.find('e'), shorter.size()) - 1;
    if (shorter[last] != '5')
        return false;
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::fixed, 1100);
    if (ec != std::errc())
        return false;
    const std::string_view exact(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t point = exact.find('.');
    // The exact digits without the point, and where the point stood among them.
    std::string digits(exact.substr(0, point));
    digits += exact.substr(point + 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty() || digits.back() != '5')
        return false;
    if (format == std::chars_format::fixed)
        return digits.size() == point + static_cast<std::size_t>(decimals) + 1;
    // Exponent form: one significant digit before the mantissa's point, decimals, then the 5.
    return digits.size() - digits.find_first_not_of('0') == static_cast<std::size_t>(decimals) + 2;
}

} // namespace

std::optional<double> parseNumber(std::string_view text, char decimalPoint)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);

    // Check the whole syntax first and build an ASCII copy with '.' as the decimal point.
    std::string ascii;
    ascii.reserve(text.size());
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ascii.push_back(text[i++]);
        ++digits;
    }
    if (i < text.size() && text[i] == decimalPoint) {
        ascii.push_back('.');
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ascii.push_back(text[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ascii.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ascii.push_back(text[i++]);
        std::size_t expDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ascii.push_back(text[i++]);
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ptr != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is not a number, too small is zero.
        if (decimalMagnitude(ascii) > 0)
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    if (negative)
        value = -value;
    return value;
}

std::string formatReadout(double value, Precision precision, char decimalPoint)
{
    if (!std::isfinite(value))
        return {};
    std::string out;
    if (precision == Precision::Single7) {
        if (std::fabs(value) > kFloatMax)
            return {};
        out = singleDigits(static_cast<float>(value));
    } else {
        // Rounded to 15 digits, the largest doubles would show a number beyond the range of a
        // double, which no field could read back: they show the largest 15-digit number
        // within it.
        constexpr double kLargestReadout = 1.79769313486231e308;
        if (std::fabs(value) > kLargestReadout)
            value = std::copysign(kLargestReadout, value);
        out = generalDigits(value, 15);
    }
    for (char& c : out) {
        if (c == 'e')
            c = 'E';
        else if (c == '.')
            c = decimalPoint;
    }
    return out;
}

Shown shownReadout(double value, Precision precision, char decimalPoint)
{
    Shown shown{formatReadout(value, precision, decimalPoint), std::nullopt};
    shown.value = parseNumber(shown.text, decimalPoint);
    return shown;
}

std::optional<double> displayed(double value, Precision precision)
{
    return shownReadout(value, precision, '.').value;
}

std::optional<std::int64_t> floorToInteger(double value, std::int64_t lo, std::int64_t hi)
{
    // The bounds are compared as integers: near 2^63 a bound as a double may round past the
    // bound itself, or past the largest integer the conversion may produce.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!std::isfinite(value))
        return std::nullopt;
    const double f = std::floor(value);
    if (f < -kTwoTo63 || f >= kTwoTo63)
        return std::nullopt;
    const auto n = static_cast<std::int64_t>(f);
    if (n < lo || n > hi)
        return std::nullopt;
    return n;
}

std::string formatFixed(double value, int decimals, char decimalPoint, FixedForm form)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, 17);
    const auto format =
        form == FixedForm::Exponent ? std::chars_format::scientific : std::chars_format::fixed;
    // to_chars rounds a tie to even; one step away from zero makes it round away, as taught.
    if (isTie(value, decimals, format))
        value = std::nextafter(value, value < 0 ? -INFINITY : INFINITY);
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format, decimals);
    if (ec != std::errc())
        return {};
    std::string text(buffer, end);
    const std::size_t mantissaEnd = std::min(text.find('e'), text.size());
    if (text.front() == '-' &&
        text.find_first_not_of("0.", 1) >= mantissaEnd) // every digit shown is zero
        text.erase(0, 1);
    std::replace(text.begin(), text.end(), '.', decimalPoint);
    return text;
}

} // namespace lumenary
