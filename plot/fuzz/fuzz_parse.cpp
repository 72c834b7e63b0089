// Drives the field-number reader with arbitrary text, and its read-out of what it reads.
#include "numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

using namespace lumenary;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

// The first byte chooses the decimal point; the rest is the field's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char point = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto value = parseNumber(text, point);
    // Blanks around a text never change what it reads as.
    const auto padded = parseNumber(" \t" + std::string(text) + "\t ", point);
    check(padded.has_value() == value.has_value());
    if (!value)
        return 0;
    check(std::isfinite(*value));
    check(*padded == *value);
    check(text.find_first_of("0123456789") != std::string_view::npos);
    // An unsigned text read with a minus in front is its negative.
    if (!text.empty() && text.front() != '-' && text.front() != '+' && text.front() != ' ' &&
        text.front() != '\t') {
        const auto negative = parseNumber("-" + std::string(text), point);
        check(negative && *negative == -*value);
    }
    // Every number read has a read-out, which reads back as the same text.
    for (const Precision precision : {Precision::Double15, Precision::Single7}) {
        const std::string shown = formatReadout(*value, precision, point);
        if (precision == Precision::Single7 && std::fabs(*value) > 3.4028234663852886e38) {
            check(shown.empty());
            continue;
        }
        check(!shown.empty());
        const auto back = parseNumber(shown, point);
        check(back.has_value());
        check(formatReadout(*back, precision, point) == shown);
    }
    return 0;
}
