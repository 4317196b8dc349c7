#pragma once

#include <map>

#include "atomisticsimulator.h"

namespace Automata {
namespace SiEtch {

// Anisotropic etching with one etch rate per class of surface atom, the
// class given by its first and second neighbour counts. Each step advances
// the simulated time to the moment the next present class is due, removes
// the atoms of every class then due and starts those classes afresh.
class AtomisticVariableRateSimulator : public AtomisticSimulator {
public:
    static constexpr int classCount = 21;

    // Shares the block of another simulator.
    AtomisticVariableRateSimulator(int width, int height, int depth, float latticeConstant,
                                   SiliconBlock* shared);

    void step() override;
    bool shouldRemove(const Atom& atom) override;
    double getTime() override { return elapsedTime; }

    // offset(F) + S, offsets 0, 4, 11 for F = 1, 2, 3 and 0 for F = 4; -1
    // for an atom without bonds, which has no class.
    static int atomClass(const Atom& atom);

    const double* rates() const { return classRates; }

protected:
    void decide() override;

private:
    bool isDue(const Atom& atom) const;
    void markPresent();

    double classRates[classCount];
    double classRemaining[classCount];
    std::map<int, bool> classDue;
    std::map<int, bool> classPresent;
    double elapsedTime = 0.0;
    bool due[classCount] = {};
};

} // namespace SiEtch
} // namespace Automata
