#pragma once

#include "continuousfilmdeposition2dloader.h"

namespace Input {

// "2D Continuos Film Deposition (VTS)": the fixed-step loader's picture, the
// variable-step model.
class ContinuousFilmDepositionVts2DLoader : public ContinuousFilmDeposition2DLoader {
public:
    explicit ContinuousFilmDepositionVts2DLoader(QWidget* parent);
    Automata::Automaton* load() override;
};

} // namespace Input
