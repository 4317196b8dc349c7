#pragma once

#include "genericautomaton.h"

namespace Automata {
namespace MixedAutomata {

// Etching of the current film: a voxel of it with empty space among its 26
// neighbours inside the volume becomes empty. Silicon and the other films
// are untouched, and the outside never etches.
class MooreFilmEtchingAutomaton : public GenericAutomaton {
public:
    using GenericAutomaton::GenericAutomaton;

protected:
    void step() override;
};

} // namespace MixedAutomata
} // namespace Automata
