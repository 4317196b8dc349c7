#pragma once

#include "anisotropichuygensdepositionautomaton.h"
#include "huygensrays.h"

namespace Automata {
namespace FilmDeposition {

// Anisotropic Huygens deposition by line of sight: a source's occupation is
// the share of directions around it, out to the occupation window's radius,
// blocked by material. The lattice border is closed: beyond it reads as void.
class AnisotropicDirectionalHuygensDeposition : public AnisotropicHuygensDepositionAutomaton {
public:
    AnisotropicDirectionalHuygensDeposition(int width, int height, const FilmCell* initial,
                                            const HuygensParameters& parameters);

    void updateCell(int x, int y) override;
    // As the base's, but beyond the lattice a constant void cell.
    void neighbours(int x, int y, const FilmCell* out[8]) override;

    // The share of directions open from (x, y) in the current lattice.
    double visibleFraction(int x, int y) const;

protected:
    void prepareStep() override;
    void findSources(int x, std::vector<Source>& out) override;
    long long reach(int x, int y) const override;

private:
    HuygensRays rays;
};

} // namespace FilmDeposition
} // namespace Automata
