#pragma once

#include "scene.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QWidget;

// The fields of the bench's property panel: which numbers each element type has, in the order
// the panel shows them, and the spin box and list each kind of value is typed in, with its unit
// and limits (those of scene_limits.h, which the file reader applies too).
namespace lumenary::bench
{

// What a number is, which sets its unit, range, decimals and step.
enum class FieldKind {
    Coordinate, // mm, anywhere in the scene
    Length,     // mm, more than 0
    Width,      // mm, 0 or more
    Signed,     // mm, either sign (a radius of curvature, a focal length)
    Angle,      // degrees
    Rays,       // a whole number of rays
    Reflectance // a share from 0 to 1
};

// One typed number of an element: its scene-file key, 2 components for a point (x and y),
// its kind.
struct NumberSpec {
    const char* key;
    int components;
    FieldKind kind;
};

// The numbers of a type in the panel's order (light, material and name come apart).
std::vector<NumberSpec> numberSpecs(ElementType type);

class FieldText
{
    Q_DECLARE_TR_FUNCTIONS(FieldText)
public:
    // The unit written after a number of a kind (" mm", "°"), empty for none.
    static QString unit(FieldKind kind);
    // The range of a kind, said for a tooltip and for a refusal ("from 0.001 to 1000000 mm").
    static QString range(FieldKind kind);
};

// A spin box for a number of a kind: its unit, range and decimals; its tooltip gives its range,
// and a value typed outside the range is brought to the nearest end of it.
QDoubleSpinBox* numberSpin(FieldKind kind, QWidget* parent = nullptr);

// A spin box for a fixed refractive index (1 to 10).
QDoubleSpinBox* indexSpin(QWidget* parent = nullptr);

// The list of media: the dispersion table's materials, then "Fixed index".
QComboBox* mediumList(QWidget* parent = nullptr);
// Shows a medium in the list and its index spin box (enabled for a fixed index only).
void showMedium(QComboBox* list, QDoubleSpinBox* index, const Medium& medium);
// The medium the list and its index spin box show.
Medium mediumShown(const QComboBox* list, const QDoubleSpinBox* index);

} // namespace lumenary::bench
