#pragma once

#include "canvas.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumenary::drop
{

// The most chords one trace draws. Each chord is rasterised straight into the plot's layer,
// some tenths of a microsecond apiece, so a million take about a third of a second of the
// student's time (bench/bench_events: RainbowMillionChords). A count that needs more is refused
// like a text that is not a number, so that no text can stall the window for long; long before
// it the drop is solid red.
inline constexpr std::int64_t kMaxChords = 1000000;

// The colour of every line of a trace (palette index).
inline constexpr int kRayColour = 4;

// The texts and values of the drop window's controls that a trace reads.
struct DropFields {
    int scrollValue = 50;           // VScroll1, 1 (top) to 100
    std::string n1 = "1.00";        // index around the drop
    std::string n2 = "1.33";        // index of the drop
    std::string reflections = "0";  // Mmax
    bool clearAutomatically = true; // Check1
    char decimalPoint = '.';
};

// What a trace asks the window to write back. Empty members keep their old texts.
struct DropResult {
    std::string f;                     // the incidence height, always written
    std::optional<std::string> theta2; // angle of incidence
    std::optional<std::string> alpha2; // angle of refraction
    std::optional<std::string> D;      // angle of deviation
    std::string description;           // what was drawn, for assistive technology
};

// The arcsine as arctan(t / sqrt(1 - t*t)), evaluated step by step: t * (-t), plus 1, the root,
// t divided by it, the arctangent. It has no guard: callers keep |t| below 1.
double asin(double t);

// The incidence height of a scroll-bar value: b = 1 - value / 100, kept in single precision.
float incidenceHeight(int scrollValue);

// How many chords a count of internal reflections draws: one pass for each whole i from 1 up
// to m + 1 (so 1.5 draws 2 and any m below 0 draws none). Empty when m + 1 is beyond
// kMaxChords.
std::optional<std::int64_t> chordCount(double reflections);

// One ray through the drop of radius 1 about the origin: erase when asked, set the coordinate
// window (-2, 2)-(2, -2), write b, then, when the surroundings are optically less dense than
// the drop (0 < n1 < n2) and the count of reflections is readable, draw the incident ray from
// the right edge, the chords inside the drop and the exit ray, and write the angles of
// incidence, refraction and deviation in degrees. Later steps use b as its text shows it.
DropResult traceDrop(const DropFields& fields, Canvas& canvas);

} // namespace lumenary::drop
