#pragma once

#include "canvas.h"
#include "lab_pi.h"
#include "rgb.h"

#include <initializer_list>

namespace lumenary
{

// The object point, the same in both modes.
inline constexpr Point kMirrorObject{30, 10};

// The object marker's colour: the literal colour value 6 (red 6), practically black.
inline constexpr Rgb kObjectMarkerColour = fromBgr(6);

// The surface's default drawing colour.
inline constexpr Rgb kMirrorForeground{0, 0, 0};

// Palette indices of the plane-mirror scene.
inline constexpr int kMirrorStripColour = 11;
inline constexpr int kIncidentColour = 4;
inline constexpr int kReflectedColour = 9;
inline constexpr int kExtensionColour = 0;

// Draws the lines from each point to the next, all in one colour, but only when every point is
// finite: a path is drawn whole or not at all. Returns whether it was drawn.
bool drawPath(Canvas& canvas, std::initializer_list<Point> points, Rgb colour);

// The empty plane-mirror scene: erase, the window -40..40 by -20..20, the mirror strip under
// y = 0 across the whole width (filled) and the object marker, a circle of radius 1.
void drawPlaneMirrorScene(Canvas& canvas);

// Where the ray from the object to the eye meets the mirror y = 0: P = ((x0·ye + xe·y0) /
// (ye + y0), 0), where the line from the image (x0, -y0) to the eye crosses it.
Point mirrorOneReflection(Point eye);

// The ray from the object to an eye above the mirror and to its left, by way of the mirror:
// the reflection point is P = ((x0·ye + xe·y0) / (ye + y0), 0), where the line from the image
// (x0, -y0) to the eye crosses y = 0. Draws the incident ray O→P, the reflected ray P→E and,
// dotted, the reflected ray's backward extension from P to the right edge x = 40, where
// y40 = ye + (40 - xe)·ye / (xe - P.x). Nothing for an eye with ye <= 0 or xe >= x0. Returns
// whether the rays were drawn.
bool drawSingleReflection(Canvas& canvas, Point eye);

} // namespace lumenary
