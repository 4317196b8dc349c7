#include "sandautomaton.h"

#include <algorithm>
#include <typeinfo>

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

SandAutomaton::~SandAutomaton()
{
    delete archiver;
    delete painter;
}

void SandAutomaton::step()
{
    // The blocks tile the lattice, so every site of the next lattice is written;
    // with the shifted partition the outer blocks stick out by one site.
    sweep(oddPartition ? -1 : 0);
    oddPartition = !oddPartition;
    swapCells();
    if (saveAll) {
        const ColorPlanes planes = exportPlanes();
        archiver->saveStep(planes.red(), planes.green(), planes.blue(), width, height);
    }
}

void SandAutomaton::save()
{
    const ColorPlanes planes = exportPlanes();
    archiver->save(planes.red(), planes.green(), planes.blue(), width, height);
}

void SandAutomaton::setSaveAll(bool saveAll, int)
{
    this->saveAll = saveAll;
}

const float* SandAutomaton::getColor(const SandAutomatonParticles& cell)
{
    return colorTable[cell];
}

void SandAutomaton::sweep(int origin)
{
    if (typeid(*this) == typeid(SandAutomaton))
        sweepAs<SandAutomaton>(origin);
    else
        sweepVirtual(origin);
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

ColorPlanes SandAutomaton::exportPlanes() const
{
    ColorPlanes planes(cellCount());
    for (std::size_t i = 0; i < cellCount(); ++i) {
        switch (cells[i]) {
        case Sand:
            planes.set(i, 0, 0, 0);
            break;
        case Wall:
            planes.set(i, 255, 0, 0);
            break;
        default:
            planes.set(i, 255, 255, 255);
            break;
        }
    }
    return planes;
}

} // namespace SandAutomata
} // namespace Automata
