#pragma once

#include "../painter2d.h"
#include "diststate.h"

namespace Automata {
namespace FilmDeposition {

// Draws the 2D distance-counting lattice as coloured squares and, over them,
// the vector of every cell on the growth front as a blue arrow pointing away
// from its source.
class DistanceCounting2DPainter : public Painter2D<DistState> {
public:
    explicit DistanceCounting2DPainter(Automaton2D<DistState>* automaton);

    void paint() override;

    // Whether a cell's arrow is drawn: it has an empty edge neighbour (the
    // lattice wraps) and a vector of squared length strictly between 0 and
    // 100000.
    static bool showsArrow(const DistState* cells, int width, int height, int x, int y);
};

} // namespace FilmDeposition
} // namespace Automata
