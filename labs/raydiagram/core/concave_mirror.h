#pragma once

#include "mirror_geometry.h"

namespace lumenary
{

// A concave spherical mirror of radius R facing left: its centre of curvature at the origin,
// its vertex at (R, 0), its focal point at (R/2, 0) and its arc between the polar angles -60
// and +60 degrees. The object travels up to the x where its tip meets the mirror's circle,
// sqrt(R^2 - h^2); its distance is d = R - x and its image lies at xi = R d / (2d - R) from the
// vertex (positive in front of the mirror). A negative radius is shown by its magnitude.
class ConcaveMirror final : public SphericalMirror
{
public:
    bool reflects() const override { return true; }
    bool acceptsParameter(double value) const override { return value != 0; }
    std::optional<double> correctedParameter(double value) const override;
    std::optional<double> travelEnd(const DiagramParams& p) const override;
    void drawElement(Canvas& canvas, const DiagramParams& p) const override;
    void construct(Canvas& canvas, const DiagramParams& p, double d, double x1,
                   const WriteReadout& writeXi) const override;
};

} // namespace lumenary
