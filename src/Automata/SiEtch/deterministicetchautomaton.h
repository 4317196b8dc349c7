#pragma once

#include <cstddef>

#include "../automaton3d.h"
#include "sietchcell.h"

namespace Automata {
namespace SiEtch {

// Anisotropic wet etching of single-crystal silicon on a diamond lattice.
// Voxel (x, y, z) is an atom site when (x, y, z) mod 4 is one of eight
// triples; all other voxels are interstitial and stay empty. A silicon atom
// with four occupied first neighbours stays; with three it stays when at
// least seven of its twelve second neighbours are occupied; otherwise it is
// etched. Every voxel is decided from the same old volume, so a step removes
// one layer of exposed atoms. Voxels outside the volume count as absent.
//
// The top face z = depth - 1 carries the mask of the input picture; the
// loader masks the other faces.
class DeterministicEtchAutomaton : public Automaton3D<SiEtchCell> {
public:
    // Copies width x height x depth cells and clears every interstitial voxel.
    DeterministicEtchAutomaton(int width, int height, int depth, const SiEtchCell* cells);

    void step() override;
    // The state is shown by the view only: nothing is saved.
    void save() override {}
    bool getAtomCounts(AtomCounts& counts) const override;

    // Hook for derived rules; the plain etch does nothing here.
    virtual void prepareStep() {}
    // Decides voxel (x, y, z) into the next volume.
    virtual void updateVoxel(int x, int y, int z);
    // Occupied voxels inside the volume among the 26 others of the 3x3x3 box.
    virtual int countFirstNeighbours(int x, int y, int z);
    // Occupied voxels inside the volume among the 98 of the 5x5x5 cube outside the 3x3x3 box.
    virtual int countSecondNeighbours(int x, int y, int z);
    // Interstitial voxels become Empty, masks included; atom sites Silicon unless masked.
    virtual void applyCrystalStructure();

    static bool isAtomSite(int x, int y, int z);
    std::size_t voxel(int x, int y, int z) const
    {
        return (static_cast<std::size_t>(x) * height + y) * depth + z;
    }
    const SiEtchCell* currentCells() const { return cells; }

protected:
    // Decides the columns x in [from, to) into the next volume and returns how
    // many silicon atoms were examined and removed there.
    virtual void updateColumns(int from, int to, long long& examined, long long& removed);

private:
    long long countOccupied(int x, int y, int z, int reach, int skipInside) const;

    long long examinedTotal = 0;
    long long removedTotal = 0;
    long long siliconLeft = 0;
};

} // namespace SiEtch
} // namespace Automata
