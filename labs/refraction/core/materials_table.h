#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumenary
{

// One medium of the materials table, with its name as each of the two lists shows it.
struct Material {
    std::string_view firstListName;  // in the medium-1 list
    std::string_view secondListName; // in the medium-2 list
    double index;                    // index of refraction
};

// The fifteen media the refraction labs offer, in list order. A choice is resolved by its
// position only; the names are shown as they stand and never compared.
class MaterialsTable
{
public:
    static constexpr int kCount = 15;
    // The translation context of the names (each translated without its trailing blanks).
    static constexpr const char* kNamesContext = "lumenary::MaterialsTable";
    static const std::array<Material, kCount>& entries();
    // The medium at a list position, if the position is in the table.
    static std::optional<Material> at(int position);
    // The index at a list position as an index field shows it: its shortest decimal form.
    static std::optional<std::string> indexText(int position, char decimalPoint);
};

} // namespace lumenary
