#include "mirror_lab_core.h"

#include "mirror_description.h"
#include "numbers.h"
#include "plane_mirror_core.h"

namespace lumenary
{

std::optional<MirrorAngle> MirrorLab::acceptedAngle(std::string_view text, char decimalPoint)
{
    const auto value = parseNumber(text, decimalPoint);
    if (!value)
        return std::nullopt;
    return MirrorAngle::fromDegrees(*value);
}

const MirrorAngle& MirrorLab::angleFor(std::string_view alphaText, char decimalPoint)
{
    if (const auto angle = acceptedAngle(alphaText, decimalPoint))
        m_angle = *angle;
    return m_angle;
}

void MirrorLab::enterPlaneMirror(Canvas& canvas)
{
    m_mode = MirrorMode::Plane;
    drawPlaneMirrorScene(canvas);
    m_description = describeMirrorScene(false, m_angle, '.');
}

void MirrorLab::enterTwoMirrors(Canvas& canvas, std::string_view alphaText, char decimalPoint)
{
    m_mode = MirrorMode::TwoMirrors;
    drawTwoMirrorScene(canvas, angleFor(alphaText, decimalPoint));
    m_description = describeMirrorScene(true, m_angle, decimalPoint);
}

bool MirrorLab::angleEdited(Canvas& canvas, std::string_view alphaText, char decimalPoint)
{
    if (!acceptedAngle(alphaText, decimalPoint))
        return false;
    enterTwoMirrors(canvas, alphaText, decimalPoint);
    return true;
}

void MirrorLab::clear(Canvas& canvas, std::string_view alphaText, char decimalPoint)
{
    if (m_mode == MirrorMode::Plane)
        drawPlaneMirrorScene(canvas);
    else
        drawTwoMirrorScene(canvas, angleFor(alphaText, decimalPoint));
    m_description = describeMirrorScene(m_mode == MirrorMode::TwoMirrors, m_angle, decimalPoint);
}

void MirrorLab::release(Canvas& canvas, Point eye, std::string_view alphaText, char decimalPoint,
                        const MirrorPaths& ticked)
{
    if (m_mode == MirrorMode::Plane) {
        drawSingleReflection(canvas, eye);
        m_description = describeSingleReflection(eye, decimalPoint);
    } else {
        drawTwoMirrorPaths(canvas, angleFor(alphaText, decimalPoint), eye, ticked);
        m_description = describeTwoMirrorPaths(m_angle, eye, ticked, decimalPoint);
    }
}

} // namespace lumenary
