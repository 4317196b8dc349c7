#include "deterministicetchautomatonpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "deterministicetchautomaton.h"

namespace Automata {
namespace SiEtch {

DeterministicEtchAutomatonPainter::DeterministicEtchAutomatonPainter(
    DeterministicEtchAutomaton* automaton)
    : Painter(automaton), volume(automaton)
{
}

int DeterministicEtchAutomatonPainter::getWidth()
{
    return volume->getWidth();
}

int DeterministicEtchAutomatonPainter::getHeight()
{
    return volume->getHeight();
}

void DeterministicEtchAutomatonPainter::paint()
{
    const int w = volume->getWidth(), h = volume->getHeight(), d = volume->getDepth();
    const SiEtchCell* cells = volume->currentCells();
    points.clear();
    colours.clear();
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            const SiEtchCell* column = cells + volume->voxel(x, y, 0);
            for (int z = 0; z < d; ++z) {
                const SiEtchCell cell = column[z];
                if (cell != Silicon && cell != Mask)
                    continue;
                points.insert(points.end(), {float(x), float(h - 1 - y), float(z)});
                const float* colour = SiEtchColors::etchPoints[cell];
                colours.insert(colours.end(), colour, colour + 4);
            }
        }
    const SavedGlState saved;
    // Translucent points leave the depth buffer alone, so none hides another.
    glDepthMask(GL_FALSE);
    glPointSize(2.0f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, points.data());
    glColorPointer(4, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(points.size() / 3));
}

} // namespace SiEtch
} // namespace Automata
