#pragma once

#include "readouts.h"
#include "scene.h"

#include <QCoreApplication>
#include <QString>

// The words of the Optical Bench's window, in one place for the translators: the names of the
// element types and of their keys, the names and descriptions an element has for assistive
// technology, and the line that says what a trace did.
namespace lumenary::bench
{

struct TraceCounts;

class BenchText
{
    Q_DECLARE_TR_FUNCTIONS(BenchText)
public:
    // "Spherical lens".
    static QString typeName(ElementType type);
    // The caption of a scene file's key in the property panel ("Radius r1"); the key itself
    // for one it does not know.
    static QString keyCaption(const QString& key);
    // A material's name as the student reads it ("N-BK7", "water"), or a fixed index.
    static QString mediumName(const Medium& medium);
    // The element's name for assistive technology and the undo history: its type and its
    // number among the elements of that type, counted from 1 ("Spherical lens 2"), after its
    // own name where it has one ("Objective (Ideal lens 1)").
    static QString elementLabel(const Scene& scene, std::size_t index);
    // The same without the element's own name ("Ideal lens 1").
    static QString typeLabel(const Scene& scene, std::size_t index);
    // What the element is, in words built from its numbers and read-outs ("N-BK7, thickness
    // 6 mm, radii 50 and -50 mm, focal length 48.6 mm (d line), at (120, 0), axis 0°"); a
    // detector's spots from its read-out.
    static QString description(const Scene& scene, std::size_t index,
                               const DetectorReadout* detector = nullptr);
    // What the trace did: paths and segments, and every cut ("12 paths stopped after 1,000
    // interactions"); while it runs, how many paths are still to trace.
    static QString traceStatus(const Scene& scene, const TraceCounts& counts,
                               std::size_t pendingPaths);
    // A length for a sentence: "48.6 mm".
    static QString millimetres(double value);
    // An angle for a sentence: "15°".
    static QString degrees(double value);
    // A point for a sentence: "(120, 0)".
    static QString point(Vec2 p);
};

} // namespace lumenary::bench
