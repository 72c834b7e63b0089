#include "rainbow_colours.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::rainbow
{

namespace
{

constexpr double kDegree = std::numbers::pi / 180.0;

bool validOrder(int k)
{
    return k >= kMinOrder && k <= kMaxOrder;
}

// Reflectance of one polarisation at a surface met at i outside (r inside); the same for a
// reflection inside met at r, so one value serves the way in, every reflection and the way out.
struct Reflectance {
    double s = 0;
    double p = 0;
};

Reflectance reflectance(double n, double i, double r)
{
    const double ci = std::cos(i);
    const double cr = std::cos(r);
    const double rs = (ci - n * cr) / (ci + n * cr);
    const double rp = (n * ci - cr) / (n * ci + cr);
    return {rs * rs, rp * rp};
}

} // namespace

double deviation(double n, int k, double b)
{
    const double i = std::asin(std::clamp(b, 0.0, 1.0));
    const double r = std::asin(std::sin(i) / n);
    return (2.0 * (i - r) + k * (std::numbers::pi - 2.0 * r)) / kDegree;
}

double antisolarAngle(double deviationDegrees)
{
    // The turn modulo a full circle, then the angle between leaving and arriving directions.
    double turn = std::fmod(deviationDegrees, 360.0);
    if (turn < 0.0)
        turn += 360.0;
    const double between = turn <= 180.0 ? turn : 360.0 - turn;
    return 180.0 - between;
}

std::optional<RainbowRay> rainbowRay(double n, int k)
{
    if (!std::isfinite(n) || !(n > 1.0) || !validOrder(k))
        return std::nullopt;
    const double cos2 = (n * n - 1.0) / (k * (k + 2));
    if (!(cos2 < 1.0))
        return std::nullopt;
    RainbowRay ray;
    const double i = std::acos(std::sqrt(cos2));
    const double r = std::asin(std::sin(i) / n);
    ray.impact = std::sin(i);
    ray.incidence = i / kDegree;
    ray.refraction = r / kDegree;
    ray.deviation = (2.0 * (i - r) + k * (std::numbers::pi - 2.0 * r)) / kDegree;
    ray.antisolar = antisolarAngle(ray.deviation);
    return ray;
}

RainbowRay curveMinimum(double n, int k, int samples)
{
    samples = std::max(samples, 3);
    const double step = 1.0 / (samples - 1);
    int best = 0;
    double bestD = deviation(n, k, 0.0);
    for (int j = 1; j < samples; ++j) {
        const double d = deviation(n, k, j * step);
        if (d < bestD) {
            bestD = d;
            best = j;
        }
    }
    // Golden-section search between the smallest sample's neighbours.
    double lo = std::max(0, best - 1) * step;
    double hi = std::min(samples - 1, best + 1) * step;
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    double x1 = hi - g * (hi - lo);
    double x2 = lo + g * (hi - lo);
    double f1 = deviation(n, k, x1);
    double f2 = deviation(n, k, x2);
    for (int iter = 0; iter < 80 && hi - lo > 1e-12; ++iter) {
        if (f1 < f2) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - g * (hi - lo);
            f1 = deviation(n, k, x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + g * (hi - lo);
            f2 = deviation(n, k, x2);
        }
    }
    RainbowRay ray;
    ray.impact = 0.5 * (lo + hi);
    ray.deviation = deviation(n, k, ray.impact);
    ray.incidence = std::asin(ray.impact) / kDegree;
    ray.refraction = std::asin(ray.impact / n) / kDegree;
    ray.antisolar = antisolarAngle(ray.deviation);
    return ray;
}

double Bow::width() const
{
    return std::fabs(red - violet);
}

std::optional<Bow> bowOf(const SellmeierMaterial& material, int k)
{
    const auto nRed = refractiveIndex(material, kBandLong);
    const auto nViolet = refractiveIndex(material, kBandShort);
    if (!nRed || !nViolet)
        return std::nullopt;
    const auto red = rainbowRay(*nRed, k);
    const auto violet = rainbowRay(*nViolet, k);
    if (!red || !violet)
        return std::nullopt;
    return Bow{k, red->antisolar, violet->antisolar};
}

std::optional<double> darkBandWidth(const SellmeierMaterial& material)
{
    const auto primary = bowOf(material, 1);
    const auto secondary = bowOf(material, 2);
    if (!primary || !secondary)
        return std::nullopt;
    const double primaryOuter = std::max(primary->red, primary->violet);
    const double secondaryInner = std::min(secondary->red, secondary->violet);
    return secondaryInner - primaryOuter;
}

std::vector<double> bandWavelengths(int count)
{
    count = std::clamp(count, kMinWavelengths, kMaxWavelengths);
    std::vector<double> nm(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j)
        nm[static_cast<std::size_t>(j)] = kBandShort + (kBandLong - kBandShort) * j / (count - 1);
    return nm;
}

double leavingShare(double n, int k, double b)
{
    const double i = std::asin(std::clamp(b, 0.0, 1.0));
    const double r = std::asin(std::sin(i) / n);
    const Reflectance f = reflectance(n, i, r);
    const double s = (1.0 - f.s) * (1.0 - f.s) * std::pow(f.s, k);
    const double p = (1.0 - f.p) * (1.0 - f.p) * std::pow(f.p, k);
    return 0.5 * (s + p);
}

DropPath dropPath(double n, int k, double b, int side)
{
    DropPath path;
    if (!(n > 1.0) || !validOrder(k))
        return path;
    const double i = std::asin(std::clamp(b, 0.0, 1.0));
    const double r = std::asin(std::sin(i) / n);
    const double y = side < 0 ? -1.0 : 1.0;
    // Each chord turns clockwise about the centre by the angle it subtends, 180° − 2r.
    double phi = std::numbers::pi - i;
    for (int j = 0; j <= k + 1; ++j) {
        path.points[static_cast<std::size_t>(j)] = {std::cos(phi), y * std::sin(phi)};
        phi -= std::numbers::pi - 2.0 * r;
    }
    path.count = k + 2;
    const double out = -deviation(n, k, b) * kDegree;
    path.exitDirection = {std::cos(out), y * std::sin(out)};
    return path;
}

int downwardSide(double deviationDegrees)
{
    return std::sin(deviationDegrees * kDegree) > 0.0 ? 1 : -1;
}

} // namespace lumenary::rainbow
