// The primary rainbow in one drop: a white ray enters the upper half of a round water drop,
// splits into colours as it refracts, reflects once off the back of the drop and leaves
// downwards to the left, red leaving at a larger angle than violet. The dispersion is drawn
// several times stronger than water's so the colours part visibly at this size.
#include "art.h"
#include "art_materials.h"
#include "glow_light.h"
#include "ray_optics.h"

#include <array>
#include <cmath>
#include <numbers>

namespace lumenary::tools
{

namespace
{

constexpr int kWidth = 253;
constexpr int kHeight = 214;
constexpr Vec2 kCentre{162.0, 90.0}; // pixels, y downwards
constexpr double kRadius = 62.0;
constexpr double kImpact = 0.86; // near the rainbow ray of water
constexpr double kDispersionScale = 9.0;
constexpr double kMiddleNm = 589.0;

// The colours shown, violet to red.
constexpr std::array<double, 7> kWavelengths{410, 450, 480, 520, 570, 600, 650};

// Pixel position of a point traced with y upwards about the drop's centre.
Vec2 toPixels(Vec2 p)
{
    return {p.x, -p.y};
}

// The point where a ray leaving from p along d meets the edge of the picture.
Vec2 toEdge(Vec2 p, Vec2 d)
{
    double t = 1e9;
    if (d.x < 0)
        t = std::min(t, (-5.0 - p.x) / d.x);
    if (d.x > 0)
        t = std::min(t, (kWidth + 5.0 - p.x) / d.x);
    if (d.y < 0)
        t = std::min(t, (-5.0 - p.y) / d.y);
    if (d.y > 0)
        t = std::min(t, (kHeight + 5.0 - p.y) / d.y);
    return p + t * d;
}

void addGlowingSegment(LightImage& light, Vec2 a, Vec2 b, LinearRgb c, double strength)
{
    addGlowLine(light, a, b, {c.r * strength, c.g * strength, c.b * strength}, 0.6);
    const double halo = 0.06 * strength;
    addGlowLine(light, a, b, {c.r * halo, c.g * halo, c.b * halo}, 2.2);
}

void drawDrop(LightImage& light)
{
    // A faint body of water and a brighter rim, as a lit drop shows them.
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double r = std::hypot(x + 0.5 - kCentre.x, y + 0.5 - kCentre.y) / kRadius;
            if (r < 1.0) {
                const double v = 0.006 + 0.012 * r * r * r * r;
                light.addPixel(x, y, {v * 0.5, v * 0.8, v * 1.4});
            }
        }
    }
    constexpr int kSteps = 360;
    for (int i = 0; i < kSteps; ++i) {
        const double a0 = 2.0 * std::numbers::pi * i / kSteps;
        const double a1 = 2.0 * std::numbers::pi * (i + 1) / kSteps;
        const Vec2 p0 = kCentre + kRadius * direction(a0);
        const Vec2 p1 = kCentre + kRadius * direction(a1);
        addGlowLine(light, p0, p1, {0.06, 0.10, 0.17}, 0.6);
        addGlowLine(light, p0, p1, {0.004, 0.007, 0.012}, 2.5);
    }
}

} // namespace

QImage renderDrop()
{
    LightImage light(kWidth, kHeight);
    drawDrop(light);

    const Vec2 centre = toPixels(kCentre);
    bool whiteDrawn = false;
    for (double nm : kWavelengths) {
        const auto n = drawnIndex(kDropMaterial, nm, kMiddleNm, kDispersionScale);
        const auto path = n ? tracePrimaryRainbow(centre, kRadius, kImpact, *n) : std::nullopt;
        if (!path)
            continue;
        const Vec2 entry = toPixels(path->points[1]);
        const Vec2 back = toPixels(path->points[2]);
        const Vec2 exit = toPixels(path->points[3]);
        const Vec2 leaving = toPixels(path->exitDirection);
        if (!whiteDrawn) {
            // The arriving white ray, from the left edge to the drop.
            addGlowingSegment(light, {-5.0, entry.y}, entry, {1.0, 1.0, 1.0}, 1.3);
            whiteDrawn = true;
        }
        const LinearRgb c = spectralHue(nm);
        addGlowingSegment(light, entry, back, c, 0.45);
        addGlowingSegment(light, back, exit, c, 0.45);
        addGlowingSegment(light, exit, toEdge(exit, leaving), c, 0.8);
    }
    return exposeFilm(light, 2.2);
}

} // namespace lumenary::tools
