// White light through a glass prism, photographed in a dark room: a narrow white beam rises
// to the prism's left face, crosses the glass, and leaves
// the right face fanned out into a spectrum. Each wavelength of the beam is traced through the
// prism on its own and the light is added up, so the colours mix to white where they overlap
// and part as they spread. Glass disperses less than drawn here: the spread is enlarged so the
// spectrum is wide at this size.
#include "art.h"
#include "art_materials.h"
#include "glow_light.h"
#include "optics_constants.h"
#include "ray_optics.h"

#include <array>
#include <cmath>

namespace lumenary::tools
{

namespace
{

constexpr int kWidth = 320;
constexpr int kHeight = 194;
constexpr double kSide = 118.0;
constexpr Vec2 kApex{178.0, 34.0}; // pixels, y downwards
constexpr double kDispersionScale = 2.9;
constexpr double kMiddleNm = 560.0;
constexpr double kBeamWidth = 3.5;
constexpr int kBeamRays = 9;
constexpr int kWavelengths = 121; // over the band of white light, 2.5 nm apart

std::array<Vec2, 3> prismCorners()
{
    const double h = kSide * std::sqrt(3.0) / 2.0;
    return {kApex, Vec2{kApex.x + kSide / 2.0, kApex.y + h},
            Vec2{kApex.x - kSide / 2.0, kApex.y + h}};
}

// The prism's index at a wavelength, its spread enlarged.
std::optional<double> prismIndex(double nm)
{
    return drawnIndex(kPrismMaterial, nm, kMiddleNm, kDispersionScale);
}

// Where a ray from p along d leaves the picture.
Vec2 toEdge(Vec2 p, Vec2 d)
{
    double t = 1e9;
    if (d.x < 0)
        t = std::min(t, (-8.0 - p.x) / d.x);
    if (d.x > 0)
        t = std::min(t, (kWidth + 8.0 - p.x) / d.x);
    if (d.y < 0)
        t = std::min(t, (-8.0 - p.y) / d.y);
    if (d.y > 0)
        t = std::min(t, (kHeight + 8.0 - p.y) / d.y);
    return p + t * d;
}

LinearRgb scaled(LinearRgb c, double s)
{
    return {c.r * s, c.g * s, c.b * s};
}

void drawPrism(LightImage& light, const std::array<Vec2, 3>& c)
{
    // The glass catches a little light along its edges and over its faces.
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Vec2 p{x + 0.5, y + 0.5};
            bool inside = true;
            for (int i = 0; i < 3; ++i) {
                const Vec2 e = c[(i + 1) % 3] - c[i];
                if (cross(e, p - c[i]) < 0)
                    inside = false;
            }
            if (inside) {
                const double v = 0.004 + 0.006 * (p.y - kApex.y) / kSide;
                light.addPixel(x, y, {v * 0.8, v * 0.9, v * 1.1});
            }
        }
    }
    for (int i = 0; i < 3; ++i) {
        addGlowLine(light, c[i], c[(i + 1) % 3], {0.035, 0.042, 0.055}, 0.55);
        addGlowLine(light, c[i], c[(i + 1) % 3], {0.004, 0.005, 0.007}, 2.5);
    }
}

} // namespace

QImage renderSpectrum()
{
    const auto n = prismIndex(kMiddleNm);
    if (!n)
        return {};
    LightImage light(kWidth, kHeight);
    const auto corners = prismCorners();
    drawPrism(light, corners);

    // The beam arrives at minimum deviation for the middle of the spectrum: it rises at half
    // the deviation and crosses the glass parallel to the base.
    const double halfDeviation = std::asin(*n / 2.0) - 30.0 * kDegree;
    const Vec2 along{std::cos(halfDeviation), -std::sin(halfDeviation)};
    const Vec2 across = perpendicular(along);
    const Vec2 faceMiddle = 0.5 * (corners[0] + corners[2]);
    const Vec2 aim = faceMiddle + 6.0 * Vec2{0, 1};
    const Vec2 start = aim - 400.0 * along;

    LinearRgb white;
    for (int w = 0; w < kWavelengths; ++w) {
        const LinearRgb c = spectralColour(bandWavelength(w, kWavelengths));
        white = {white.r + c.r, white.g + c.g, white.b + c.b};
    }
    const double perRay = 1.0 / kBeamRays;
    for (int w = 0; w < kWavelengths; ++w) {
        const double nm = bandWavelength(w, kWavelengths);
        const auto index = prismIndex(nm);
        if (!index)
            continue;
        const LinearRgb raw = spectralColour(nm);
        // Balanced so that all wavelengths together make white.
        const LinearRgb c{raw.r / white.r, raw.g / white.g, raw.b / white.b};
        for (int k = 0; k < kBeamRays; ++k) {
            const double offset = kBeamWidth * ((k + 0.5) / kBeamRays - 0.5);
            const auto path = tracePrism(corners, start + offset * across, along, *index);
            if (!path)
                continue;
            const Vec2 entry = path->points[1];
            const Vec2 exit = path->points[2];
            addGlowLine(light, path->points[0], entry, scaled(c, 1.2 * perRay), 0.7);
            addGlowLine(light, entry, exit, scaled(c, 0.35 * perRay), 0.7);
            const Vec2 end = toEdge(exit, path->exitDirection);
            addGlowLine(light, exit, end, scaled(c, 2.2 * perRay), 0.9);
            addGlowLine(light, exit, end, scaled(c, 0.25 * perRay), 4.0);
        }
    }
    return exposeFilm(light, 2.0);
}

} // namespace lumenary::tools
