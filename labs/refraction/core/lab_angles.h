#pragma once

#include "lab_pi.h"

#include <cmath>

namespace lumenary
{

// Radians to the degrees the refraction labs show.
inline double labDegrees(double radians)
{
    return 180.0 * radians / kRefractionLabPi;
}

// The sine of the refraction angle by Snell's law, light going from index nFrom to index nTo
// at an incidence whose sine is sinIncidence.
inline double refractionSine(double nFrom, double sinIncidence, double nTo)
{
    return nFrom * sinIncidence / nTo;
}

// The refraction angle for its sine s (s * s < 1): arctan(s / sqrt(1 - s^2)).
inline double refractionAngle(double s)
{
    return std::atan(s / std::sqrt(1.0 - s * s));
}

// An index of refraction read from a field is usable when it is a finite positive number.
inline bool usableIndex(double n)
{
    return std::isfinite(n) && n > 0.0;
}

} // namespace lumenary
