#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "../automaton.h"
#include "../painter.h"
#include "../../Persistence/archiver.h"
#include "particles.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

// A one-dimensional lattice-gas random walk: a row of sites with a channel
// moving toward higher indices and one moving toward lower ones. At every site
// the two channels swap their contents with a fixed probability, which turns
// ballistic motion into diffusion. What leaves either end is lost.
class SimpleDiffusionAutomaton : public Automaton {
public:
    SimpleDiffusionAutomaton(std::uint32_t size, const Particles* rightMovers,
                             const Particles* leftMovers);

    void step() override;
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    long long getSiteCount() const override { return size; }

    // The picture of the row, one pixel per site, into three planes of N bytes:
    // yellow for a particle in both channels, red only moving right, green only
    // moving left, white for none.
    virtual void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue);

    std::uint32_t getSize() const { return size; }
    const Particles* getRightMovers() const { return rightMovers.data(); }
    const Particles* getLeftMovers() const { return leftMovers.data(); }
    double getReversalProbability() const { return reversalProbability; }

    bool occupied(std::uint32_t site) const
    {
        return rightMovers[site] == Particle || leftMovers[site] == Particle;
    }

    // The number of draws d with probability > d / 32767: a site swaps its
    // channels when its draw is below this.
    static int swapThreshold(double probability);

protected:
    // Moves and swaps the particles of one step.
    void advance();
    // Hands the picture of the row to the archiver's save, or to its series.
    void writePicture(bool series);

    double reversalProbability = 0.4;
    std::uint32_t size;
    std::vector<Particles> rightMovers;
    std::vector<Particles> leftMovers;
    std::vector<Particles> nextRightMovers;
    std::vector<Particles> nextLeftMovers;
    std::unique_ptr<Painter> painter;
    std::unique_ptr<Persistence::Archiver> archiver;
    bool saveAll = false;
};

} // namespace SimpleDiffusionAutomata
} // namespace Automata
