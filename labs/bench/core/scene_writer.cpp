#include "scene_file.h"

#include <nlohmann/json.hpp>

namespace lumenary::bench
{

namespace
{

using Json = nlohmann::ordered_json;

Json point(Vec2 p)
{
    return Json::array({p.x, p.y});
}

Json medium(const Medium& m)
{
    const std::string_view name = mediumName(m);
    return name.empty() ? Json(m.index) : Json(std::string(name));
}

void light(Json& j, const Light& l)
{
    if (l.white >= 2)
        j["white"] = l.white;
    else
        j["wavelength"] = l.wavelength;
}

struct ShapeWriter {
    Json& j;
    void operator()(const RaySource& s) const
    {
        j["from"] = point(s.from);
        j["direction"] = s.direction;
        light(j, s.light);
    }
    void operator()(const BeamSource& s) const
    {
        j["from"] = point(s.from);
        j["direction"] = s.direction;
        j["width"] = s.width;
        j["rays"] = s.rays;
        light(j, s.light);
    }
    void operator()(const PointSource& s) const
    {
        j["at"] = point(s.at);
        j["rays"] = s.rays;
        j["from_angle"] = s.fromAngle;
        j["to_angle"] = s.toAngle;
        light(j, s.light);
    }
    void operator()(const IdealLens& e) const
    {
        j["at"] = point(e.at);
        j["axis"] = e.axis;
        j["aperture"] = e.aperture;
        j["focal_length"] = e.focalLength;
    }
    void operator()(const SphericalLens& e) const
    {
        j["at"] = point(e.at);
        j["axis"] = e.axis;
        j["aperture"] = e.aperture;
        j["thickness"] = e.thickness;
        j["r1"] = e.r1;
        j["r2"] = e.r2;
        j["material"] = medium(e.material);
    }
    void operator()(const Mirror& e) const { ends(e.from, e.to); }
    void operator()(const ArcMirror& e) const
    {
        ends(e.from, e.to);
        j["radius"] = e.radius;
    }
    void operator()(const ParabolicMirror& e) const
    {
        j["vertex"] = point(e.vertex);
        j["axis"] = e.axis;
        j["focal_length"] = e.focalLength;
        j["aperture"] = e.aperture;
    }
    void operator()(const Glass& e) const
    {
        Json v = Json::array();
        for (const Vec2 p : e.vertices)
            v.push_back(point(p));
        j["vertices"] = std::move(v);
        j["material"] = medium(e.material);
    }
    void operator()(const Circle& e) const
    {
        j["centre"] = point(e.centre);
        j["radius"] = e.radius;
        j["material"] = medium(e.material);
    }
    void operator()(const BeamSplitter& e) const
    {
        ends(e.from, e.to);
        j["reflectance"] = e.reflectance;
    }
    void operator()(const Blocker& e) const { ends(e.from, e.to); }
    void operator()(const Detector& e) const { ends(e.from, e.to); }
    void ends(Vec2 from, Vec2 to) const
    {
        j["from"] = point(from);
        j["to"] = point(to);
    }
};

// Unknown keys back in place; a value that is not JSON text (only a program could make one) is
// left out rather than written broken.
void extra(Json& j, const ExtraKeys& keys)
{
    for (const auto& [key, text] : keys) {
        if (j.contains(key))
            continue;
        Json value = Json::parse(text, nullptr, false);
        if (!value.is_discarded())
            j[key] = std::move(value);
    }
}

// JSON on one line with a blank after each comma and colon; numbers and texts as the library
// writes them (the shortest form that reads back to the same double; texts in UTF-8, anything
// that is not UTF-8 replaced).
void inline_(std::string& out, const Json& v)
{
    if (v.is_object()) {
        out += '{';
        bool first = true;
        for (auto it = v.begin(); it != v.end(); ++it) {
            out += first ? "" : ", ";
            first = false;
            out += Json(it.key()).dump(-1, ' ', false, Json::error_handler_t::replace);
            out += ": ";
            inline_(out, it.value());
        }
        out += '}';
    } else if (v.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < v.size(); ++i) {
            out += i ? ", " : "";
            inline_(out, v[i]);
        }
        out += ']';
    } else {
        out += v.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

} // namespace

std::string writeScene(const Scene& scene)
{
    Json top;
    top["format"] = "lumenary-scene";
    top["version"] = 1;
    if (!scene.description.empty())
        top["description"] = scene.description;
    top["surroundings"] = medium(scene.surroundings);
    top["fresnel"] = scene.fresnel;
    top["min_intensity"] = scene.minIntensity;
    top["max_interactions"] = scene.maxInteractions;
    top["max_segments"] = scene.maxSegments;
    extra(top, scene.extra);
    top.erase("elements");

    std::string out = "{\n";
    for (auto it = top.begin(); it != top.end(); ++it) {
        out += "  ";
        inline_(out, Json(it.key()));
        out += ": ";
        inline_(out, it.value());
        out += ",\n";
    }
    out += "  \"elements\": [";
    for (std::size_t i = 0; i < scene.elements.size(); ++i) {
        const Element& e = scene.elements[i];
        Json j;
        j["type"] = std::string(typeKey(e.type()));
        if (!e.name.empty())
            j["name"] = e.name;
        std::visit(ShapeWriter{j}, e.shape);
        extra(j, e.extra);
        out += i ? ",\n    " : "\n    ";
        inline_(out, j);
    }
    out += scene.elements.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

} // namespace lumenary::bench
