#include "drieatomisticsimulatorloader.h"

#include "../Automata/SiEtch/drieatomisticsimulator.h"

namespace Input {

Automata::Automaton* DrieAtomisticSimulatorLoader::load()
{
    return buildSingleSide<Automata::SiEtch::DrieAtomisticSimulator>();
}

} // namespace Input
