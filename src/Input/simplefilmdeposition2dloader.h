#pragma once

#include "../Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// "2D Film Deposition": red pixels are substrate, everything else empty.
class SimpleFilmDeposition2DLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit SimpleFilmDeposition2DLoader(QWidget* parent);
    Automata::Automaton* load() override;

protected:
    Automata::SizeCheck sizeCheck(int width, int height) const override;
};

} // namespace Input
