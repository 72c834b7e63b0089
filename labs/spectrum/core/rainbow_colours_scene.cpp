#include "rainbow_colours_scene.h"

#include "parallel.h"

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
    std::vector<int> shown;
    for (int k = kMinOrder; k <= kMaxOrder; ++k)
        if (orders & orderBit(k))
            shown.push_back(k);
    // Each colour's curve apart, in its own place, and the sky beside them: the parts are
    // independent, so the scene is the same however they fall to the threads. The sky comes
    // first, being the longest part.
    const std::size_t colours = scene.wavelengths.size();
    std::vector<std::optional<ColourCurve>> curves(shown.size() * colours);
    const std::size_t half = (colours + 1) / 2;
    forEachPart(static_cast<int>(1 + 2 * shown.size()), [&](int part) {
        if (part == 0) {
            scene.sky = skyProfile(material, orders, static_cast<int>(colours), kSkyExtent, 0.05,
                                   skyRaysPerBranch(wavelengths));
            return;
        }
        const auto o = static_cast<std::size_t>((part - 1) / 2);
        const std::size_t from = (part - 1) % 2 == 0 ? 0 : half;
        const std::size_t to = (part - 1) % 2 == 0 ? half : colours;
        const int k = shown[o];
        for (std::size_t j = from; j < to; ++j) {
            const double nm = scene.wavelengths[j];
            const auto n = refractiveIndex(material, nm);
            if (!n || !(*n > 1.0))
                continue;
            ColourCurve c{nm, *n, sampleCurve(*n, k, incidence), {}, rainbowRay(*n, k)};
            c.minimum = minimumOfSamples(*n, k, c.values);
            curves[o * colours + j] = std::move(c);
        }
    });
    for (std::size_t o = 0; o < shown.size(); ++o) {
        const int k = shown[o];
        OrderCurves order{k, {}};
        order.colours.reserve(colours);
        for (std::size_t j = 0; j < colours; ++j) {
            std::optional<ColourCurve>& c = curves[o * colours + j];
            if (!c)
                continue;
            if (c->closed)
                scene.largestDisagreement =
                    std::max(scene.largestDisagreement,
                             std::fabs(c->minimum.deviation - c->closed->deviation));
            order.colours.push_back(std::move(*c));
        }
        if (const auto bow = bowOf(material, k))
            scene.bows.push_back(*bow);
        scene.orders.push_back(std::move(order));
    }
    scene.darkBand = darkBandWidth(material);
    return scene;
}

LinearRgb lineColour(double nanometres)
{
    const LinearRgb c = spectralHue(nanometres);
    const LinearRgb w = whiteBalance();
    return {c.r * w.r, c.g * w.g, c.b * w.b};
}

} // namespace lumenary::rainbow
