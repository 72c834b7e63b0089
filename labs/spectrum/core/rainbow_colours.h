#pragma once

#include "canvas.h"
#include "dispersion.h"
#include "optics_constants.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace lumenary::rainbow
{

// Light leaving a spherical drop after k internal reflections, for every colour. The drop has
// radius 1; sunlight arrives travelling along +x and meets it at the impact parameter b (the
// height above the axis through the drop's centre, 0 to 1), so sin i = b and sin r = b / n,
// with n the drop's index relative to the air around it.
//
// Angles are in degrees. The deviation D is the total clockwise turn of the ray:
// D = 2(i − r) + k(180° − 2r); it grows past 180° and 360° for k ≥ 2. What the observer sees is
// the angle from the antisolar point (the shadow of their head): 180° minus the angle between
// the leaving and the arriving direction, which depends on D only modulo 360°.

inline constexpr int kMinOrder = 1;
inline constexpr int kMaxOrder = 5;
// The bows' violet and red edges are the band's ends, kBandShort and kBandLong
// (optics_constants.h).
// The sun's angular diameter: every ray's light is spread over it on the sky.
inline constexpr double kSunDiameter = 0.53;

// The deviation of a ray at impact parameter b after k internal reflections; b is clamped to
// [0, 1], and n must exceed 1.
double deviation(double n, int k, double b);

// The angle from the antisolar point, 0° to 180°, of light deviated by D.
double antisolarAngle(double deviationDegrees);

// The rainbow ray of one order and index: where the deviation is least (the curve is flat,
// so the leaving light piles up there).
struct RainbowRay {
    double impact = 0;     // b
    double incidence = 0;  // i
    double refraction = 0; // r
    double deviation = 0;  // D
    double antisolar = 0;  // angle from the antisolar point
};

// In closed form: cos² i = (n² − 1) / (k(k + 2)). Nothing when n ≤ 1, n is not finite, k is
// outside 1..5, or the ray would have to meet the drop beyond its rim.
std::optional<RainbowRay> rainbowRay(double n, int k);

// The least deviation found numerically on the curve D(b) sampled at `samples` evenly spaced
// b from 0 to 1 (as it is plotted), refined by golden-section search between the neighbours of
// the smallest sample.
RainbowRay curveMinimum(double n, int k, int samples);

// The same search on a curve already sampled: values[j] = D(j / (size − 1)); at least 3 values.
RainbowRay minimumOfSamples(double n, int k, std::span<const double> values);

// D(b) at `samples` evenly spaced b from 0 to 1, both ends included.
std::vector<double> sampleCurve(double n, int k, int samples);

// The angles of incidence, in radians, at `samples` evenly spaced b: the same for every colour,
// so many curves can share them.
std::vector<double> incidenceGrid(int samples);

// D(b) at the b of an incidence grid.
std::vector<double> sampleCurve(double n, int k, std::span<const double> incidence);

// One bow of a liquid: the rainbow angles of its red and violet edges from the antisolar point,
// and the span of angles its colours cover. The colours between the edges have deviations
// between the edges' (the rainbow ray's deviation grows with the index, and the index falls
// with the wavelength across the band), but the angle from the antisolar point folds where the
// deviation passes a whole turn (180°, light sent back toward the sun) or half a turn (0°): a
// bow whose deviations cross a fold reaches it and turns back, so its colours cover more than
// the angles between its edges.
struct Bow {
    int order = 1;
    double red = 0;    // 700 nm
    double violet = 0; // 400 nm
    double inner = 0;  // the least angle any colour of the band reaches
    double outer = 0;  // the greatest
    // The angular width of the bow: the span its colours cover, outer − inner.
    double width() const { return outer - inner; }
    // True when the colours between the edges cross 0° or 180°.
    bool folded() const;
    // True when the red edge is farther from the antisolar point than the violet one.
    bool redOutside() const { return red > violet; }
};

// The bow whose rainbow rays are deviated by redDeviation (700 nm) and violetDeviation
// (400 nm), in degrees, with the span its colours cover.
Bow bowBetween(int k, double redDeviation, double violetDeviation);

// The bow of order k for a material, from the closed form; nothing when it has none.
std::optional<Bow> bowOf(const SellmeierMaterial& material, int k);

// Alexander's dark band: the secondary's inner edge minus the primary's outer edge (the spans
// their colours cover).
std::optional<double> darkBandWidth(const SellmeierMaterial& material);

// `count` wavelengths (clamped to kMinWavelengths..kMaxWavelengths) spread evenly over the
// band by bandWavelength, both ends included.
std::vector<double> bandWavelengths(int count);

// The share of a ray's energy that leaves after exactly k internal reflections: transmitted
// in, reflected k times, transmitted out, by Fresnel's formulas for unpolarised sunlight
// (each polarisation followed separately, then averaged).
double leavingShare(double n, int k, double b);

// The deviation and the leaving share of one ray together, for tracing many rays.
struct LeavingRay {
    double deviation = 0;
    double share = 0;
};
LeavingRay leavingRay(double n, int k, double b);

// The path of one ray through the drop of radius 1 about the origin: the entry point, the k
// points of reflection, the exit point, and the unit direction in which it leaves. `side` +1
// sends the ray in above the axis, −1 below (a mirror image).
struct DropPath {
    std::array<Point, kMaxOrder + 2> points{};
    int count = 0;
    Point exitDirection;
};
DropPath dropPath(double n, int k, double b, int side);

// The side of the drop from which rays of this order leave downwards (toward an observer
// below the drop), so that every order can be drawn reaching the same observer.
int downwardSide(double deviationDegrees);

} // namespace lumenary::rainbow
