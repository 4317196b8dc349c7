#pragma once

#include <cstddef>

#include "materialcode.h"
#include "processstate.h"
#include "voxellattice.h"

namespace Automata {
namespace MixedAutomata {

// One process operation over the manager's volume: a synchronous pass that
// reads only the current array and writes every voxel of the next one.
class GenericAutomaton {
public:
    GenericAutomaton(VoxelLattice& lattice, const ProcessState& state);
    virtual ~GenericAutomaton() = default;
    GenericAutomaton(const GenericAutomaton&) = delete;
    GenericAutomaton& operator=(const GenericAutomaton&) = delete;

    // One pass from current into next, arrays the manager has locked.
    void run(const MaterialCode* current, MaterialCode* next);

protected:
    virtual void step() = 0;

    std::size_t slabSize() const { return static_cast<std::size_t>(length) * height; }

    unsigned width;
    unsigned length;
    unsigned height;
    VoxelLattice& lattice;
    const ProcessState& state;
    // The arrays of the pass in progress.
    const MaterialCode* current = nullptr;
    MaterialCode* next = nullptr;
};

} // namespace MixedAutomata
} // namespace Automata
