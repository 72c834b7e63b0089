#pragma once

#include "scene.h"

#include <optional>
#include <string_view>

// The numbers of an element a student can type, reached by the scene file's keys ("r1",
// "focal_length", "from" with component 0 for x and 1 for y), so that the window's property
// panel and its tests name a number the way the file does.
//
//     setElementNumber(lens, "aperture", 0, 30.0);
//     double r1 = *elementNumber(lens, "r1");
namespace lumenary::bench
{

// The number of an element at a key (component 0 or 1 for a point's x or y); nothing when the
// type has no such key. Whole numbers (rays, white) come back as doubles.
std::optional<double> elementNumber(const Element& element, std::string_view key,
                                    int component = 0);

// Sets the number at a key; a whole-number key takes the value rounded (a value outside the
// range of an int is not set). False when the type has no such key.
bool setElementNumber(Element& element, std::string_view key, int component, double value);

// The medium of a glass element (spherical lens, glass, circle); null for any other.
const Medium* elementMedium(const Element& element);
Medium* elementMedium(Element& element);

// The light of a source; null for any other element.
const Light* elementLight(const Element& element);
Light* elementLight(Element& element);

} // namespace lumenary::bench
