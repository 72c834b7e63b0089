#pragma once

#include "canvas.h"
#include "numbers.h"

#include <functional>
#include <optional>
#include <string>

namespace lumenary
{

// The numbers of one drawing pass, read from the window's fields.
struct DiagramParams {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
    double h = 0;       // object height
    double param = 0;   // the element's parameter: f, R or R0
    bool setup = false; // a set-up pass (slider reset), not a slider-driven one
};

// Writes the image distance into its read-out and returns the number read back from the text
// (empty when the value has no read-out).
using WriteReadout = std::function<std::optional<double>(double)>;

// The element-specific steps of the drawing pass: one implementation per optical element.
class RayElement
{
public:
    virtual ~RayElement() = default;
    // Whether the element is a mirror (images in front of it are real), not a lens.
    virtual bool reflects() const { return false; }
    // Whether an edit of the parameter field with this value redraws.
    virtual bool acceptsParameter(double value) const = 0;
    // Preparation before the coordinate window is set: the parameter as the field must show
    // it, when it has to change.
    virtual std::optional<double> correctedParameter(double value) const
    {
        (void)value;
        return {};
    }
    // The right end of the object's travel; empty when there is none.
    virtual std::optional<double> travelEnd(const DiagramParams& p) const = 0;
    // The object distance d for an object standing at x.
    virtual double distance(double xObject, const DiagramParams& p) const = 0;
    // The object's x for a displayed distance d.
    virtual double objectX(double d, const DiagramParams& p) const = 0;
    // The element and its marks.
    virtual void drawElement(Canvas& canvas, const DiagramParams& p) const = 0;
    // The rays and the image; x1 is the travel end, writeXi the image-distance read-out.
    virtual void construct(Canvas& canvas, const DiagramParams& p, double d, double x1,
                           const WriteReadout& writeXi) const = 0;
};

// The texts of a ray-diagram window's controls that a drawing pass reads.
struct DiagramFields {
    std::string xmin, xmax, ymin, ymax, h, param;
    int sliderValue = 0;
    char decimalPoint = '.';
};

// What a drawing pass asks the window to write back. Empty members stay as they are.
struct DiagramResult {
    std::optional<std::string> param; // the corrected parameter text
    std::optional<int> sliderValue;   // the slider after a set-up pass
    std::optional<std::string> d;
    std::optional<std::string> xi;
};

// The drawing pass shared by every ray-diagram window: erase, set the coordinate window from
// the fields, draw the axis, place the object at the slider's position, then hand over to the
// element. A field that is not a number stops the pass with the surface erased; so does a
// window of zero width or height, or an element with no object travel. Later steps read d and
// xi back from their displayed texts.
DiagramResult drawDiagram(const RayElement& element, const DiagramFields& fields, bool setup,
                          Canvas& canvas);

// Colours of the diagrams.
inline constexpr int kAxisColour = 15;
inline constexpr int kObjectColour = 0;
inline constexpr int kImageColour = 4;
inline constexpr int kFirstRayColour = 9;

} // namespace lumenary
