#pragma once

#include "atomisticsimulator.h"

namespace Automata {
namespace SiEtch {

// Isotropic etching by random hits: each step makes as many picks of the
// exposed list as it held at the start; a picked atom loses one of its 100
// hits, and one picked with none left is removed. Atoms left without bonds
// drop off at the end of the step.
class IsotropicAtomisticSimulator : public AtomisticSimulator {
public:
    // The single-side block; seeds the program's generator with the time.
    IsotropicAtomisticSimulator(int width, int height, int depth, float latticeConstant,
                                const std::vector<unsigned char>& topMask);

    void step() override;
    // Atoms this exposes join the list being picked from.
    void removeAtom(Atom& atom) override;
};

} // namespace SiEtch
} // namespace Automata
