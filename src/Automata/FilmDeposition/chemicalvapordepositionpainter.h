#pragma once

#include "../painter.h"

namespace Automata {
namespace FilmDeposition {

class ChemicalVaporDeposition;

// Draws every CVD site as one point in the colour of its value, row 0 at the
// top.
class ChemicalVaporDepositionPainter : public Painter {
public:
    explicit ChemicalVaporDepositionPainter(ChemicalVaporDeposition* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    ChemicalVaporDeposition* model;
};

} // namespace FilmDeposition
} // namespace Automata
