#include "simplefilmdeposition2dloader.h"

#include "../Automata/FilmDeposition/simplefilmdeposition2d.h"

namespace Input {

using Automata::FilmDeposition::FilmCell;

SimpleFilmDeposition2DLoader::SimpleFilmDeposition2DLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage([](QRgb pixel) {
        return FilmCell(ImageInput::isRgb(pixel, 255, 0, 0) ? Automata::FilmDeposition::Substrate
                                                            : Automata::FilmDeposition::Empty,
                        100.0f, 0);
    });
}

Automata::Automaton* SimpleFilmDeposition2DLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::SimpleFilmDeposition2D(width, height, cells);
}

} // namespace Input
