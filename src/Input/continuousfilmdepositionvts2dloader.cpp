#include "continuousfilmdepositionvts2dloader.h"

#include "Automata/FilmDeposition/continuousfilmdepositionvts2d.h"

namespace Input {

ContinuousFilmDepositionVts2DLoader::ContinuousFilmDepositionVts2DLoader(QWidget* parent)
    : ContinuousFilmDeposition2DLoader(parent)
{
}

Automata::Automaton* ContinuousFilmDepositionVts2DLoader::load()
{
    return build<Automata::FilmDeposition::ContinuousFilmDepositionVts2D>();
}

} // namespace Input
