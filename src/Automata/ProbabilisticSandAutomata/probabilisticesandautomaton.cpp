#include "probabilisticesandautomaton.h"

#include "../random.h"

namespace Automata {
namespace ProbabilisticSandAutomata {

using namespace SandAutomata;

ProbabilisticeSandAutomaton::ProbabilisticeSandAutomaton(int width, int height,
                                                         const SandAutomatonParticles* initial)
    : SandAutomaton(width, height, initial)
{
    // A fixed seed, so runs repeat exactly.
    Random::seed(0);
}

void ProbabilisticeSandAutomaton::sweep(int origin)
{
    sweepBlocks(origin, [this](int x, int y) { ProbabilisticeSandAutomaton::updateBlock(x, y); });
}

void ProbabilisticeSandAutomaton::updateBlock(int x, int y)
{
    const Block block = readBlock(x, y);
    const bool pairOverGap =
        block.ul == Sand && block.ur == Sand && block.ll == Empty && block.lr == Empty;
    if (pairOverGap && stickProbability >= Random::uniform())
        writeBlock(x, y, block);
    else
        writeBlock(x, y, fall(block));
}

} // namespace ProbabilisticSandAutomata
} // namespace Automata
