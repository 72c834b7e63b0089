#pragma once

#include "canvas.h"
#include "prism_geometry.h"

#include <optional>
#include <string>

namespace lumenary
{

// The read-out texts a drawing action writes; an empty member keeps the text its field has.
struct PrismReadouts {
    std::optional<std::string> angle;     // rotation in degrees
    std::optional<std::string> theta12;   // left face: incidence
    std::optional<std::string> theta1p2;  // left face: refraction
    std::optional<std::string> theta22;   // right face: incidence
    std::optional<std::string> theta2p2;  // right face: refraction
    std::optional<std::string> theta2b2;  // bottom face: incidence
    std::optional<std::string> theta2pb2; // bottom face: refraction
    std::optional<std::string> dev;       // direction of the outgoing ray
};

// What one trace needs besides the ray: the prism, the two indices and the decimal point of
// the read-outs.
struct RaySetting {
    PrismGeometry prism;
    double n1 = 1; // outside the prism
    double n2 = 1; // the prism
    char decimalPoint = '.';
};

// How a traced ray ended: the face it entered by and the face it met next (empty where it got
// no further), and whether it left the prism through that second face.
struct RayOutcome {
    const char* entry = nullptr; // "left" or "bottom"
    const char* exit = nullptr;  // "right" or "bottom"
    bool left = false;           // false with an exit face: totally reflected there
};

// Refraction angle arctan(s / sqrt(1 - s²)) for the sine s of a ray entering the prism; empty
// when s² is 1 or more (no refracted ray).
std::optional<double> entryRefraction(double s);
// Refraction angle for the sine s of a ray leaving the prism: as on entry for s² < 1, ±pi/2
// (the sign of s) for s² = 1; empty for s² > 1, total internal reflection.
std::optional<double> exitRefraction(double s);

// Traces a horizontal ray at height h from the left edge through the prism and on to the right
// edge, as one connected polyline in dark yellow: entry through the left face, or through the
// bottom face when the left face's line is crossed at or left of the lower left corner; one
// refraction there and one at the next face met (right, or bottom after a left entry).
// Writes the read-outs of the faces met and dev from exitDirection, which is updated (radians)
// when the ray leaves the prism. A ray that is totally internally reflected, finds no
// refracted direction on entry, or runs parallel to the face it should meet ends where it is.
// Returns how the ray ended.
RayOutcome PlotRay(Canvas& canvas, const RaySetting& setting, double h, double& exitDirection,
                   PrismReadouts& readouts);

} // namespace lumenary
