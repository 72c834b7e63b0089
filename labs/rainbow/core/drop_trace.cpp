#include "drop_trace.h"

#include "drop_description.h"
#include "lab_pi.h"
#include "numbers.h"

#include <cmath>

namespace lumenary::drop
{

double asin(double t)
{
    double x = t * (-t);
    x = x + 1;
    x = std::sqrt(x);
    x = t / x;
    return std::atan(x);
}

float incidenceHeight(int scrollValue)
{
    // Worked out in double and then stored in single precision: subtracting in float would
    // show 0.08999997 for 0.09.
    return static_cast<float>(1 - scrollValue / 100.0);
}

std::optional<std::int64_t> chordCount(double reflections)
{
    const double end = reflections + 1; // fixed before the first pass, as a double
    if (std::isnan(end))
        return std::nullopt;
    if (end < 1)
        return 0;
    return floorToInteger(end, 1, kMaxChords);
}

DropResult traceDrop(const DropFields& fields, Canvas& canvas)
{
    const double pi = arctanPi();
    const Rgb colour = palette(kRayColour);
    const char dp = fields.decimalPoint;
    DropResult result;

    if (fields.clearAutomatically)
        canvas.clear();
    canvas.setScale(-2, 2, 2, -2);
    Shown height = shownReadout(incidenceHeight(fields.scrollValue), Precision::Single7, dp);
    result.f = std::move(height.text);

    const auto shown = height.value;
    const auto n1 = parseNumber(fields.n1, dp);
    const auto n2 = parseNumber(fields.n2, dp);
    const bool denser = n1 && n2 && *n1 > 0 && *n1 < *n2;
    result.description = describeDrop(std::nullopt, shown.value_or(0), denser, dp);
    if (!shown || !denser)
        return result;
    const double b = *shown;
    // asin divides by zero at |t| = 1; with 0 < n1 < n2 the refracted argument is smaller still.
    if (!(std::fabs(b) < 1))
        return result;
    const auto reflections = parseNumber(fields.reflections, dp);
    if (!reflections)
        return result;
    const auto chords = chordCount(*reflections);
    if (!chords)
        return result;

    const double theta1 = asin(b);
    result.theta2 = formatReadout(theta1 * 180 / pi, Precision::Double15, dp);
    canvas.line({2, b}, {std::cos(theta1), b}, colour);

    const double theta2 = asin(b * (*n1 / *n2));
    result.alpha2 = formatReadout(theta2 * 180 / pi, Precision::Double15, dp);

    const double step = pi - 2 * theta2; // polar angle swept by one chord
    double phi = theta1;
    for (std::int64_t i = 1; i <= *chords; ++i) {
        phi = phi + step;
        canvas.lineTo({std::cos(phi), std::sin(phi)}, colour);
    }

    // The exit point plus a unit vector in the direction phi + theta1.
    const double reach = 2 * std::cos(theta1 / 2);
    canvas.lineTo({reach * std::cos(phi + theta1 / 2), reach * std::sin(phi + theta1 / 2)}, colour);
    const double deviation = (theta1 + phi - pi) * 180 / pi;
    result.D = formatReadout(deviation, Precision::Double15, dp);
    const DropPath path{b, theta1 * 180 / pi, theta2 * 180 / pi, *chords, deviation};
    result.description = describeDrop(path, b, true, dp);
    return result;
}

} // namespace lumenary::drop
