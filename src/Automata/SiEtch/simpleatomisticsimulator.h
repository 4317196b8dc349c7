#pragma once

#include "atomisticsimulator.h"

namespace Automata {
namespace SiEtch {

// Removes every exposed atom every step: the etch front moves one atomic
// layer per step whatever the crystal direction.
class SimpleAtomisticSimulator : public AtomisticSimulator {
public:
    using AtomisticSimulator::AtomisticSimulator;

    bool shouldRemove(const Atom& atom) override
    {
        (void)atom;
        return true;
    }

protected:
    void decide() override
    {
        decideWith([](const Atom&) { return true; });
    }
};

} // namespace SiEtch
} // namespace Automata
