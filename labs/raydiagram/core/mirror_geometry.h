#pragma once

#include "canvas.h"
#include "lab_pi.h"
#include "ray_diagram.h"

#include <functional>
#include <optional>

namespace lumenary
{

// The mirror: 301 points of the circle of radius r about the origin, at the polar angles
// centreAngle + pi (k - 150) / 150 / 3 for k = 0..300, then the marks (circles of radius 0.5)
// at the centre of curvature and at the focal point (focusX, 0).
void drawMirror(Canvas& canvas, double r, double centreAngle, double focusX);

// arctan(num / den), the principal value; a right angle signed like num when den is zero.
double principalAngle(double num, double den);

// Where the ray y = tip.y + m (x - tip.x) meets the circle x^2 + y^2 = r^2: with A = 1 + m^2,
// B = 2 h m - 2 xo m^2, Q = (h - m xo)^2 - r^2 and D = B^2 - 4 A Q, the hit is at
// x = (-B +- sqrt D) / 2A (+ for the right-hand intersection). Empty when D < 0, or D = 0 and
// a tangent does not count.
std::optional<Point> circleHit(Point tip, double m, double r, bool rightHand, bool tangentCounts);

// Whether the object at xo stands at x1, the right end of its travel from xmin. Positions are
// a slider step apart, so half a step tells the end apart from its neighbour whatever the
// rounding of the displayed object distance.
bool atTravelEnd(double xo, double x1, double xmin);

// A spherical mirror with its vertex at (R, 0), R the radius as shown: an object at x stands
// R - x from the vertex.
class SphericalMirror : public RayElement
{
public:
    double distance(double xObject, const DiagramParams& p) const override
    {
        return p.param - xObject;
    }
    double objectX(double d, const DiagramParams& p) const override { return p.param - d; }
};

// How a mirror draws one ray's reflection from the hit point, given the image point.
using DrawReflection = std::function<void(Point hit, Point image, Rgb colour)>;

// The six rays of a spherical mirror: from the object tip (xo, h), at d from the vertex, aimed
// evenly between the ends of the mirror's chord, to their hits on the circle of signed radius r
// (the intersection circleHit picks with rightHand and tangentCounts); each writes the image
// distance xi = R d / (2 d - R) (R the mirror's radius as shown) and, while it reads back, has
// its reflection drawn towards the image (R - xi, -h xi / d) and the image's line to the axis.
void drawMirrorRays(Canvas& canvas, const DiagramParams& p, double d, double r, bool rightHand,
                    bool tangentCounts, const WriteReadout& writeXi, const DrawReflection& reflect);

} // namespace lumenary
