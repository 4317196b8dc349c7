#pragma once

#include <QImage>

#include "../Automata/FilmDeposition/filmcell.h"
#include "Persistence/grid.h"
#include "loader.h"

class QWidget;

namespace Automata {
namespace MixedAutomata {
class SimpleFilmEtchDepoSimulator3D;
}
}

namespace Input {

// Builds the film stack volume from a height map: the red value of pixel
// (x, y) is the height of a substrate column (film number 1), the volume is
// twice as deep as the tallest column (at least 2), and the film options form
// opens beside the model.
class SimpleFilmEtchDepoSimulatorLoader : public Loader<Automata::FilmDeposition::FilmCell> {
public:
    // What a model of width x height x depth holds at once.
    using MemoryCheck = Automata::SizeCheck (*)(int width, int height, int depth);

    explicit SimpleFilmEtchDepoSimulatorLoader(QWidget* parent);

    Automata::Automaton* load() override;

    // The substrate volume of a height map when the model `check` describes
    // fits in memory beside it; none, after the size warning, when it does
    // not, and none for a null picture. No dialog is shown.
    static Persistence::Grid<Automata::FilmDeposition::FilmCell> volumeFrom(const QImage& image,
                                                                           MemoryCheck check);

protected:
    SimpleFilmEtchDepoSimulatorLoader(QWidget* parent, MemoryCheck check);

    // Opens the options form for a new model and hands the model on.
    Automata::Automaton* withForm(Automata::MixedAutomata::SimpleFilmEtchDepoSimulator3D* model);

    // The volume; empty when no usable image was read.
    Persistence::Grid<Automata::FilmDeposition::FilmCell> cells;
    QWidget* parent;
};

} // namespace Input
