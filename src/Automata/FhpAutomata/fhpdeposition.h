#pragma once

#include "fhpautomaton.h"

namespace Automata {
namespace FhpAutomata {

// Deposition from an FHP gas: a lone particle arriving at an empty site next
// to the substrate or the deposit sticks and turns the site solid, so the
// deposit grows as a branching, diffusion-limited structure. Every solid
// site sends particles straight back.
class FhpDeposition : public FhpAutomaton {
public:
    FhpDeposition(int width, int height, const FhpCell* initial, int member = 0);

    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;
    void propagateColumns(int from, int to) override;

    static bool isSolid(const FhpCell& cell)
    {
        return cell.getBits() & (FhpCell::ObstacleBit | FhpCell::SubstrateBit | FhpCell::DepositBit);
    }
};

} // namespace FhpAutomata
} // namespace Automata
