#pragma once

#include <deque>
#include <vector>

#include "../sizecheck.h"
#include "atom.h"
#include "unitcell.h"

namespace Automata {
namespace SiEtch {

// The crystal the atomistic simulators etch: a block of unit cells with
// every pair of atoms a quarter diagonal apart bonded, the mask atoms that
// cap it, the masks themselves, the list of exposed silicon atoms and the
// counts of what the steps did. Atoms never move once built: etched atoms
// stay in their cells, flagged as removed.
class SiliconBlock {
public:
    // cellsX x cellsY x cellsZ unit cells with lattice constant a, all bonded.
    SiliconBlock(int cellsX, int cellsY, int cellsZ, float latticeConstant);
    SiliconBlock(const SiliconBlock&) = delete;
    SiliconBlock& operator=(const SiliconBlock&) = delete;

    // What a block of the given cells holds: one unit cell per site.
    static SizeCheck sizeCheck(long long cellsX, long long cellsY, long long cellsZ);

    // Cells lie layer by layer (k slowest), so the atoms of an etch front,
    // which runs along a layer, sit close together in memory.
    UnitCell& cell(int i, int j, int k)
    {
        return cells[(static_cast<std::size_t>(k) * cellsX + i) * cellsY + j];
    }

    // A new mask atom bonded to atom at its bond b, a quarter diagonal away
    // along that bond, listed in `into`.
    Atom* cap(Atom& atom, int b, std::vector<Atom*>& into);

    // Flags the atom removed and drops its neighbours' bonds to it; each
    // silicon neighbour not yet exposed is appended to `exposed`. False when
    // the atom was removed already.
    bool removeAtom(Atom& atom, std::vector<Atom*>& exposed)
    {
        if (atom.removed)
            return false;
        atom.removed = true;
        for (int b = 0; b < 4; ++b) {
            Atom* other = atom.bonds[b];
            if (!other)
                continue;
            if (other->atomType == Atom::SiliconAtom && !other->inSurface) {
                exposed.push_back(other);
                other->inSurface = true;
            }
            // Bonds pair index b with 3 - b, so that is the only one of the
            // neighbour's bonds that can point back here.
            if (other->bonds[3 - b] == &atom) {
                other->bonds[3 - b] = nullptr;
                --other->bondCount;
            }
        }
        return true;
    }

    // Caps the open top (or bottom) atoms under set mask pixels and lists the
    // others as exposed. mask is width x height bytes, element x * height + y.
    void maskFace(bool top, const std::vector<unsigned char>& mask, int width, int height);

    // Removes every atom farther than radius from centre and exposes what it bares.
    void carveSphere(float centre, float radius);

    // Mask pixel of a position: q * coordinate rounded up after a small
    // allowance, clamped into the mask.
    static int pixelOf(float coordinate, float latticeConstant, int size);

    int cellsX, cellsY, cellsZ;
    float latticeConstant;
    std::vector<UnitCell> cells;
    std::deque<Atom> maskStore;
    std::vector<unsigned char> topMask;
    std::vector<unsigned char> bottomMask;
    std::vector<Atom*> surfaceAtoms;
    std::vector<Atom*> maskAtoms;

    long long examined = 0;
    long long removed = 0;
    long long siliconLeft = 0;
};

} // namespace SiEtch
} // namespace Automata
