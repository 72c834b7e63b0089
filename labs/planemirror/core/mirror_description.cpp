#include "mirror_description.h"

#include "plane_mirror_core.h"
#include "spoken.h"
#include "wording.h"

namespace lumenary
{

std::string describeMirrorScene(bool twoMirrors, const MirrorAngle& angle, char decimalPoint)
{
    const std::string object = spokenPoint(kMirrorObject, decimalPoint);
    if (!twoMirrors)
        return fillIn(translate("lumenary::MirrorDescription",
                                "Plane mirror along y = 0, object at %1, no rays yet."),
                      {object});
    return fillIn(translate("lumenary::MirrorDescription",
                            "Mirror 1 along the x axis and mirror 2 at %1 degrees to it, "
                            "object at %2, no rays yet."),
                  {spokenNumber(angle.degrees, decimalPoint), object});
}

std::string describeSingleReflection(Point eye, char decimalPoint)
{
    const std::string at = spokenPoint(eye, decimalPoint);
    const Point p = mirrorOneReflection(eye);
    if (!(eye.y > 0 && eye.x < kMirrorObject.x) || !isFinite(eye) || !isFinite(p))
        return fillIn(translate("lumenary::MirrorDescription",
                                "No ray to the eye at %1: it must be above the mirror "
                                "and left of the object."),
                      {at});
    return fillIn(translate("lumenary::MirrorDescription",
                            "Ray from the object reflects off the mirror at x = %1 and "
                            "reaches the eye at %2."),
                  {spokenNumber(p.x, decimalPoint), at});
}

std::string describeTwoMirrorPaths(const MirrorAngle& angle, Point eye, const MirrorPaths& ticked,
                                   char decimalPoint)
{
    const std::string at = spokenPoint(eye, decimalPoint);
    if (!isFinite(eye) || !insideWedge(angle, eye))
        return fillIn(translate("lumenary::MirrorDescription",
                                "No ray to the eye at %1: it is outside the wedge between "
                                "the mirrors."),
                      {at});
    std::string paths;
    const auto add = [&](const std::string& path) {
        paths = paths.empty()
                    ? path
                    : fillIn(translate("lumenary::MirrorDescription", "%1; %2"), {paths, path});
    };
    const auto where = [&](Point p) { return spokenPoint(p, decimalPoint); };
    const Point p = mirrorOneReflection(eye);
    if (ticked.m11 && isFinite(p))
        add(fillIn(translate("lumenary::MirrorDescription", "off mirror 1 at %1"), {where(p)}));
    if (ticked.m21)
        if (const auto q = mirrorTwoReflection(angle, eye); q && q->y > 0)
            add(fillIn(translate("lumenary::MirrorDescription", "off mirror 2 at %1"),
                       {where(*q)}));
    if (ticked.m12)
        if (const auto path = reflectionOneThenTwo(angle, eye))
            add(fillIn(
                translate("lumenary::MirrorDescription", "off mirror 1 at %1 then mirror 2 at %2"),
                {where(path->first), where(path->second)}));
    if (ticked.m22)
        if (const auto path = reflectionTwoThenOne(angle, eye))
            add(fillIn(
                translate("lumenary::MirrorDescription", "off mirror 2 at %1 then mirror 1 at %2"),
                {where(path->first), where(path->second)}));
    if (paths.empty())
        return fillIn(
            translate("lumenary::MirrorDescription", "No ticked path reaches the eye at %1."),
            {at});
    return fillIn(translate("lumenary::MirrorDescription",
                            "Rays from the object to the eye at %1 reflect %2."),
                  {at, paths});
}

} // namespace lumenary
