#pragma once

#include <vector>

#include "../painter.h"

namespace Automata {
namespace FhpAutomata {

class MultiFhpAutomaton;

// Draws an ensemble's mean flow: obstacles and sources as points, and one
// arrow per block, coloured from red (still) through green to blue (fast).
class MultiFhpAutomatonPainter : public Painter {
public:
    // One arrow: the shaft ends at the tip, the two barbs start at barbA and barbB.
    struct Arrow {
        float tipX, tipY;
        float tailX, tailY;
        float barbAX, barbAY;
        float barbBX, barbBY;
        float color[3];
    };

    explicit MultiFhpAutomatonPainter(MultiFhpAutomaton* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

    // The arrows of the current averages, one per block whose corner site is
    // fluid in the last member, at the block's middle.
    std::vector<Arrow> arrows();

    // Red for a speed of speedMin through green to blue at speedMin + speedRange.
    void arrowColor(float speed, float* rgb) const;

    float getArrowScale() const { return arrowScale; }

private:
    MultiFhpAutomaton* multi;
    float speedMin = 0.0f;
    float speedRange = 2.0f;
    float arrowScale = 1.0f;
};

} // namespace FhpAutomata
} // namespace Automata
