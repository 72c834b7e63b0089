#pragma once

#include "canvas.h"

#include <string>

namespace lumenary
{

// The plot of the reflection-and-refraction lab, in twips with y growing downwards: medium 1
// above the interface y = 2250, medium 2 below it, the normal x = 4500 through the point of
// incidence.
struct InterfacePlot {
    static constexpr double kWidth = 9000;
    static constexpr double kHeight = 4500;
    static constexpr double kNormalX = kWidth / 2;
    static constexpr double kInterfaceY = kHeight / 2;
};

// What a click changes in the lab: the movable ends of the three rays, whether the refracted
// ray shows, and the texts of the three angle read-outs. The defaults are the window's first
// show: 45 degrees from the top-left corner, both media alike.
struct InterfaceState {
    Point incidentStart{0, 0};
    Point reflectedStart{InterfacePlot::kWidth, 0};
    Point refractedEnd{InterfacePlot::kWidth, InterfacePlot::kHeight};
    bool refractedVisible = true;
    std::string xval; // angle of incidence
    std::string yval; // angle of reflection
    std::string zval; // angle of refraction
};

// A mouse press on the plot: its position in single precision, as the plot reports it, and the
// texts of the two index fields.
struct InterfaceClick {
    float x = 0;
    float y = 0;
    std::string n1;
    std::string n2;
    char decimalPoint = '.';
};

// Moves the rays for a press at (x, y). Only a press left of the normal and above the interface
// counts; any other leaves the state alone and returns false. The incidence
// theta = arctan((4500 - x) / (2250 - y)) is shown as the angle of incidence and, as the same
// text, of reflection; the reflected ray starts at the mirror point (9000 - x, y). By Snell's
// law s = n1 sin(theta) / n2: with s^2 > 1 the light is totally reflected, the refraction
// read-out empties and the refracted ray hides; with s^2 < 1 the refraction angle
// phi = arctan(s / sqrt(1 - s^2)) is shown and the refracted ray ends on the bottom edge at
// (4500 + 2250 tan(phi), 4500) when tan(phi) <= 2, else on the right edge at
// (9000, 2250 + 4500 tan(pi/2 - phi)); with s^2 exactly 1 the refraction stays as it was, and
// so it does when an index field holds no positive number.
bool clickInterface(InterfaceState& state, const InterfaceClick& click);

} // namespace lumenary
