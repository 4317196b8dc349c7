#include "simplediffusionanalyzer.h"

#include <cmath>

#include "simplediffusionanalyzerpainter.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

SimpleDiffusionAnalyzer::SimpleDiffusionAnalyzer(std::uint32_t size, const Particles* right,
                                                 const Particles* left)
    : SimpleDiffusionAutomaton(size, right, left), occupancyAverage(size), occupancyCount(size)
{
    painter = std::make_unique<SimpleDiffusionAnalyzerPainter>(this);
    for (std::uint32_t i = 0; i < size; ++i) {
        occupancyCount[i] = occupied(i) ? 1 : 0;
        occupancyAverage[i] = occupancyCount[i];
    }
}

void SimpleDiffusionAnalyzer::step()
{
    // The walk's own step writes the series picture, so frame k of a series
    // shows the averages over the samples taken before step k + 1.
    SimpleDiffusionAutomaton::step();
    ++sampleCount;
    const double samples = sampleCount;
    for (std::uint32_t i = 0; i < size; ++i) {
        occupancyCount[i] += occupied(i) ? 1 : 0;
        occupancyAverage[i] = occupancyCount[i] / samples;
    }
}

void SimpleDiffusionAnalyzer::exportImage(unsigned char* red, unsigned char* green,
                                          unsigned char* blue)
{
    for (std::uint32_t i = 0; i < size; ++i) {
        const auto level = static_cast<unsigned char>(std::floor(occupancyAverage[i] * 255.0));
        red[i] = green[i] = blue[i] = level;
    }
}

} // namespace SimpleDiffusionAutomata
} // namespace Automata
