#include "rainbow_colours_scene.h"

#include <algorithm>
#include <cmath>

namespace lumenary::rainbow
{

namespace
{

// Rays traced per branch of the sky: fewer per colour when there are many colours, since
// neighbouring colours fill in between each other's rays.
int skyRaysPerBranch(int wavelengths)
{
    return std::clamp(12000 / std::max(wavelengths, 1), 24, 128);
}

// The per-primary weights that make the hues of the band add up to white.
LinearRgb whiteBalance()
{
    static const LinearRgb balance = [] {
        LinearRgb sum;
        const std::vector<double> nm = bandWavelengths(kMaxWavelengths);
        for (double lambda : nm) {
            const LinearRgb c = spectralHue(lambda);
            sum.r += c.r;
            sum.g += c.g;
            sum.b += c.b;
        }
        const auto count = static_cast<double>(nm.size());
        return LinearRgb{count / sum.r, count / sum.g, count / sum.b};
    }();
    return balance;
}

} // namespace

RainbowScene buildScene(const SellmeierMaterial& material, unsigned orders, int wavelengths)
{
    RainbowScene scene;
    scene.material = &material;
    scene.wavelengths = bandWavelengths(wavelengths);
    const std::vector<double> incidence = incidenceGrid(kCurveSamples);
    for (int k = kMinOrder; k <= kMaxOrder; ++k) {
        if (!(orders & orderBit(k)))
            continue;
        OrderCurves curves{k, {}};
        curves.colours.reserve(scene.wavelengths.size());
        for (double nm : scene.wavelengths) {
            const auto n = refractiveIndex(material, nm);
            if (!n || !(*n > 1.0))
                continue;
            ColourCurve c{nm, *n, sampleCurve(*n, k, incidence), {}, rainbowRay(*n, k)};
            c.minimum = minimumOfSamples(*n, k, c.values);
            if (c.closed)
                scene.largestDisagreement =
                    std::max(scene.largestDisagreement,
                             std::fabs(c.minimum.deviation - c.closed->deviation));
            curves.colours.push_back(std::move(c));
        }
        if (const auto bow = bowOf(material, k))
            scene.bows.push_back(*bow);
        scene.orders.push_back(std::move(curves));
    }
    scene.darkBand = darkBandWidth(material);
    scene.sky = skyProfile(material, orders, static_cast<int>(scene.wavelengths.size()), kSkyExtent,
                           0.05, skyRaysPerBranch(wavelengths));
    return scene;
}

LinearRgb lineColour(double nanometres)
{
    const LinearRgb c = spectralHue(nanometres);
    const LinearRgb w = whiteBalance();
    return {c.r * w.r, c.g * w.g, c.b * w.b};
}

} // namespace lumenary::rainbow
