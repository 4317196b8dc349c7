#pragma once

#include "atomisticsimulatorloader.h"

namespace Input {

// The substrate dialog of the atomistic simulators; builds the simple
// simulator etched from the top under the top mask.
class SimpleAtomisticSimulatorLoader : public AtomisticSimulatorLoader {
public:
    using AtomisticSimulatorLoader::AtomisticSimulatorLoader;
    Automata::Automaton* load() override;
};

} // namespace Input
