#include "prism_spectrum.h"

#include "dispersion.h"
#include "golden_section.h"
#include "interface.h"
#include "vec2.h"

#include <algorithm>
#include <cmath>

namespace lumenary
{

namespace
{

constexpr double kFaceLength = 2.5;
constexpr double kFarAway = 40.0;
// Where the rays meet the first face, as a fraction of its length from the apex: the single ray,
// and the two edges of the narrow beam.
constexpr double kRayAt = 0.45;
constexpr double kBeamFrom = 0.40;
constexpr double kBeamTo = 0.50;
constexpr int kBeamRays = 7;
// Brightness of the light: the overlapping white saturates, so that the fanned-out colours,
// each a small share of it, still show.
constexpr double kExposure = 6.0;

Vec2 toVec(Point p)
{
    return {p.x, p.y};
}
Point toPoint(Vec2 v)
{
    return {v.x, v.y};
}

double clampedAngle(double value, double low, double high, double start)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : start;
}

// The outward unit normal of the prism's edge i (edges run apex → left → right → apex).
Vec2 outwardNormal(const std::array<Point, 3>& prism, int i)
{
    const Vec2 a = toVec(prism[static_cast<std::size_t>(i)]);
    const Vec2 b = toVec(prism[static_cast<std::size_t>((i + 1) % 3)]);
    const Vec2 e = b - a;
    const double len = std::hypot(e.x, e.y);
    return {e.y / len, -e.x / len};
}

struct Hit {
    Vec2 at;
    int edge = -1;
};

// Where a ray from inside, at from on edge skip, first meets another edge of the prism.
Hit nextEdge(const std::array<Point, 3>& prism, Vec2 from, Vec2 d, int skip)
{
    Hit best;
    double nearest = INFINITY;
    for (int i = 0; i < 3; ++i) {
        if (i == skip)
            continue;
        const Vec2 a = toVec(prism[static_cast<std::size_t>(i)]);
        const Vec2 e = toVec(prism[static_cast<std::size_t>((i + 1) % 3)]) - a;
        const double denominator = cross(d, e);
        if (std::fabs(denominator) < 1e-12)
            continue;
        const double t = cross(a - from, e) / denominator;
        const double u = cross(a - from, d) / denominator;
        if (t > 1e-9 && u >= -1e-9 && u <= 1.0 + 1e-9 && t < nearest) {
            nearest = t;
            best = {from + t * d, i};
        }
    }
    if (best.edge < 0) // only by rounding at a corner: stop where the ray is
        best = {from, skip};
    return best;
}

std::array<Point, 3> prismShape(double apex)
{
    const double half = apex * kDegree / 2.0;
    const Point top{0.0, 0.5 * kFaceLength * std::cos(half)};
    const double across = kFaceLength * std::sin(half);
    const double down = kFaceLength * std::cos(half);
    return {top, Point{top.x - across, top.y - down}, Point{top.x + across, top.y - down}};
}

// One wavelength from its entry point on the first face to where it ends.
TracedRay traceInside(const std::array<Point, 3>& prism, Vec2 entry, Vec2 incoming, double n,
                      LinearRgb light)
{
    TracedRay ray;
    ray.light = light;
    const Vec2 d = *refracted(incoming, outwardNormal(prism, 0), 1.0 / n); // entering never fails
    const Hit hit = nextEdge(prism, entry, d, 0);
    const Vec2 out = outwardNormal(prism, hit.edge);
    Vec2 end;
    if (const auto leaving = refracted(d, -1.0 * out, n)) {
        end = hit.at + kFarAway * *leaving;
    } else {
        ray.totallyReflected = true;
        end = nextEdge(prism, hit.at, reflected(d, out), hit.edge).at;
    }
    ray.path = {toPoint(entry), toPoint(hit.at), toPoint(end)};
    return ray;
}

} // namespace

