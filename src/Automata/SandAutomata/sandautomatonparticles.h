#pragma once

#include <cstdint>

namespace Automata {
namespace SandAutomata {

// What one site of a sand pile holds.
enum SandAutomatonParticles : std::int32_t {
    Sand = 0,
    Wall = 1,
    Empty = 2,
};

} // namespace SandAutomata
} // namespace Automata
