#include "simplediffusionanalyzerpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "simplediffusionanalyzer.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

SimpleDiffusionAnalyzerPainter::SimpleDiffusionAnalyzerPainter(SimpleDiffusionAnalyzer* automaton)
    : Painter(automaton), analyzer(automaton)
{
}

void SimpleDiffusionAnalyzerPainter::paint()
{
    const SavedGlState saved;
    glClearColor(0.0f, 0.1f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const std::uint32_t size = analyzer->getSize();
    const double* average = analyzer->getOccupancyAverage();
    glPointSize(2.0f);
    glBegin(GL_POINTS);
    for (std::uint32_t i = 0; i < size; ++i) {
        const float grey = static_cast<float>(average[i]);
        glColor4f(grey, grey, grey, 1.0f);
        glVertex3f(2.0f * i, 0.0f, 0.0f);
        glVertex3f(2.0f * i, 1.0f, 0.0f);
    }
    glEnd();
}

int SimpleDiffusionAnalyzerPainter::getWidth()
{
    return static_cast<int>(2 * analyzer->getSize());
}

int SimpleDiffusionAnalyzerPainter::getHeight()
{
    return 2;
}

} // namespace SimpleDiffusionAutomata
} // namespace Automata
