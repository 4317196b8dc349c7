#include "probabilisticsandautomatonloader.h"

#include "../Automata/ProbabilisticSandAutomata/probabilisticesandautomaton.h"

namespace Input {

Automata::SandAutomata::SandAutomaton* ProbabilisticSandAutomatonLoader::create()
{
    return new Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton(width, height, cells);
}

} // namespace Input
