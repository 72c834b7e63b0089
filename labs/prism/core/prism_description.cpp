#include "prism_description.h"

#include "spoken.h"
#include "wording.h"

#include <cstring>

namespace lumenary
{

namespace
{

// A face's name ("left", "right", "bottom") as the sentences use it.
std::string faceName(const char* face)
{
    if (std::strcmp(face, "left") == 0)
        return translate("lumenary::PrismDescription", "left");
    if (std::strcmp(face, "right") == 0)
        return translate("lumenary::PrismDescription", "right");
    if (std::strcmp(face, "bottom") == 0)
        return translate("lumenary::PrismDescription", "bottom");
    return face;
}

} // namespace

std::string describePrism(double apexDegrees, double rotationDegrees, char decimalPoint)
{
    return fillIn(
        translate("lumenary::PrismDescription",
                  "Prism of apex angle %1 degrees, turned by %2 degrees."),
        {spokenNumber(apexDegrees, decimalPoint), spokenNumber(rotationDegrees, decimalPoint)});
}

std::string describeOneRay(double h, const RayOutcome& outcome, double exitDegrees,
                           char decimalPoint)
{
    const std::string height = spokenNumber(h, decimalPoint);
    if (!outcome.entry)
        return fillIn(translate("lumenary::PrismDescription",
                                "The ray at height %1 finds no way into the prism."),
                      {height});
    const std::string entry = faceName(outcome.entry);
    if (!outcome.exit)
        return fillIn(translate("lumenary::PrismDescription",
                                "The ray at height %1 enters the %2 face and ends inside."),
                      {height, entry});
    const std::string exit = faceName(outcome.exit);
    if (!outcome.left)
        return fillIn(translate("lumenary::PrismDescription",
                                "The ray at height %1 enters the %2 face; total internal "
                                "reflection at the %3 face: no refracted ray."),
                      {height, entry, exit});
    return fillIn(translate("lumenary::PrismDescription",
                            "The ray at height %1 enters the %2 face and leaves through "
                            "the %3 face at %4 degrees."),
                  {height, entry, exit, spokenNumber(exitDegrees, decimalPoint)});
}

std::string describeFan(const FanCount& count, double lastExitDegrees, char decimalPoint)
{
    const std::string rays = std::to_string(count.rays);
    const std::string traced = std::to_string(count.traced);
    const std::string left = std::to_string(count.left);
    const std::string reflected = std::to_string(count.reflected);
    if (count.left > 0)
        return fillIn(translate("lumenary::PrismDescription",
                                "%1 of %2 rays meet the prism: %3 leave it, %4 are "
                                "totally reflected inside; the last to leave heads at "
                                "%5 degrees."),
                      {traced, rays, left, reflected, spokenNumber(lastExitDegrees, decimalPoint)});
    return fillIn(translate("lumenary::PrismDescription",
                            "%1 of %2 rays meet the prism: %3 leave it, %4 are totally "
                            "reflected inside."),
                  {traced, rays, left, reflected});
}

} // namespace lumenary
