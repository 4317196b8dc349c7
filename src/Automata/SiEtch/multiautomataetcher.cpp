#include "multiautomataetcher.h"

#include "atomisticvariableratesimulator.h"
#include "drieatomisticsimulator.h"
#include "simpleatomisticsimulator.h"

namespace Automata {
namespace SiEtch {

constexpr int MultiAutomataEtcher::simulatorCount;

namespace {
constexpr float latticeConstant = AtomisticSimulator::siliconLatticeConstant;
}

MultiAutomataEtcher::MultiAutomataEtcher(int width, int height, int depth,
                                         const std::vector<unsigned char>& topMask)
{
    simulators[0] = new AtomisticSimulator(width, height, depth, latticeConstant, topMask);
    SiliconBlock* block = &simulators[0]->getBlock();
    simulators[1] = new DrieAtomisticSimulator(width, height, depth, latticeConstant, block);
    simulators[2] = new SimpleAtomisticSimulator(width, height, depth, latticeConstant, block);
    simulators[3] = new AtomisticVariableRateSimulator(width, height, depth, latticeConstant, block);
    painter = simulators[0]->getPainter();
}

MultiAutomataEtcher::~MultiAutomataEtcher()
{
    // The crystal goes with simulator 0, after the ones that borrow it.
    for (int i = simulatorCount - 1; i >= 0; --i)
        delete simulators[i];
}

void MultiAutomataEtcher::step()
{
    simulators[activeSimulator]->step();
}

void MultiAutomataEtcher::save()
{
    simulators[activeSimulator]->save();
}

void MultiAutomataEtcher::setSaveAll(bool saveAll, int interval)
{
    (void)interval;
    this->saveAll = saveAll;
}

Painter* MultiAutomataEtcher::getPainter()
{
    return painter;
}

long long MultiAutomataEtcher::getSiteCount() const
{
    return simulators[0]->getSiteCount();
}

bool MultiAutomataEtcher::getAtomCounts(AtomCounts& counts) const
{
    return simulators[0]->getAtomCounts(counts);
}

void MultiAutomataEtcher::select(int index)
{
    if (index >= 0 && index < simulatorCount)
        activeSimulator = index;
}

void MultiAutomataEtcher::removeMask()
{
    simulators[activeSimulator]->removeSubstrateMask();
}

} // namespace SiEtch
} // namespace Automata