PrismSpectrumSettings withinRange(PrismSpectrumSettings s)
{
    const std::size_t materials = dispersiveMaterials().size();
    if (s.material >= materials)
        s.material = PrismSpectrumSettings{}.material;
    s.apex = clampedAngle(s.apex, kSpectrumApexMin, kSpectrumApexMax, PrismSpectrumSettings{}.apex);
    s.incidence =
        clampedAngle(s.incidence, 0.0, kSpectrumIncidenceMax, PrismSpectrumSettings{}.incidence);
    s.wavelengths = std::clamp(s.wavelengths, kMinWavelengths, kMaxWavelengths);
    return s;
}

double prismIndex(const PrismSpectrumSettings& settings, double nanometres)
{
    const auto& material = dispersiveMaterials()[withinRange(settings).material];
    return refractiveIndex(material, nanometres).value_or(1.0);
}

std::optional<double> prismDeviation(double n, double apex, double incidence)
{
    const double t1 = incidence * kDegree;
    const double t2 = std::asin(std::sin(t1) / n);
    const double s4 = n * std::sin(apex * kDegree - t2);
    if (!(std::fabs(s4) <= 1.0))
        return std::nullopt;
    return incidence + std::asin(s4) / kDegree - apex;
}

std::optional<double> firstEmergingIncidence(double n, double apex)
{
    const double beyondCritical = apex * kDegree - std::asin(1.0 / n);
    if (beyondCritical <= 0.0)
        return 0.0;
    const double s1 = n * std::sin(beyondCritical);
    if (!(s1 <= std::sin(kSpectrumIncidenceMax * kDegree)))
        return std::nullopt;
    return std::asin(s1) / kDegree;
}

std::optional<DeviationMinimum> findMinimumDeviation(double n, double apex)
{
    const auto first = firstEmergingIncidence(n, apex);
    if (!first)
        return std::nullopt;
    const auto at = [&](double x) { return prismDeviation(n, apex, x).value_or(INFINITY); };
    const double x = goldenSectionMinimum(at, *first, kSpectrumIncidenceMax, 1e-9);
    // A minimum pressed against either end of the range is not one the student can reach.
    if (kSpectrumIncidenceMax - x < 1e-4 || x - *first < 1e-4)
        return std::nullopt;
    const auto deviation = prismDeviation(n, apex, x);
    if (!deviation)
        return std::nullopt;
    return DeviationMinimum{x, *deviation};
}

std::optional<double> symmetricMinimumDeviation(double n, double apex)
{
    const double s = n * std::sin(apex * kDegree / 2.0);
    if (!(s <= 1.0))
        return std::nullopt;
    return 2.0 * std::asin(s) / kDegree - apex;
}

double indexFromMinimumDeviation(double apex, double minimumDeviation)
{
    return std::sin((apex + minimumDeviation) * kDegree / 2.0) / std::sin(apex * kDegree / 2.0);
}

PrismSpectrumReadings prismSpectrumReadings(const PrismSpectrumSettings& settings)
{
    const PrismSpectrumSettings s = withinRange(settings);
    PrismSpectrumReadings r;
    r.indexD = prismIndex(s, kLineD);
    r.indexF = prismIndex(s, kLineF);
    r.indexC = prismIndex(s, kLineC);
    r.abbe = abbeNumber(dispersiveMaterials()[s.material]);
    r.deviationD = prismDeviation(r.indexD, s.apex, s.incidence);
    r.deviationF = prismDeviation(r.indexF, s.apex, s.incidence);
    r.deviationC = prismDeviation(r.indexC, s.apex, s.incidence);
    r.minimumD = findMinimumDeviation(r.indexD, s.apex);
    if (r.deviationF && r.deviationC)
        r.spreadFC = *r.deviationF - *r.deviationC;
    if (r.minimumD)
        r.measuredIndex = indexFromMinimumDeviation(s.apex, r.minimumD->deviation);
    return r;
}

