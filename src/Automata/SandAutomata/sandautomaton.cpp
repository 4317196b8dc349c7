#include "sandautomaton.h"

#include <algorithm>

#include "../../Persistence/automatonarchiver.h"
#include "sandautomatonpainter.h"

namespace Automata {
namespace SandAutomata {

namespace {

// Display colours by cell value; empty sites are not drawn.
const float colorTable[3][3] = {
    {0.8f, 0.8f, 0.6f},
    {1.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f},
};

} // namespace

SandAutomaton::SandAutomaton(int width, int height, const SandAutomatonParticles* initial)
    : Automaton2D<SandAutomatonParticles>(width, height)
{
    std::copy(initial, initial + cellCount(), cells);
    std::fill(nextCells, nextCells + cellCount(), Empty);
    painter = new SandAutomatonPainter(this);
    archiver = new Persistence::AutomatonArchiver;
}

void SandAutomaton::step()
{
    // The blocks tile the lattice, so every site of the next lattice is written;
    // with the shifted partition the outer blocks stick out by one site.
    sweep(oddPartition ? -1 : 0);
    oddPartition = !oddPartition;
    finishStep();
}

void SandAutomaton::save()
{
    saveImage();
}

const float* SandAutomaton::getColor(const SandAutomatonParticles& cell)
{
    return colorTable[cell];
}

void SandAutomaton::sweep(int origin)
{
    sweepBlocks(origin, [this](int x, int y) { SandAutomaton::updateBlock(x, y); });
}

void SandAutomaton::setNextState(int x, int y, SandAutomatonParticles value)
{
    setNextCell(x, y, value);
}

SandAutomatonParticles SandAutomaton::stateAt(int x, int y)
{
    return cellAt(x, y);
}

void SandAutomaton::updateBlock(int x, int y)
{
    writeBlock(x, y, fall(readBlock(x, y)));
}

void SandAutomaton::exportImage(unsigned char* red, unsigned char* green, unsigned char* blue)
{
    for (std::size_t i = 0; i < cellCount(); ++i) {
        red[i] = cells[i] == Sand ? 0 : 255;
        green[i] = blue[i] = cells[i] == Empty ? 255 : 0;
    }
}

} // namespace SandAutomata
} // namespace Automata
