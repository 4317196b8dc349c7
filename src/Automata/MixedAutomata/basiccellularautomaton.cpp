#include "basiccellularautomaton.h"

#include <algorithm>
#include <cstddef>

#include "../columnbands.h"

namespace Automata {
namespace MixedAutomata {

const int BasicCellularAutomaton::bondTable[8][4][3] = {
    {{-1, 1, -1}, {0, -1, -1}, {-1, -1, 0}, {1, 0, 0}},
    {{-1, 1, -1}, {1, 0, -1}, {-1, 1, 0}, {0, 1, 0}},
    {{0, 0, -1}, {1, 0, -1}, {1, -1, 0}, {1, 0, 0}},
    {{0, -1, 0}, {1, 1, 0}, {0, 1, 1}, {0, 0, 1}},
    {{-1, 0, 0}, {-1, 1, 0}, {-1, 0, 1}, {0, 0, 1}},
    {{0, 0, -1}, {0, -1, -1}, {-1, -1, 0}, {0, 1, 0}},
    {{-1, 0, 0}, {1, 1, 0}, {0, 1, 1}, {1, -1, 1}},
    {{0, -1, 0}, {1, -1, 0}, {-1, 0, 1}, {1, -1, 1}},
};

const float BasicCellularAutomaton::atomOffsetTable[8][3] = {
    {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.5f},
    {-0.5f, 0.5f, 0.5f}, {0.0f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.5f}, {0.5f, -0.5f, 0.5f},
};

MaterialCode BasicCellularAutomaton::codeAt(long long x, long long y, long long z) const
{
    if (x < 0 || y < 0 || z < 0 || x >= width || y >= length || z >= height)
        return outsideCode;
    return current[(static_cast<std::size_t>(x) * length + static_cast<std::size_t>(y)) * height
                   + static_cast<std::size_t>(z)];
}

int BasicCellularAutomaton::firstNeighbourCount(long long x, long long y, long long z) const
{
    const int p = parity(static_cast<unsigned>(x), static_cast<unsigned>(y), static_cast<unsigned>(z));
    int count = 4;
    for (const int* bond : bondTable[p])
        if (codeAt(x + bond[0], y + bond[1], z + bond[2]) == emptyCode)
            --count;
    return count;
}

int BasicCellularAutomaton::secondNeighbourCount(long long x, long long y, long long z) const
{
    const int p = parity(static_cast<unsigned>(x), static_cast<unsigned>(y), static_cast<unsigned>(z));
    int sum = 0;
    for (const int* bond : bondTable[p]) {
        const long long nx = x + bond[0], ny = y + bond[1], nz = z + bond[2];
        const MaterialCode code = codeAt(nx, ny, nz);
        if (code == siliconCode)
            sum += firstNeighbourCount(nx, ny, nz) - 1;
        else if (code != emptyCode)
            sum += 3;
    }
    return sum;
}

bool BasicCellularAutomaton::removes(long long x, long long y, long long z) const
{
    const int first = firstNeighbourCount(x, y, z);
    return first < 3 || (first == 3 && secondNeighbourCount(x, y, z) < 9);
}

void BasicCellularAutomaton::step()
{
    const std::size_t slab = slabSize();
    const unsigned w = width, l = length, h = height;
    // The bonds of each parity class as offsets in the array, for atoms
    // whose bonded neighbours all lie inside the volume.
    std::ptrdiff_t offsets[8][4];
    for (int p = 0; p < 8; ++p)
        for (int k = 0; k < 4; ++k)
            offsets[p][k] = (static_cast<std::ptrdiff_t>(bondTable[p][k][0]) * l + bondTable[p][k][1]) * h
                            + bondTable[p][k][2];
    ColumnBands::run(static_cast<int>(w), [&](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            const std::size_t base = static_cast<std::size_t>(x) * slab;
            std::copy(current + base, current + base + slab, next + base);
            const bool innerX = x > 0 && x + 1 < static_cast<int>(w);
            for (unsigned y = 0; y < l; ++y) {
                const bool innerXY = innerX && y > 0 && y + 1 < l;
                const std::size_t columnStart = base + static_cast<std::size_t>(y) * h;
                const int columnParity = 4 * (x & 1) + 2 * (y & 1);
                for (unsigned z = 0; z < h; ++z) {
                    const std::size_t i = columnStart + z;
                    if (current[i] != siliconCode)
                        continue;
                    if (innerXY && z > 0 && z + 1 < h) {
                        // Most atoms are buried: four occupied bonds, kept.
                        const std::ptrdiff_t* bond = offsets[columnParity + (z & 1)];
                        const int empty = (current[i + bond[0]] == emptyCode) + (current[i + bond[1]] == emptyCode)
                                          + (current[i + bond[2]] == emptyCode) + (current[i + bond[3]] == emptyCode);
                        if (empty == 0)
                            continue;
                        if (empty > 1) {
                            next[i] = emptyCode;
                            continue;
                        }
                    }
                    if (removes(x, y, z))
                        next[i] = emptyCode;
                }
            }
        }
    });
}

} // namespace MixedAutomata
} // namespace Automata
