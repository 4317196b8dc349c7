#pragma once

#include "Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// "2D Continuos Film Deposition (FTS)": red pixels are full substrate cells,
// everything else empty; no option dialog.
class ContinuousFilmDeposition2DLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit ContinuousFilmDeposition2DLoader(QWidget* parent);
    Automata::Automaton* load() override;
};

} // namespace Input
