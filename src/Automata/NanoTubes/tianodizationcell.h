#pragma once

#include <cstdint>

namespace Automata::NanoTubes {

// A site of the anodization lattice: the oxidation cell's phase, outgoing
// particles and Ti atoms, and the field pair, (0, E) in the oxide and (0, 0)
// elsewhere, refreshed after every step for display.
struct TiAnodizationCell {
    std::uint32_t phase = 0;
    std::uint32_t out[5] = {0, 0, 0, 0, 0};
    std::uint32_t atoms = 0;
    double field[2] = {0.0, 0.0};

    std::uint32_t total() const { return out[0] + out[1] + out[2] + out[3] + out[4]; }
};

} // namespace Automata::NanoTubes
