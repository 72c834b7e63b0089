#pragma once

#include "scene.h"
#include "tracer.h"

#include <cstdint>
#include <optional>
#include <vector>

// The numbers a student reads off an element, worked out from the element itself (closed
// forms, not traced rays), and what a detector caught, gathered from a trace.
namespace lumenary::bench
{

// A value at the F, d and C lines; nothing where it is not defined (an afocal lens).
struct LineValues {
    std::optional<double> F;
    std::optional<double> d;
    std::optional<double> C;
};

// An element's read-outs; only those its type has are set.
struct ElementReadouts {
    // Ideal lens: its focal length; parabolic mirror: its focal length; arc mirror: |R|/2.
    std::optional<double> focalLength;
    // Spherical lens: the thick-lens focal length 1/f = (m − 1)[1/r1 − 1/r2 + (m − 1)t/(m r1 r2)]
    // with m = n_lens/n_surroundings; circle: the ball lens's m R / (2(m − 1)), from the centre.
    std::optional<LineValues> focalLengths;
    // Spherical lens: from the second vertex, f (1 − (m − 1) t / (m r1)).
    std::optional<LineValues> backFocalLengths;
    // Circle: the primary rainbow's angle from the antisolar point, 4r − 2i with
    // cos² i = (m² − 1)/3 and sin r = sin i / m (degrees; for 1 < m < 2).
    std::optional<LineValues> rainbowAngles;
};

// The read-outs of an element of a scene (the surroundings set the relative index).
ElementReadouts elementReadouts(const Scene& scene, const Element& element);

// The hits of one wavelength on a detector: their intensity-weighted centroid and the RMS
// spread about it, √(Σ w (x − centroid)² / Σ w), positions in mm along the detector.
struct Spot {
    double wavelength = 0.0;
    double centroid = 0.0;
    double rms = 0.0;
    std::int64_t count = 0;
    double intensity = 0.0; // the hits' summed intensity
};

// Everything a detector caught, in tracing order, and one spot per wavelength, shortest first.
struct DetectorReadout {
    std::vector<DetectorHit> hits;
    std::vector<Spot> spots;
};
DetectorReadout detectorReadout(const std::vector<TracedPath>& paths, std::int32_t element);

} // namespace lumenary::bench
