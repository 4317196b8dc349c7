#pragma once

namespace Automata {
namespace SiEtch {

// One atom of the atomistic silicon block. Bond i of one atom pairs with
// bond 3 - i of its partner; bonds 0 and 1 point up (+z), 2 and 3 down.
// A removed atom keeps its own bonds; its neighbours drop theirs to it.
// An atom fills one 64-byte cache line: its cell follows from its place in
// the block, so it keeps no pointer to it.
struct Atom {
    enum Type { SiliconAtom = 0, MaskAtom = 2 };

    int hitsLeft = 100;
    unsigned bondCount = 0;
    Atom* bonds[4] = {};
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    int atomType = SiliconAtom;
    bool removed = false;
    bool inSurface = false;

    // F: a mask atom counts as fully bonded.
    int firstNeighbourCount() const
    {
        return atomType == MaskAtom ? 4 : static_cast<int>(bondCount);
    }

    // S: over the bonded atoms, their F less the bond to this one.
    int secondNeighbourCount() const
    {
        int count = 0;
        for (const Atom* other : bonds)
            if (other)
                count += other->firstNeighbourCount() - 1;
        return count;
    }

    // Drops every bond to other.
    void unbond(const Atom* other)
    {
        for (Atom*& bond : bonds)
            if (bond == other) {
                bond = nullptr;
                --bondCount;
            }
    }

    // Bonds a at its index i to b at index 3 - i.
    static void link(Atom& a, int i, Atom& b)
    {
        a.bonds[i] = &b;
        b.bonds[3 - i] = &a;
        ++a.bondCount;
        ++b.bondCount;
    }
};

} // namespace SiEtch
} // namespace Automata
