#pragma once

#include <vector>

#include "../automaton2d.h"

namespace Automata {
namespace Interpolation {

// A two-state twisted-majority rule on the 3 x 3 Moore neighbourhood of a
// torus: clusters coarsen and their boundaries straighten.
class AnnealingRuleMooreNeighborhood : public Automaton2D<bool> {
public:
    AnnealingRuleMooreNeighborhood(int width, int height, const bool* initial);

    void step() override;
    void save() override;

    // The colour of a cell from its current and its initial value. The cell is
    // located by its address in the current lattice, so any number of painter
    // passes, in any order, colour every cell right; a value that is not a
    // cell of the lattice is coloured as if it had never changed.
    const float* getColor(const bool& cell) override;
    // The saved picture: true black, false white.
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    // Pixels that are pure black are true, everything else false.
    static bool convertColor(int red, int green, int blue)
    {
        return red == 0 && green == 0 && blue == 0;
    }

    // The next value from the number of true cells among the nine (itself included).
    static bool nextValue(int trueCount) { return trueCount == 4 || trueCount >= 6; }

    const std::vector<bool>& initialCells() const { return initial; }

private:
    std::vector<bool> initial;
};

} // namespace Interpolation
} // namespace Automata
