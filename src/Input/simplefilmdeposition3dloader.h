#pragma once

#include <QImage>

#include "../Automata/FilmDeposition/filmcell.h"
#include "Persistence/grid.h"
#include "loader.h"

class QWidget;

namespace Input {

// Builds a film volume from a height map: the red value of pixel (x, y) is
// the height of a substrate column, and the volume is twice as deep as the
// tallest column (at least 2). Mode 1 builds the simple 3D deposition model
// and opens its "Generate Surface" form; mode 2 asks for the Huygens options
// and builds the directional Huygens deposition on the volume.
class SimpleFilmDeposition3DLoader : public Loader<Automata::FilmDeposition::FilmCell> {
public:
    SimpleFilmDeposition3DLoader(QWidget* parent, int mode);

    Automata::Automaton* load() override;

    // The substrate volume of a height map when the model built from it fits
    // in memory; none, after the size warning, when it does not, and none for
    // a null picture. No dialog is shown.
    static Persistence::Grid<Automata::FilmDeposition::FilmCell> volumeFrom(const QImage& image);

protected:
    // The volume; empty when no usable image was read.
    Persistence::Grid<Automata::FilmDeposition::FilmCell> cells;
    QWidget* parent;
    int mode;
};

} // namespace Input
