#pragma once

#include "continuousfilmdeposition2d.h"

namespace Automata {
namespace FilmDeposition {

// Continuous film deposition whose every step lasts until the empty cell
// closest to completion completes, counting only edge contacts with solid
// cells for the estimate.
class ContinuousFilmDepositionVts2D : public ContinuousFilmDeposition2D {
public:
    ContinuousFilmDepositionVts2D(int width, int height, const FilmCell* initial);

    void step() override;

    // The time the empty cell closest to completion needs at vtsRate per
    // solid edge neighbour. 0 when no empty cell touches a solid one (no
    // solid or no empty cell at all): then nothing can grow.
    float estimateTimeStep() const;
};

} // namespace FilmDeposition
} // namespace Automata
