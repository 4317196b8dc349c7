#include "cvdloader.h"

#include <QDir>

#include "../Automata/FilmDeposition/chemicalvapordeposition.h"

namespace Input {

CvdLoader::CvdLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(
        [](QRgb pixel) {
            return ImageInput::isRgb(pixel, 255, 0, 0) ? Automata::FilmDeposition::Film
                                                       : Automata::FilmDeposition::Empty;
        },
        QDir::currentPath());
}

Automata::Automaton* CvdLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::ChemicalVaporDeposition(width, height, cells);
}

} // namespace Input
