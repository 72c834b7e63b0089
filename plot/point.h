#pragma once

namespace lumenary
{

// A position in user units.
struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace lumenary
