#pragma once

#include <vector>

#include "../painter.h"

namespace Automata {
namespace SiEtch {

class DeterministicEtchAutomaton;

// Draws every silicon and mask voxel of the etch volume as a translucent
// point, y mirrored so the picture's top row is at the back.
class DeterministicEtchAutomatonPainter : public Painter {
public:
    explicit DeterministicEtchAutomatonPainter(DeterministicEtchAutomaton* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

private:
    DeterministicEtchAutomaton* volume;
    std::vector<float> points;
    std::vector<float> colours;
};

} // namespace SiEtch
} // namespace Automata
