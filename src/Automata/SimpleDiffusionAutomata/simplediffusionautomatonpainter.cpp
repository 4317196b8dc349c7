#include "simplediffusionautomatonpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "simplediffusionautomaton.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

SimpleDiffusionAutomatonPainter::SimpleDiffusionAutomatonPainter(SimpleDiffusionAutomaton* automaton)
    : Painter(automaton), diffusion(automaton)
{
}

void SimpleDiffusionAutomatonPainter::paint()
{
    const std::uint32_t size = diffusion->getSize();
    const Particles* right = diffusion->getRightMovers();
    const Particles* left = diffusion->getLeftMovers();
    const SavedGlState saved;
    glPointSize(2.0f);
    glBegin(GL_POINTS);
    for (std::uint32_t i = 0; i < size; ++i) {
        const bool movingRight = right[i] == Particle;
        const bool movingLeft = left[i] == Particle;
        const float red = (movingRight || !movingLeft) ? 1.0f : 0.0f;
        const float green = (movingLeft || !movingRight) ? 1.0f : 0.0f;
        const float blue = (movingRight || movingLeft) ? 0.0f : 1.0f;
        glColor4f(red, green, blue, 1.0f);
        glVertex3f(2.0f * i, 0.0f, 0.0f);
        glVertex3f(2.0f * i, 1.0f, 0.0f);
    }
    glEnd();
}

int SimpleDiffusionAutomatonPainter::getWidth()
{
    return static_cast<int>(2 * diffusion->getSize());
}

int SimpleDiffusionAutomatonPainter::getHeight()
{
    return 2;
}

} // namespace SimpleDiffusionAutomata
} // namespace Automata
