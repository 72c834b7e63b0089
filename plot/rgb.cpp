#include "rgb.h"

#include <array>

namespace lumenary
{

Rgb palette(int index)
{
    static constexpr std::array<Rgb, 16> colours{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    return colours[static_cast<unsigned>(index) % 16u];
}

} // namespace lumenary
