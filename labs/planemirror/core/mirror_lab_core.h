#pragma once

#include "canvas.h"
#include "two_mirrors_core.h"

#include <string>
#include <string_view>

namespace lumenary
{

// The two modes of the plane-mirror lab.
enum class MirrorMode { Plane, TwoMirrors };

// What the plane-mirror window does with its surface, apart from its controls: the mode, the
// angle it last accepted and the drawing passes of each event. The angle field's text is read
// afresh by every event; a text that is not an acceptable angle (a number above 0 with a finite
// measure in radians) leaves the last accepted one in use, 90 degrees at the start.
class MirrorLab
{
public:
    MirrorMode mode() const { return m_mode; }
    // What the last event drew, in a sentence for assistive technology.
    const std::string& description() const { return m_description; }
    // The angle the scene and the releases use when the field holds no acceptable angle.
    const MirrorAngle& lastAngle() const { return m_angle; }

    // The angle field's text as an angle, if it is an acceptable one.
    static std::optional<MirrorAngle> acceptedAngle(std::string_view text, char decimalPoint);

    // Enters plane-mirror mode and draws its empty scene.
    void enterPlaneMirror(Canvas& canvas);
    // Enters two-mirror mode and draws its empty scene for the angle in the field.
    void enterTwoMirrors(Canvas& canvas, std::string_view alphaText, char decimalPoint);
    // An edit of the angle field: an acceptable angle enters two-mirror mode and draws the empty
    // scene; anything else changes nothing. Returns whether the edit was accepted.
    bool angleEdited(Canvas& canvas, std::string_view alphaText, char decimalPoint);
    // Redraws the empty scene of the current mode.
    void clear(Canvas& canvas, std::string_view alphaText, char decimalPoint);
    // A mouse release at eye: the reflections of the current mode, added to the drawing.
    void release(Canvas& canvas, Point eye, std::string_view alphaText, char decimalPoint,
                 const MirrorPaths& ticked);

private:
    const MirrorAngle& angleFor(std::string_view alphaText, char decimalPoint);

    MirrorMode m_mode = MirrorMode::Plane;
    MirrorAngle m_angle = *MirrorAngle::fromDegrees(90);
    std::string m_description;
};

} // namespace lumenary
