#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumenary::drop
{

// One trace through the drop as the drawing made it, for the sentence that describes it.
struct DropPath {
    double height = 0;     // b, as its read-out shows it
    double incidence = 0;  // degrees
    double refraction = 0; // degrees
    std::int64_t chords = 0;
    double deviation = 0; // degrees
};

// What a trace drew, in a sentence for assistive technology: the ray's height, its angles, the
// reflections inside the drop and the deviation; or, with no path, why nothing was traced.
std::string describeDrop(const std::optional<DropPath>& path, double height, bool denserDrop,
                         char decimalPoint);

} // namespace lumenary::drop
