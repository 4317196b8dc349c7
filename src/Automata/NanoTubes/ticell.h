#pragma once

#include <cstdint>

#include "phase.h"

namespace Automata::NanoTubes {

// A site of the empiric nanotube model: its phase (electrolyte, Ti or Ti
// oxide), the X and Y components in nanometres of its vector to its pore
// source, and whether it is a source, which keeps its own vector.
struct TiCell {
    std::uint32_t phase = Electrolyte;
    float distance[2] = {0.0f, 0.0f};
    std::uint8_t source = 0;
};

} // namespace Automata::NanoTubes
