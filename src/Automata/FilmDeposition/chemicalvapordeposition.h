#pragma once

#include <vector>

#include "../automaton2d.h"
#include "filmdepositioncell.h"

namespace Automata {
namespace FilmDeposition {

// Binary film growth on a torus by local pattern matching, with extra von
// Neumann growth on every 8th step and Moore growth on every 5th step.
// Film never turns back into empty.
class ChemicalVaporDeposition : public Automaton2D<FilmDepositionCell> {
public:
    // Copies width x height sites in lattice order (Film or Empty).
    ChemicalVaporDeposition(int width, int height, const FilmDepositionCell* initial);

    void step() override;
    void save() override;
    const float* getColor(const FilmDepositionCell& cell) override;

    // Steps done since construction; the first step runs with 1.
    int getStepCount() const { return stepCount; }

private:
    bool growsAt(int x, int y, bool vonNeumannStep, bool mooreStep) const;

    int stepCount = 0;
    // Wrapped coordinates: column index of x + dx for dx in -3 .. 3, stored
    // at x * 7 + dx + 3, and likewise for rows.
    std::vector<int> wrappedX;
    std::vector<int> wrappedY;
};

} // namespace FilmDeposition
} // namespace Automata
