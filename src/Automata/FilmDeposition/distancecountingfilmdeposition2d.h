#pragma once

#include <string>

#include "../automaton2d.h"
#include "diststate.h"

namespace Automata {
namespace FilmDeposition {

// Conformal film by a vector distance transform on a cross-section: every
// cell carries the vector to its nearest source cell, passed on between edge
// neighbours (the lattice wraps around both edges), and an empty cell becomes
// film when that vector is shorter than the film thickness of 40 cells.
class DistanceCountingFilmDeposition2D : public Automaton2D<DistState> {
public:
    // Copies width x height cells in lattice order.
    DistanceCountingFilmDeposition2D(int width, int height, const DistState* initial);

    // Four propagation sweeps.
    void step() override;
    // The model has no picture of its own to save.
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    double getTime() override;
    // " steps | Errors = N", N the empty cells of the disc of the film
    // thickness around the lattice centre.
    std::string getTimeInfo() override;
    const float* getColor(const DistState& cell) override;

    // Cells of state 0 closer to the lattice centre than the film thickness:
    // how much of the disc a central seed should fill is still empty.
    long long errorCount() const;

private:
    // One sweep from cells into nextCells over columns [begin, end).
    void sweep(int begin, int end);

    float maxComponent = 40.0f;
    float maxDistanceSquared = 1600.0f;
    double stepsDone = 0.0;
    std::uint32_t filmState = 2;
};

} // namespace FilmDeposition
} // namespace Automata
