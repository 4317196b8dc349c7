#pragma once

#include <vector>

#include "oxidationautomaton2d.h"

namespace Automata {
namespace FilmDeposition {

// Oxidation at a constant rate with a variable time step: each step lasts just
// long enough for the front cell closest to completion to turn into oxide, and
// only the cells on the oxidation front are updated.
class VtsOxidation2D : public OxidationAutomaton2D {
public:
    // Copies width x height cells in lattice order.
    VtsOxidation2D(int width, int height, const FilmCell* initialCells,
                   const Parameters& parameters);

    void step() override;

    // Indices (x * height + y) of the cells that may change in the next step,
    // ascending.
    const std::vector<int>& getFront() const { return front; }

    // The smallest time any ambient or silicon front cell needs to oxidise
    // completely at the current rate; 0 for an empty front.
    float estimateTimeStep() const;

private:
    std::vector<int> front;
};

} // namespace FilmDeposition
} // namespace Automata
