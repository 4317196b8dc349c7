#pragma once

#include "sandautomatonloader.h"

namespace Input {

// The sand loader building the model with friction.
class ProbabilisticSandAutomatonLoader : public SandAutomatonLoader {
public:
    using SandAutomatonLoader::SandAutomatonLoader;

    Automata::Automaton* load() override;
};

} // namespace Input
