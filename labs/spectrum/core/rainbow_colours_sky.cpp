#include "rainbow_colours_sky.h"

#include "rainbow_colours.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::rainbow
{

namespace
{

void add(LinearRgb& into, LinearRgb c, double k)
{
    into.r += c.r * k;
    into.g += c.g * k;
    into.b += c.b * k;
}

// Light collected per sample: what falls wholly inside a run of samples is kept as a
// difference (added at the run's start, taken away after its end) and summed up once at the
// end, so that spreading a ray's light over many samples costs no more than over one.
class Deposit
{
public:
    Deposit(std::size_t count, double step) : m_step(step), m_bins(count), m_runs(count + 1) {}

    // Spreads energy evenly over the angles lo..hi.
    void spread(double lo, double hi, double energy, LinearRgb colour)
    {
        const double top = static_cast<double>(m_bins.size()) * m_step;
        if (lo >= top || hi < 0.0 || !(energy > 0.0))
            return;
        const auto last = static_cast<int>(m_bins.size()) - 1;
        if (hi - lo < 1e-9) {
            addTo(m_bins, std::min(last, static_cast<int>(lo / m_step)), colour, energy);
            return;
        }
        const double density = energy / (hi - lo);
        const double from = std::max(lo, 0.0);
        const double to = std::min(hi, top);
        const int j0 = std::min(last, static_cast<int>(from / m_step));
        const int j1 = std::min(last, static_cast<int>(to / m_step));
        if (j0 == j1) {
            addTo(m_bins, j0, colour, density * (to - from));
            return;
        }
        addTo(m_bins, j0, colour, density * ((j0 + 1) * m_step - from));
        addTo(m_bins, j1, colour, density * (to - j1 * m_step));
        if (j1 > j0 + 1) {
            addTo(m_runs, j0 + 1, colour, density * m_step);
            addTo(m_runs, j1, colour, -density * m_step);
        }
    }

    // The light per sample.
    std::vector<LinearRgb> total() const
    {
        std::vector<LinearRgb> out = m_bins;
        LinearRgb run;
        for (std::size_t j = 0; j < out.size(); ++j) {
            add(run, m_runs[j], 1.0);
            add(out[j], run, 1.0);
        }
        return out;
    }

private:
    static void addTo(std::vector<LinearRgb>& v, int j, LinearRgb c, double k)
    {
        add(v[static_cast<std::size_t>(j)], c, k);
    }

    double m_step;
    std::vector<LinearRgb> m_bins;
    std::vector<LinearRgb> m_runs;
};

// Traces one colour of one order over b from `from` to `to` and deposits what leaves. The rays
// lie `phase` (0 to 1) of a step after an even grid, so that the colours' grids do not line up:
// aligned, the steps of the piecewise-even spreading would add up into visible rings.
void traceBranch(Deposit& bins, double n, int k, double from, double to, int rays, double phase,
                 LinearRgb colour)
{
    // Evenly in the angle of incidence rather than in b: near the rim the leaving angle and
    // the reflected share change fastest with b, and the rays crowd there.
    const double i0 = std::asin(from);
    const double di = (std::asin(to) - i0) / rays;
    double b0 = from;
    LeavingRay ray = leavingRay(n, k, b0);
    double a0 = antisolarAngle(ray.deviation);
    double w0 = 2.0 * b0 * ray.share;
    for (int j = 0; j <= rays; ++j) {
        const double b1 = j < rays ? std::sin(i0 + (j + phase) * di) : to;
        if (!(b1 > b0))
            continue;
        ray = leavingRay(n, k, b1);
        const double a1 = antisolarAngle(ray.deviation);
        const double w1 = 2.0 * b1 * ray.share;
        bins.spread(std::min(a0, a1), std::max(a0, a1), 0.5 * (w0 + w1) * (b1 - b0), colour);
        b0 = b1;
        a0 = a1;
        w0 = w1;
    }
}

// Smooths the profile over the solar disc; angles below 0 fold back onto the positive side.
std::vector<LinearRgb> overSun(const std::vector<LinearRgb>& bins, double step)
{
    const double radius = 0.5 * kSunDiameter;
    const int reach = static_cast<int>(std::ceil(radius / step));
    std::vector<double> weight;
    double total = 0.0;
    for (int t = -reach; t <= reach; ++t) {
        const double x = t * step / radius;
        const double w = std::fabs(x) < 1.0 ? std::sqrt(1.0 - x * x) : 0.0;
        weight.push_back(w);
        total += w;
    }
    const auto size = static_cast<int>(bins.size());
    std::vector<LinearRgb> out(bins.size());
    for (int j = 0; j < size; ++j) {
        LinearRgb sum;
        for (int t = -reach; t <= reach; ++t) {
            int source = j + t;
            if (source < 0)
                source = -source - 1;
            if (source >= size)
                continue;
            add(sum, bins[static_cast<std::size_t>(source)],
                weight[static_cast<std::size_t>(t + reach)] / total);
        }
        out[static_cast<std::size_t>(j)] = sum;
    }
    return out;
}

} // namespace

LinearRgb SkyProfile::at(double degrees) const
{
    if (!(degrees >= 0.0) || light.empty())
        return {};
    const double j = std::floor(degrees / step);
    if (j >= static_cast<double>(light.size()))
        return {};
    return light[static_cast<std::size_t>(j)];
}

double SkyProfile::meanBrightness(double from, double to) const
{
    double sum = 0.0;
    int count = 0;
    for (std::size_t j = 0; j < light.size(); ++j) {
        const double a = (static_cast<double>(j) + 0.5) * step;
        if (a >= from && a < to) {
            sum += light[j].r + light[j].g + light[j].b;
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

double SkyProfile::peak() const
{
    double top = 0.0;
    for (const LinearRgb& c : light)
        top = std::max({top, c.r, c.g, c.b});
    return top;
}

SkyProfile skyProfile(const SellmeierMaterial& material, unsigned orders, int wavelengths,
                      double maxAngle, double step, int raysPerBranch)
{
    SkyProfile sky;
    if (!(step > 0.0) || !(maxAngle > 0.0) || maxAngle > 180.0)
        return sky;
    sky.step = step;
    // A margin beyond the last angle, so that the sun's smoothing sees what lies past it.
    const double margin = kSunDiameter;
    const auto count = static_cast<std::size_t>(std::ceil((maxAngle + margin) / step));
    Deposit deposit(count, step);
    const std::vector<double> nm = bandWavelengths(wavelengths);
    raysPerBranch = std::clamp(raysPerBranch, 8, 4096);
    double phase = 0.5;
    for (double lambda : nm) {
        // A different offset for each colour, spread evenly (the golden ratio's steps).
        phase = std::fmod(phase + 0.6180339887498949, 1.0);
        const auto n = refractiveIndex(material, lambda);
        if (!n || !(*n > 1.0))
            continue;
        const LinearRgb colour = spectralColour(lambda);
        for (int k = kMinOrder; k <= kMaxOrder; ++k) {
            if (!(orders & orderBit(k)))
                continue;
            // Split at the rainbow ray so that the bow's edge falls exactly on a ray.
            const auto ray = rainbowRay(*n, k);
            const double split = ray ? ray->impact : 1.0;
            traceBranch(deposit, *n, k, 0.0, split, raysPerBranch, phase, colour);
            if (split < 1.0)
                traceBranch(deposit, *n, k, split, 1.0, raysPerBranch, phase, colour);
        }
    }
    std::vector<LinearRgb> bins = deposit.total();
    // Energy per sample over the sample's ring of sky, averaged over the colours.
    const double perColour = 1.0 / static_cast<double>(nm.size());
    for (std::size_t j = 0; j < count; ++j) {
        const double a0 = static_cast<double>(j) * step * kDegree;
        const double a1 = static_cast<double>(j + 1) * step * kDegree;
        const double ring = 2.0 * std::numbers::pi * (std::cos(a0) - std::cos(a1));
        const double k = perColour / ring;
        bins[j] = {bins[j].r * k, bins[j].g * k, bins[j].b * k};
    }
    sky.light = overSun(bins, step);
    sky.light.resize(static_cast<std::size_t>(std::ceil(maxAngle / step)));
    return sky;
}

} // namespace lumenary::rainbow
