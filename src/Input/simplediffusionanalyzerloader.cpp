#include "simplediffusionanalyzerloader.h"

#include "../Automata/SimpleDiffusionAutomata/simplediffusionanalyzer.h"

namespace Input {

using namespace Automata::SimpleDiffusionAutomata;

SimpleDiffusionAutomaton* SimpleDiffusionAnalyzerLoader::create(std::uint32_t size,
                                                                const Particles* right,
                                                                const Particles* left)
{
    return new SimpleDiffusionAnalyzer(size, right, left);
}

} // namespace Input
