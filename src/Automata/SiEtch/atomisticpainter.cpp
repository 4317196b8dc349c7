#include "atomisticpainter.h"

#include <qopengl.h>

#include "../Surfaces/spheremesh.h"
#include "../Surfaces/surfacepainting.h"
#include "../savedglstate.h"
#include "atomisticsimulator.h"

namespace Automata {
namespace SiEtch {

namespace {

// Ball colours by the number of bonds; fully bonded atoms are skipped.
const float* colourOf(int bonds)
{
    static const float yellow[3] = {1.0f, 1.0f, 0.0f};
    static const float green[3] = {0.0f, 1.0f, 0.0f};
    static const float blue[3] = {0.0f, 0.0f, 1.0f};
    static const float red[3] = {1.0f, 0.0f, 0.0f};
    switch (bonds) {
    case 1:
        return yellow;
    case 2:
        return green;
    case 3:
        return blue;
    default:
        return red;
    }
}

} // namespace

constexpr float AtomisticPainter::sphereRadius;

AtomisticPainter::AtomisticPainter(AtomisticSimulator* simulator)
    : Painter(simulator), simulator(simulator)
{
}

int AtomisticPainter::getWidth()
{
    return simulator->getExtentX();
}

int AtomisticPainter::getHeight()
{
    return simulator->getExtentY();
}

void AtomisticPainter::addMaskQuads(const std::vector<unsigned char>& mask, float z)
{
    const int w = simulator->getMaskWidth(), h = simulator->getMaskHeight();
    if (mask.size() != static_cast<std::size_t>(w) * h)
        return;
    const float s = simulator->getLatticeConstant() / 4;
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j)
            if (mask[static_cast<std::size_t>(i) * h + j])
                quads.insert(quads.end(), {i * s, j * s, z, (i + 1) * s, j * s, z,
                                           (i + 1) * s, (j + 1) * s, z, i * s, (j + 1) * s, z});
}

void AtomisticPainter::paint()
{
    const SiliconBlock& block = simulator->getBlock();
    centres.clear();
    colours.clear();
    for (const Atom* atom : block.surfaceAtoms) {
        const int bonds = atom->firstNeighbourCount();
        // A fully bonded atom is not drawn at all: even an invisible ball
        // would hide the atoms behind it.
        if (atom->removed || bonds == 4)
            continue;
        centres.insert(centres.end(), {atom->x, atom->y, atom->z});
        const float* colour = colourOf(bonds);
        colours.insert(colours.end(), colour, colour + 3);
    }
    quads.clear();
    const float a = simulator->getLatticeConstant();
    addMaskQuads(block.topMask, (simulator->getDepth() / 4) * a);
    addMaskQuads(block.bottomMask, 0.0f);

    const SavedGlState saved;
    Surfaces::SurfacePainting::begin();
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    Surfaces::SphereMesh::unit().draw(centres.data(), centres.size() / 3, sphereRadius,
                                      colours.data());
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_CULL_FACE);
    if (quads.empty())
        return;
    // Translucent squares leave the depth buffer alone.
    glDepthMask(GL_FALSE);
    glColor4f(1.0f, 0.0f, 0.0f, 0.5f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, quads.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quads.size() / 3));
}

} // namespace SiEtch
} // namespace Automata
