#pragma once

#include "dispersion.h"
#include "spectral_colour.h"

#include <vector>

namespace lumenary::rainbow
{

// The sky as an observer sees it with the sun behind them and drops everywhere in front: the
// light arriving from each angle from the antisolar point, summed over the chosen colours and
// orders, in linear light per unit solid angle (arbitrary units, the same for every setting).
//
// Geometric optics: the sunlight falling on a drop between b and b + db (a share 2b db of it)
// times the share that leaves after k reflections goes to the ring of the sky between the
// angles it leaves at, so a colour's brightness is that energy over the ring's solid angle.
// At the rainbow angle the ring is infinitely thin and the brightness would be infinite; the
// sun is not a point, though, so each direction receives light from the whole solar disc:
// the profile is smoothed over the sun's angular diameter (a disc seen edge-on, weighted by
// its chord), which bounds the peak.
struct SkyProfile {
    double step = 0.05;           // degrees per sample
    std::vector<LinearRgb> light; // sample j covers [j·step, (j + 1)·step)

    // The light at an angle from the antisolar point; black outside the profile.
    LinearRgb at(double degrees) const;
    // The mean brightness (r + g + b) over the samples between two angles.
    double meanBrightness(double from, double to) const;
    // The brightest sample's largest component.
    double peak() const;
};

// Bit of an order (1..5) in a set of orders.
constexpr unsigned orderBit(int k)
{
    return 1u << (k - 1);
}

// The profile from 0° to maxAngle for a material, the orders in `orders` (orderBit values)
// and `wavelengths` colours spread evenly over 400–700 nm. raysPerBranch rays are traced on
// each side of the rainbow ray for every colour and order.
SkyProfile skyProfile(const SellmeierMaterial& material, unsigned orders, int wavelengths,
                      double maxAngle = 60.0, double step = 0.05, int raysPerBranch = 128);

} // namespace lumenary::rainbow
