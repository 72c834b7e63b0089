#include "glow_light.h"

#include <algorithm>
#include <cmath>

namespace lumenary::tools
{

void addGlowLine(LightImage& light, Vec2 a, Vec2 b, LinearRgb colour, double sigma)
{
    if (!(sigma > 0.0))
        return;
    const double reach = 3.0 * sigma;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - reach)));
    const int x1 =
        std::min(light.width() - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - reach)));
    const int y1 =
        std::min(light.height() - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + reach)));
    const Vec2 ab = b - a;
    const double ab2 = dot(ab, ab);
    const double twoSigma2 = 2.0 * sigma * sigma;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Vec2 p{x + 0.5, y + 0.5};
            const double t = ab2 > 0 ? std::clamp(dot(p - a, ab) / ab2, 0.0, 1.0) : 0.0;
            const Vec2 off = p - (a + t * ab);
            const double d2 = dot(off, off);
            if (d2 > reach * reach)
                continue;
            const double w = std::exp(-d2 / twoSigma2);
            light.addPixel(x, y, {colour.r * w, colour.g * w, colour.b * w});
        }
    }
}

QImage exposeFilm(const LightImage& light, double exposure)
{
    const auto film = [exposure](double v) { return 1.0 - std::exp(-exposure * v); };
    QImage image(light.width(), light.height(), QImage::Format_RGB32);
    for (int y = 0; y < light.height(); ++y) {
        for (int x = 0; x < light.width(); ++x) {
            const LinearRgb c = light.at(x, y);
            const Rgb shown = encodeSrgb({film(c.r), film(c.g), film(c.b)});
            image.setPixel(x, y, qRgb(shown.r, shown.g, shown.b));
        }
    }
    return image;
}

} // namespace lumenary::tools
