#pragma once

#include "../painter.h"

namespace Automata {
namespace SandAutomata {

class SandAutomaton;

// Draws grains and walls as one-pixel points, lattice row 0 at the top;
// empty sites are left out.
class SandAutomatonPainter : public Painter {
public:
    explicit SandAutomatonPainter(SandAutomaton* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    SandAutomaton* sand;
};

} // namespace SandAutomata
} // namespace Automata
