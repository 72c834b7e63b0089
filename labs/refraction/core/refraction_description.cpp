#include "refraction_description.h"

#include "lab_angles.h"
#include "spoken.h"
#include "wording.h"

#include <cmath>

namespace lumenary
{

std::string describeInterface(const InterfaceState& state, char decimalPoint)
{
    const Point from = state.incidentStart;
    const double theta =
        std::atan((InterfacePlot::kNormalX - from.x) / (InterfacePlot::kInterfaceY - from.y));
    const std::string incidence = spokenNumber(labDegrees(theta), decimalPoint);
    if (!state.refractedVisible)
        return fillIn(translate("lumenary::RefractionDescription",
                                "Incident ray at %1 degrees to the normal, reflected ray "
                                "at %1 degrees, total internal reflection: no refracted "
                                "ray."),
                      {incidence});
    const Point to = state.refractedEnd;
    const double phi =
        std::atan2(to.x - InterfacePlot::kNormalX, to.y - InterfacePlot::kInterfaceY);
    return fillIn(translate("lumenary::RefractionDescription",
                            "Incident ray at %1 degrees to the normal, reflected ray at "
                            "%1 degrees, refracted ray at %2 degrees."),
                  {incidence, spokenNumber(labDegrees(phi), decimalPoint)});
}

std::string describeDepth(const DepthSight& sight, char decimalPoint)
{
    const auto at = [&](Point p) { return spokenPoint(p, decimalPoint); };
    const bool fish = sight.object.y < 0;
    if (!sight.reachesEye)
        return fillIn(fish ? translate("lumenary::RefractionDescription",
                                       "Total internal reflection: no ray from the fish "
                                       "reaches the eye at %1.")
                           : translate("lumenary::RefractionDescription",
                                       "Total internal reflection: no ray from the moon "
                                       "reaches the eye at %1."),
                      {at(sight.eye)});
    const std::string crossing = spokenNumber(sight.crossing.x, decimalPoint);
    return fillIn(fish ? translate("lumenary::RefractionDescription",
                                   "The eye at %1 sees the fish at %2 by a ray crossing "
                                   "the interface at x = %3; its image appears at %4.")
                       : translate("lumenary::RefractionDescription",
                                   "The eye at %1 sees the moon at %2 by a ray crossing "
                                   "the interface at x = %3; its image appears at %4."),
                  {at(sight.eye), at(sight.object), crossing, at(sight.image)});
}

} // namespace lumenary
