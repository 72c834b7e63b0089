#include "trace_report.h"

#include "readouts.h"

#include <nlohmann/json.hpp>

namespace lumenary::bench
{

namespace
{

using Json = nlohmann::ordered_json;

Json value(const std::optional<double>& x)
{
    return x ? Json(*x) : Json(nullptr);
}

Json lines(const LineValues& v)
{
    Json j;
    j["F"] = value(v.F);
    j["d"] = value(v.d);
    j["C"] = value(v.C);
    return j;
}

Json element(const Scene& scene, std::size_t index)
{
    const Element& e = scene.elements[index];
    Json j;
    j["index"] = index;
    j["type"] = std::string(typeKey(e.type()));
    j["name"] = e.name;
    const ElementReadouts r = elementReadouts(scene, e);
    if (r.focalLength)
        j["focal_length"] = *r.focalLength;
    if (r.focalLengths)
        j["focal_length"] = lines(*r.focalLengths);
    if (r.backFocalLengths)
        j["back_focal_length"] = lines(*r.backFocalLengths);
    if (r.rainbowAngles)
        j["rainbow_angle"] = lines(*r.rainbowAngles);
    return j;
}

Json detector(const Tracer& tracer, std::size_t index)
{
    const DetectorReadout d = detectorReadout(tracer.paths(), static_cast<std::int32_t>(index));
    Json j;
    j["index"] = index;
    j["name"] = tracer.scene().elements[index].name;
    Json hits = Json::array();
    for (const DetectorHit& h : d.hits)
        hits.push_back(Json{{"position", h.position},
                            {"wavelength", h.wavelength},
                            {"intensity", h.intensity},
                            {"direction", h.direction}});
    j["hits"] = std::move(hits);
    Json spots = Json::array();
    for (const Spot& s : d.spots)
        spots.push_back(Json{{"wavelength", s.wavelength},
                             {"centroid", s.centroid},
                             {"rms", s.rms},
                             {"count", s.count}});
    j["spots"] = std::move(spots);
    return j;
}

} // namespace

std::string traceReport(const Tracer& tracer)
{
    const TraceCounts c = tracer.counts();
    const Scene& scene = tracer.scene();
    Json j;
    j["paths"] = c.paths;
    j["segments"] = c.segments;
    j["cut"] = Json{{"max_interactions", c.cutInteractions},
                    {"min_intensity", c.cutIntensity},
                    {"max_segments", c.cutSegments}};
    j["ended"] = Json{{"escaped", c.escaped}, {"blocked", c.blocked}, {"corner", c.corners}};
    Json elements = Json::array();
    Json detectors = Json::array();
    for (std::size_t i = 0; i < scene.elements.size(); ++i) {
        elements.push_back(element(scene, i));
        if (scene.elements[i].type() == ElementType::Detector)
            detectors.push_back(detector(tracer, i));
    }
    j["elements"] = std::move(elements);
    j["detectors"] = std::move(detectors);
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace lumenary::bench
