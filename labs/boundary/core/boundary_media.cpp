#include "boundary_media.h"

#include "dispersion.h"
#include "materials_table.h"

#include <array>

namespace lumenary::boundary
{

namespace
{

// The table's media by their proper names: the classic lists keep the table's own spellings.
constexpr std::array<std::string_view, MaterialsTable::kCount> kTableNames{"vacuum",
                                                                           "air",
                                                                           "water",
                                                                           "acetone",
                                                                           "ethanol",
                                                                           "sugar solution",
                                                                           "quartz glass",
                                                                           "benzene",
                                                                           "typical crown glass",
                                                                           "sodium chloride",
                                                                           "polystyrene",
                                                                           "heavy flint glass",
                                                                           "sapphire",
                                                                           "heaviest flint glass",
                                                                           "diamond"};

struct DispersiveName {
    std::string_view list;
    std::string_view sentence;
};
constexpr std::array<DispersiveName, 4> kDispersiveNames{{
    {"Water (21.5 \u00b0C, measured)", "water at 21.5 \u00b0C"},
    {"Fused silica", "fused silica"},
    {"Crown glass N-BK7", "N-BK7"},
    {"Flint glass F2", "F2"},
}};

static_assert(MaterialsTable::kCount + static_cast<int>(kDispersiveNames.size()) == kMediumCount);

} // namespace

std::optional<Medium> mediumAt(int position, double airNanometres)
{
    if (!isVisibleWavelength(airNanometres))
        return std::nullopt;
    if (const auto m = MaterialsTable::at(position)) {
        const auto name = kTableNames[static_cast<std::size_t>(position)];
        return Medium{name, name, m->index, false};
    }
    const int d = position - MaterialsTable::kCount;
    const auto materials = dispersiveMaterials();
    if (d < 0 || d >= static_cast<int>(materials.size()))
        return std::nullopt;
    const auto i = static_cast<std::size_t>(d);
    // The makers' formulas give the index relative to air at the wavelength in air.
    const auto relative = refractiveIndex(materials[i], airNanometres);
    if (!relative)
        return std::nullopt;
    return Medium{kDispersiveNames[i].list, kDispersiveNames[i].sentence, kAirIndex * *relative,
                  true};
}

} // namespace lumenary::boundary
