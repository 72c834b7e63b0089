#pragma once

#include "canvas.h"
#include "lab_pi.h"

#include <optional>

namespace lumenary
{

// The prism lab's pi (see lab_pi.h).
inline double prismPi()
{
    return arctanPi();
}

// A prism of apex angle phi rotated counter-clockwise by theta about the origin (radians).
// Its corners lie on the circle of radius 10 about the origin at the directions
// A1 = theta + pi/2 (the apex), A2 = A1 + pi - phi (lower left), A3 = A2 + 2·phi (lower right)
// of the unrotated prism. Faces: left p2-p1, right p1-p3, bottom p2-p3.
struct PrismGeometry {
    double phi = 0;
    double theta = 0;
    Point p1;
    Point p2;
    Point p3;

    // Slopes of the faces' lines: tan(theta + pi/2 - phi/2), tan(theta + pi/2 + phi/2), tan theta.
    double leftSlope() const;
    double rightSlope() const;
    double bottomSlope() const;
    // True when every corner has finite coordinates.
    bool finite() const;
};

// The prism of apex angle phi and rotation theta, in radians.
PrismGeometry prismGeometry(double phi, double theta);

// The x where the line through a with slope m1 meets the line through b with slope m2:
// (m1·xa - m2·xb + yb - ya) / (m1 - m2). Empty for parallel lines or a non-finite crossing.
std::optional<double> linex(double m1, double m2, Point a, Point b);

// The rotation in degrees that scroll value v gives a prism of apex angle apexDegrees:
// apexDegrees·(50 - v) / 100.
double rotationDegrees(double apexDegrees, int scrollValue);

// Clears the surface, sets its frame (-20, 20)-(20, -20) and draws the outline p1-p2-p3-p1
// in bright white.
void drawOutline(Canvas& canvas, const PrismGeometry& prism);

// Colours of the lab: the outline and every ray.
inline constexpr int kPrismColour = 15;
inline constexpr int kRayColour = 6;
// The frame's half-width: rays start at x = -kFrame and leave at x = kFrame.
inline constexpr double kFrame = 20;

} // namespace lumenary
