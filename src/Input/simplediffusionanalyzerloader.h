#pragma once

#include "simplediffusionloader.h"

namespace Input {

// The 1D diffusion loader building the model that averages site occupancy.
class SimpleDiffusionAnalyzerLoader : public SimpleDiffusionLoader {
public:
    using SimpleDiffusionLoader::SimpleDiffusionLoader;

protected:
    Automata::SimpleDiffusionAutomata::SimpleDiffusionAutomaton*
    create(std::uint32_t size, const Automata::SimpleDiffusionAutomata::Particles* rightMovers,
           const Automata::SimpleDiffusionAutomata::Particles* leftMovers) override;
};

} // namespace Input
