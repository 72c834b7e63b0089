#pragma once

#include <cmath>

namespace lumenary
{

// Each lab turns degrees into radians with its own value of pi, and its read-outs depend on it
// to the last digit shown. These are not rough values waiting to be tidied: replacing one with
// the exact pi changes read-outs that students compare and the tests check.

// Ten decimals: the plane-mirror and two-mirror lab (the second mirror's turn and the rays it
// reflects) and the concave and convex mirror arcs, whose ends sit about 1e-10 off the exact
// angles.
inline constexpr double kMirrorPi = 3.1415926535;

// Five decimals: the reflection-and-refraction and apparent-depth labs, where 45 degrees of
// incidence reads back as 45.000038009906.
inline constexpr double kRefractionLabPi = 3.14159;

// 4·arctan(1), worked out at run time (the double nearest pi): the drop and prism labs.
inline double arctanPi()
{
    return 4 * std::atan(1.0);
}

} // namespace lumenary
