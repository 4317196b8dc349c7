#pragma once

#include "genericautomaton.h"

namespace Automata {
namespace MixedAutomata {

// Wet etching of silicon on a diamond lattice laid onto the voxel grid: an
// atom with fewer than three bonded neighbours goes, one with three goes
// unless its neighbours are well bonded themselves (second-neighbour sum of
// 9 or more), one with four stays. Positions beyond the volume count as
// occupied by something other than silicon, so atoms on the faces keep their
// bonds there and etch as if covered.
class BasicCellularAutomaton : public GenericAutomaton {
public:
    using GenericAutomaton::GenericAutomaton;

    // For each parity class 4 (x mod 2) + 2 (y mod 2) + (z mod 2), the
    // offsets of the four bonded neighbours; the relation is symmetric.
    static const int bondTable[8][4][3];
    // Where a silicon atom of each parity class is drawn, relative to its voxel corner.
    static const float atomOffsetTable[8][3];

    static int parity(unsigned x, unsigned y, unsigned z) { return 4 * (x & 1) + 2 * (y & 1) + (z & 1); }

    // The code at (x, y, z) of the current array; outsideCode beyond the volume.
    MaterialCode codeAt(long long x, long long y, long long z) const;
    // 4 less one for each bonded neighbour that is empty.
    int firstNeighbourCount(long long x, long long y, long long z) const;
    // Over the bonded neighbours: 0 for empty, firstNeighbourCount - 1 for
    // silicon, 3 for anything else.
    int secondNeighbourCount(long long x, long long y, long long z) const;

    // Whether the silicon atom at (x, y, z) is etched away in this pass.
    bool removes(long long x, long long y, long long z) const;

protected:
    void step() override;
};

} // namespace MixedAutomata
} // namespace Automata
