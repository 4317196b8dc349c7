#pragma once

#include "../Automata/NanoTubes/aletching.h"
#include "loader2d.h"

namespace Input {

// Loads "Al Etching": an upright image (aluminium grey, walls red, the rest
// electrolyte), then the options; every electrolyte cell starts with four
// random particles.
class AlEtchingLoader : public Loader2D<int, Automata::NanoTubes::AlEtching> {
public:
    explicit AlEtchingLoader(QWidget* parent);
    Automata::Automaton* load() override;

private:
    Automata::NanoTubes::AlEtching::Parameters parameters;
};

} // namespace Input
