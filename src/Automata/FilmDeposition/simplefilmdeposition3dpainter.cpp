#include "simplefilmdeposition3dpainter.h"

#include <qopengl.h>

#include "../Surfaces/surfacepainting.h"
#include "../savedglstate.h"
#include "simplefilmdeposition3d.h"

namespace Automata {
namespace FilmDeposition {

SimpleFilmDeposition3DPainter::SimpleFilmDeposition3DPainter(SimpleFilmDeposition3D* automaton)
    : Painter(automaton), model(automaton)
{
}

void SimpleFilmDeposition3DPainter::paint()
{
    const SavedGlState saved;
    if (model->surfacesFresh())
        paintSurfaces();
    else
        paintPoints();
}

int SimpleFilmDeposition3DPainter::getWidth()
{
    return model->getWidth();
}

int SimpleFilmDeposition3DPainter::getHeight()
{
    return model->getHeight();
}

void SimpleFilmDeposition3DPainter::paintPoints()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glPointSize(1.0f);
    const FilmCell* cells = model->getCells();
    const int width = model->getWidth();
    const int height = model->getHeight();
    const int depth = model->getDepth();
    glBegin(GL_POINTS);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const FilmCell* column = cells + (static_cast<std::size_t>(x) * height + y) * depth;
            for (int z = 0; z < depth; ++z) {
                if (column[z].type == Empty)
                    continue;
                glColor3fv(filmDepositionColor(column[z].type));
                glVertex3i(x, height - 1 - y, z);
            }
        }
    }
    glEnd();
}

void SimpleFilmDeposition3DPainter::paintSurfaces()
{
    Surfaces::SurfacePainting::begin();
    Surfaces::SurfacePainting::draw(model->filmSurface(), filmDepositionColor(Film));
    Surfaces::SurfacePainting::draw(model->substrateSurface(), filmDepositionColor(Substrate));
}

} // namespace FilmDeposition
} // namespace Automata
