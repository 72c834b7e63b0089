#include "materials_table.h"

#include "numbers.h"
#include "wording.h"

namespace lumenary
{

const std::array<Material, MaterialsTable::kCount>& MaterialsTable::entries()
{
    // Each name is marked for translation (under kNamesContext) where it stands without a
    // trailing blank; a list shows the translation of the name without its blanks.
    static constexpr std::array<Material, kCount> table{{
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "vacuum"), "vacuum", 1},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "air"), "air", 1.0003},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "water"), "water", 1.33},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "acetone"), "acetone", 1.36},
        {"ethanol ", LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "ethanol"), 1.36},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "sugar solution"), "sugar solution ",
         1.38},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "quartz glass"), "quartz glass", 1.46},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "benzol"), "benzol", 1.5},
        {"typical crown glass ",
         LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "typical crown glass"), 1.52},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "sodium chloride"), "sodium chloride",
         1.54},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "ploystyrene"), "ploystyrene", 1.55},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "heavy flint glass"),
         "heavy flint glass", 1.65},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "saffire"), "saffire", 1.77},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "heaviest flint glass"),
         "heaviest flint glass", 1.89},
        {LUMENARY_TRANSLATE_NOOP("lumenary::MaterialsTable", "diamond"), "diamond ", 2.42},
    }};
    return table;
}

std::optional<Material> MaterialsTable::at(int position)
{
    if (position < 0 || position >= kCount)
        return std::nullopt;
    return entries()[static_cast<std::size_t>(position)];
}

std::optional<std::string> MaterialsTable::indexText(int position, char decimalPoint)
{
    const auto m = at(position);
    if (!m)
        return std::nullopt;
    return formatReadout(m->index, Precision::Double15, decimalPoint);
}

} // namespace lumenary
