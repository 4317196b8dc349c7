#pragma once

#include "../SandAutomata/sandautomaton.h"

namespace Automata {
namespace ProbabilisticSandAutomata {

// Sand with friction: two grains side by side over two empty sites stay put
// with a fixed probability instead of falling together.
class ProbabilisticeSandAutomaton : public SandAutomata::SandAutomaton {
public:
    ProbabilisticeSandAutomaton(int width, int height,
                                const SandAutomata::SandAutomatonParticles* initial);

    void updateBlock(int x, int y) override;

    double getStickProbability() const { return stickProbability; }

protected:
    void sweep(int origin) override;

private:
    double stickProbability = 0.5;
};

} // namespace ProbabilisticSandAutomata
} // namespace Automata
