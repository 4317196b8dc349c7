#pragma once

#include "oxidation2dloader.h"

namespace Input {

// Loads "2D Variable Step Oxidation": the same image and options as the
// constant-step oxidation, building the variable-step model.
class VtsOxidationLoader : public Oxidation2DLoader {
public:
    using Oxidation2DLoader::Oxidation2DLoader;
    Automata::Automaton* load() override;
};

} // namespace Input
