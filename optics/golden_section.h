#pragma once

#include <cmath>

namespace lumenary
{

// The least value of f between lo and hi by golden-section search, for a function with one
// minimum there: the middle of the last bracket, once narrower than tolerance. Each step
// keeps one of the two inner points, so f is evaluated once per step.
template <typename F> double goldenSectionMinimum(F f, double lo, double hi, double tolerance)
{
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double x1 = hi - ratio * (hi - lo);
    double x2 = lo + ratio * (hi - lo);
    double f1 = f(x1);
    double f2 = f(x2);
    while (hi - lo > tolerance) {
        if (f1 < f2) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - ratio * (hi - lo);
            f1 = f(x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + ratio * (hi - lo);
            f2 = f(x2);
        }
    }
    return 0.5 * (lo + hi);
}

} // namespace lumenary
