#pragma once

#include <cstdint>

namespace Automata::NanoTubes {

// The phases of the titanium nanotube models, as stored in cells and result files.
enum Phase : std::uint32_t {
    Electrolyte = 0,
    Ti = 1,
    TiOxide = 2,
    InertOxide = 3,
};

// Input-image colours: exact greys 128 or 127 are Ti, pure red Ti oxide, pure blue
// inert oxide; every other colour is electrolyte.
constexpr Phase phaseFromColor(int r, int g, int b)
{
    if (r == g && g == b && (r == 128 || r == 127))
        return Ti;
    if (r == 255 && g == 0 && b == 0)
        return TiOxide;
    if (r == 0 && g == 0 && b == 255)
        return InertOxide;
    return Electrolyte;
}

struct PhaseColor {
    float r, g, b;
};

// Drawing colours; codes outside the four phases draw as electrolyte.
constexpr PhaseColor phaseColor(std::uint32_t code)
{
    switch (code) {
    case Ti:
        return {0.7f, 0.7f, 0.7f};
    case TiOxide:
        return {1.0f, 0.0f, 0.0f};
    case InertOxide:
        return {0.0f, 0.0f, 1.0f};
    default:
        return {1.0f, 1.0f, 1.0f};
    }
}

} // namespace Automata::NanoTubes
