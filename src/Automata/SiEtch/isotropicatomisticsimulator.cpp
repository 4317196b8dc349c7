#include "isotropicatomisticsimulator.h"

#include "../random.h"

namespace Automata {
namespace SiEtch {

IsotropicAtomisticSimulator::IsotropicAtomisticSimulator(int width, int height, int depth,
                                                         float latticeConstant,
                                                         const std::vector<unsigned char>& topMask)
    : AtomisticSimulator(width, height, depth, latticeConstant, topMask)
{
    Random::seed(Random::timeSeed());
}

void IsotropicAtomisticSimulator::removeAtom(Atom& atom)
{
    if (block->removeAtom(atom, block->surfaceAtoms)) {
        ++block->removed;
        --block->siliconLeft;
    }
}

void IsotropicAtomisticSimulator::step()
{
    std::vector<Atom*>& list = block->surfaceAtoms;
    const std::size_t picks = list.size();
    for (std::size_t n = 0; n < picks && !list.empty(); ++n) {
        // The program's generator gives 0 .. 32767, so k stays in the list.
        const int k = Random::rangedInt(0, static_cast<int>(list.size()) - 1);
        Atom* atom = list[k];
        ++block->examined;
        if (atom->hitsLeft > 0) {
            --atom->hitsLeft;
            continue;
        }
        list.erase(list.begin() + k);
        removeAtom(*atom);
    }
    std::size_t kept = 0;
    for (Atom* atom : list) {
        if (atom->firstNeighbourCount() == 0) {
            if (!atom->removed) {
                atom->removed = true;
                ++block->removed;
                --block->siliconLeft;
            }
            continue;
        }
        list[kept++] = atom;
    }
    list.resize(kept);
    saveStepPicture();
}

} // namespace SiEtch
} // namespace Automata
