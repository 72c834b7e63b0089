#pragma once

#include <optional>
#include <string>
#include <string_view>

// The media a student may put on either side of the boundary: the fifteen of the materials
// table, each with its fixed index, then the four measured materials, whose index follows the
// wavelength.
namespace lumenary::boundary
{

// How many media each list offers.
inline constexpr int kMediumCount = 19;
// Where the lists start: air above, crown glass N-BK7 below.
inline constexpr int kAirPosition = 1;
inline constexpr int kCrownGlassPosition = 17;

// The index of standard air, which the measured materials' formulas are taken relative to.
inline constexpr double kAirIndex = 1.0003;

// A medium at one wavelength.
struct Medium {
    std::string_view listName; // as the list shows it
    std::string_view name;     // in sentences: "air", "N-BK7"
    double index;              // absolute (vacuum 1)
    bool dispersive;           // whether the index follows the wavelength
};

// The medium at a list position for light of the given wavelength in air (nanometres, within
// 380..780); nothing for a position or wavelength out of range.
std::optional<Medium> mediumAt(int position, double airNanometres);

// A medium's list name or sentence name in the running language (the name itself in English).
std::string mediumName(std::string_view english);

} // namespace lumenary::boundary
