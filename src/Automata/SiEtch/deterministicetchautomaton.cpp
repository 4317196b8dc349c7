#include "deterministicetchautomaton.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "../columnbands.h"
#include "deterministicetchautomatonpainter.h"

namespace Automata {
namespace SiEtch {

namespace {

// Offsets of the first neighbours of an atom whose x is even; an atom with
// odd x finds them at the opposite offsets.
constexpr int firstOffsets[4][3] = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};

// The twelve second neighbours: permutations of (+-2, +-2, 0).
constexpr int secondOffsets[12][3] = {
    {2, 2, 0},  {2, -2, 0},  {-2, 2, 0},  {-2, -2, 0}, {2, 0, 2},  {2, 0, -2},
    {-2, 0, 2}, {-2, 0, -2}, {0, 2, 2},   {0, 2, -2},  {0, -2, 2}, {0, -2, -2},
};

} // namespace

DeterministicEtchAutomaton::DeterministicEtchAutomaton(int width, int height, int depth,
                                                       const SiEtchCell* source)
    : Automaton3D<SiEtchCell>(width, height, depth)
{
    std::copy(source, source + cellCount(), cells);
    applyCrystalStructure();
    std::copy(cells, cells + cellCount(), nextCells);
    siliconLeft = std::count(cells, cells + cellCount(), Silicon);
    painter = new DeterministicEtchAutomatonPainter(this);
}

bool DeterministicEtchAutomaton::isAtomSite(int x, int y, int z)
{
    const int a = x & 3, b = y & 3, c = z & 3;
    // The two face-centred sublattices: all even with an even sum of halves,
    // or all odd with a, b, c one of (1,1,1), (1,3,3), (3,1,3), (3,3,1).
    if ((a & 1) != (b & 1) || (b & 1) != (c & 1))
        return false;
    return ((a + b + c) & 3) == ((a & 1) ? 3 : 0);
}

void DeterministicEtchAutomaton::applyCrystalStructure()
{
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            for (int z = 0; z < depth; ++z) {
                SiEtchCell& cell = cells[voxel(x, y, z)];
                if (!isAtomSite(x, y, z))
                    cell = Empty;
                else if (cell != Mask)
                    cell = Silicon;
            }
}

long long DeterministicEtchAutomaton::countOccupied(int x, int y, int z, int reach,
                                                    int skipInside) const
{
    long long count = 0;
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dz = -reach; dz <= reach; ++dz) {
                if (std::max({std::abs(dx), std::abs(dy), std::abs(dz)}) <= skipInside)
                    continue;
                const int nx = x + dx, ny = y + dy, nz = z + dz;
                if (nx < 0 || ny < 0 || nz < 0 || nx >= width || ny >= height || nz >= depth)
                    continue;
                if (cells[voxel(nx, ny, nz)] != Empty)
                    ++count;
            }
    return count;
}

int DeterministicEtchAutomaton::countFirstNeighbours(int x, int y, int z)
{
    return static_cast<int>(countOccupied(x, y, z, 1, 0));
}

int DeterministicEtchAutomaton::countSecondNeighbours(int x, int y, int z)
{
    return static_cast<int>(countOccupied(x, y, z, 2, 1));
}

void DeterministicEtchAutomaton::updateVoxel(int x, int y, int z)
{
    const std::size_t i = voxel(x, y, z);
    SiEtchCell next = cells[i];
    if (next == Silicon) {
        const int first = countFirstNeighbours(x, y, z);
        if (first != 4 && (first != 3 || countSecondNeighbours(x, y, z) < 7))
            next = Empty;
    }
    nextCells[i] = next;
}

void DeterministicEtchAutomaton::updateColumns(int from, int to, long long& examined,
                                               long long& removed)
{
    // Only atom sites can be occupied (interstitial voxels are cleared at
    // construction and nothing is ever added), so the occupied voxels of an
    // atom's 3x3x3 box are its four first neighbours and those of the rest of
    // its 5x5x5 cube its twelve second neighbours.
    const auto column = [this](int x, int y) -> const SiEtchCell* {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return nullptr;
        return cells + voxel(x, y, 0);
    };
    const auto occupied = [this](const SiEtchCell* col, int z) {
        return col && z >= 0 && z < depth && col[z] != Empty;
    };
    for (int x = from; x < to; ++x) {
        const int sign = (x & 1) ? -1 : 1;
        for (int y = 0; y < height; ++y) {
            const SiEtchCell* here = cells + voxel(x, y, 0);
            SiEtchCell* next = nextCells + voxel(x, y, 0);
            std::copy(here, here + depth, next);
            const SiEtchCell* first[4];
            int firstDz[4];
            for (int k = 0; k < 4; ++k) {
                first[k] = column(x + sign * firstOffsets[k][0], y + sign * firstOffsets[k][1]);
                firstDz[k] = sign * firstOffsets[k][2];
            }
            const SiEtchCell* second[12];
            for (int k = 0; k < 12; ++k)
                second[k] = column(x + secondOffsets[k][0], y + secondOffsets[k][1]);
            for (int z = 0; z < depth; ++z) {
                if (here[z] != Silicon)
                    continue;
                ++examined;
                int firstCount = 0;
                for (int k = 0; k < 4; ++k)
                    firstCount += occupied(first[k], z + firstDz[k]);
                if (firstCount == 4)
                    continue;
                if (firstCount == 3) {
                    int secondCount = 0;
                    for (int k = 0; k < 12; ++k)
                        secondCount += occupied(second[k], z + secondOffsets[k][2]);
                    if (secondCount >= 7)
                        continue;
                }
                next[z] = Empty;
                ++removed;
            }
        }
    }
}

void DeterministicEtchAutomaton::step()
{
    prepareStep();
    std::mutex merge;
    long long examined = 0, removed = 0;
    ColumnBands::run(width, [&](int from, int to) {
        long long bandExamined = 0, bandRemoved = 0;
        updateColumns(from, to, bandExamined, bandRemoved);
        const std::lock_guard<std::mutex> lock(merge);
        examined += bandExamined;
        removed += bandRemoved;
    });
    examinedTotal += examined;
    removedTotal += removed;
    siliconLeft -= removed;
    finishStep();
}

bool DeterministicEtchAutomaton::getAtomCounts(AtomCounts& counts) const
{
    counts.examined = examinedTotal;
    counts.removed = removedTotal;
    counts.remaining = siliconLeft;
    return true;
}

} // namespace SiEtch
} // namespace Automata
