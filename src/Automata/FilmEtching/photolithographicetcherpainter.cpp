#include "photolithographicetcherpainter.h"

#include "../Surfaces/surfacepainting.h"
#include "../savedglstate.h"
#include "photolithographicetcher.h"

namespace Automata {
namespace FilmEtching {

PhotolithographicEtcherPainter::PhotolithographicEtcherPainter(PhotolithographicEtcher* automaton)
    : Painter(automaton), model(automaton)
{
}

void PhotolithographicEtcherPainter::paint()
{
    static const float yellow[3] = {1.0f, 1.0f, 0.0f};
    const SavedGlState saved;
    if (model->surface().isRefused()) {
        Surfaces::SurfacePainting::beginPoints();
        Surfaces::SurfacePainting::drawPoints(
            model->getWidth(), model->getHeight(), model->getDepth(), model->getCells(),
            [](const PhotoresistCell& cell) { return !(cell.developed > 0.0f); }, yellow);
        return;
    }
    Surfaces::SurfacePainting::begin();
    Surfaces::SurfacePainting::draw(model->surface(), yellow);
}

int PhotolithographicEtcherPainter::getWidth()
{
    return model->getWidth();
}

int PhotolithographicEtcherPainter::getHeight()
{
    return model->getHeight();
}

} // namespace FilmEtching
} // namespace Automata
