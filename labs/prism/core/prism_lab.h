#pragma once

#include "canvas.h"
#include "prism_ray.h"

#include <cstdint>
#include <string>

namespace lumenary
{

// The texts and states of the prism window's controls that a drawing action reads.
struct PrismFields {
    std::string phi = "60"; // apex angle, degrees
    std::string n1 = "1";
    std::string n2 = "1.5";
    std::string nray = "30";
    std::string yh = "0";
    int scroll = 50;     // rotation scroll bar, 1 to 100
    bool check1 = true;  // "Incident Rays Only": rays that miss the band are not drawn
    bool check2 = false; // "Bottom Incident Rays": the band reaches down to the lowest corner
    char decimalPoint = '.';
};

// What a drawing action leaves behind: whether it acted at all (a field it needs that holds no
// number makes it do nothing, the surface included) and the read-outs to write.
struct PrismAction {
    bool acted = false;
    PrismReadouts readouts;
    std::string description; // what was drawn, for assistive technology
};

// The most rays a fan traces. A fan this large fills the surface and takes a few milliseconds
// (bench/bench_events: PrismFan10000); a larger count in the rays field is taken as a slip and
// ignored, so no text can stall the window.
inline constexpr std::int64_t kMaxFanRays = 10000;

// Whether an edit of the apex-angle field redraws: its text is a number above 0.
bool apexAccepted(const std::string& text, char decimalPoint);

// The prism alone: writes the rotation, apex·(50 - scroll)/100 degrees, into the angle text,
// reads the rotation back from that text, and clears the surface and draws the outline. Reads
// only the apex angle; any number is drawn as computed.
PrismAction plotPrism(const PrismFields& fields, Canvas& canvas);

// The prism, then one ray at the height in yh with a carried exit direction of 0. A rotation of
// exactly 0 is drawn and traced as 0.0001 radians, so the bottom face is never quite level.
PrismAction plotOneRay(const PrismFields& fields, Canvas& canvas);

// The prism, then a fan of N rays (N from the rays field) at the heights -20 + 40·j/(N + 1),
// j = 1, 2, ... while j <= N, upwards. A ray between the lower left corner (the lowest corner
// with check2) and the apex is traced, carrying the exit direction of the last ray that left
// the prism; any other ray is drawn straight across the surface when check1 is clear.
PrismAction plotFan(const PrismFields& fields, Canvas& canvas);

} // namespace lumenary
