#include "isotropicfilmdepositionloader.h"

#include <QDir>

#include "Automata/FilmDeposition/isotropicfilmdeposition.h"
#include "substratepixel.h"

namespace Input {

IsotropicFilmDepositionLoader::IsotropicFilmDepositionLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(SubstratePixel::convert, QDir::currentPath());
}

Automata::Automaton* IsotropicFilmDepositionLoader::load()
{
    // Rate 0.5, cell size 1, time step 0.05: a step adds 0.025 x envelope.
    return build<Automata::FilmDeposition::IsotropicFilmDeposition>(0.5f, 1.0f, 0.05f);
}

} // namespace Input
