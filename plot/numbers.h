#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumenary
{

// The number in a field's text: optional blanks around, an optional sign, digits with an
// optional decimal point (at least one digit), an optional exponent (E or e, an optional sign,
// at least one digit). Empty text, a lone sign, letters, NaN or infinity texts and values
// beyond the range of a double are not numbers.
std::optional<double> parseNumber(std::string_view text, char decimalPoint = '.');

// How many significant digits a read-out shows.
enum class Precision {
    Double15, // double-precision values: at most 15 significant digits
    Single7,  // single-precision values: rounded to float, then at most 7 significant digits
};

// The shortest general decimal form of value: no leading blank, no thousands separator, "-" for
// negatives, never "-0", trailing zeros dropped; exponent form ("1E-05", "1.5E+15") when the
// decimal exponent is below -4 or at least the digit count. A non-finite value (or one that
// overflows single precision) gives the empty text: callers never write it.
std::string formatReadout(double value, Precision precision, char decimalPoint = '.');

// How formatFixed writes its digits: positional ("38.6558") or a mantissa with an exponent of
// at least two digits ("1.4e-12", "2.5e+03").
enum class FixedForm { Positional, Exponent };

// value with exactly `decimals` decimals (0 to 17; in exponent form, of the mantissa): rounded
// from its exact binary value, a tie away from zero; "-" only for a negative that does not
// round to zero (never "-0.0000"); no thousands separator. A non-finite value gives the empty
// text.
std::string formatFixed(double value, int decimals, char decimalPoint = '.',
                        FixedForm form = FixedForm::Positional);

// A read-out text and the number it shows: the value empty when the text is (no read-out).
struct Shown {
    std::string text;
    std::optional<double> value;
};

// The read-out of value and the number it shows, for constructions that continue from the
// displayed text rather than from the value itself.
Shown shownReadout(double value, Precision precision, char decimalPoint);

// The value as its read-out shows it (parse of the formatted text). Empty for a value with no
// read-out.
std::optional<double> displayed(double value, Precision precision);

// The one checked conversion of a field's number to an integer: the largest whole number not
// above value, when value is finite and that number lies within [lo, hi]; otherwise empty.
std::optional<std::int64_t> floorToInteger(double value, std::int64_t lo, std::int64_t hi);

} // namespace lumenary