std::array<DeviationCurve, 3> deviationCurves(const PrismSpectrumSettings& settings, int samples)
{
    const PrismSpectrumSettings s = withinRange(settings);
    samples = std::max(samples, 2);
    std::array<DeviationCurve, 3> curves;
    const double lines[3] = {kLineF, kLineD, kLineC};
    for (std::size_t k = 0; k < 3; ++k) {
        DeviationCurve& curve = curves[k];
        curve.nanometres = lines[k];
        const double n = prismIndex(s, lines[k]);
        curve.present = prismDeviation(n, s.apex, s.incidence);
        curve.minimum = findMinimumDeviation(n, s.apex);
        const auto first = firstEmergingIncidence(n, s.apex);
        if (!first)
            continue;
        curve.points.reserve(static_cast<std::size_t>(samples));
        for (int i = 0; i < samples; ++i) {
            const double x = *first + (kSpectrumIncidenceMax - *first) * i / (samples - 1);
            // Rounding at the grazing end may refuse the first sample: it is left out.
            if (const auto y = prismDeviation(n, s.apex, x))
                curve.points.push_back({x, *y});
        }
    }
    return curves;
}

PrismScene traceSpectrum(const PrismSpectrumSettings& settings)
{
    const PrismSpectrumSettings s = withinRange(settings);
    PrismScene scene;
    scene.prism = prismShape(s.apex);
    const Vec2 apex = toVec(scene.prism[0]);
    const Vec2 face = toVec(scene.prism[1]) - apex;
    const Vec2 inward = -1.0 * outwardNormal(scene.prism, 0);
    // The incoming light: the inward normal turned by the angle of incidence, rising to the apex.
    const double turn = s.incidence * kDegree;
    const Vec2 incoming{inward.x * std::cos(turn) - inward.y * std::sin(turn),
                        inward.x * std::sin(turn) + inward.y * std::cos(turn)};

    std::vector<double> entries;
    if (s.beam == BeamWidth::SingleRay) {
        entries.push_back(kRayAt);
    } else {
        for (int i = 0; i < kBeamRays; ++i)
            entries.push_back(kBeamFrom + (kBeamTo - kBeamFrom) * i / (kBeamRays - 1));
    }
    const Vec2 middle = apex + (kBeamFrom + kBeamTo) / 2.0 * face;
    scene.normal = {toPoint(middle - 1.2 * inward), toPoint(middle + 1.2 * inward)};

    // Each wavelength's share: together, where they overlap, they make white at the exposure.
    std::vector<LinearRgb> lights(static_cast<std::size_t>(s.wavelengths));
    LinearRgb sum;
    for (int i = 0; i < s.wavelengths; ++i) {
        const LinearRgb c = spectralColour(bandWavelength(i, s.wavelengths));
        lights[static_cast<std::size_t>(i)] = c;
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
    }
    const double weight = kExposure / std::max({sum.r, sum.g, sum.b}) /
                          std::sqrt(static_cast<double>(entries.size()));
    scene.white = {sum.r * weight, sum.g * weight, sum.b * weight};

    scene.rays.reserve(entries.size() * lights.size());
    for (const double at : entries) {
        const Vec2 entry = apex + at * face;
        scene.incoming.push_back({toPoint(entry - kFarAway * incoming), toPoint(entry)});
        for (int i = 0; i < s.wavelengths; ++i) {
            const LinearRgb c = lights[static_cast<std::size_t>(i)];
            const double n = prismIndex(s, bandWavelength(i, s.wavelengths));
            scene.rays.push_back(traceInside(scene.prism, entry, incoming, n,
                                             {c.r * weight, c.g * weight, c.b * weight}));
        }
    }
    for (int i = 0; i < s.wavelengths; ++i)
        scene.reflectedColours += scene.rays[static_cast<std::size_t>(i)].totallyReflected;
    return scene;
}

} // namespace lumenary
