#include "basiccellularautomaton.h"

#include <cstddef>

#include "mooredilation.h"

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
    // An atom without empty space anywhere in its 3 x 3 x 3 block has all
    // four bonds occupied and stays; only the others need the bond counts.
    MooreDilation::pass(current, next, static_cast<int>(width), static_cast<int>(length),
                        static_cast<int>(height), [](MaterialCode code) { return code == emptyCode; },
                        [this](MaterialCode code, bool near, int x, int y, int z) {
                            return code == siliconCode && near && removes(x, y, z) ? emptyCode : code;
                        });
}

} // namespace MixedAutomata
} // namespace Automata
