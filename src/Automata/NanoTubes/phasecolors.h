#pragma once

#include <cstdint>

#include "phase.h"

namespace Automata::NanoTubes {

// The drawing colour of a phase code as the three floats a painter takes.
inline const float* phaseColorOf(std::uint32_t code)
{
    static const PhaseColor colors[4] = {phaseColor(0), phaseColor(1), phaseColor(2), phaseColor(3)};
    return &colors[code < 4 ? code : 0].r;
}

} // namespace Automata::NanoTubes
