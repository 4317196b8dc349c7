#pragma once

#include <cstdint>

namespace Automata::NanoTubes {

// A site of the aluminium etching lattice gas: its phase and four slots, one
// per direction of motion, each holding a particle of kind A (the kind that
// dissolves aluminium), of kind B, or none.
struct AlCell {
    enum Phase : std::int32_t { Electrolyte = 0, Aluminium = 1, Wall = 2 };
    enum Particle : std::int32_t { KindA = 0, KindB = 1, None = 2 };
    // Slot 0 moves down (y - 1), 1 up (y + 1), 2 left (x - 1), 3 right (x + 1).
    enum Slot { Down = 0, Up = 1, Left = 2, Right = 3 };

    std::int32_t phase = Electrolyte;
    std::int32_t particles[4] = {None, None, None, None};
};

} // namespace Automata::NanoTubes
