#pragma once

#include <vector>

#include <qopengl.h>

#include "automaton3d.h"
#include "painter.h"
#include "savedglstate.h"
#include "Surfaces/cellsurface.h"
#include "Surfaces/referencematch.h"
#include "Surfaces/surfacepainting.h"

namespace Automata {

// Draws a volume as lit triangle surfaces on white, one surface per listed
// cell value, each in that value's colour. Cmp decides which voxels a value's
// surface encloses. The surfaces are kept between frames and rebuilt only by
// update(), which the owning model calls after each step.
template <typename T, typename Cmp>
class Painter3D : public Painter {
public:
    Painter3D(Automaton3D<T>* automaton, const std::vector<T>& types)
        : Painter(automaton), volume(automaton), types(types)
    {
        surfaces.reserve(this->types.size());
        for (const T& type : this->types)
            surfaces.push_back(extract(type));
    }

    void update()
    {
        for (std::size_t i = 0; i < types.size(); ++i)
            surfaces[i] = extract(types[i]);
    }

    void paint() override
    {
        const SavedGlState saved;
        Surfaces::SurfacePainting::begin();
        for (std::size_t i = 0; i < surfaces.size(); ++i)
            Surfaces::SurfacePainting::draw(surfaces[i], volume->getColor(types[i]));
    }

    int getWidth() override { return volume->getWidth(); }
    int getHeight() override { return volume->getDepth(); }

    const std::vector<Surfaces::CellSurface>& getSurfaces() const { return surfaces; }
    const std::vector<T>& getTypes() const { return types; }

private:
    Surfaces::CellSurface extract(const T& type)
    {
        return Surfaces::CellSurface::open(volume->getWidth(), volume->getHeight(),
                                           volume->getDepth(), volume->getCells(),
                                           Surfaces::ReferenceMatch<T, Cmp>(type));
    }

    Automaton3D<T>* volume;
    std::vector<Surfaces::CellSurface> surfaces;
    std::vector<T> types;
};

} // namespace Automata
