#include "isotropicatomisticsimulatorloader.h"

#include "../Automata/SiEtch/isotropicatomisticsimulator.h"

namespace Input {

Automata::Automaton* IsotropicAtomisticSimulatorLoader::load()
{
    return buildSingleSide<Automata::SiEtch::IsotropicAtomisticSimulator>();
}

} // namespace Input
