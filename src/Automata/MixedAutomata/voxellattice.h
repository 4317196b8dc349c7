#pragma once

#include <cstddef>
#include <vector>

#include <QMutex>

#include "materialcode.h"

namespace Automata {
namespace MixedAutomata {

// The microfabrication volume: W x L x D voxel codes in a current and a next
// array, voxel (x, y, z) at element (x * L + y) * D + z, z upward. Each array
// has its own lock; a step holds both (current first) from before its pass
// until after the swap, and drawing holds the current one while it reads.
class VoxelLattice {
public:
    // Copies W x L x D codes in volume order; the next array starts empty
    // space and is overwritten whole by every pass before it is read.
    VoxelLattice(unsigned width, unsigned length, unsigned height, const MaterialCode* codes);

    VoxelLattice(const VoxelLattice&) = delete;
    VoxelLattice& operator=(const VoxelLattice&) = delete;

    MaterialCode* lockCurrent();
    MaterialCode* lockNext();
    void unlockCurrent();
    void unlockNext();
    // The next array becomes current; call with both locked.
    void swapBuffers();

    unsigned getWidth() const { return width; }
    unsigned getLength() const { return length; }
    unsigned getHeight() const { return height; }
    std::size_t voxelCount() const { return static_cast<std::size_t>(width) * length * height; }
    std::size_t index(unsigned x, unsigned y, unsigned z) const
    {
        return (static_cast<std::size_t>(x) * length + y) * height + z;
    }

private:
    unsigned width;
    unsigned length;
    unsigned height;
    std::vector<MaterialCode> first;
    std::vector<MaterialCode> second;
    MaterialCode* current;
    MaterialCode* next;
    QMutex currentLock;
    QMutex nextLock;
};

} // namespace MixedAutomata
} // namespace Automata
