#pragma once

#include "canvas.h"

#include <optional>

namespace lumenary
{

// The angle between the mirrors as the constructions use it: mirror 1 lies along the positive
// x axis, mirror 2 leaves the origin at this angle.
struct MirrorAngle {
    double degrees = 90; // as typed
    double alpha = 0;    // degrees · pi / 180, after taking off whole turns
    double sin = 0;
    double cos = 0;
    double tan = 0;

    // The angle for a number of degrees; empty unless the number is greater than 0 and finite.
    static std::optional<MirrorAngle> fromDegrees(double degrees);
};

// Which of the four paths a release draws.
struct MirrorPaths {
    bool m11 = true;  // single reflection at mirror 1
    bool m21 = false; // single reflection at mirror 2
    bool m12 = false; // mirror 1, then mirror 2
    bool m22 = false; // mirror 2, then mirror 1
};

// Palette indices of the two-mirror paths; single reflections at mirror 1 and every image line
// use the foreground colour.
inline constexpr int kMirrorTwoColour = 4;
inline constexpr int kOneThenTwoColour = 2;
inline constexpr int kTwoThenOneColour = 5;

// The empty two-mirror scene: erase, the window -80..80 by -40..40, mirror 1 from (0, 0) to
// (80, 0), mirror 2 from (0, 0) to (40 / tan α, 40) on the top edge, and the object marker.
// Mirror 2 is left out when that end has no finite position (tan α rounds to 0).
void drawTwoMirrorScene(Canvas& canvas, const MirrorAngle& angle);

// Whether an eye lies in the wedge between the mirrors: ye > 0 and, with t = tan α, ye < xe·t
// for t > 0 or ye > xe·t for t < 0. Never for t = 0.
bool insideWedge(const MirrorAngle& angle, Point eye);

// Where a ray from the object to the eye reflects once on mirror 2: rotating by -β
// (β = α - pi/2) carries mirror 2 onto the y axis, where the reflection point has height
// s = (y0'·xe' + ye'·x0') / (xe' + x0'); the point is s·(cos α, sin α). Empty when the
// division has no finite result.
std::optional<Point> mirrorTwoReflection(const MirrorAngle& angle, Point eye);

// The image of the object in mirror 2: (x0·cos 2α + y0·sin 2α, x0·sin 2α - y0·cos 2α).
Point mirrorTwoImage(const MirrorAngle& angle);

// A double reflection: the first and the second reflection point of the path.
struct DoubleReflection {
    Point first;
    Point second;
};

// The path that reflects on mirror 1, then on mirror 2 (for an eye left of and above the
// object). Mirror 2 is hit at height r = num·sin α / den, where
// den = sin α·(xe + x0) + cos α·(y0 - ye) and
// num = sin 2α·(xe·x0 + ye·y0) + cos 2α·(xe·y0 - x0·ye), at x = r / tan α (0 for exactly 90
// degrees); mirror 1 at p1 = (r·x0 + y0·qx) / (r + y0). Empty when a condition fails, a hit
// lies off its mirror (p1 <= 0 or r <= 0) or a point has no finite position.
std::optional<DoubleReflection> reflectionOneThenTwo(const MirrorAngle& angle, Point eye);

// The path that reflects on mirror 2, then on mirror 1 (for an eye right of and below the
// object): the same construction with the object and the eye exchanged. Empty when a condition
// fails, the height on mirror 2 is not above 0 or a point has no finite position.
std::optional<DoubleReflection> reflectionTwoThenOne(const MirrorAngle& angle, Point eye);

// The paths of one release, in the order mirror 1, mirror 2, mirror 1 then 2, mirror 2 then 1,
// for an eye inside the wedge; single reflections end with the dotted line to the object's
// image in their mirror. Nothing outside the wedge.
void drawTwoMirrorPaths(Canvas& canvas, const MirrorAngle& angle, Point eye,
                        const MirrorPaths& ticked);

} // namespace lumenary
