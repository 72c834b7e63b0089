#pragma once

#include "vec2.h"

#include <optional>
#include <vector>

namespace lumenary::tools
{

// A finite beam of plane waves meeting a flat boundary along y = 0 (y grows upwards), seen
// through Huygens' construction: every point of the boundary that a wavefront has reached sends
// out a wavelet, and the outgoing wavefront is the line touching all of them. The beam arrives
// from the upper left in medium 1 (y > 0); it is either reflected by a mirror or refracted into
// medium 2 (y < 0), where light travels n2 / n1 times slower.
struct WaveSetup {
    bool mirror = true;         // reflected by a mirror, else refracted into medium 2
    double incidenceDeg = 40.0; // angle between the beam and the normal, 0 < angle < 90
    double wavelength = 30.0;   // crest spacing in medium 1
    double n1 = 1.0;            // index above the boundary
    double n2 = 1.5;            // index below it (refraction only)
    double beamWidth = 120.0;   // measured across the arriving beam
    double hitX = 0.0;          // where the beam's central ray meets the boundary
    double left = -200, right = 200, bottom = -150, top = 150; // the part of the plane shown
    double waveletReach = 2.0; // wavelets are drawn until they are this many wavelengths old
    int waveletSources = 6;    // boundary points that show their wavelets
};

// A straight piece of a wavefront or ray.
struct Segment {
    Vec2 a;
    Vec2 b;
};

// One wavelet: a half circle on the outgoing side of the boundary.
struct Wavelet {
    Vec2 centre;
    double radius = 0;
    double age = 0; // 0 when just born, 1 when it is as old as the wavelets get
};

// Everything that moves at one instant.
struct WaveFrame {
    std::vector<Segment> incidentFronts; // crests still arriving, above the boundary
    std::vector<Segment> outgoingFronts; // reflected or refracted crests
    std::vector<Wavelet> wavelets;
};

// The unit direction the arriving beam travels in.
Vec2 incidentDirection(const WaveSetup& setup);

// The unit direction of the reflected or refracted beam; nothing when the setup is unusable
// (angle outside 0..90 degrees, non-positive indices or widths) or the light is totally
// reflected.
std::optional<Vec2> outgoingDirection(const WaveSetup& setup);

// The crests at a phase (in periods; crests advance one wavelength per period, so the frame at
// phase p + 1 equals the frame at p): each crest clipped to its beam, to its side of the
// boundary and to the shown part of the plane. Empty for an unusable setup.
WaveFrame waveFrame(const WaveSetup& setup, double phase);

// The evenly spaced points of the lit patch of the boundary that show their wavelets.
std::vector<Vec2> waveletSourcePoints(const WaveSetup& setup);

// The beam's two edge rays and its central ray, each as the arriving part (from the edge of the
// shown plane to the boundary) then the outgoing part (from the boundary to the edge).
std::vector<std::pair<Segment, Segment>> beamRays(const WaveSetup& setup);

} // namespace lumenary::tools
