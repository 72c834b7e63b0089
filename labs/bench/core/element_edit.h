#pragma once

#include "scene.h"

#include <vector>

// What the bench's window does to an element with the mouse and the keys, in scene units: where
// it is and which way it faces, moving and turning it, the end points that resize it, how near
// a point lies to it, and a new element of each type. Qt-free, so that every edit is testable
// without a window.
//
//     moveElement(lens, {10, 0});            // 10 mm to the right
//     rotateElement(mirror, 15.0);           // about its anchor
//     setElementEnd(detector, 1, {40, 20});  // its `to` end dragged there
namespace lumenary::bench
{

// The point an element is placed by: a lens's or source's position, the middle of a straight
// or arc element, a parabola's vertex, a circle's centre, a polygon's centre of area.
Vec2 elementAnchor(const Element& element);

// The direction an element faces, in degrees: a lens's or parabola's axis, a source's
// direction (a point source's first angle), the normal 90° counter-clockwise from from→to for a
// straight or arc element; 0 for a circle and a polygon, which have none.
double elementAngle(const Element& element);

// True for elements that turn: all but the circle.
bool turns(const Element& element);

// Moves every point of the element by delta.
void moveElement(Element& element, Vec2 delta);

// Turns the element by degrees counter-clockwise about its anchor.
void rotateElement(Element& element, double degrees);

// The points that resize an element when dragged: a straight or arc element's two ends, a
// lens's, parabola's or beam's two edges, a circle's rim point on its +x side, a polygon's
// corners; none for a ray or a point source.
std::vector<Vec2> elementEnds(const Element& element);

// Drags end `index` of elementEnds to p: a straight or arc element's end goes there; a lens's,
// parabola's or beam's aperture (width) becomes twice p's distance from its axis; a circle's
// radius p's distance from its centre; a polygon's corner goes there. Nothing for any other
// index.
void setElementEnd(Element& element, int index, Vec2 p);

// The element's outline as polylines in scene points (closed ones repeat their first point):
// the lines the picture draws. A source is its start point (a beam its start line too).
std::vector<std::vector<Vec2>> elementOutline(const Element& element);
// The curves of a curved element as polylines in scene points, in the same pieces as its outline:
// a spherical lens (closed), an arc mirror (its chord where it is straight), a parabolic mirror,
// a circle (closed).
std::vector<Vec2> lensOutline(const SphericalLens& l);
std::vector<Vec2> arcOutline(const ArcMirror& m);
std::vector<Vec2> parabolaOutline(const ParabolicMirror& m);
std::vector<Vec2> circleOutline(const Circle& c);

// How far p lies from the element's outline, in mm; 0 inside a piece of glass.
double distanceToElement(const Element& element, Vec2 p);

// A new element of a type at a point, of a size (mm) that suits the view it is added to: a
// lens or mirror that high, a beam half that wide, a prism with sides that long, a drop a
// quarter of it across. White light for a beam, the d line for a ray and a point source.
Element newElement(ElementType type, Vec2 at, double size);

// The number 1, 2 or 5 times a power of ten nearest below value (value > 0): a size or grid
// step a student reads easily.
double roundSize(double value);

} // namespace lumenary::bench
