#pragma once

#include "simplediffusionautomaton.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

// The random walk that also records, for every site, the fraction of steps
// in which it held a particle, counting the initial state as the first sample.
class SimpleDiffusionAnalyzer : public SimpleDiffusionAutomaton {
public:
    SimpleDiffusionAnalyzer(std::uint32_t size, const Particles* rightMovers,
                            const Particles* leftMovers);

    void step() override;
    // The averages as grey levels, floor(average * 255) in all three planes.
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    const double* getOccupancyAverage() const { return occupancyAverage.data(); }
    int getSampleCount() const { return sampleCount; }

private:
    std::vector<double> occupancyAverage;
    std::vector<std::int32_t> occupancyCount;
    std::int32_t sampleCount = 1;
};

} // namespace SimpleDiffusionAutomata
} // namespace Automata
