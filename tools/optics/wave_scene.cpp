#include "wave_scene.h"

#include "interface.h"
#include "optics_constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumenary::tools
{

namespace
{

// A half-plane n . p <= c.
struct HalfPlane {
    Vec2 n;
    double c;
};

// The part of the line p0 + t d (t between tFrom and tTo) inside every half-plane.
std::optional<Segment> clipLine(Vec2 p0, Vec2 d, const std::vector<HalfPlane>& planes,
                                double tFrom = -std::numeric_limits<double>::infinity(),
                                double tTo = std::numeric_limits<double>::infinity())
{
    for (const auto& h : planes) {
        const double rate = dot(h.n, d);
        const double room = h.c - dot(h.n, p0);
        if (std::fabs(rate) < 1e-12) {
            if (room < 0)
                return std::nullopt;
            continue;
        }
        const double t = room / rate;
        if (rate > 0)
            tTo = std::min(tTo, t);
        else
            tFrom = std::max(tFrom, t);
    }
    if (!(tFrom < tTo) || !std::isfinite(tFrom) || !std::isfinite(tTo))
        return std::nullopt;
    return Segment{p0 + tFrom * d, p0 + tTo * d};
}

std::vector<HalfPlane> viewPlanes(const WaveSetup& s)
{
    return {{{-1, 0}, -s.left}, {{1, 0}, s.right}, {{0, -1}, -s.bottom}, {{0, 1}, s.top}};
}

// The strip of half-width `half` around the line through `through` along `along`.
void addStrip(std::vector<HalfPlane>& planes, Vec2 through, Vec2 along, double half)
{
    const Vec2 across = perpendicular(along);
    planes.push_back({across, dot(across, through) + half});
    planes.push_back({-across, -dot(across, through) + half});
}

bool usable(const WaveSetup& s)
{
    return s.incidenceDeg > 0 && s.incidenceDeg < 90 && s.wavelength > 0 && s.n1 > 0 &&
           (s.mirror || s.n2 > 0) && s.beamWidth > 0 && s.left < s.right && s.bottom < s.top &&
           s.waveletReach >= 0 && s.waveletSources >= 0 && std::isfinite(s.hitX);
}

// Width of the outgoing beam: the boundary patch the beam lights, seen across the new direction.
double outgoingWidth(const WaveSetup& s, Vec2 out)
{
    const double cosIn = -incidentDirection(s).y;
    return s.beamWidth * std::fabs(out.y) / cosIn;
}

// Crest positions s = wavelength (m + phase) that can show anywhere in the view.
std::pair<long, long> crestRange(const WaveSetup& s, Vec2 k1, double phase)
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (Vec2 corner : {Vec2{s.left, s.bottom}, Vec2{s.left, s.top}, Vec2{s.right, s.bottom},
                        Vec2{s.right, s.top}}) {
        lo = std::min(lo, dot(k1, corner));
        hi = std::max(hi, dot(k1, corner));
    }
    // An outgoing crest meets the boundary far from where it shows when it leaves steeply.
    const double margin = 4.0 * std::hypot(s.right - s.left, s.top - s.bottom);
    return {static_cast<long>(std::floor((lo - margin) / s.wavelength - phase)),
            static_cast<long>(std::ceil((hi + margin) / s.wavelength - phase))};
}

} // namespace

Vec2 incidentDirection(const WaveSetup& setup)
{
    const double a = setup.incidenceDeg * kDegree;
    return {std::sin(a), -std::cos(a)};
}

std::optional<Vec2> outgoingDirection(const WaveSetup& setup)
{
    if (!usable(setup))
        return std::nullopt;
    const Vec2 k1 = incidentDirection(setup);
    // The boundary's normal {0, 1} faces the arriving light.
    if (setup.mirror)
        return reflected(k1, {0, 1});
    return refracted(k1, {0, 1}, setup.n1 / setup.n2);
}

WaveFrame waveFrame(const WaveSetup& setup, double phase)
{
    WaveFrame frame;
    const auto out = outgoingDirection(setup);
    if (!out || !std::isfinite(phase))
        return frame;
    const Vec2 k1 = incidentDirection(setup);
    const Vec2 k2 = *out;
    const Vec2 hit{setup.hitX, 0};
    const double outSide = setup.mirror ? 1.0 : -1.0; // sign of y on the outgoing side

    auto incidentPlanes = viewPlanes(setup);
    addStrip(incidentPlanes, hit, k1, setup.beamWidth / 2);
    incidentPlanes.push_back({{0, -1}, 0}); // y >= 0
    auto outgoingPlanes = viewPlanes(setup);
    addStrip(outgoingPlanes, hit, k2, outgoingWidth(setup, k2) / 2);
    outgoingPlanes.push_back({{0, -outSide}, 0});

    const auto [mFirst, mLast] = crestRange(setup, k1, phase);
    for (long m = mFirst; m <= mLast; ++m) {
        const double s = setup.wavelength * (static_cast<double>(m) + phase);
        // The arriving crest: every point p with k1 . p = s.
        if (auto seg = clipLine(s * k1, perpendicular(k1), incidentPlanes))
            frame.incidentFronts.push_back(*seg);
        // The outgoing crest starts where the arriving one meets the boundary; the phase along
        // the boundary is the same on both sides, which is Snell's law.
        const Vec2 x0{s / k1.x, 0};
        if (auto seg = clipLine(x0, perpendicular(k2), outgoingPlanes))
            frame.outgoingFronts.push_back(*seg);
    }

    // Each source's wavelets: one for every crest that has passed it, until they grow old.
    const double speedRatio = setup.mirror ? 1.0 : setup.n1 / setup.n2;
    const double reach = setup.waveletReach * setup.wavelength;
    for (const Vec2 q : waveletSourcePoints(setup)) {
        for (long m = mFirst; m <= mLast; ++m) {
            const double travelled =
                setup.wavelength * (static_cast<double>(m) + phase) - dot(k1, q);
            if (travelled > 0 && travelled < reach)
                frame.wavelets.push_back({q, travelled * speedRatio, travelled / reach});
        }
    }
    return frame;
}

std::vector<Vec2> waveletSourcePoints(const WaveSetup& setup)
{
    std::vector<Vec2> points;
    if (!outgoingDirection(setup))
        return points;
    const double patch = setup.beamWidth / -incidentDirection(setup).y;
    for (int j = 0; j < setup.waveletSources; ++j)
        points.push_back({setup.hitX + patch * ((j + 0.5) / setup.waveletSources - 0.5), 0.0});
    return points;
}

std::vector<std::pair<Segment, Segment>> beamRays(const WaveSetup& setup)
{
    std::vector<std::pair<Segment, Segment>> rays;
    const auto out = outgoingDirection(setup);
    if (!out)
        return rays;
    const Vec2 k1 = incidentDirection(setup);
    const double cosIn = -k1.y;
    for (double offset : {-0.5, 0.0, 0.5}) {
        const Vec2 b{setup.hitX + offset * setup.beamWidth / cosIn, 0};
        const auto in =
            clipLine(b, k1, viewPlanes(setup), -std::numeric_limits<double>::infinity(), 0.0);
        const auto leave = clipLine(b, *out, viewPlanes(setup), 0.0);
        if (in && leave)
            rays.push_back({*in, *leave});
    }
    return rays;
}

} // namespace lumenary::tools
