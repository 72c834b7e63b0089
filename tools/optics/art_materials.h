#pragma once

#include "dispersion.h"

#include <optional>
#include <string_view>

// The materials of the pictures, taken from the core's dispersion table by name.
namespace lumenary::tools
{

// The rainbow picture's drop.
inline constexpr std::string_view kDropMaterial = "Water (21.5 \u00b0C)";
// The spectrum picture's prism.
inline constexpr std::string_view kPrismMaterial = "Flint glass F2";

// The index of a material of the core's table at a wavelength (nm), its spread about the
// index at middleNm enlarged `scale` times, so that the colours part visibly at a picture's
// size. Nothing for a name the table lacks or a wavelength outside its range.
inline std::optional<double> drawnIndex(std::string_view material, double nm, double middleNm,
                                        double scale)
{
    const SellmeierMaterial* m = findDispersiveMaterial(material);
    if (!m)
        return std::nullopt;
    const auto middle = refractiveIndex(*m, middleNm);
    const auto n = refractiveIndex(*m, nm);
    if (!middle || !n)
        return std::nullopt;
    return *middle + scale * (*n - *middle);
}

} // namespace lumenary::tools
