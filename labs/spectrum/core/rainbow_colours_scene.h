#pragma once

#include "dispersion.h"
#include "rainbow_colours.h"
#include "rainbow_colours_sky.h"
#include "spectral_colour.h"

#include <optional>
#include <vector>

namespace lumenary::rainbow
{

// One colour's deviation curve for one order, as the chart plots it.
struct ColourCurve {
    double nanometres = 0;
    double index = 0;
    std::vector<double> values;       // D at evenly spaced b from 0 to 1
    RainbowRay minimum;               // found on the plotted samples
    std::optional<RainbowRay> closed; // from the closed form
};

// Every colour of one order.
struct OrderCurves {
    int order = 1;
    std::vector<ColourCurve> colours; // from violet to red
};

// All that the window's pictures and read-outs show for one setting of its controls.
struct RainbowScene {
    const SellmeierMaterial* material = nullptr;
    std::vector<double> wavelengths;
    std::vector<OrderCurves> orders; // the orders shown, ascending
    std::vector<Bow> bows;           // the bows of the orders shown
    std::optional<double> darkBand;  // Alexander's dark band of the liquid
    // The largest difference between a curve's numerical minimum and the closed form, degrees.
    double largestDisagreement = 0;
    SkyProfile sky; // 0° to 60° from the antisolar point
};

// Samples per deviation curve: every 1/120 of the impact parameter.
inline constexpr int kCurveSamples = 121;
// How far from the antisolar point the sky is shown.
inline constexpr double kSkyExtent = 60.0;

// Builds the scene for a material, a set of orders (orderBit values) and a count of colours.
RainbowScene buildScene(const SellmeierMaterial& material, unsigned orders, int wavelengths);

// The colour of a line of one wavelength in the pictures: its hue at full brightness, weighted
// per primary so that equal amounts of every colour from 400 to 700 nm add up to neutral white.
// The eye's dimness at the ends of the spectrum is left out here so that a violet or a deep red
// line stays visible; the sky keeps it.
LinearRgb lineColour(double nanometres);

} // namespace lumenary::rainbow
