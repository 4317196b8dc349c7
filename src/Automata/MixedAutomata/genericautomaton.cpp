#include "genericautomaton.h"

namespace Automata {
namespace MixedAutomata {

GenericAutomaton::GenericAutomaton(VoxelLattice& lattice, const ProcessState& state)
    : width(lattice.getWidth()), length(lattice.getLength()), height(lattice.getHeight()),
      lattice(lattice), state(state)
{
}

void GenericAutomaton::run(const MaterialCode* currentArray, MaterialCode* nextArray)
{
    current = currentArray;
    next = nextArray;
    step();
    current = nullptr;
    next = nullptr;
}

} // namespace MixedAutomata
} // namespace Automata
