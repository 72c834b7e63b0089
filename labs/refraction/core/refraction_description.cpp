#include "refraction_description.h"

#include "lab_angles.h"
#include "spoken.h"

#include <cmath>

namespace lumenary
{

std::string describeInterface(const InterfaceState& state, char decimalPoint)
{
    const Point from = state.incidentStart;
    const double theta =
        std::atan((InterfacePlot::kNormalX - from.x) / (InterfacePlot::kInterfaceY - from.y));
    const std::string incidence = spokenNumber(labDegrees(theta), decimalPoint);
    std::string text = "Incident ray at " + incidence +
                       " degrees to the normal, reflected ray at " + incidence + " degrees, ";
    if (!state.refractedVisible)
        return text + "total internal reflection: no refracted ray.";
    const Point to = state.refractedEnd;
    const double phi =
        std::atan2(to.x - InterfacePlot::kNormalX, to.y - InterfacePlot::kInterfaceY);
    return text + "refracted ray at " + spokenNumber(labDegrees(phi), decimalPoint) + " degrees.";
}

std::string describeDepth(const DepthSight& sight, char decimalPoint)
{
    const auto at = [&](Point p) { return spokenPoint(p, decimalPoint); };
    const char* object = sight.object.y < 0 ? "the fish" : "the moon";
    if (!sight.reachesEye)
        return "Total internal reflection: no ray from " + std::string(object) +
               " reaches the eye at " + at(sight.eye) + ".";
    return "The eye at " + at(sight.eye) + " sees " + object + " at " + at(sight.object) +
           " by a ray crossing the interface at x = " +
           spokenNumber(sight.crossing.x, decimalPoint) + "; its image appears at " +
           at(sight.image) + ".";
}

} // namespace lumenary
