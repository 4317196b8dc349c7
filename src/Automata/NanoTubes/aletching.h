#pragma once

#include <cstdint>
#include <vector>

#include "../automaton2d.h"
#include "../random.h"
#include "alcell.h"

namespace Automata::NanoTubes {

// An electrolyte lattice gas attacking aluminium. Electrolyte cells carry up
// to four particles, one per direction slot; every step each particle hops one
// cell, gets a random new direction in the electrolyte and bounces off
// aluminium and walls. A kind-A particle that hits aluminium at height y
// dissolves it with probability (1 - y r / L) p_e, so an ohmic drop slows the
// etch toward the top. Electromigration sends part of the particles straight
// down (kind A) or up (kind B). Particles enter at the lattice edges at random.
//
// Columns are updated in bands on the thread pool, each column drawing from
// its own stream keyed by the seed, the step and the column, so results do
// not depend on the number of workers.
class AlEtching : public Automaton2D<AlCell> {
public:
    struct Parameters {
        double etchProbability = 0.5; // p_e
        double ohmicFactor = 0.0;     // r
        int scaleConstant = 100;      // L; anything below 1 counts as 1
        double fractionB = 0.1;       // f_B
        double fractionA = 0.1;       // f_A
        double electroMigration = 0.0; // p_m
    };

    // The phases by cell from the image codes (0 electrolyte, 1 aluminium,
    // 2 wall), every slot empty.
    AlEtching(int width, int height, const int* codes, const Parameters& parameters);
    // The same with the default parameters.
    AlEtching(int width, int height, const int* codes);

    // Exact greys 127 or 128 are aluminium, pure red wall, anything else electrolyte.
    static int convertColor(int red, int green, int blue);

    // Fills the four slots of every electrolyte cell with random particles.
    void seedParticles();

    void step() override;
    void save() override {}
    void setSaveAll(bool, int) override {}
    double getTime() override { return currentStep; }
    const float* getColor(const AlCell& cell) override;

    const Parameters& getParameters() const { return parameters; }

private:
    template <typename Draw>
    int randomParticle(Draw& draw) const;
    void updateColumns(int from, int to);
    // Puts a kind-A and b kind-B particles into the empty cell: electromigration
    // first, then each into a random empty slot.
    void place(AlCell& cell, int a, int b, Random::Stream& random) const;

    std::vector<int> codes;
    Parameters parameters;
    int scale;
    std::uint32_t seed;
    // The probabilities as draws: a draw d (0 .. 32767) gives kind A from
    // kindAFrom on, else kind B below kindBBelow, and electromigrates below
    // migrateBelow; the same outcomes as comparing d / 32767 with them.
    int kindAFrom;
    int kindBBelow;
    int migrateBelow;
};

} // namespace Automata::NanoTubes
