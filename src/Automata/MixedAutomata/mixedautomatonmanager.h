#pragma once

#include <memory>
#include <vector>

#include "../automaton.h"
#include "../sizecheck.h"
#include "genericautomaton.h"
#include "mixedautomatonmanagerpainter.h"
#include "processstate.h"
#include "voxellattice.h"

namespace Automata {
namespace MixedAutomata {

// A voxel volume of silicon and films and the process operations that act on
// it; each step runs the selected one: 0 silicon wet etch, 1 film deposition,
// 2 film etching, 3 photolithography. The film and masks they use live in
// the manager's process state, set between steps by the options.
class MixedAutomatonManager : public Automaton {
public:
    static constexpr unsigned operationCount = 4;

    // Copies width x length x height codes in volume order.
    MixedAutomatonManager(unsigned width, unsigned length, unsigned height, const MaterialCode* codes);
    ~MixedAutomatonManager() override;

    void step() override;
    // Nothing is saved: the model has no picture of its own.
    void save() override;
    // Stores the flag only.
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    double getTime() override;
    long long getSiteCount() const override;

    // Selects the operation of the next steps; other indices are ignored.
    void setOperation(unsigned index);
    unsigned getOperation() const { return operation; }

    ProcessState& processState() { return state; }
    const ProcessState& processState() const { return state; }
    // Shorthands of the process state.
    void setCurrentFilm(unsigned code) { state.setCurrentFilm(code); }
    MaterialCode currentFilm() const { return state.currentFilm(); }

    VoxelLattice& getLattice() { return lattice; }
    MixedAutomatonManagerPainter& getManagerPainter() { return painter; }

    // What a volume of the size holds at once: both arrays.
    static SizeCheck memoryCheck(unsigned width, unsigned length, unsigned height);

private:
    VoxelLattice lattice;
    double time = 0.0;
    unsigned operation = 0;
    ProcessState state;
    std::vector<std::unique_ptr<GenericAutomaton>> operations;
    bool saveAll = false;
    MixedAutomatonManagerPainter painter;
};

} // namespace MixedAutomata
} // namespace Automata
