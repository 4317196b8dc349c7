#pragma once

#include <vector>

#include "../automaton.h"

namespace Automata {
namespace SiEtch {

class AtomisticSimulator;

// Four etch rules on one silicon block, switched between steps: anisotropic
// wet etching by neighbour counts (0), DRIE (1), isotropic removal of the
// whole surface (2) and wet etching with per-class rates (3). The crystal
// belongs to simulator 0; the others work on it and continue from whatever
// surface the last step left.
class MultiAutomataEtcher : public Automaton {
public:
    // The block under a top mask of width x height bytes, depth deep.
    MultiAutomataEtcher(int width, int height, int depth, const std::vector<unsigned char>& topMask);
    ~MultiAutomataEtcher() override;
    MultiAutomataEtcher(const MultiAutomataEtcher&) = delete;
    MultiAutomataEtcher& operator=(const MultiAutomataEtcher&) = delete;

    void step() override;
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    long long getSiteCount() const override;
    bool getAtomCounts(AtomCounts& counts) const override;

    // Makes simulator index the one that steps; other indices change nothing.
    void select(int index);
    // Strips the mask through the active simulator.
    void removeMask();

    int getActiveSimulator() const { return activeSimulator; }
    AtomisticSimulator* getSimulator(int index) const { return simulators[index]; }

    static constexpr int simulatorCount = 4;

private:
    bool saveAll = false;
    Painter* painter;
    AtomisticSimulator* simulators[simulatorCount];
    int activeSimulator = 0;
};

} // namespace SiEtch
} // namespace Automata
