#pragma once

#include "atomisticsimulatorloader.h"

namespace Input {

// The substrate dialog of the atomistic simulators; builds the DRIE
// simulator etched from the top under the top mask.
class DrieAtomisticSimulatorLoader : public AtomisticSimulatorLoader {
public:
    using AtomisticSimulatorLoader::AtomisticSimulatorLoader;
    Automata::Automaton* load() override;
};

} // namespace Input
