#include "simplefilmetchdeposimulator3dpainter.h"

#include <qopengl.h>

#include "../Surfaces/surfacepainting.h"
#include "../savedglstate.h"
#include "simplefilmetchdeposimulator3d.h"

namespace Automata {
namespace MixedAutomata {

namespace {

constexpr float materialAlpha = 0.5f;

void litState()
{
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_CULL_FACE);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void seeThroughState()
{
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

} // namespace

SimpleFilmEtchDepoSimulator3DPainter::SimpleFilmEtchDepoSimulator3DPainter(
    SimpleFilmEtchDepoSimulator3D* automaton)
    : Painter(automaton), model(automaton)
{
}

const float* SimpleFilmEtchDepoSimulator3DPainter::materialColor(std::uint32_t material)
{
    static const float colors[][3] = {
        {0.8f, 0.2f, 0.8f},   // anything without a colour of its own
        {0.7f, 0.7f, 0.7f},   // substrate
        {0.55f, 0.58f, 0.85f}, // oxide
        {0.6f, 0.6f, 0.0f},   // film 1
        {0.2f, 0.7f, 0.2f},   // film 2
        {0.7f, 0.2f, 0.2f},   // film 3
        {0.5f, 0.9f, 0.1f},   // film 4
    };
    return colors[material <= SimpleFilmEtchDepoSimulator3D::materialCount ? material : 0];
}

void SimpleFilmEtchDepoSimulator3DPainter::paint()
{
    const SavedGlState saved;
    Surfaces::SurfacePainting::begin();
    // The surfaces' triangles wind clockwise seen from outside, so the front
    // faces are the clockwise ones; culling then drops the inner faces.
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    litState();
    for (int material = 1; material <= SimpleFilmEtchDepoSimulator3D::materialCount; ++material) {
        const Surfaces::CellSurface& surface = model->surface(material);
        const float* color = materialColor(material);
        const bool opaque = model->isOpaque(material);
        if (!opaque)
            seeThroughState();
        if (surface.isRefused()) {
            glDisable(GL_LIGHTING);
            Surfaces::SurfacePainting::drawPoints(
                model->getWidth(), model->getHeight(), model->getDepth(), model->getCells(),
                [material](const FilmDeposition::FilmCell& cell) {
                    return cell.stamp == static_cast<std::uint32_t>(material);
                },
                color);
        } else {
            Surfaces::SurfacePainting::draw(surface, color, materialAlpha);
        }
        litState();
    }
    paintMask();
}

int SimpleFilmEtchDepoSimulator3DPainter::getWidth()
{
    return model->getWidth();
}

int SimpleFilmEtchDepoSimulator3DPainter::getHeight()
{
    return model->getHeight();
}

void SimpleFilmEtchDepoSimulator3DPainter::paintMask()
{
    glShadeModel(GL_FLAT);
    seeThroughState();
    glColor4f(1.0f, 0.0f, 0.0f, 0.5f);
    // In lattice units, like the surfaces, whatever the cell size.
    const int width = model->getWidth();
    const int height = model->getHeight();
    const float top = static_cast<float>(model->getDepth());
    glBegin(GL_QUADS);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (!model->isMasked(x, y))
                continue;
            glVertex3f(static_cast<float>(x), static_cast<float>(y), top);
            glVertex3f(static_cast<float>(x + 1), static_cast<float>(y), top);
            glVertex3f(static_cast<float>(x + 1), static_cast<float>(y + 1), top);
            glVertex3f(static_cast<float>(x), static_cast<float>(y + 1), top);
        }
    }
    glEnd();
}

} // namespace MixedAutomata
} // namespace Automata
