#pragma once

#include "fhpautomaton.h"

namespace Automata {
namespace FhpAutomata {

// An FHP gas driven into a shear flow: after streaming, an ordinary site is
// pushed, with probability switchProbability, south in even column strips of
// stripWidth columns and north in odd ones.
class AccelerationFhp : public FhpAutomaton {
public:
    AccelerationFhp(int width, int height, const FhpCell* initial, int stripWidth,
                    float switchProbability, int member = 0);

    void propagateColumns(int from, int to) override;

    int getStripWidth() const { return stripWidth; }
    float getSwitchProbability() const { return switchProbability; }

    // The particles of a site after a push south (even strip) or north (odd strip).
    static unsigned pushSouth(unsigned particles);
    static unsigned pushNorth(unsigned particles);

private:
    int stripWidth;
    float switchProbability;
    // Raw draws below this value push.
    int pushBelow;
};

} // namespace FhpAutomata
} // namespace Automata
