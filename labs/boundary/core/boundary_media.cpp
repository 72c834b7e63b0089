#include "boundary_media.h"

#include "dispersion.h"
#include "materials_table.h"
#include "wording.h"

#include <array>

namespace lumenary::boundary
{

namespace
{

// The table's media by their proper names: the classic lists keep the table's own spellings.
constexpr std::array<std::string_view, MaterialsTable::kCount> kTableNames{
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "vacuum"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "air"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "water"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "acetone"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "ethanol"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "sugar solution"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "quartz glass"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "benzene"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "typical crown glass"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "sodium chloride"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "polystyrene"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "heavy flint glass"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "sapphire"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "heaviest flint glass"),
    LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "diamond"),
};

struct DispersiveName {
    std::string_view list;
    std::string_view sentence;
};
constexpr std::array<DispersiveName, 4> kDispersiveNames{{
    {LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "Water (21.5 °C, measured)"),
     LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "water at 21.5 °C")},
    {LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "Fused silica"),
     LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "fused silica")},
    {LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "Crown glass N-BK7"), "N-BK7"},
    {LUMENARY_TRANSLATE_NOOP("lumenary::boundary::BoundaryMedia", "Flint glass F2"), "F2"},
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

std::string mediumName(std::string_view english)
{
    return translate("lumenary::boundary::BoundaryMedia", std::string(english).c_str());
}

} // namespace lumenary::boundary
