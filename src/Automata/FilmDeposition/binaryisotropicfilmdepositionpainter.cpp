#include "binaryisotropicfilmdepositionpainter.h"

#include <qopengl.h>

#include "../savedglstate.h"
#include "binaryisotropicfilmdeposition.h"

namespace Automata {
namespace FilmDeposition {

BinaryIsotropicFilmDepositionPainter::BinaryIsotropicFilmDepositionPainter(
    BinaryIsotropicFilmDeposition* automaton)
    : Painter(automaton), model(automaton)
{
}

void BinaryIsotropicFilmDepositionPainter::paint()
{
    const bool* cells = model->getCells();
    const int width = model->getWidth();
    const int height = model->getHeight();
    const SavedGlState saved;
    glPointSize(1.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_POINTS);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (cells[x * height + y])
                glVertex2i(x, height - 1 - y);
    glEnd();
}

int BinaryIsotropicFilmDepositionPainter::getWidth()
{
    return model->getWidth();
}

int BinaryIsotropicFilmDepositionPainter::getHeight()
{
    return model->getHeight();
}

} // namespace FilmDeposition
} // namespace Automata
