#pragma once

#include "../painter.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

class SimpleDiffusionAutomaton;

// Draws each site as two stacked points coloured by its channels: yellow for
// both, red moving right, green moving left, white for none.
class SimpleDiffusionAutomatonPainter : public Painter {
public:
    explicit SimpleDiffusionAutomatonPainter(SimpleDiffusionAutomaton* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    SimpleDiffusionAutomaton* diffusion;
};

} // namespace SimpleDiffusionAutomata
} // namespace Automata
