#include "unitcell.h"

namespace Automata {
namespace SiEtch {

const int UnitCell::quarters[8][3] = {{0, 0, 0}, {2, 2, 0}, {1, 1, 1}, {3, 3, 1},
                                      {0, 2, 2}, {2, 0, 2}, {1, 3, 3}, {3, 1, 3}};

constexpr int UnitCell::topAtoms[2];
constexpr int UnitCell::bottomAtoms[2];

namespace {

const int faceCentredBonds[4][3] = {{-1, -1, 1}, {1, 1, 1}, {-1, 1, -1}, {1, -1, -1}};
const int otherBonds[4][3] = {{-1, 1, 1}, {1, -1, 1}, {-1, -1, -1}, {1, 1, -1}};

} // namespace

const int* UnitCell::bondDirection(int i, int b)
{
    return bondDirection(isFaceCentred(i), b);
}

const int* UnitCell::bondDirection(bool faceCentred, int b)
{
    return faceCentred ? faceCentredBonds[b] : otherBonds[b];
}

int UnitCell::atomAt(int qx, int qy, int qz)
{
    for (int i = 0; i < 8; ++i)
        if (quarters[i][0] == qx && quarters[i][1] == qy && quarters[i][2] == qz)
            return i;
    return -1;
}

} // namespace SiEtch
} // namespace Automata
