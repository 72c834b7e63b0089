#pragma once

#include "prism_ray.h"

#include <cstdint>
#include <string>

namespace lumenary
{

// Sentences that tell assistive technology what the prism lab drew, from the numbers it drew
// with. Angles in degrees.

// The prism alone: its apex angle and its rotation.
std::string describePrism(double apexDegrees, double rotationDegrees, char decimalPoint);

// One ray at height h: the faces it met and where it went, exitDegrees its outgoing direction.
std::string describeOneRay(double h, const RayOutcome& outcome, double exitDegrees,
                           char decimalPoint);

// A fan: how many of its rays were traced, how many left the prism and how many were totally
// reflected inside it, and the direction of the last that left.
struct FanCount {
    std::int64_t rays = 0;
    std::int64_t traced = 0;
    std::int64_t left = 0;
    std::int64_t reflected = 0;
};
std::string describeFan(const FanCount& count, double lastExitDegrees, char decimalPoint);

} // namespace lumenary
