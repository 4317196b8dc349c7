#pragma once

#include "../Automata/NanoTubes/tiempiricnanotubeautomaton.h"
#include "loader2d.h"

namespace Input {

// Loads "Ti Nanotubes": an upright image in the nanotube colours, then the
// options. Only the basic parameters build a model, with a cell no larger
// than the nanotube diameter.
class TNTLoader2D : public Loader2D<int, Automata::NanoTubes::TiEmpiricNanotubeAutomaton> {
public:
    explicit TNTLoader2D(QWidget* parent);
    Automata::Automaton* load() override;

private:
    Automata::NanoTubes::TiEmpiricNanotubeAutomaton::Parameters parameters;
    bool accepted = false;
};

} // namespace Input
