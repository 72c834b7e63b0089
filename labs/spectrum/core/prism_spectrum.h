#pragma once

#include "canvas.h"
#include "optics_constants.h"
#include "spectral_colour.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace lumenary
{

// The ranges of the Prism Spectrum controls.
inline constexpr double kSpectrumApexMin = 10.0;
inline constexpr double kSpectrumApexMax = 80.0;
inline constexpr double kSpectrumIncidenceMax = 89.0;
// The white light is sampled over the band of optics_constants.h (kBandShort to kBandLong), in
// kMinWavelengths to kMaxWavelengths colours spaced by bandWavelength.

// A single ray, or a narrow parallel beam falling on the middle of the first face.
enum class BeamWidth { SingleRay, NarrowBeam };

// What the student has set: the material (an index into dispersiveMaterials()), the apex angle
// and the angle of incidence on the first face in degrees, the number of wavelengths, the beam.
struct PrismSpectrumSettings {
    std::size_t material = 2; // crown glass N-BK7
    double apex = 60.0;
    double incidence = 50.0;
    int wavelengths = 40;
    BeamWidth beam = BeamWidth::SingleRay;
};

// The settings brought inside their ranges; a non-finite angle takes its starting value.
PrismSpectrumSettings withinRange(PrismSpectrumSettings settings);

// The prism's index at a wavelength. The catalogue indices are measured against air, and the
// prism stands in air, so they are its index relative to its surroundings as they stand.
double prismIndex(const PrismSpectrumSettings& settings, double nanometres);

// The deviation in degrees of a ray that meets the first face at incidence (degrees) in a prism
// of that apex angle and relative index n: δ = θ₁ + θ₄ − A, with sin θ₁ = n sin θ₂, θ₃ = A − θ₂
// and sin θ₄ = n sin θ₃. Nothing when the ray is totally reflected at the second face.
std::optional<double> prismDeviation(double n, double apex, double incidence);

// The smallest incidence from which a ray leaves by the second face; nothing when no incidence
// up to 89° does (every ray is totally reflected inside).
std::optional<double> firstEmergingIncidence(double n, double apex);

// The least deviation and the incidence giving it.
struct DeviationMinimum {
    double incidence = 0.0;
    double deviation = 0.0;
};

// The minimum of δ(incidence) found numerically (golden-section search over the incidences that
// emerge, where δ has a single minimum); nothing when it does not lie inside 0°–89°.
std::optional<DeviationMinimum> findMinimumDeviation(double n, double apex);

// The closed form for a symmetric passage, δ_min = 2 asin(n sin(A/2)) − A; nothing when
// n sin(A/2) > 1.
std::optional<double> symmetricMinimumDeviation(double n, double apex);

// What a spectrometer concludes from a measured minimum: n = sin((A + δ_min)/2) / sin(A/2).
double indexFromMinimumDeviation(double apex, double minimumDeviation);

// Everything the read-outs show, for the d, F and C lines.
struct PrismSpectrumReadings {
    double indexD = 0.0;
    double indexF = 0.0;
    double indexC = 0.0;
    double abbe = 0.0;
    std::optional<double> deviationD;
    std::optional<double> deviationF;
    std::optional<double> deviationC;
    std::optional<DeviationMinimum> minimumD;
    std::optional<double> spreadFC;      // δ_F − δ_C at the present incidence
    std::optional<double> measuredIndex; // the spectrometer's answer from minimumD
};

PrismSpectrumReadings prismSpectrumReadings(const PrismSpectrumSettings& settings);

// δ against incidence for one wavelength, over the incidences that emerge, with its minimum and
// the deviation at the present incidence.
struct DeviationCurve {
    double nanometres = 0.0;
    std::vector<Point> points; // (incidence, deviation) in degrees
    std::optional<DeviationMinimum> minimum;
    std::optional<double> present;
};

// The curves of the F, d and C lines, each sampled at up to samples incidences.
std::array<DeviationCurve, 3> deviationCurves(const PrismSpectrumSettings& settings, int samples);

// The path of one wavelength after the first face: where it enters, where it meets the next face
// and where it ends (far off after leaving, or at the next face after a total reflection).
struct TracedRay {
    LinearRgb light;
    std::array<Point, 3> path;
    bool totallyReflected = false;
};

// The prism, the white light coming in and every wavelength traced through it, in scene units.
struct PrismScene {
    std::array<Point, 3> prism;                 // apex, left and right ends of the base
    std::vector<std::array<Point, 2>> incoming; // one white segment per parallel ray
    LinearRgb white;                            // the light of each incoming segment
    std::vector<TracedRay> rays;
    std::array<Point, 2> normal; // the first face's normal at the middle of the beam
    int reflectedColours = 0;    // wavelengths totally reflected inside
};

// The part of the scene a picture shows: left, top, right, bottom in scene units.
inline constexpr std::array<double, 4> kSpectrumSceneView{-5.5, 4.5, 11.5, -5.5};

// Traces every wavelength through the prism by Snell's law at each face. A ray totally reflected
// inside is followed to the next face and ends there. Every point is finite.
PrismScene traceSpectrum(const PrismSpectrumSettings& settings);

} // namespace lumenary
