#pragma once

#include <vector>

#include "genericautomaton.h"

namespace Automata {
namespace MixedAutomata {

// Straight removal of the current film through the masks: a voxel of it goes
// when the voxel below is empty and the bottom mask leaves its column open,
// or the voxel above is empty and the top mask leaves it open. The film is
// thus cut down (or up) column by column, one voxel per pass.
class MoorePhotolithographyAutomaton : public GenericAutomaton {
public:
    MoorePhotolithographyAutomaton(VoxelLattice& lattice, const ProcessState& state);

protected:
    void step() override;

private:
    void copyMask(const VoxelMask& mask, std::vector<unsigned char>& plane) const;

    // The masks as this volume sees them in the pass, element x * L + y:
    // 1 protected, 0 open.
    std::vector<unsigned char> bottom;
    std::vector<unsigned char> top;
};

} // namespace MixedAutomata
} // namespace Automata
