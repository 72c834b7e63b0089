#pragma once

#include "ray_diagram.h"

namespace lumenary
{

// A thin lens of focal length f in the plane x = 0: biconvex outline for f > 0, biconcave for
// f < 0, focal marks at x = +-f; the object travels up to one unit left of the lens, and the
// image follows from 1/d + 1/xi = 1/f, that is xi = d f / (d - f).
class ThinLens final : public RayElement
{
public:
    bool acceptsParameter(double) const override { return true; }
    std::optional<double> travelEnd(const DiagramParams&) const override { return -1.0; }
    double distance(double xObject, const DiagramParams&) const override { return -xObject; }
    double objectX(double d, const DiagramParams&) const override { return -d; }
    void drawElement(Canvas& canvas, const DiagramParams& p) const override;
    void construct(Canvas& canvas, const DiagramParams& p, double d, double x1,
                   const WriteReadout& writeXi) const override;
};

} // namespace lumenary
