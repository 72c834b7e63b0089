#include "diagram_description.h"

#include "spoken.h"
#include "wording.h"

#include <cmath>

namespace lumenary
{

namespace
{

// "Object 12.5 units left of the lens"; positive is the object's side.
std::string objectPlace(double distance, bool mirror, const std::string& units)
{
    const bool positive = distance >= 0;
    if (mirror)
        return fillIn(positive ? translate("lumenary::DiagramDescription",
                                           "Object %1 units in front of the mirror")
                               : translate("lumenary::DiagramDescription",
                                           "Object %1 units behind the mirror"),
                      {units});
    return fillIn(
        positive ? translate("lumenary::DiagramDescription", "Object %1 units left of the lens")
                 : translate("lumenary::DiagramDescription", "Object %1 units right of the lens"),
        {units});
}

// ", image 3 units right of it, real and upright."; positive is the real-image side.
std::string imagePlace(double distance, bool mirror, const std::string& units,
                       const std::string& kind)
{
    const bool positive = distance >= 0;
    std::string text;
    if (mirror)
        text =
            positive
                ? translate("lumenary::DiagramDescription", ", image %1 units in front of it, %2")
                : translate("lumenary::DiagramDescription", ", image %1 units behind it, %2");
    else
        text = positive
                   ? translate("lumenary::DiagramDescription", ", image %1 units right of it, %2")
                   : translate("lumenary::DiagramDescription", ", image %1 units left of it, %2");
    return fillIn(text, {units, kind});
}

// "real and upright." and the like; no upright or inverted for an image of no height.
std::string imageKind(bool real, int upright)
{
    if (upright > 0)
        return real ? translate("lumenary::DiagramDescription", "real and upright.")
                    : translate("lumenary::DiagramDescription", "virtual and upright.");
    if (upright < 0)
        return real ? translate("lumenary::DiagramDescription", "real and inverted.")
                    : translate("lumenary::DiagramDescription", "virtual and inverted.");
    return real ? translate("lumenary::DiagramDescription", "real.")
                : translate("lumenary::DiagramDescription", "virtual.");
}

} // namespace

std::string describeDiagram(const RayElement& element, const DiagramFields& fields,
                            const DiagramResult& result)
{
    const char dp = fields.decimalPoint;
    const auto d = result.d ? parseNumber(*result.d, dp) : std::nullopt;
    if (!d)
        return {};
    const bool mirror = element.reflects();
    const std::string object = objectPlace(*d, mirror, spokenNumber(std::fabs(*d), dp));
    const auto xi = result.xi ? parseNumber(*result.xi, dp) : std::nullopt;
    const auto h = parseNumber(fields.h, dp);
    if (!xi || !h || *d == 0)
        return fillIn(translate("lumenary::DiagramDescription", "%1, no image."), {object});
    const double image = *xi;
    const double hi = -*h * image / *d;
    int upright = 0;
    if (*h != 0 && hi != 0)
        upright = (hi > 0) == (*h > 0) ? 1 : -1;
    return object + imagePlace(image, mirror, spokenNumber(std::fabs(image), dp),
                               imageKind(image > 0, upright));
}

} // namespace lumenary
