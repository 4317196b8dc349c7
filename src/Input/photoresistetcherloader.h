#pragma once

#include "../Automata/FilmEtching/photoresistcell.h"
#include "Persistence/grid.h"
#include "loader.h"

class QWidget;

namespace Input {

// Asks for the etcher's options (mask, polarity, depth) and reads the mask:
// one byte per column, 1 under a pure red pixel. Builds nothing after a
// cancelled dialog or a mask that cannot be read.
class PhotoresistEtcherLoader : public Loader<Automata::FilmEtching::PhotoresistCell> {
public:
    explicit PhotoresistEtcherLoader(QWidget* parent);

    Automata::Automaton* load() override;

private:
    Persistence::Grid<unsigned char> mask;
    int polarity = 1;
    int depth = 1;
};

} // namespace Input
