#include "prism_lab.h"

#include "numbers.h"
#include "prism_description.h"

#include <algorithm>

namespace lumenary
{

namespace
{

// The shared first step of every drawing action: rotation text, geometry, outline.
PrismGeometry DrawPrism(const PrismFields& fields, double apexDegrees, bool levelGuard,
                        Canvas& canvas, PrismReadouts& readouts)
{
    const double pi = prismPi();
    const double phi = apexDegrees * pi / 180;
    const double rotation = rotationDegrees(apexDegrees, fields.scroll);
    Shown angle = shownReadout(rotation, Precision::Double15, fields.decimalPoint);
    // The rotation is taken from its text, as shown; a rotation too large to show is used as
    // computed (it gives no drawable prism).
    const double shown = angle.value.value_or(rotation);
    if (!angle.text.empty())
        readouts.angle = std::move(angle.text);
    double theta = shown * pi / 180;
    if (levelGuard && theta == 0)
        theta = 0.0001;
    const PrismGeometry prism = prismGeometry(phi, theta);
    drawOutline(canvas, prism);
    return prism;
}

// The sentence for the prism as drawn: its apex angle and the rotation its text shows.
std::string prismSentence(const PrismFields& fields, double apexDegrees,
                          const PrismReadouts& readouts)
{
    const double rotation = readouts.angle
                                ? parseNumber(*readouts.angle, fields.decimalPoint)
                                      .value_or(rotationDegrees(apexDegrees, fields.scroll))
                                : rotationDegrees(apexDegrees, fields.scroll);
    return describePrism(apexDegrees, rotation, fields.decimalPoint);
}

} // namespace

bool apexAccepted(const std::string& text, char decimalPoint)
{
    const auto value = parseNumber(text, decimalPoint);
    return value && *value > 0;
}

PrismAction plotPrism(const PrismFields& fields, Canvas& canvas)
{
    PrismAction action;
    const auto apex = parseNumber(fields.phi, fields.decimalPoint);
    if (!apex)
        return action;
    action.acted = true;
    DrawPrism(fields, *apex, false, canvas, action.readouts);
    action.description = prismSentence(fields, *apex, action.readouts);
    return action;
}

PrismAction plotOneRay(const PrismFields& fields, Canvas& canvas)
{
    PrismAction action;
    const char dp = fields.decimalPoint;
    const auto apex = parseNumber(fields.phi, dp);
    const auto n1 = parseNumber(fields.n1, dp);
    const auto n2 = parseNumber(fields.n2, dp);
    const auto h = parseNumber(fields.yh, dp);
    if (!apex || !n1 || !n2 || !h)
        return action;
    action.acted = true;
    const RaySetting setting{DrawPrism(fields, *apex, true, canvas, action.readouts), *n1, *n2, dp};
    if (!setting.prism.finite())
        return action;
    action.description = prismSentence(fields, *apex, action.readouts);
    double e = 0;
    const RayOutcome outcome = PlotRay(canvas, setting, *h, e, action.readouts);
    action.description +=
        " " + describeOneRay(*h, outcome, e * 180 / prismPi(), fields.decimalPoint);
    return action;
}

PrismAction plotFan(const PrismFields& fields, Canvas& canvas)
{
    PrismAction action;
    const char dp = fields.decimalPoint;
    const auto apex = parseNumber(fields.phi, dp);
    const auto n1 = parseNumber(fields.n1, dp);
    const auto n2 = parseNumber(fields.n2, dp);
    const auto rays = parseNumber(fields.nray, dp);
    if (!apex || !n1 || !n2 || !rays)
        return action;
    // The loop runs for j = 1, 2, ... while j <= N: a fractional N counts its whole part, and
    // N below 1 traces nothing.
    const auto count = floorToInteger(std::max(*rays, 0.0), 0, kMaxFanRays);
    if (!count)
        return action;
    action.acted = true;
    const RaySetting setting{DrawPrism(fields, *apex, false, canvas, action.readouts), *n1, *n2,
                             dp};
    if (!setting.prism.finite())
        return action;
    const PrismGeometry& p = setting.prism;
    const double top = p.p1.y;
    const double bottom = fields.check2 ? std::min({p.p1.y, p.p2.y, p.p3.y}) : p.p2.y;
    const double n = *rays;
    double e = 0;
    FanCount counted{*count, 0, 0, 0};
    double lastExit = 0;
    for (std::int64_t j = 1; j <= *count; ++j) {
        const double y = -kFrame + 2 * kFrame * static_cast<double>(j) / (n + 1);
        if (y > top || y < bottom) {
            if (!fields.check1)
                canvas.line({-kFrame, y}, {kFrame, y}, palette(kRayColour));
            continue;
        }
        const RayOutcome outcome = PlotRay(canvas, setting, y, e, action.readouts);
        ++counted.traced;
        if (outcome.left) {
            ++counted.left;
            lastExit = e;
        } else if (outcome.exit) {
            ++counted.reflected;
        }
    }
    action.description = prismSentence(fields, *apex, action.readouts) + " " +
                         describeFan(counted, lastExit * 180 / prismPi(), fields.decimalPoint);
    return action;
}

} // namespace lumenary
