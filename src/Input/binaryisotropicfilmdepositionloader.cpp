#include "binaryisotropicfilmdepositionloader.h"

#include "../Automata/FilmDeposition/binaryisotropicfilmdeposition.h"

namespace Input {

BinaryIsotropicFilmDepositionLoader::BinaryIsotropicFilmDepositionLoader(QWidget* parent)
    : ImageLoader(parent)
{
    readImage([](QRgb pixel) { return Persistence::ImageGrids::isRgb(pixel, 255, 0, 0); });
}

Automata::Automaton* BinaryIsotropicFilmDepositionLoader::load()
{
    return build<Automata::FilmDeposition::BinaryIsotropicFilmDeposition>();
}

} // namespace Input
