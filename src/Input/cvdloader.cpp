#include "cvdloader.h"

#include <QDir>

#include "../Automata/FilmDeposition/chemicalvapordeposition.h"

namespace Input {

using namespace Automata::FilmDeposition;

CvdLoader::CvdLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(
        [](QRgb pixel) { return Persistence::ImageGrids::isRgb(pixel, 255, 0, 0) ? Film : Empty; },
        QDir::currentPath());
}

Automata::Automaton* CvdLoader::load()
{
    return build<ChemicalVaporDeposition>();
}

} // namespace Input
