#include "scene.h"

#include <array>

namespace lumenary::bench
{

namespace
{

// The scene file's short names of the dispersion table's materials, in the table's order.
constexpr std::array<std::string_view, 4> kMediumNames{"water", "fused silica", "N-BK7", "F2"};

struct TypeNames {
    std::string_view key;
    std::string_view title;
};
constexpr std::array<TypeNames, kElementTypeCount> kTypeNames{{
    {"ray", "Ray"},
    {"beam", "Beam"},
    {"point", "Point source"},
    {"ideal_lens", "Ideal lens"},
    {"spherical_lens", "Spherical lens"},
    {"mirror", "Mirror"},
    {"arc_mirror", "Arc mirror"},
    {"parabolic_mirror", "Parabolic mirror"},
    {"glass", "Glass"},
    {"circle", "Circle"},
    {"beam_splitter", "Beam splitter"},
    {"blocker", "Blocker"},
    {"detector", "Detector"},
}};

} // namespace

double Medium::at(double nanometres) const
{
    if (!material)
        return index;
    return refractiveIndex(*material, nanometres).value_or(index);
}

std::string_view mediumName(const Medium& medium)
{
    const auto table = dispersiveMaterials();
    for (std::size_t i = 0; i < table.size() && i < kMediumNames.size(); ++i)
        if (medium.material == &table[i])
            return kMediumNames[i];
    return {};
}

const SellmeierMaterial* mediumByName(std::string_view name)
{
    const auto table = dispersiveMaterials();
    for (std::size_t i = 0; i < table.size() && i < kMediumNames.size(); ++i)
        if (name == kMediumNames[i])
            return &table[i];
    return nullptr;
}

std::vector<double> Light::wavelengths() const
{
    if (white < 2)
        return {wavelength};
    std::vector<double> out(static_cast<std::size_t>(white));
    for (int i = 0; i < white; ++i)
        out[static_cast<std::size_t>(i)] = bandWavelength(i, white);
    return out;
}

std::string_view typeKey(ElementType type)
{
    return kTypeNames[static_cast<std::size_t>(type)].key;
}

std::optional<ElementType> typeFromKey(std::string_view key)
{
    for (std::size_t i = 0; i < kTypeNames.size(); ++i)
        if (kTypeNames[i].key == key)
            return static_cast<ElementType>(i);
    return std::nullopt;
}

std::string_view typeTitle(ElementType type)
{
    return kTypeNames[static_cast<std::size_t>(type)].title;
}

} // namespace lumenary::bench
