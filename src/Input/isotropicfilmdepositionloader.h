#pragma once

#include "Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// "Isotropic Film Deposition (Envelope)": red pixels are full substrate
// cells, everything else empty; the model's rate, cell size and time step
// are fixed.
class IsotropicFilmDepositionLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit IsotropicFilmDepositionLoader(QWidget* parent);
    Automata::Automaton* load() override;
};

} // namespace Input
