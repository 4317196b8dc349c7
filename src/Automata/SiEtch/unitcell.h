#pragma once

#include "atom.h"

namespace Automata {
namespace SiEtch {

// A cubic cell of the diamond lattice: eight atoms, in a fixed order, at
// quarter-lattice-constant positions from the cell origin.
class alignas(64) UnitCell {
public:
    // Atom positions in quarters of the lattice constant.
    static const int quarters[8][3];
    // Whether atom i sits on a face-centred site (bond 1 along (+1, +1, +1)).
    static bool isFaceCentred(int i) { return i == 0 || i == 1 || i == 4 || i == 5; }
    // The same for an atom at quarter position (qx, qy, qz) of the block:
    // face-centred sites have even quarters.
    static bool isFaceCentredAt(int qx) { return (qx & 1) == 0; }
    // The direction (each component +-1) of bond b of atom i.
    static const int* bondDirection(int i, int b);
    static const int* bondDirection(bool faceCentred, int b);
    // The atom at quarter position (qx, qy, qz) inside a cell, or -1.
    static int atomAt(int qx, int qy, int qz);
    // The two top atoms (z = 3/4) and the two bottom atoms (z = 0).
    static constexpr int topAtoms[2] = {6, 7};
    static constexpr int bottomAtoms[2] = {0, 1};

    Atom atoms[8];
};

static_assert(sizeof(Atom) == 64, "an atom fills one cache line");

} // namespace SiEtch
} // namespace Automata
