#include "simplefilmdeposition2dloader.h"

#include "../Automata/FilmDeposition/simplefilmdeposition2d.h"

namespace Input {

using namespace Automata::FilmDeposition;

SimpleFilmDeposition2DLoader::SimpleFilmDeposition2DLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage([](QRgb pixel) {
        return FilmCell(Persistence::ImageGrids::isRgb(pixel, 255, 0, 0) ? Substrate : Empty,
                        100.0f, 0);
    });
}

Automata::SizeCheck SimpleFilmDeposition2DLoader::sizeCheck(int width, int height) const
{
    // The model also marks the sites near solid material, one byte each.
    return latticeCheck(width, height).perSite<unsigned char>();
}

Automata::Automaton* SimpleFilmDeposition2DLoader::load()
{
    return build<SimpleFilmDeposition2D>();
}

} // namespace Input
