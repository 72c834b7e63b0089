#include "readouts.h"

#include "scene_check.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace lumenary::bench
{

namespace
{

// The index of a medium relative to the surroundings at a wavelength.
double relative(const Scene& scene, const Medium& m, double nm)
{
    return m.at(nm) / scene.surroundings.at(nm);
}

std::optional<double> finite(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

template <typename F> LineValues atLines(F f)
{
    return LineValues{f(kLineF), f(kLineD), f(kLineC)};
}

double curvature(double r)
{
    return r == 0.0 ? 0.0 : 1.0 / r;
}

std::optional<double> thickPower(const SphericalLens& l, double m)
{
    const double c1 = curvature(l.r1);
    const double c2 = curvature(l.r2);
    const double power = (m - 1.0) * (c1 - c2 + (m - 1.0) * l.thickness * c1 * c2 / m);
    if (power == 0.0)
        return std::nullopt;
    return power;
}

} // namespace

ElementReadouts elementReadouts(const Scene& scene, const Element& element)
{
    ElementReadouts r;
    if (checkElement(element))
        return r;
    if (const auto* l = std::get_if<IdealLens>(&element.shape)) {
        r.focalLength = l->focalLength;
    } else if (const auto* p = std::get_if<ParabolicMirror>(&element.shape)) {
        r.focalLength = p->focalLength;
    } else if (const auto* a = std::get_if<ArcMirror>(&element.shape)) {
        r.focalLength = std::fabs(a->radius) / 2.0;
    } else if (const auto* s = std::get_if<SphericalLens>(&element.shape)) {
        r.focalLengths = atLines([&](double nm) -> std::optional<double> {
            const auto power = thickPower(*s, relative(scene, s->material, nm));
            return power ? finite(1.0 / *power) : std::nullopt;
        });
        r.backFocalLengths = atLines([&](double nm) -> std::optional<double> {
            const double m = relative(scene, s->material, nm);
            const auto power = thickPower(*s, m);
            if (!power)
                return std::nullopt;
            return finite((1.0 - (m - 1.0) * s->thickness * curvature(s->r1) / m) / *power);
        });
    } else if (const auto* c = std::get_if<Circle>(&element.shape)) {
        r.focalLengths = atLines([&](double nm) -> std::optional<double> {
            const double m = relative(scene, c->material, nm);
            if (m == 1.0)
                return std::nullopt;
            return finite(m * c->radius / (2.0 * (m - 1.0)));
        });
        r.rainbowAngles = atLines([&](double nm) -> std::optional<double> {
            const double m = relative(scene, c->material, nm);
            if (!(m > 1.0 && m < 2.0))
                return std::nullopt;
            const double i = std::acos(std::sqrt((m * m - 1.0) / 3.0));
            const double refr = std::asin(std::sin(i) / m);
            return (4.0 * refr - 2.0 * i) / kDegree;
        });
    }
    return r;
}

DetectorReadout detectorReadout(const std::vector<TracedPath>& paths, std::int32_t element)
{
    DetectorReadout out;
    for (const TracedPath& p : paths)
        for (const DetectorHit& h : p.hits)
            if (h.detector == element)
                out.hits.push_back(h);
    std::map<double, std::vector<const DetectorHit*>> byColour;
    for (const DetectorHit& h : out.hits)
        byColour[h.wavelength].push_back(&h);
    for (const auto& [nm, hits] : byColour) {
        Spot s;
        s.wavelength = nm;
        s.count = static_cast<std::int64_t>(hits.size());
        double moment = 0.0;
        for (const DetectorHit* h : hits) {
            s.intensity += h->intensity;
            moment += h->intensity * h->position;
        }
        if (s.intensity > 0.0) {
            s.centroid = moment / s.intensity;
            double spread = 0.0;
            for (const DetectorHit* h : hits)
                spread += h->intensity * (h->position - s.centroid) * (h->position - s.centroid);
            s.rms = std::sqrt(spread / s.intensity);
        }
        out.spots.push_back(s);
    }
    return out;
}

} // namespace lumenary::bench
