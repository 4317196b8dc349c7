#include "simpleatomisticsimulatorloader.h"

#include "../Automata/SiEtch/simpleatomisticsimulator.h"

namespace Input {

Automata::Automaton* SimpleAtomisticSimulatorLoader::load()
{
    return buildSingleSide<Automata::SiEtch::SimpleAtomisticSimulator>();
}

} // namespace Input
