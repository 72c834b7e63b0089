#pragma once

#include <cstdint>

namespace lumenary
{

// A 24-bit colour as (red, green, blue).
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colour i (0..15) of the classic sixteen-colour palette; indices outside wrap modulo 16.
Rgb palette(int index);

// A literal colour written &HBBGGRR: blue in the high byte, red in the low byte.
constexpr Rgb fromBgr(std::uint32_t bgr)
{
    return Rgb{static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
               static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

} // namespace lumenary
