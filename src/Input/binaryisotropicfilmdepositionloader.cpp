#include "binaryisotropicfilmdepositionloader.h"

#include "../Automata/FilmDeposition/binaryisotropicfilmdeposition.h"

namespace Input {

BinaryIsotropicFilmDepositionLoader::BinaryIsotropicFilmDepositionLoader(QWidget* parent)
    : ImageLoader(parent)
{
    readImage([](QRgb pixel) { return ImageInput::isRgb(pixel, 255, 0, 0); });
}

Automata::Automaton* BinaryIsotropicFilmDepositionLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::BinaryIsotropicFilmDeposition(width, height, cells);
}

} // namespace Input
