#pragma once

#include <vector>

#include <qopengl.h>

#include "automaton3d.h"
#include "painter.h"
#include "savedglstate.h"
#include "sizecheck.h"
#include "Surfaces/cellsurface.h"
#include "Surfaces/referencematch.h"
#include "Surfaces/surfacebudget.h"
#include "Surfaces/surfacepainting.h"

namespace Automata {

// Draws a volume as lit triangle surfaces on white, one surface per listed
// cell value, each in that value's colour. Cmp decides which voxels a value's
// surface encloses. The surfaces are kept between frames and rebuilt only by
// update(), which the owning model calls after each step.
//
// The surfaces together stay within the triangle budget. When they would not
// fit, none is made and the painter draws the visible voxels of each value as
// points until an update fits again; the first refusal is reported once.
template <typename T, typename Cmp>
class Painter3D : public Painter {
public:
    Painter3D(Automaton3D<T>* automaton, const std::vector<T>& types)
        : Painter(automaton), volume(automaton), types(types)
    {
        update();
    }

    void update()
    {
        // The old surfaces go first, so they never hold memory beside the new ones.
        surfaces.clear();
        std::vector<Surfaces::SurfaceScan> scans;
        scans.reserve(types.size());
        for (const T& type : types)
            scans.push_back(Surfaces::SurfaceScan::open(volume->getWidth(), volume->getHeight(),
                                                        volume->getDepth(), volume->getCells(),
                                                        Match(type)));
        // Beside the surfaces, the volume holds its two lattice buffers.
        const long long held = SizeCheck({volume->getWidth(), volume->getHeight(),
                                          volume->getDepth()})
                                   .perSite<T>(2)
                                   .bytes();
        surfaces = Surfaces::CellSurface::build(scans, held);
        refused = !surfaces.empty() && surfaces.front().isRefused();
        if (refused && !warned)
            warned = Surfaces::SurfaceBudget::warnIfRefused(surfaces, held);
    }

    void paint() override
    {
        const SavedGlState saved;
        if (refused) {
            Surfaces::SurfacePainting::beginPoints();
            for (const T& type : types)
                Surfaces::SurfacePainting::drawPoints(volume->getWidth(), volume->getHeight(),
                                                      volume->getDepth(), volume->getCells(),
                                                      Match(type), volume->getColor(type));
            return;
        }
        Surfaces::SurfacePainting::begin();
        for (std::size_t i = 0; i < surfaces.size(); ++i)
            Surfaces::SurfacePainting::draw(surfaces[i], volume->getColor(types[i]));
    }

    int getWidth() override { return volume->getWidth(); }
    int getHeight() override { return volume->getDepth(); }

    const std::vector<Surfaces::CellSurface>& getSurfaces() const { return surfaces; }
    const std::vector<T>& getTypes() const { return types; }
    // Whether the last update was refused, so the volume is drawn as points.
    bool surfacesRefused() const { return refused; }

private:
    using Match = Surfaces::ReferenceMatch<T, Cmp>;

    Automaton3D<T>* volume;
    std::vector<Surfaces::CellSurface> surfaces;
    std::vector<T> types;
    bool refused = false;
    bool warned = false;
};

} // namespace Automata
