#include "siwetetchpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "siwetetch.h"

namespace Automata {
namespace SiEtch {

namespace {

const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};

const float* colourOf(SiEtchCell value, const float* current)
{
    // Values outside the table keep the colour in force.
    if (value < Silicon || value > Mask)
        return current;
    return SiEtchColors::octree[value];
}

} // namespace

SiWetEtchPainter::SiWetEtchPainter(SiWetEtch* automaton) : Painter(automaton), octree(automaton) {}

int SiWetEtchPainter::getWidth()
{
    return static_cast<int>(octree->getRoot()->size);
}

int SiWetEtchPainter::getHeight()
{
    return static_cast<int>(octree->getRoot()->size);
}

void SiWetEtchPainter::addCube(double x, double y, double z, double edge, const float* colour)
{
    const float x0 = float(x), y0 = float(y), z0 = float(z);
    const float x1 = float(x + edge), y1 = float(y + edge), z1 = float(z + edge);
    const float corners[8][3] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0},
                                 {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
    static const int faces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                    {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}};
    for (const auto& face : faces)
        for (int i = 0; i < 4; ++i)
            for (const int corner : {face[i], face[(i + 1) % 4]}) {
                vertices.insert(vertices.end(), corners[corner], corners[corner] + 3);
                colours.insert(colours.end(), colour, colour + 4);
            }
}

void SiWetEtchPainter::addNode(const OctreeNode& node)
{
    const float* colour = colourOf(node.value, white);
    if (node.childCount == 0) {
        addCube(node.x, node.y, node.z, node.size, colour);
        return;
    }
    const double h = node.size / 2;
    for (int i = 0; i < 8; ++i) {
        if (node.children[i]) {
            addNode(*node.children[i]);
            continue;
        }
        const double x = node.x + (i & 4 ? h : 0), y = node.y + (i & 2 ? h : 0),
                     z = node.z + (i & 1 ? h : 0);
        addCube(x, y, z, h, white);
        addCube(x, y, z, h, colour);
    }
}

void SiWetEtchPainter::paint()
{
    vertices.clear();
    colours.clear();
    addNode(*octree->getRoot());
    const SavedGlState saved;
    // Translucent lines leave the depth buffer alone, so an absent octant's
    // coloured pass shows over its white one.
    glDepthMask(GL_FALSE);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(0.0, 0.0, -octree->getRoot()->size / 2);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glColorPointer(4, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(vertices.size() / 3));
    glPopMatrix();
}

} // namespace SiEtch
} // namespace Automata
