#pragma once

#include "../painter.h"

namespace Automata {
namespace FilmDeposition {

class SimpleFilmDeposition3D;

// Draws the 3D film model: every non-empty voxel as a point on black, or,
// while the model's surfaces are fresh, the lit film and substrate surfaces
// on white.
class SimpleFilmDeposition3DPainter : public Painter {
public:
    explicit SimpleFilmDeposition3DPainter(SimpleFilmDeposition3D* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    void paintPoints();
    void paintSurfaces();

    SimpleFilmDeposition3D* model;
};

} // namespace FilmDeposition
} // namespace Automata
