#pragma once

#include "../Automata/FilmDeposition/filmcell.h"
#include "Persistence/grid.h"
#include "loader.h"

class QWidget;

namespace Input {

// Builds a film volume from a height map: the red value of pixel (x, y) is
// the height of a substrate column, and the volume is twice as deep as the
// tallest column (at least 2). Mode 1 builds the simple 3D deposition model
// and opens its "Generate Surface" form.
class SimpleFilmDeposition3DLoader : public Loader<Automata::FilmDeposition::FilmCell> {
public:
    SimpleFilmDeposition3DLoader(QWidget* parent, int mode);

    Automata::Automaton* load() override;

protected:
    // The volume; empty when no usable image was read.
    Persistence::Grid<Automata::FilmDeposition::FilmCell> cells;
    QWidget* parent;
    int mode;
};

} // namespace Input
