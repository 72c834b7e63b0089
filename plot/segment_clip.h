#pragma once

#include "point.h"

namespace lumenary
{

// Clips the segment a-b to the rectangle [lo, hiX] x [lo, hiY] (Liang-Barsky). False when
// nothing is left or the clipped ends are not finite.
bool clipSegment(Point& a, Point& b, double lo, double hiX, double hiY);

} // namespace lumenary
