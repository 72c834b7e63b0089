// A draining soap film held in a wire ring, photographed against a dark room: the film is
// thinnest at the top (where it shows black) and thickens downwards, so the interference
// colours run in horizontal bands that crowd together towards the bottom, stirred by the slow
// swirls of a draining film.
#include "art.h"
#include "thin_film.h"

#include <algorithm>
#include <cmath>

namespace lumenary::tools
{

namespace
{

constexpr int kWidth = 200;
constexpr int kHeight = 159;
constexpr double kCentreX = 100.0;
constexpr double kCentreY = 79.0;
constexpr double kRing = 66.0; // radius of the wire's centre line
constexpr double kWire = 2.4;  // half the wire's thickness
constexpr double kFilmIndex = 1.33;
constexpr int kSamples = 4; // per pixel side

// Peak reflectance of a soap film (a quarter-wave film), used to expose the colours.
double peakReflectance()
{
    const double r = (kFilmIndex - 1.0) / (kFilmIndex + 1.0);
    return 4.0 * r * r / ((1.0 + r * r) * (1.0 + r * r));
}

// Film thickness in nanometres at a point inside the ring.
double thickness(double x, double y)
{
    const double u = std::clamp((y - (kCentreY - kRing)) / (2.0 * kRing), 0.0, 1.0);
    const double sx = (x - kCentreX) / kRing;
    // Draining: a black film of a few nanometres at the top, then a film whose thickness grows
    // faster than linearly with depth.
    double t = 6.0 + 850.0 * std::pow(std::max(0.0, u - 0.08), 1.35);
    // Slow swirls that bend the bands, stronger lower down where more liquid moves.
    const double swirl = 0.10 * std::sin(5.1 * sx + 7.0 * u + 0.6) +
                         0.06 * std::sin(11.3 * sx - 4.0 * u + 2.0) +
                         0.04 * std::sin(17.0 * sx * u + 13.0 * u);
    t *= 1.0 + swirl * (0.3 + u);
    // Thinner film rises along the rim (marginal regeneration).
    t *= 1.0 - 0.35 * std::pow(std::fabs(sx), 6.0);
    return std::max(t, 0.0);
}

// The film's colour, linear light.
LinearRgb filmColour(double x, double y)
{
    const LinearRgb c = thinFilmColour(thickness(x, y), kFilmIndex);
    const double gain = 1.05 / peakReflectance();
    LinearRgb v{c.r * gain, c.g * gain, c.b * gain};
    // A little extra saturation, as a photograph of a film shows it.
    const double grey = (v.r + v.g + v.b) / 3.0;
    const double boost = 1.8;
    v = {grey + boost * (v.r - grey), grey + boost * (v.g - grey), grey + boost * (v.b - grey)};
    // The lamp's reflection is strongest near the upper left.
    const double lamp =
        0.8 + 0.3 * std::exp(-(std::pow((x - 70) / 60.0, 2) + std::pow((y - 45) / 55.0, 2)));
    return {std::max(v.r, 0.0) * lamp, std::max(v.g, 0.0) * lamp, std::max(v.b, 0.0) * lamp};
}

// The dark room behind the film.
LinearRgb background(double x, double y)
{
    const double d = std::hypot((x - kCentreX) / kWidth, (y - kCentreY) / kHeight);
    const double v = 0.012 * std::max(0.0, 1.0 - 1.4 * d);
    return {v, v, v * 1.3};
}

// A shiny wire of round cross-section whose axis runs along `along`, lit from the upper left.
// `across` is the signed distance from the axis as a fraction of the half-thickness.
LinearRgb wireColour(double across, double alongX, double alongY)
{
    const double side = std::sqrt(std::max(0.0, 1.0 - across * across));
    // Surface normal: across the wire in the picture plane, and out of it.
    const double nx = across * alongY;
    const double ny = -across * alongX;
    const double nz = side;
    const double lx = -0.5, ly = -0.6, lz = 0.62; // towards the lamp (y grows downwards)
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    const double hx = lx, hy = ly, hz = lz + 1.0;
    const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    const double specular = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 24.0);
    const double v = 0.05 + 0.45 * diffuse + 0.9 * specular;
    return {v * 0.95, v * 0.93, v * 0.88};
}

// The colour at a point (pixel units, y downwards).
LinearRgb sceneAt(double x, double y)
{
    const double dx = x - kCentreX;
    const double dy = y - kCentreY;
    const double r = std::hypot(dx, dy);
    // The handle: a straight wire from the bottom of the ring down out of the picture.
    const double handleX = std::fabs(x - kCentreX);
    if (y > kCentreY + kRing && handleX < kWire * 1.2)
        return wireColour(handleX / (kWire * 1.2) * (x < kCentreX ? -1.0 : 1.0), 0.0, 1.0);
    if (std::fabs(r - kRing) < kWire && r > 0) {
        // Along the ring: perpendicular to the radius.
        return wireColour((r - kRing) / kWire, -dy / r, dx / r);
    }
    if (r < kRing)
        return filmColour(x, y);
    return background(x, y);
}

} // namespace

QImage renderSoapFilm()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            LinearRgb sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const LinearRgb c =
                        sceneAt(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            const double n = kSamples * kSamples;
            const Rgb shown = encodeSrgb({sum.r / n, sum.g / n, sum.b / n});
            image.setPixel(px, py, qRgb(shown.r, shown.g, shown.b));
        }
    }
    return image;
}

} // namespace lumenary::tools
