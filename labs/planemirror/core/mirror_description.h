#pragma once

#include "two_mirrors_core.h"

#include <string>

namespace lumenary
{

// Sentences that tell assistive technology what the plane-mirror lab has drawn, built from the
// points the drawing uses.

// The empty scene of a mode: the mirror or mirrors and the object.
std::string describeMirrorScene(bool twoMirrors, const MirrorAngle& angle, char decimalPoint);

// What a release at eye added to the drawing in plane-mirror mode.
std::string describeSingleReflection(Point eye, char decimalPoint);

// What a release at eye added in two-mirror mode: each ticked path that was drawn, with its
// reflection points.
std::string describeTwoMirrorPaths(const MirrorAngle& angle, Point eye, const MirrorPaths& ticked,
                                   char decimalPoint);

} // namespace lumenary
