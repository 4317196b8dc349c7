#pragma once

#include <cstdint>

namespace Automata {
namespace SimpleDiffusionAutomata {

// What one channel of a site holds. Only Particle counts as a particle for
// drawing and averaging; Other travels through the channels like any value.
enum Particles : std::int32_t {
    NoParticle = 0,
    Particle = 1,
    Other = 2,
};

} // namespace SimpleDiffusionAutomata
} // namespace Automata
