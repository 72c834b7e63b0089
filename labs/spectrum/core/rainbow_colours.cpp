#include "rainbow_colours.h"

#include "golden_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::rainbow
{

namespace
{

bool validOrder(int k)
{
    return k >= kMinOrder && k <= kMaxOrder;
}

// D = 2(i − r) + k(180° − 2r) in degrees, from i and r in radians: the one place it is written.
double deviationOf(double i, double r, int k)
{
    return (2.0 * (i - r) + k * (std::numbers::pi - 2.0 * r)) / kDegree;
}

} // namespace

double deviation(double n, int k, double b)
{
    b = std::clamp(b, 0.0, 1.0);
    const double i = std::asin(b);
    const double r = std::asin(b / n);
    return deviationOf(i, r, k);
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
    ray.deviation = deviationOf(i, r, k);
    ray.antisolar = antisolarAngle(ray.deviation);
    return ray;
}

std::vector<double> incidenceGrid(int samples)
{
    samples = std::max(samples, 3);
    std::vector<double> incidence(static_cast<std::size_t>(samples));
    for (int j = 0; j < samples; ++j)
        incidence[static_cast<std::size_t>(j)] = std::asin(static_cast<double>(j) / (samples - 1));
    return incidence;
}

std::vector<double> sampleCurve(double n, int k, std::span<const double> incidence)
{
    const auto samples = static_cast<int>(incidence.size());
    std::vector<double> values(incidence.size());
    for (int j = 0; j < samples; ++j) {
        const double i = incidence[static_cast<std::size_t>(j)];
        const double r = std::asin(static_cast<double>(j) / (samples - 1) / n);
        values[static_cast<std::size_t>(j)] = deviationOf(i, r, k);
    }
    return values;
}

std::vector<double> sampleCurve(double n, int k, int samples)
{
    return sampleCurve(n, k, incidenceGrid(samples));
}

RainbowRay curveMinimum(double n, int k, int samples)
{
    const std::vector<double> values = sampleCurve(n, k, samples);
    return minimumOfSamples(n, k, values);
}

RainbowRay minimumOfSamples(double n, int k, std::span<const double> values)
{
    const auto samples = static_cast<int>(values.size());
    if (samples < 3 || !(n > 1.0) || !validOrder(k))
        return {};
    const double step = 1.0 / (samples - 1);
    const auto best =
        static_cast<int>(std::min_element(values.begin(), values.end()) - values.begin());
    // Golden-section search between the smallest sample's neighbours, to well below what the
    // read-outs show (D is flat there, so b need not be found as closely as D).
    const double lo = std::max(0, best - 1) * step;
    const double hi = std::min(samples - 1, best + 1) * step;
    RainbowRay ray;
    ray.impact = goldenSectionMinimum([&](double b) { return deviation(n, k, b); }, lo, hi, 1e-7);
    ray.deviation = deviation(n, k, ray.impact);
    ray.incidence = std::asin(ray.impact) / kDegree;
    ray.refraction = std::asin(ray.impact / n) / kDegree;
    ray.antisolar = antisolarAngle(ray.deviation);
    return ray;
}

bool Bow::folded() const
{
    return width() > std::fabs(red - violet);
}

Bow bowBetween(int k, double redDeviation, double violetDeviation)
{
    Bow bow{k, antisolarAngle(redDeviation), antisolarAngle(violetDeviation), 0.0, 0.0};
    bow.inner = std::min(bow.red, bow.violet);
    bow.outer = std::max(bow.red, bow.violet);
    // Does [lo, hi] hold offset + a whole number of turns?
    const double lo = std::min(redDeviation, violetDeviation);
    const double hi = std::max(redDeviation, violetDeviation);
    const auto holds = [&](double offset) {
        return std::floor((hi - offset) / 360.0) >= std::ceil((lo - offset) / 360.0);
    };
    if (holds(0.0)) // straight back toward the sun
        bow.outer = 180.0;
    if (holds(180.0)) // straight on, through the antisolar point
        bow.inner = 0.0;
    return bow;
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
    return bowBetween(k, red->deviation, violet->deviation);
}

std::optional<double> darkBandWidth(const SellmeierMaterial& material)
{
    const auto primary = bowOf(material, 1);
    const auto secondary = bowOf(material, 2);
    if (!primary || !secondary)
        return std::nullopt;
    return secondary->inner - primary->outer;
}

std::vector<double> bandWavelengths(int count)
{
    count = std::clamp(count, kMinWavelengths, kMaxWavelengths);
    std::vector<double> nm(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j)
        nm[static_cast<std::size_t>(j)] = bandWavelength(j, count);
    return nm;
}

double leavingShare(double n, int k, double b)
{
    return leavingRay(n, k, b).share;
}

LeavingRay leavingRay(double n, int k, double b)
{
    b = std::clamp(b, 0.0, 1.0);
    const double sinR = b / n;
    const double i = std::asin(b);
    const double r = std::asin(sinR);
    const double cosI = std::sqrt(1.0 - b * b);
    const double cosR = std::sqrt(1.0 - sinR * sinR);
    const double rs = (cosI - n * cosR) / (cosI + n * cosR);
    const double rp = (n * cosI - cosR) / (n * cosI + cosR);
    const double fs = rs * rs;
    const double fp = rp * rp;
    double s = (1.0 - fs) * (1.0 - fs);
    double p = (1.0 - fp) * (1.0 - fp);
    for (int j = 0; j < k; ++j) {
        s *= fs;
        p *= fp;
    }
    return {deviationOf(i, r, k), 0.5 * (s + p)};
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
