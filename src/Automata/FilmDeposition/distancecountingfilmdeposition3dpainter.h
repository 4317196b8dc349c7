#pragma once

#include "../painter.h"

namespace Automata {
namespace FilmDeposition {

class DistanceCountingFilmDeposition3D;

// Draws the lit surfaces of the substrate and the four films of the 3D
// distance-counting model on white while they are fresh, and nothing while
// a run has left them behind.
class DistanceCountingFilmDeposition3DPainter : public Painter {
public:
    explicit DistanceCountingFilmDeposition3DPainter(DistanceCountingFilmDeposition3D* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    DistanceCountingFilmDeposition3D* model;
};

} // namespace FilmDeposition
} // namespace Automata
