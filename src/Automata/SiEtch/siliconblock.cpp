#include "siliconblock.h"

#include <cmath>

namespace Automata {
namespace SiEtch {

SiliconBlock::SiliconBlock(int cellsX, int cellsY, int cellsZ, float latticeConstant)
    : cellsX(cellsX), cellsY(cellsY), cellsZ(cellsZ), latticeConstant(latticeConstant),
      cells(static_cast<std::size_t>(cellsX) * cellsY * cellsZ)
{
    const float quarter = latticeConstant / 4;
    const int qx = 4 * cellsX, qy = 4 * cellsY, qz = 4 * cellsZ;
    for (int k = 0; k < cellsZ; ++k)
        for (int i = 0; i < cellsX; ++i)
            for (int j = 0; j < cellsY; ++j) {
                UnitCell& here = cell(i, j, k);
                for (int a = 0; a < 8; ++a) {
                    Atom& atom = here.atoms[a];
                    atom.x = (4 * i + UnitCell::quarters[a][0]) * quarter;
                    atom.y = (4 * j + UnitCell::quarters[a][1]) * quarter;
                    atom.z = (4 * k + UnitCell::quarters[a][2]) * quarter;
                }
            }
    // Every bond joins a face-centred atom to one of the others, so linking
    // from the face-centred atoms makes each bond once.
    for (int k = 0; k < cellsZ; ++k)
        for (int i = 0; i < cellsX; ++i)
            for (int j = 0; j < cellsY; ++j)
                for (int a = 0; a < 8; ++a) {
                    if (!UnitCell::isFaceCentred(a))
                        continue;
                    for (int b = 0; b < 4; ++b) {
                        const int* d = UnitCell::bondDirection(a, b);
                        const int x = 4 * i + UnitCell::quarters[a][0] + d[0];
                        const int y = 4 * j + UnitCell::quarters[a][1] + d[1];
                        const int z = 4 * k + UnitCell::quarters[a][2] + d[2];
                        if (x < 0 || y < 0 || z < 0 || x >= qx || y >= qy || z >= qz)
                            continue;
                        const int other = UnitCell::atomAt(x & 3, y & 3, z & 3);
                        Atom::link(cell(i, j, k).atoms[a], b, cell(x >> 2, y >> 2, z >> 2).atoms[other]);
                    }
                }
    siliconLeft = 8LL * cellsX * cellsY * cellsZ;
}

SizeCheck SiliconBlock::sizeCheck(long long cellsX, long long cellsY, long long cellsZ)
{
    // Beside the cells, the surface lists and the decisions of a step hold
    // at most a few pointers per atom.
    return SizeCheck({cellsX, cellsY, cellsZ})
        .perSite<UnitCell>()
        .add(3, SizeCheck({cellsX, cellsY, cellsZ, 8}).sites(), sizeof(Atom*));
}

Atom* SiliconBlock::cap(Atom& atom, int b, std::vector<Atom*>& into)
{
    maskStore.emplace_back();
    Atom& mask = maskStore.back();
    mask.atomType = Atom::MaskAtom;
    const float quarter = latticeConstant / 4;
    const int qx = static_cast<int>(std::lround(atom.x / quarter));
    const int* d = UnitCell::bondDirection(UnitCell::isFaceCentredAt(qx), b);
    mask.x = atom.x + d[0] * quarter;
    mask.y = atom.y + d[1] * quarter;
    mask.z = atom.z + d[2] * quarter;
    Atom::link(atom, b, mask);
    into.push_back(&mask);
    return &mask;
}

int SiliconBlock::pixelOf(float coordinate, float latticeConstant, int size)
{
    const int pixel = static_cast<int>(std::ceil(coordinate * 4 / latticeConstant - 0.001f));
    return pixel < 0 ? 0 : pixel >= size ? size - 1 : pixel;
}

void SiliconBlock::maskFace(bool top, const std::vector<unsigned char>& mask, int width, int height)
{
    const int k = top ? cellsZ - 1 : 0;
    const int* face = top ? UnitCell::topAtoms : UnitCell::bottomAtoms;
    const int firstCap = top ? 0 : 2;
    for (int i = 0; i < cellsX; ++i)
        for (int j = 0; j < cellsY; ++j)
            for (int n = 0; n < 2; ++n) {
                Atom& atom = cell(i, j, k).atoms[face[n]];
                const int px = 4 * i + UnitCell::quarters[face[n]][0];
                const int py = 4 * j + UnitCell::quarters[face[n]][1];
                const bool masked = px < width && py < height
                                    && mask[static_cast<std::size_t>(px) * height + py] != 0;
                if (masked) {
                    cap(atom, firstCap, maskAtoms);
                    cap(atom, firstCap + 1, maskAtoms);
                } else if (!atom.inSurface) {
                    atom.inSurface = true;
                    surfaceAtoms.push_back(&atom);
                }
            }
}

void SiliconBlock::carveSphere(float centre, float radius)
{
    std::vector<Atom*> exposed;
    const float limit = radius * radius;
    for (UnitCell& unit : cells)
        for (Atom& atom : unit.atoms) {
            const float dx = atom.x - centre, dy = atom.y - centre, dz = atom.z - centre;
            if (dx * dx + dy * dy + dz * dz - limit > 0.000001f && removeAtom(atom, exposed))
                --siliconLeft;
        }
    for (Atom* atom : exposed)
        if (!atom->removed)
            surfaceAtoms.push_back(atom);
}

} // namespace SiEtch
} // namespace Automata
