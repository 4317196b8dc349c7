#include "sandautomatonpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "sandautomaton.h"

namespace Automata {
namespace SandAutomata {

SandAutomatonPainter::SandAutomatonPainter(SandAutomaton* automaton)
    : Painter(automaton), sand(automaton)
{
}

void SandAutomatonPainter::paint()
{
    const int width = sand->getWidth();
    const int height = sand->getHeight();
    const SandAutomatonParticles* cells = sand->getCells();
    const SavedGlState saved;
    glPointSize(1.0f);
    glBegin(GL_POINTS);
    for (int x = 0; x < width; ++x) {
        const SandAutomatonParticles* column = cells + x * height;
        for (int y = height - 1; y >= 0; --y) {
            if (column[y] == Empty)
                continue;
            glColor3fv(sand->getColor(column[y]));
            glVertex2i(x, height - 1 - y);
        }
    }
    glEnd();
}

int SandAutomatonPainter::getWidth()
{
    return sand->getWidth();
}

int SandAutomatonPainter::getHeight()
{
    return sand->getHeight();
}

} // namespace SandAutomata
} // namespace Automata
