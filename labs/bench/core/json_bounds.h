#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A look over a JSON text before it is parsed, so that the parser is never asked to build a
// document deeper, larger or with numbers wider than a scene may hold.
namespace lumenary::bench
{

// Where a text breaks a bound (a byte offset) and which bound.
struct JsonBoundBreach {
    std::size_t offset = 0;
    std::string message;
};

// The first place where arrays and objects nest deeper than maxDepth, the text holds more than
// maxValues values, or a number is too large for a double; nothing when the text keeps within
// them. Text that is not JSON passes unless it breaks a bound first: the parser refuses it.
std::optional<JsonBoundBreach> checkJsonBounds(std::string_view text, int maxDepth,
                                               std::size_t maxValues);

// The line and column (both 1-based, the column in characters) of a byte offset.
struct TextPlace {
    int line = 1;
    int column = 1;
};
TextPlace placeOf(std::string_view text, std::size_t offset);

} // namespace lumenary::bench
