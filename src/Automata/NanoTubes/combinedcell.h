#pragma once

#include <cstdint>

namespace Automata::NanoTubes {

// The two species of the combined etching and oxidation model.
enum Distributions : int {
    Oxygen = 0,
    Fluorine = 1,
};

// A site of the combined model: its phase, one set of outgoing particles
// (staying, north, south, east, west) per species, the Ti atoms (atoms[0])
// and the oxide units (atoms[1]).
struct CombinedCell {
    std::uint32_t phase = 0;
    std::uint32_t out[2][5] = {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
    std::uint32_t atoms[2] = {0, 0};

    std::uint32_t total(int species) const
    {
        const std::uint32_t* o = out[species];
        return o[0] + o[1] + o[2] + o[3] + o[4];
    }
};

} // namespace Automata::NanoTubes
