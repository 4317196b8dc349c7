#include "mixedautomatonmanagerpainter.h"

#include <algorithm>
#include <vector>

#include <qopengl.h>

#include "../Surfaces/spheremesh.h"
#include "../savedglstate.h"
#include "basiccellularautomaton.h"
#include "processstate.h"
#include "voxellattice.h"

namespace Automata {
namespace MixedAutomata {

namespace {

// The twelve edges of the unit cube at (x, y, z).
void cubeEdges(float x, float y, float z)
{
    const float x1 = x + 1, y1 = y + 1, z1 = z + 1;
    const float edges[12][6] = {
        {x, y, z, x1, y, z},    {x, y1, z, x1, y1, z},    {x, y, z1, x1, y, z1},    {x, y1, z1, x1, y1, z1},
        {x, y, z, x, y1, z},    {x1, y, z, x1, y1, z},    {x, y, z1, x, y1, z1},    {x1, y, z1, x1, y1, z1},
        {x, y, z, x, y, z1},    {x1, y, z, x1, y, z1},    {x, y1, z, x, y1, z1},    {x1, y1, z, x1, y1, z1},
    };
    for (const float* edge : edges) {
        glVertex3f(edge[0], edge[1], edge[2]);
        glVertex3f(edge[3], edge[4], edge[5]);
    }
}

// The six faces of the unit cube at (x, y, z) with outward normals:
// -z, +z, -y, +y, -x, +x.
void cubeFaces(float x, float y, float z)
{
    const float x1 = x + 1, y1 = y + 1, z1 = z + 1;
    glNormal3f(0, 0, -1);
    glVertex3f(x, y, z); glVertex3f(x, y1, z); glVertex3f(x1, y1, z); glVertex3f(x1, y, z);
    glNormal3f(0, 0, 1);
    glVertex3f(x, y, z1); glVertex3f(x1, y, z1); glVertex3f(x1, y1, z1); glVertex3f(x, y1, z1);
    glNormal3f(0, -1, 0);
    glVertex3f(x, y, z); glVertex3f(x1, y, z); glVertex3f(x1, y, z1); glVertex3f(x, y, z1);
    glNormal3f(0, 1, 0);
    glVertex3f(x, y1, z); glVertex3f(x, y1, z1); glVertex3f(x1, y1, z1); glVertex3f(x1, y1, z);
    glNormal3f(-1, 0, 0);
    glVertex3f(x, y, z); glVertex3f(x, y, z1); glVertex3f(x, y1, z1); glVertex3f(x, y1, z);
    glNormal3f(1, 0, 0);
    glVertex3f(x1, y, z); glVertex3f(x1, y1, z); glVertex3f(x1, y1, z1); glVertex3f(x1, y, z1);
}

void maskSquares(const VoxelMask& mask, unsigned width, unsigned length, float z)
{
    const unsigned columns = std::min<unsigned>(mask.width, width);
    const unsigned rows = std::min<unsigned>(mask.height, length);
    for (unsigned x = 0; x < columns; ++x) {
        for (unsigned y = 0; y < rows; ++y) {
            if (!mask.protects(x, y))
                continue;
            const float fx = static_cast<float>(x), fy = static_cast<float>(y);
            glVertex3f(fx, fy, z);
            glVertex3f(fx + 1, fy, z);
            glVertex3f(fx + 1, fy + 1, z);
            glVertex3f(fx, fy + 1, z);
        }
    }
}

} // namespace

MixedAutomatonManagerPainter::MixedAutomatonManagerPainter(Automaton* manager, VoxelLattice& lattice,
                                                           const ProcessState& state)
    : Painter(manager), lattice(lattice), state(state)
{
}

void MixedAutomatonManagerPainter::paint()
{
    const SavedGlState saved;
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    paintVoxels();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    paintMasks();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

int MixedAutomatonManagerPainter::getWidth()
{
    return static_cast<int>(lattice.getWidth());
}

int MixedAutomatonManagerPainter::getHeight()
{
    return static_cast<int>(lattice.getLength());
}

void MixedAutomatonManagerPainter::paintVoxels()
{
    const unsigned width = lattice.getWidth(), length = lattice.getLength(), height = lattice.getHeight();
    const MaterialCode* codes = lattice.lockCurrent();
    std::vector<float> atoms;
    // Outlines first, then faces, each in one batch; the depth test sorts them out.
    glDisable(GL_LIGHTING);
    glColor4f(0.3f, 0.3f, 0.3f, 1.0f);
    glBegin(GL_LINES);
    for (unsigned x = 0; x < width; ++x)
        for (unsigned y = 0; y < length; ++y)
            for (unsigned z = 0; z < height; ++z) {
                const MaterialCode code = codes[lattice.index(x, y, z)];
                if (code == siliconCode && renderSiAtoms) {
                    const float* offset = BasicCellularAutomaton::atomOffsetTable[BasicCellularAutomaton::parity(x, y, z)];
                    atoms.insert(atoms.end(), {x + offset[0], y + offset[1], z + offset[2]});
                } else if (code != emptyCode || renderEmptyVoxels) {
                    cubeEdges(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
                }
            }
    glEnd();
    glEnable(GL_LIGHTING);
    glBegin(GL_QUADS);
    for (unsigned x = 0; x < width; ++x)
        for (unsigned y = 0; y < length; ++y)
            for (unsigned z = 0; z < height; ++z) {
                const MaterialCode code = codes[lattice.index(x, y, z)];
                if (code == emptyCode || (code == siliconCode && renderSiAtoms))
                    continue;
                glColor4fv(materialFaceColor(code));
                cubeFaces(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
            }
    glEnd();
    lattice.unlockCurrent();
    if (!atoms.empty()) {
        glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
        Surfaces::SphereMesh::unit().draw(atoms.data(), atoms.size() / 3, atomRadius);
    }
}

void MixedAutomatonManagerPainter::paintMasks()
{
    const unsigned width = lattice.getWidth(), length = lattice.getLength();
    glColor4f(1.0f, 0.0f, 0.0f, 0.3f);
    glBegin(GL_QUADS);
    maskSquares(state.bottomMask(), width, length, -1.0f);
    maskSquares(state.topMask(), width, length, static_cast<float>(lattice.getHeight()) + 1.0f);
    glEnd();
}

} // namespace MixedAutomata
} // namespace Automata
