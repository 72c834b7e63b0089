#pragma once

#include "canvas.h"

#include <string>

namespace lumenary
{

// The apparent-depth lab in its user units: the interface is y = 0 (medium 1 above, medium 2
// below), the normal x = 0, the fish 15 below the interface and the moon 15 above it.
struct DepthScene {
    static constexpr double kLeft = -45;
    static constexpr double kTop = 25;
    static constexpr double kRight = 45;
    static constexpr double kBottom = -25;
    static constexpr Point kFish{0, -15};
    static constexpr Point kMoon{0, 15};
};

// The angle read-outs a click writes.
struct DepthReadouts {
    std::string xval; // angle of incidence, in the object's medium
    std::string zval; // angle of refraction, in the eye's medium
};

// A mouse press on the plot: the eye's position in single precision, as the plot reports it,
// and the texts of the two index fields.
struct DepthClick {
    float x = 0;
    float y = 0;
    std::string n1;
    std::string n2;
    char decimalPoint = '.';
};

// Colours of the construction.
inline constexpr int kDepthRayColour = 6;   // the ray from the object to the eye
inline constexpr int kDepthImageColour = 0; // the dotted line back to the image

// Draws the ray by which an eye at the press sees the object across the interface: above the
// interface it looks down at the fish, below it up at the moon. The image lies on the normal at
// d * n_eye / n_obj (d the object's height); the line of sight from the eye to the image
// crosses the interface at S, and theta = arctan(|x_S / d|) is the incidence of the real ray
// from the object to S. With s = n_obj sin(theta) / n_eye and s^2 < 1 the refraction angle
// arctan(s / sqrt(1 - s^2)) is shown and the lines eye to S, S to the object and, dotted, S to
// the image are added to the drawing; with s^2 > 1 the refraction read-out empties and nothing
// is drawn; with s^2 exactly 1 neither changes. A press on the interface or the normal, or with
// an index that is no positive number, changes nothing and returns false. A description, when
// asked for, receives a sentence saying what was drawn (or why not), for assistive technology.
bool clickDepth(DepthReadouts& readouts, const DepthClick& click, Canvas& canvas,
                std::string* description = nullptr);

} // namespace lumenary
