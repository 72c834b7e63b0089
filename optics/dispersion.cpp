#include "dispersion.h"

#include <cmath>

namespace lumenary
{

namespace
{

// Squares of the resonance wavelengths given in micrometres.
constexpr double sq(double x)
{
    return x * x;
}

constexpr std::array<SellmeierMaterial, 4> kMaterials{{
    // Water at 21.5 °C: Daimon and Masumura, Applied Optics 46, 3811 (2007).
    {"Water (21.5 \u00b0C)",
     {0.5689093832, 0.1719708856, 0.02062501582, 0.1123965424},
     {0.005110301794, 0.01825180155, 0.02624158904, 10.67505178}},
    // Fused silica: Malitson, Journal of the Optical Society of America 55, 1205 (1965).
    {"Fused silica",
     {0.6961663, 0.4079426, 0.8974794, 0.0},
     {sq(0.0684043), sq(0.1162414), sq(9.896161), 0.0}},
    // Crown glass N-BK7: the glass maker's published catalogue coefficients.
    {"Crown glass N-BK7",
     {1.03961212, 0.231792344, 1.01046945, 0.0},
     {0.00600069867, 0.0200179144, 103.560653, 0.0}},
    // Flint glass F2: the glass maker's published catalogue coefficients.
    {"Flint glass F2",
     {1.34533359, 0.209073176, 0.937357162, 0.0},
     {0.00997743871, 0.0470450767, 111.886764, 0.0}},
}};

// Every resonance lies outside the visible range, so the sum never divides by zero there.
double sellmeier(const SellmeierMaterial& m, double micrometres)
{
    const double l2 = micrometres * micrometres;
    double sum = 0.0;
    for (std::size_t i = 0; i < m.b.size(); ++i)
        if (m.b[i] != 0.0)
            sum += m.b[i] * l2 / (l2 - m.c[i]);
    return std::sqrt(1.0 + sum);
}

} // namespace

std::span<const SellmeierMaterial> dispersiveMaterials()
{
    return kMaterials;
}

const SellmeierMaterial* findDispersiveMaterial(std::string_view name)
{
    for (const auto& m : kMaterials)
        if (m.name == name)
            return &m;
    return nullptr;
}

bool isVisibleWavelength(double nanometres)
{
    return std::isfinite(nanometres) && nanometres >= kShortestWavelength &&
           nanometres <= kLongestWavelength;
}

std::optional<double> refractiveIndex(const SellmeierMaterial& material, double nanometres)
{
    if (!isVisibleWavelength(nanometres))
        return std::nullopt;
    return sellmeier(material, nanometres / 1000.0);
}

double abbeNumber(const SellmeierMaterial& material)
{
    const double nd = sellmeier(material, kLineD / 1000.0);
    const double nf = sellmeier(material, kLineF / 1000.0);
    const double nc = sellmeier(material, kLineC / 1000.0);
    return (nd - 1.0) / (nf - nc);
}

double surroundingIndex(Surroundings surroundings)
{
    return surroundings == Surroundings::Air ? 1.0003 : 1.0;
}

} // namespace lumenary
