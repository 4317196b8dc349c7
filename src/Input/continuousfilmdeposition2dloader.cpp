#include "continuousfilmdeposition2dloader.h"

#include "Automata/FilmDeposition/continuousfilmdeposition2d.h"
#include "substratepixel.h"

namespace Input {

ContinuousFilmDeposition2DLoader::ContinuousFilmDeposition2DLoader(QWidget* parent)
    : ImageLoader(parent)
{
    readImage(SubstratePixel::convert);
}

Automata::Automaton* ContinuousFilmDeposition2DLoader::load()
{
    return build<Automata::FilmDeposition::ContinuousFilmDeposition2D>();
}

} // namespace Input
