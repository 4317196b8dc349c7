#pragma once

#include "../painter.h"

namespace Automata {
namespace FilmEtching {

class PhotolithographicEtcher;

// Draws the boundary of the developed resist as a lit yellow surface on
// white; a surface too large for memory is drawn as yellow points instead.
class PhotolithographicEtcherPainter : public Painter {
public:
    explicit PhotolithographicEtcherPainter(PhotolithographicEtcher* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    PhotolithographicEtcher* model;
};

} // namespace FilmEtching
} // namespace Automata
