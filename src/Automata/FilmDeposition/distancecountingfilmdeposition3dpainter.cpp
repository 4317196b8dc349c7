#include "distancecountingfilmdeposition3dpainter.h"

#include "../Surfaces/surfacepainting.h"
#include "../savedglstate.h"
#include "distancecountingfilmdeposition3d.h"

namespace Automata {
namespace FilmDeposition {

DistanceCountingFilmDeposition3DPainter::DistanceCountingFilmDeposition3DPainter(
    DistanceCountingFilmDeposition3D* automaton)
    : Painter(automaton), model(automaton)
{
}

void DistanceCountingFilmDeposition3DPainter::paint()
{
    if (!model->surfacesFresh())
        return;
    const SavedGlState saved;
    Surfaces::SurfacePainting::begin();
    for (int t = 1; t <= DistanceCountingFilmDeposition3D::lastState; ++t)
        Surfaces::SurfacePainting::draw(model->surface(t), model->getColor(t));
}

int DistanceCountingFilmDeposition3DPainter::getWidth()
{
    return model->getWidth();
}

int DistanceCountingFilmDeposition3DPainter::getHeight()
{
    return model->getHeight();
}

} // namespace FilmDeposition
} // namespace Automata
