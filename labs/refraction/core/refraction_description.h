#pragma once

#include "apparent_depth.h"
#include "interface_rays.h"

#include <string>

namespace lumenary
{

// Sentences that tell assistive technology what the refraction labs show, built from the
// geometry the plot shows.

// The three rays of the reflection-and-refraction lab: their angles to the normal, from the
// rays' own end points, or that the light is totally reflected.
std::string describeInterface(const InterfaceState& state, char decimalPoint);

// The sight line of the apparent-depth lab: the eye, the object it sees (the fish below the
// interface, the moon above it), where the ray crosses the interface and where the image
// appears; or that no ray reaches the eye.
struct DepthSight {
    Point eye;
    Point object;
    Point crossing;
    Point image;
    bool reachesEye = true; // false: totally reflected at the interface
};
std::string describeDepth(const DepthSight& sight, char decimalPoint);

} // namespace lumenary
