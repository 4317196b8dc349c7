#pragma once

#include "genericautomaton.h"

namespace Automata {
namespace MixedAutomata {

// Conformal deposition of the current film: empty space with any of its 26
// neighbours inside the volume occupied (silicon or any film) becomes the
// film, one voxel layer per pass on every exposed surface.
class MooreFilmDepositionAutomaton : public GenericAutomaton {
public:
    using GenericAutomaton::GenericAutomaton;

protected:
    void step() override;
};

} // namespace MixedAutomata
} // namespace Automata
