#include "voxellattice.h"

#include <utility>

namespace Automata {
namespace MixedAutomata {

VoxelLattice::VoxelLattice(unsigned width, unsigned length, unsigned height,
                           const MaterialCode* codes)
    : width(width), length(length), height(height), first(codes, codes + voxelCount()),
      second(voxelCount(), emptyCode), current(first.data()), next(second.data())
{
}

MaterialCode* VoxelLattice::lockCurrent()
{
    currentLock.lock();
    return current;
}

MaterialCode* VoxelLattice::lockNext()
{
    nextLock.lock();
    return next;
}

void VoxelLattice::unlockCurrent()
{
    currentLock.unlock();
}

void VoxelLattice::unlockNext()
{
    nextLock.unlock();
}

void VoxelLattice::swapBuffers()
{
    std::swap(current, next);
}

} // namespace MixedAutomata
} // namespace Automata
