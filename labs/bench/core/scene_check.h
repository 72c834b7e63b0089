#pragma once

#include "scene.h"

#include <cstdint>
#include <optional>
#include <string>

// Whether an element's numbers make an element that can be traced and drawn. The file reader
// refuses an element that fails; the window can ask before it applies an edit; the tracer
// leaves a failing element out of the trace (and the picture out of the drawing).
namespace lumenary::bench
{

// What is wrong with an element: the key at fault and a sentence a student reads
// ("must be at least half the aperture").
struct ElementProblem {
    std::string key;
    std::string message;
};

// The first problem of an element, or nothing when it can be traced.
std::optional<ElementProblem> checkElement(const Element& element);

// The first problem of the scene-wide settings (surroundings, limits).
std::optional<ElementProblem> checkSettings(const Scene& scene);

// How many paths a source starts (rays × wavelengths); 0 for anything else.
std::int64_t pathCount(const Element& element);

} // namespace lumenary::bench
