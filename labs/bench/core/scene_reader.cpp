#include "json_bounds.h"
#include "scene_check.h"
#include "scene_file.h"
#include "scene_limits.h"
#include "wording.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lumenary::bench
{

namespace
{

using Json = nlohmann::ordered_json;

// A scene's key that is not what it should be; caught where the element's index is known.
struct Refused {
    std::string key;
    std::string message;
};

[[noreturn]] void refuse(std::string key, std::string message)
{
    throw Refused{std::move(key), std::move(message)};
}

std::string compact(const Json& value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The keys of one JSON object, each taken at most once; what is left over is kept as it stands.
class Fields
{
public:
    explicit Fields(const Json& object) : m_object(object) {}

    const Json* find(const char* key)
    {
        m_used.emplace_back(key);
        const auto it = m_object.find(key);
        return it == m_object.end() ? nullptr : &*it;
    }

    const Json& need(const char* key)
    {
        const Json* v = find(key);
        if (!v)
            refuse(key, translate("lumenary::bench::SceneText", "is missing"));
        return *v;
    }

    double number(const char* key) { return toNumber(key, need(key)); }

    double number(const char* key, double fallback)
    {
        const Json* v = find(key);
        return v ? toNumber(key, *v) : fallback;
    }

    std::int64_t whole(const char* key, std::int64_t lo, std::int64_t hi, std::int64_t fallback)
    {
        const Json* v = find(key);
        if (!v)
            return fallback;
        const double x = toNumber(key, *v);
        if (!(x >= static_cast<double>(lo) && x <= static_cast<double>(hi)) || std::floor(x) != x)
            refuse(key, fillIn(translate("lumenary::bench::SceneText",
                                         "must be a whole number from %1 to %2"),
                               {std::to_string(lo), std::to_string(hi)}));
        return static_cast<std::int64_t>(x);
    }

    Vec2 point(const char* key) { return toPoint(key, need(key)); }

    // Everything not asked for, in file order.
    ExtraKeys rest() const
    {
        ExtraKeys out;
        for (auto it = m_object.begin(); it != m_object.end(); ++it)
            if (std::find(m_used.begin(), m_used.end(), it.key()) == m_used.end())
                out.emplace_back(it.key(), compact(it.value()));
        return out;
    }

    static double toNumber(const std::string& key, const Json& v)
    {
        if (!v.is_number())
            refuse(key, translate("lumenary::bench::SceneText", "must be a number"));
        const double x = v.get<double>();
        if (!std::isfinite(x))
            refuse(key, translate("lumenary::bench::SceneText", "must be a finite number"));
        return x;
    }

    static Vec2 toPoint(const std::string& key, const Json& v)
    {
        if (!v.is_array() || v.size() != 2)
            refuse(key, translate("lumenary::bench::SceneText", "must be a point [x, y]"));
        return {toNumber(key, v[0]), toNumber(key, v[1])};
    }

private:
    const Json& m_object;
    std::vector<std::string> m_used;
};

Medium medium(Fields& f, const char* key, bool required)
{
    const Json* v = required ? &f.need(key) : f.find(key);
    if (!v)
        return {};
    if (v->is_number())
        return Medium{nullptr, Fields::toNumber(key, *v)};
    if (v->is_string())
        if (const SellmeierMaterial* m = mediumByName(v->get_ref<const std::string&>()))
            return Medium{m, 1.0};
    refuse(key,
           translate("lumenary::bench::SceneText",
                     "must be a refractive index or one of \"water\", \"fused silica\", \"N-BK7\", "
                     "\"F2\""));
}

Light light(Fields& f)
{
    Light l;
    const Json* nm = f.find("wavelength");
    const Json* white = f.find("white");
    if (nm && white)
        refuse("white", translate("lumenary::bench::SceneText",
                                  "cannot stand beside \"wavelength\": give one of them"));
    if (nm)
        l.wavelength = Fields::toNumber("wavelength", *nm);
    if (white)
        l.white = static_cast<int>(f.whole("white", kMinWhite, kMaxWhite, 0));
    return l;
}

int rays(Fields& f)
{
    return static_cast<int>(f.whole("rays", 1, kMaxPaths, 1));
}

ElementShape shapeOf(ElementType type, Fields& f)
{
    switch (type) {
    case ElementType::Ray:
        return RaySource{f.point("from"), f.number("direction"), light(f)};
    case ElementType::Beam: {
        BeamSource s{f.point("from"), f.number("direction"), f.number("width"), rays(f), {}};
        s.light = light(f);
        return s;
    }
    case ElementType::Point: {
        PointSource s{
            f.point("at"), rays(f), f.number("from_angle", 0.0), f.number("to_angle", 360.0), {}};
        s.light = light(f);
        return s;
    }
    case ElementType::IdealLens:
        return IdealLens{f.point("at"), f.number("axis"), f.number("aperture"),
                         f.number("focal_length")};
    case ElementType::SphericalLens:
        return SphericalLens{
            f.point("at"),  f.number("axis"), f.number("aperture"),       f.number("thickness"),
            f.number("r1"), f.number("r2"),   medium(f, "material", true)};
    case ElementType::Mirror:
        return Mirror{f.point("from"), f.point("to")};
    case ElementType::ArcMirror:
        return ArcMirror{f.point("from"), f.point("to"), f.number("radius")};
    case ElementType::ParabolicMirror:
        return ParabolicMirror{f.point("vertex"), f.number("axis"), f.number("focal_length"),
                               f.number("aperture")};
    case ElementType::Glass: {
        const Json& v = f.need("vertices");
        if (!v.is_array())
            refuse("vertices", translate("lumenary::bench::SceneText",
                                         "must be a list of points [[x, y], ...]"));
        if (v.size() > kMaxPolygonVertices)
            refuse("vertices",
                   translate("lumenary::bench::SceneText", "must hold from 3 to 1000 corners"));
        Glass g;
        for (const Json& p : v)
            g.vertices.push_back(Fields::toPoint("vertices", p));
        g.material = medium(f, "material", true);
        return g;
    }
    case ElementType::Circle:
        return Circle{f.point("centre"), f.number("radius"), medium(f, "material", true)};
    case ElementType::BeamSplitter:
        return BeamSplitter{f.point("from"), f.point("to"), f.number("reflectance")};
    case ElementType::Blocker:
        return Blocker{f.point("from"), f.point("to")};
    case ElementType::Detector:
        return Detector{f.point("from"), f.point("to")};
    }
    refuse("type", translate("lumenary::bench::SceneText", "is not a known element type"));
}

std::string text(Fields& f, const char* key, std::size_t maxBytes)
{
    const Json* v = f.find(key);
    if (!v)
        return {};
    if (!v->is_string())
        refuse(key, translate("lumenary::bench::SceneText", "must be a text"));
    const auto& s = v->get_ref<const std::string&>();
    if (s.size() > maxBytes)
        refuse(key, fillIn(translate("lumenary::bench::SceneText", "must be at most %1 bytes long"),
                           {std::to_string(maxBytes)}));
    return s;
}

Element element(const Json& value)
{
    if (!value.is_object())
        refuse("", translate("lumenary::bench::SceneText", "must be an object {\"type\": ...}"));
    Fields f(value);
    const Json& type = f.need("type");
    if (!type.is_string())
        refuse("type",
               translate("lumenary::bench::SceneText", "must be a text naming the element's type"));
    const auto kind = typeFromKey(type.get_ref<const std::string&>());
    if (!kind)
        refuse("type",
               fillIn(translate("lumenary::bench::SceneText", "names no element type: \"%1\""),
                      {type.get_ref<const std::string&>().substr(0, 40)}));
    Element e;
    e.name = text(f, "name", kMaxNameBytes);
    e.shape = shapeOf(*kind, f);
    e.extra = f.rest();
    if (auto problem = checkElement(e))
        refuse(problem->key, problem->message);
    return e;
}

void settings(const Json& root, Scene& scene)
{
    Fields f(root);
    const Json* format = f.find("format");
    if (!format || !format->is_string() ||
        format->get_ref<const std::string&>() != "lumenary-scene")
        refuse("format", translate("lumenary::bench::SceneText",
                                   "must be \"lumenary-scene\": this is not a scene file"));
    const Json& version = f.need("version");
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
        refuse("version", translate("lumenary::bench::SceneText", "must be 1"));
    if (version.get<std::int64_t>() > 1)
        refuse("version",
               fillIn(translate(
                          "lumenary::bench::SceneText",
                          "is %1: the file was written by a newer program, which reads version 1"),
                      {compact(version)}));
    scene.surroundings = medium(f, "surroundings", false);
    if (const Json* v = f.find("fresnel")) {
        if (!v->is_boolean())
            refuse("fresnel", translate("lumenary::bench::SceneText", "must be true or false"));
        scene.fresnel = v->get<bool>();
    }
    scene.minIntensity = f.number("min_intensity", kDefaultMinIntensity);
    scene.maxInteractions =
        f.whole("max_interactions", 1, kMaxInteractionsLimit, kDefaultMaxInteractions);
    scene.maxSegments = f.whole("max_segments", 1, kMaxSegmentsLimit, kDefaultMaxSegments);
    scene.description = text(f, "description", kMaxDescriptionBytes);
    f.find("elements");
    scene.extra = f.rest();
    if (auto problem = checkSettings(scene))
        refuse(problem->key, problem->message);
}

SceneReading failed(SceneError error)
{
    SceneReading r;
    r.error = std::move(error);
    return r;
}

SceneReading atPlace(std::string_view bytes, std::size_t offset, std::string message)
{
    const TextPlace place = placeOf(bytes, offset);
    return failed(SceneError{place.line, place.column, -1, {}, {}, std::move(message)});
}

// The parser's own words after its "parse error at line L, column C: ".
std::string parserWords(const char* what)
{
    const char* colon = std::strstr(what, "column");
    if (colon)
        colon = std::strstr(colon, ": ");
    return colon ? std::string(colon + 2) : std::string(what);
}

} // namespace

SceneReading readScene(std::string_view bytes)
{
    if (bytes.size() > kMaxFileBytes)
        return failed({0,
                       0,
                       -1,
                       {},
                       {},
                       fillIn(translate("lumenary::bench::SceneText",
                                        "is %1 bytes long; a scene file may hold at most %2 bytes"),
                              {std::to_string(bytes.size()), std::to_string(kMaxFileBytes)})});
    if (auto breach = checkJsonBounds(bytes, kMaxNesting, kMaxValues))
        return atPlace(bytes, breach->offset, breach->message);
    Json root;
    try {
        root = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        return atPlace(bytes, e.byte > 0 ? e.byte - 1 : 0, parserWords(e.what()));
    } catch (const Json::exception& e) {
        return failed({0, 0, -1, {}, {}, parserWords(e.what())});
    }
    if (!root.is_object())
        return failed({1,
                       1,
                       -1,
                       {},
                       {},
                       translate("lumenary::bench::SceneText",
                                 "a scene file holds one object {\"format\": ...}")});

    Scene scene;
    try {
        settings(root, scene);
    } catch (const Refused& r) {
        return failed({0, 0, -1, {}, r.key, r.message});
    }
    const auto it = root.find("elements");
    if (it == root.end())
        return SceneReading{std::move(scene), {}};
    if (!it->is_array())
        return failed(
            {0,
             0,
             -1,
             {},
             "elements",
             translate("lumenary::bench::SceneText", "must be a list of elements [{...}, ...]")});
    if (it->size() > kMaxElements)
        return failed({0,
                       0,
                       -1,
                       {},
                       "elements",
                       fillIn(translate("lumenary::bench::SceneText",
                                        "holds %1 elements; a scene may hold at most %2"),
                              {std::to_string(it->size()), std::to_string(kMaxElements)})});
    std::int64_t paths = 0;
    std::size_t vertices = 0;
    for (std::size_t i = 0; i < it->size(); ++i) {
        const Json& value = (*it)[i];
        const int index = static_cast<int>(i);
        std::string name;
        if (value.is_object() && value.contains("name") && value["name"].is_string())
            name = value["name"].get<std::string>().substr(0, 60);
        try {
            scene.elements.push_back(element(value));
        } catch (const Refused& r) {
            return failed({0, 0, index, name, r.key, r.message});
        }
        const Element& e = scene.elements.back();
        paths += pathCount(e);
        if (paths > kMaxPaths)
            return failed({0, 0, index, name, "rays",
                           fillIn(translate("lumenary::bench::SceneText",
                                            "brings the scene to more than %1 rays (rays × "
                                            "wavelengths of every source)"),
                                  {std::to_string(kMaxPaths)})});
        if (const auto* g = std::get_if<Glass>(&e.shape))
            vertices += g->vertices.size();
        if (vertices > kMaxTotalVertices)
            return failed({0, 0, index, name, "vertices",
                           fillIn(translate("lumenary::bench::SceneText",
                                            "brings the scene to more than %1 corners of glass"),
                                  {std::to_string(kMaxTotalVertices)})});
    }
    return SceneReading{std::move(scene), {}};
}

std::string errorLine(std::string_view fileName, const SceneError& error)
{
    std::string out(fileName);
    if (error.line > 0) {
        out += ':' + std::to_string(error.line) + ':' + std::to_string(error.column) + ": ";
    } else if (error.element >= 0) {
        const std::string element = std::to_string(error.element);
        if (error.elementName.empty())
            out += fillIn(translate("lumenary::bench::SceneText", ": element %1"), {element});
        else
            out += fillIn(translate("lumenary::bench::SceneText", ": element %1 (\"%2\")"),
                          {element, error.elementName});
        out += error.key.empty()
                   ? std::string(": ")
                   : fillIn(translate("lumenary::bench::SceneText", ", key \"%1\": "), {error.key});
    } else if (!error.key.empty()) {
        out += fillIn(translate("lumenary::bench::SceneText", ": key \"%1\": "), {error.key});
    } else {
        out += ": ";
    }
    out += error.message;
    // One line, whatever the file held.
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

} // namespace lumenary::bench
