#pragma once

#include <cmath>

#include "atomisticsimulator.h"

namespace Automata {
namespace SiEtch {

// Deep reactive ion etching: every exposed atom under an open pixel of the
// top mask goes, whatever its bonds, so the etch cuts straight down; loose
// atoms (no bonds left) go anywhere.
class DrieAtomisticSimulator : public AtomisticSimulator {
public:
    using AtomisticSimulator::AtomisticSimulator;

    bool shouldRemove(const Atom& atom) override { return underOpenColumn(atom); }

    // F = 0, or the top-mask pixel above the atom (position times 4 / a,
    // halves rounded up, clamped into the mask) is open.
    bool underOpenColumn(const Atom& atom) const
    {
        if (atom.firstNeighbourCount() == 0)
            return true;
        const std::vector<unsigned char>& mask = block->topMask;
        const int w = getMaskWidth(), h = getMaskHeight();
        if (mask.empty() || w <= 0 || h <= 0)
            return true;
        const float q = 4 / getLatticeConstant();
        const int i = clamp(static_cast<int>(std::floor(q * atom.x + 0.5f)), w);
        const int j = clamp(static_cast<int>(std::floor(q * atom.y + 0.5f)), h);
        return mask[static_cast<std::size_t>(i) * h + j] == 0;
    }

protected:
    void decide() override
    {
        decideWith([this](const Atom& atom) { return underOpenColumn(atom); });
    }

private:
    static int clamp(int i, int size) { return i < 0 ? 0 : i >= size ? size - 1 : i; }
};

} // namespace SiEtch
} // namespace Automata
