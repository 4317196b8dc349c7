#pragma once

#include "simplefilmetchdeposimulatorloader.h"

namespace Input {

// The film stack with a spherical reach: the height map as for the simple
// model, then the cell size, step duration and rate. A cancelled dialog
// builds nothing.
class IsotropicFilmEtchDepoLoader : public SimpleFilmEtchDepoSimulatorLoader {
public:
    explicit IsotropicFilmEtchDepoLoader(QWidget* parent);

    Automata::Automaton* load() override;

private:
    float cellSize = 1.0f;
    float rate = 1.0f;
    float stepDuration = 1.0f;
};

} // namespace Input
