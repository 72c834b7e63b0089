#include "element_numbers.h"

#include <climits>
#include <cmath>
#include <vector>

namespace lumenary::bench
{

namespace
{

// One typed number of an element: a real, a whole number or a point.
struct Slot {
    std::string_view key;
    double* real = nullptr;
    int* whole = nullptr;
    Vec2* point = nullptr;
};

void addLight(std::vector<Slot>& out, Light& l)
{
    out.push_back({"wavelength", &l.wavelength});
    out.push_back({"white", nullptr, &l.white});
}

std::vector<Slot> slotsOf(RaySource& s)
{
    std::vector<Slot> out{{"from", nullptr, nullptr, &s.from}, {"direction", &s.direction}};
    addLight(out, s.light);
    return out;
}

std::vector<Slot> slotsOf(BeamSource& s)
{
    std::vector<Slot> out{{"from", nullptr, nullptr, &s.from},
                          {"direction", &s.direction},
                          {"width", &s.width},
                          {"rays", nullptr, &s.rays}};
    addLight(out, s.light);
    return out;
}

std::vector<Slot> slotsOf(PointSource& s)
{
    std::vector<Slot> out{{"at", nullptr, nullptr, &s.at},
                          {"rays", nullptr, &s.rays},
                          {"from_angle", &s.fromAngle},
                          {"to_angle", &s.toAngle}};
    addLight(out, s.light);
    return out;
}

std::vector<Slot> slotsOf(IdealLens& s)
{
    return {{"at", nullptr, nullptr, &s.at},
            {"axis", &s.axis},
            {"aperture", &s.aperture},
            {"focal_length", &s.focalLength}};
}

std::vector<Slot> slotsOf(SphericalLens& s)
{
    return {{"at", nullptr, nullptr, &s.at}, {"axis", &s.axis}, {"aperture", &s.aperture},
            {"thickness", &s.thickness},     {"r1", &s.r1},     {"r2", &s.r2}};
}

std::vector<Slot> slotsOf(ArcMirror& s)
{
    return {{"from", nullptr, nullptr, &s.from},
            {"to", nullptr, nullptr, &s.to},
            {"radius", &s.radius}};
}

std::vector<Slot> slotsOf(ParabolicMirror& s)
{
    return {{"vertex", nullptr, nullptr, &s.vertex},
            {"axis", &s.axis},
            {"focal_length", &s.focalLength},
            {"aperture", &s.aperture}};
}

std::vector<Slot> slotsOf(Glass&)
{
    return {};
}

std::vector<Slot> slotsOf(Circle& s)
{
    return {{"centre", nullptr, nullptr, &s.centre}, {"radius", &s.radius}};
}

std::vector<Slot> slotsOf(BeamSplitter& s)
{
    return {{"from", nullptr, nullptr, &s.from},
            {"to", nullptr, nullptr, &s.to},
            {"reflectance", &s.reflectance}};
}

// Mirror, blocker, detector: two ends.
template <typename T> std::vector<Slot> slotsOf(T& s)
{
    return {{"from", nullptr, nullptr, &s.from}, {"to", nullptr, nullptr, &s.to}};
}

std::optional<Slot> find(Element& element, std::string_view key, int component)
{
    if (component < 0 || component > 1)
        return std::nullopt;
    const std::vector<Slot> slots = std::visit([](auto& s) { return slotsOf(s); }, element.shape);
    for (const Slot& s : slots)
        if (s.key == key && (s.point || component == 0))
            return s;
    return std::nullopt;
}

} // namespace

std::optional<double> elementNumber(const Element& element, std::string_view key, int component)
{
    // Read through the same table as writing; nothing is written here.
    const auto slot = find(const_cast<Element&>(element), key, component);
    if (!slot)
        return std::nullopt;
    if (slot->point)
        return component == 0 ? slot->point->x : slot->point->y;
    if (slot->whole)
        return static_cast<double>(*slot->whole);
    return *slot->real;
}

bool setElementNumber(Element& element, std::string_view key, int component, double value)
{
    const auto slot = find(element, key, component);
    if (!slot)
        return false;
    if (slot->point) {
        (component == 0 ? slot->point->x : slot->point->y) = value;
    } else if (slot->whole) {
        const double whole = std::nearbyint(value);
        if (!(whole >= INT_MIN && whole <= INT_MAX))
            return false;
        *slot->whole = static_cast<int>(whole);
    } else {
        *slot->real = value;
    }
    return true;
}

const Medium* elementMedium(const Element& element)
{
    return elementMedium(const_cast<Element&>(element));
}

Medium* elementMedium(Element& element)
{
    if (auto* s = std::get_if<SphericalLens>(&element.shape))
        return &s->material;
    if (auto* g = std::get_if<Glass>(&element.shape))
        return &g->material;
    if (auto* c = std::get_if<Circle>(&element.shape))
        return &c->material;
    return nullptr;
}

const Light* elementLight(const Element& element)
{
    return elementLight(const_cast<Element&>(element));
}

Light* elementLight(Element& element)
{
    if (auto* s = std::get_if<RaySource>(&element.shape))
        return &s->light;
    if (auto* b = std::get_if<BeamSource>(&element.shape))
        return &b->light;
    if (auto* p = std::get_if<PointSource>(&element.shape))
        return &p->light;
    return nullptr;
}

} // namespace lumenary::bench
