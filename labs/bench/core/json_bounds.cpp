#include "json_bounds.h"

#include "wording.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace lumenary::bench
{

namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNumberChar(char c)
{
    return isDigit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The power of ten of a number token's leading digit (1.5e3 → 3, 0.02 → −2); a very negative
// value for zero. Used only to tell a number too large for a double from one too small.
std::int64_t decimalExponent(std::string_view t)
{
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    std::int64_t lead = INT64_MIN / 2;
    std::int64_t intDigits = 0;
    bool found = false;
    for (; i < t.size() && isDigit(t[i]); ++i) {
        if (!found && t[i] != '0') {
            found = true;
            intDigits = 0;
        }
        if (found)
            ++intDigits;
    }
    if (found)
        lead = intDigits - 1;
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (std::int64_t k = 0; i < t.size() && isDigit(t[i]); ++i, ++k)
            if (!found && t[i] != '0') {
                found = true;
                lead = -(k + 1);
            }
    }
    if (!found)
        return INT64_MIN / 2;
    std::int64_t exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            negative = t[i++] == '-';
        for (; i < t.size() && isDigit(t[i]); ++i)
            if (exponent < 1000000000)
                exponent = exponent * 10 + (t[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    return lead + exponent;
}

} // namespace

std::optional<JsonBoundBreach> checkJsonBounds(std::string_view text, int maxDepth,
                                               std::size_t maxValues)
{
    int depth = 0;
    std::size_t values = 0;
    const auto tooMany = [&](std::size_t at) -> std::optional<JsonBoundBreach> {
        if (++values > maxValues)
            return JsonBoundBreach{at, fillIn(translate("lumenary::bench::SceneText",
                                                        "the file holds more than %1 values"),
                                              {std::to_string(maxValues)})};
        return std::nullopt;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"') {
            if (auto b = tooMany(i))
                return b;
            for (++i; i < text.size() && text[i] != '"'; ++i)
                if (text[i] == '\\')
                    ++i;
            ++i;
        } else if (c == '[' || c == '{') {
            if (++depth > maxDepth)
                return JsonBoundBreach{
                    i, fillIn(translate("lumenary::bench::SceneText",
                                        "arrays and objects nest deeper than %1 levels"),
                              {std::to_string(maxDepth)})};
            if (auto b = tooMany(i))
                return b;
            ++i;
        } else if (c == ']' || c == '}') {
            if (depth > 0)
                --depth;
            ++i;
        } else if (c == '-' || isDigit(c)) {
            if (auto b = tooMany(i))
                return b;
            const std::size_t start = i;
            while (i < text.size() && isNumberChar(text[i]))
                ++i;
            const std::string_view token = text.substr(start, i - start);
            double value = 0.0;
            const auto r = std::from_chars(token.data(), token.data() + token.size(), value);
            if (r.ec == std::errc::result_out_of_range && decimalExponent(token) > 0)
                return JsonBoundBreach{start, fillIn(translate("lumenary::bench::SceneText",
                                                               "the number %1 is too large"),
                                                     {token.substr(0, 40)})};
        } else if (isLetter(c)) {
            if (auto b = tooMany(i))
                return b;
            while (i < text.size() && isLetter(text[i]))
                ++i;
        } else {
            ++i;
        }
    }
    return std::nullopt;
}

TextPlace placeOf(std::string_view text, std::size_t offset)
{
    TextPlace place;
    const std::size_t end = offset < text.size() ? offset : text.size();
    for (std::size_t i = 0; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++place.line;
            place.column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++place.column;
        }
    }
    return place;
}

} // namespace lumenary::bench
