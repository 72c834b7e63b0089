#pragma once

#include "scene.h"
#include "tracer.h"

#include <QImage>
#include <QRectF>
#include <QTransform>

class QPainter;

// The picture of a traced scene: rays in their wavelengths' colours, added up as light on black
// (brighter where they cross, white where every colour meets), and the elements drawn over them
// as vectors. No text, so it paints without fonts: lumenary-trace uses it for --png and --svg,
// and the Optical Bench window for its view.
//
//     const SceneView view = fitView(tracer, QSizeF(1200, 800));
//     paintScene(painter, QRectF(0, 0, 1200, 800), tracer, view);
namespace lumenary::bench
{

// Which part of the scene a picture shows: the scene point at its centre, and its scale.
struct SceneView {
    Vec2 centre;
    double pixelsPerMm = 1.0;
};

// The view that shows every element and source and the traced segments that end in the scene,
// with a margin, in a picture of that size.
SceneView fitView(const Tracer& tracer, QSizeF size);

// The map from scene millimetres (y upwards) to the target's pixels (y downwards).
QTransform sceneTransform(const QRectF& target, const SceneView& view);

// The rays alone, as light on black, for a picture of `pixels` size.
QImage renderRays(const Tracer& tracer, const SceneView& view, QSize pixels);

// One element as vectors over the target; `highlight` draws it brighter and wider (a selection).
// An element that fails its checks is not drawn.
void paintElement(QPainter& painter, const QRectF& target, const SceneView& view,
                  const Element& element, bool highlight = false);

// The whole picture: black, the rays, every element.
void paintScene(QPainter& painter, const QRectF& target, const Tracer& tracer,
                const SceneView& view);

} // namespace lumenary::bench
