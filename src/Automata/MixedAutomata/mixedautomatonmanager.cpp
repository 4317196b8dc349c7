#include "mixedautomatonmanager.h"

#include "basiccellularautomaton.h"
#include "moorefilmdepositionautomaton.h"
#include "moorefilmetchingautomaton.h"
#include "moorephotolithographyautomaton.h"

namespace Automata {
namespace MixedAutomata {

MixedAutomatonManager::MixedAutomatonManager(unsigned width, unsigned length, unsigned height,
                                             const MaterialCode* codes)
    : lattice(width, length, height, codes), painter(this, lattice, state)
{
    operations.emplace_back(new BasicCellularAutomaton(lattice, state));
    operations.emplace_back(new MooreFilmDepositionAutomaton(lattice, state));
    operations.emplace_back(new MooreFilmEtchingAutomaton(lattice, state));
    operations.emplace_back(new MoorePhotolithographyAutomaton(lattice, state));
}

MixedAutomatonManager::~MixedAutomatonManager() = default;

void MixedAutomatonManager::step()
{
    GenericAutomaton& selected = *operations[operation];
    const MaterialCode* current = lattice.lockCurrent();
    MaterialCode* next = lattice.lockNext();
    selected.run(current, next);
    lattice.swapBuffers();
    lattice.unlockCurrent();
    lattice.unlockNext();
}

void MixedAutomatonManager::save()
{
}

void MixedAutomatonManager::setSaveAll(bool saveAll, int interval)
{
    (void)interval;
    this->saveAll = saveAll;
}

Painter* MixedAutomatonManager::getPainter()
{
    return &painter;
}

double MixedAutomatonManager::getTime()
{
    return time;
}

long long MixedAutomatonManager::getSiteCount() const
{
    return static_cast<long long>(lattice.voxelCount());
}

void MixedAutomatonManager::setOperation(unsigned index)
{
    if (index < operations.size())
        operation = index;
}

SizeCheck MixedAutomatonManager::memoryCheck(unsigned width, unsigned length, unsigned height)
{
    SizeCheck check({width, length, height});
    check.perSite<MaterialCode>(2);
    return check;
}

} // namespace MixedAutomata
} // namespace Automata
