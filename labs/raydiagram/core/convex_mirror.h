#pragma once

#include "mirror_geometry.h"

#include <cmath>

namespace lumenary
{

// A convex spherical mirror of signed radius R0 < 0 bulging toward the object: its centre of
// curvature at the origin, its vertex at (R0, 0), its focal point at (R0/2, 0) and its arc
// between the polar angles 120 and 240 degrees. The object travels up to
// (2 R0 - sqrt(R0^2 + 3 h^2)) / 3; its distance is d = R0 - x and its image lies at
// xi = R0 d / (2d - R0) from the vertex, behind the mirror.
class ConvexMirror final : public SphericalMirror
{
public:
    bool reflects() const override { return true; }
    bool acceptsParameter(double value) const override { return value != 0; }
    // The radius is always kept negative: -|R0|.
    std::optional<double> correctedParameter(double value) const override
    {
        return -std::abs(value);
    }
    std::optional<double> travelEnd(const DiagramParams& p) const override;
    void drawElement(Canvas& canvas, const DiagramParams& p) const override;
    void construct(Canvas& canvas, const DiagramParams& p, double d, double x1,
                   const WriteReadout& writeXi) const override;
};

} // namespace lumenary
