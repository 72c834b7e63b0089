#include "materials_table.h"

#include "numbers.h"

namespace lumenary
{

const std::array<Material, MaterialsTable::kCount>& MaterialsTable::entries()
{
    static constexpr std::array<Material, kCount> table{{
        {"vacuum", "vacuum", 1},
        {"air", "air", 1.0003},
        {"water", "water", 1.33},
        {"acetone", "acetone", 1.36},
        {"ethanol ", "ethanol", 1.36},
        {"sugar solution", "sugar solution ", 1.38},
        {"quartz glass", "quartz glass", 1.46},
        {"benzol", "benzol", 1.5},
        {"typical crown glass ", "typical crown glass", 1.52},
        {"sodium chloride", "sodium chloride", 1.54},
        {"ploystyrene", "ploystyrene", 1.55},
        {"heavy flint glass", "heavy flint glass", 1.65},
        {"saffire", "saffire", 1.77},
        {"heaviest flint glass", "heaviest flint glass", 1.89},
        {"diamond", "diamond ", 2.42},
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
