#pragma once

#include "sandautomatonloader.h"

namespace Input {

// The sand loader building the model with friction.
class ProbabilisticSandAutomatonLoader : public SandAutomatonLoader {
public:
    using SandAutomatonLoader::SandAutomatonLoader;

protected:
    Automata::SandAutomata::SandAutomaton* create() override;
};

} // namespace Input
