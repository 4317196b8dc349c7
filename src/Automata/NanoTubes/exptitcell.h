#pragma once

#include <cstdint>

namespace Automata::NanoTubes {

// One site of the titanium oxidation and experimental diffusion lattices: its
// phase, the particles that leave it in the next step (staying, north, south,
// east, west) and the Ti atoms left in a Ti cell.
struct ExpTiCell {
    std::uint32_t phase = 0;
    std::uint32_t out[5] = {0, 0, 0, 0, 0};
    std::uint32_t atoms = 0;

    std::uint32_t total() const { return out[0] + out[1] + out[2] + out[3] + out[4]; }
};

} // namespace Automata::NanoTubes
