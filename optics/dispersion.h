#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace lumenary
{

// Wavelengths of the Fraunhofer lines used to describe glass, in nanometres.
inline constexpr double kLineF = 486.13; // hydrogen, blue
inline constexpr double kLineD = 587.56; // helium d, yellow
inline constexpr double kLineC = 656.27; // hydrogen, red

// The visible range over which the dispersion formulas are trusted, in nanometres.
inline constexpr double kShortestWavelength = 380.0;
inline constexpr double kLongestWavelength = 780.0;

// A transparent material whose index follows the Sellmeier formula
// n² − 1 = Σ Bᵢ λ² / (λ² − Cᵢ), with λ in micrometres and Cᵢ in square micrometres.
// Unused terms have B = 0.
struct SellmeierMaterial {
    std::string_view name;
    std::array<double, 4> b;
    std::array<double, 4> c;
};

// Water, fused silica, crown glass N-BK7 and flint glass F2, in that order.
std::span<const SellmeierMaterial> dispersiveMaterials();

// The material of that name, if the table has one.
const SellmeierMaterial* findDispersiveMaterial(std::string_view name);

// True for a finite wavelength inside the visible range.
bool isVisibleWavelength(double nanometres);

// The index at a wavelength in nanometres; nothing outside the visible range.
std::optional<double> refractiveIndex(const SellmeierMaterial& material, double nanometres);

// Abbe number V_d = (n_d − 1) / (n_F − n_C): the smaller, the more the material disperses.
double abbeNumber(const SellmeierMaterial& material);

// What surrounds the prism or the drop: air (n = 1.0003 at every wavelength) or vacuum.
enum class Surroundings { Air, Vacuum };

// The index of the surroundings.
double surroundingIndex(Surroundings surroundings);

} // namespace lumenary
