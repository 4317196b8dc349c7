#include "chemicalvapordepositionpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "chemicalvapordeposition.h"

namespace Automata {
namespace FilmDeposition {

ChemicalVaporDepositionPainter::ChemicalVaporDepositionPainter(ChemicalVaporDeposition* automaton)
    : Painter(automaton), model(automaton)
{
}

void ChemicalVaporDepositionPainter::paint()
{
    const FilmDepositionCell* cells = model->getCells();
    const int width = model->getWidth();
    const int height = model->getHeight();
    const SavedGlState saved;
    glPointSize(1.0f);
    glBegin(GL_POINTS);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            glColor3fv(filmDepositionColor(cells[x * height + y]));
            glVertex2i(x, height - 1 - y);
        }
    }
    glEnd();
}

int ChemicalVaporDepositionPainter::getWidth()
{
    return model->getWidth();
}

int ChemicalVaporDepositionPainter::getHeight()
{
    return model->getHeight();
}

} // namespace FilmDeposition
} // namespace Automata
