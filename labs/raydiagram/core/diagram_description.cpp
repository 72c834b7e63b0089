#include "diagram_description.h"

#include "spoken.h"

#include <cmath>

namespace lumenary
{

namespace
{

// "12.5 units left of the lens", "3 units behind the mirror"; positive is the object's side
// for an object and the real-image side for an image.
std::string place(double distance, bool mirror, bool image, char dp)
{
    const bool positive = distance >= 0;
    const char* side = nullptr;
    if (mirror)
        side = positive ? "in front of" : "behind";
    else if (image)
        side = positive ? "right of" : "left of";
    else
        side = positive ? "left of" : "right of";
    return spokenNumber(std::fabs(distance), dp) + " units " + side;
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
    const char* name = mirror ? "the mirror" : "the lens";
    std::string text = "Object " + place(*d, mirror, false, dp) + " " + name;
    const auto xi = result.xi ? parseNumber(*result.xi, dp) : std::nullopt;
    const auto h = parseNumber(fields.h, dp);
    if (!xi || !h || *d == 0)
        return text + ", no image.";
    const double image = *xi;
    const double hi = -*h * image / *d;
    text += ", image " + place(image, mirror, true, dp) + " it, ";
    text += image > 0 ? "real" : "virtual";
    if (*h != 0 && hi != 0)
        text += (hi > 0) == (*h > 0) ? " and upright" : " and inverted";
    return text + ".";
}

} // namespace lumenary
