#include "mirror_description.h"

#include "plane_mirror_core.h"
#include "spoken.h"

namespace lumenary
{

std::string describeMirrorScene(bool twoMirrors, const MirrorAngle& angle, char decimalPoint)
{
    const std::string object = spokenPoint(kMirrorObject, decimalPoint);
    if (!twoMirrors)
        return "Plane mirror along y = 0, object at " + object + ", no rays yet.";
    return "Mirror 1 along the x axis and mirror 2 at " +
           spokenNumber(angle.degrees, decimalPoint) + " degrees to it, object at " + object +
           ", no rays yet.";
}

std::string describeSingleReflection(Point eye, char decimalPoint)
{
    const std::string at = spokenPoint(eye, decimalPoint);
    const Point p = mirrorOneReflection(eye);
    if (!(eye.y > 0 && eye.x < kMirrorObject.x) || !isFinite(eye) || !isFinite(p))
        return "No ray to the eye at " + at + ": it must be above the mirror and left of the " +
               "object.";
    return "Ray from the object reflects off the mirror at x = " + spokenNumber(p.x, decimalPoint) +
           " and reaches the eye at " + at + ".";
}

std::string describeTwoMirrorPaths(const MirrorAngle& angle, Point eye, const MirrorPaths& ticked,
                                   char decimalPoint)
{
    const std::string at = spokenPoint(eye, decimalPoint);
    if (!isFinite(eye) || !insideWedge(angle, eye))
        return "No ray to the eye at " + at + ": it is outside the wedge between the mirrors.";
    std::string paths;
    const auto add = [&](const std::string& path) { paths += (paths.empty() ? "" : "; ") + path; };
    const auto where = [&](Point p) { return spokenPoint(p, decimalPoint); };
    const Point p = mirrorOneReflection(eye);
    if (ticked.m11 && isFinite(p))
        add("off mirror 1 at " + where(p));
    if (ticked.m21)
        if (const auto q = mirrorTwoReflection(angle, eye); q && q->y > 0)
            add("off mirror 2 at " + where(*q));
    if (ticked.m12)
        if (const auto path = reflectionOneThenTwo(angle, eye))
            add("off mirror 1 at " + where(path->first) + " then mirror 2 at " +
                where(path->second));
    if (ticked.m22)
        if (const auto path = reflectionTwoThenOne(angle, eye))
            add("off mirror 2 at " + where(path->first) + " then mirror 1 at " +
                where(path->second));
    if (paths.empty())
        return "No ticked path reaches the eye at " + at + ".";
    return "Rays from the object to the eye at " + at + " reflect " + paths + ".";
}

} // namespace lumenary
