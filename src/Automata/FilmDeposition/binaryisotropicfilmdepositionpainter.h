#pragma once

#include "../painter.h"

namespace Automata {
namespace FilmDeposition {

class BinaryIsotropicFilmDeposition;

// Draws the film sites of the Isotropic GA as red points, row 0 at the top.
class BinaryIsotropicFilmDepositionPainter : public Painter {
public:
    explicit BinaryIsotropicFilmDepositionPainter(BinaryIsotropicFilmDeposition* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    BinaryIsotropicFilmDeposition* model;
};

} // namespace FilmDeposition
} // namespace Automata
