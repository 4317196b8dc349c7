#include "probabilisticsandautomatonloader.h"

#include "../Automata/ProbabilisticSandAutomata/probabilisticesandautomaton.h"

namespace Input {

Automata::Automaton* ProbabilisticSandAutomatonLoader::load()
{
    return build<Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton>();
}

} // namespace Input
