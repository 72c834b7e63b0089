#include "prism_description.h"

#include "spoken.h"

namespace lumenary
{

std::string describePrism(double apexDegrees, double rotationDegrees, char decimalPoint)
{
    return "Prism of apex angle " + spokenNumber(apexDegrees, decimalPoint) +
           " degrees, turned by " + spokenNumber(rotationDegrees, decimalPoint) + " degrees.";
}

std::string describeOneRay(double h, const RayOutcome& outcome, double exitDegrees,
                           char decimalPoint)
{
    std::string text = "The ray at height " + spokenNumber(h, decimalPoint);
    if (!outcome.entry)
        return text + " finds no way into the prism.";
    text += " enters the " + std::string(outcome.entry) + " face";
    if (!outcome.exit)
        return text + " and ends inside.";
    if (!outcome.left)
        return text + "; total internal reflection at the " + outcome.exit +
               " face: no refracted ray.";
    return text + " and leaves through the " + outcome.exit + " face at " +
           spokenNumber(exitDegrees, decimalPoint) + " degrees.";
}

std::string describeFan(const FanCount& count, double lastExitDegrees, char decimalPoint)
{
    std::string text = std::to_string(count.traced) + " of " + std::to_string(count.rays) +
                       " rays meet the prism: " + std::to_string(count.left) + " leave it, " +
                       std::to_string(count.reflected) + " are totally reflected inside";
    if (count.left > 0)
        text += "; the last to leave heads at " + spokenNumber(lastExitDegrees, decimalPoint) +
                " degrees";
    return text + ".";
}

} // namespace lumenary
