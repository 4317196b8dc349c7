#pragma once

#include <vector>

#include "../Surfaces/cellsurface.h"
#include "../automaton3d.h"
#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// Conformal growth on a volume: every voxel that is neither substrate nor
// film becomes film when any of its 26 neighbours inside the volume is
// substrate or film. Drawn as points, or as shaded film and substrate
// surfaces after regenerateSurfaces() until the next step. Surfaces that
// would not fit in memory are refused with a warning and the points stay.
class SimpleFilmDeposition3D : public Automaton3D<FilmCell> {
public:
    // Copies width x height x depth voxels in volume order.
    SimpleFilmDeposition3D(int width, int height, int depth, const FilmCell* initial);

    void step() override;
    // The model has no picture of its own to save.
    void save() override;
    const float* getColor(const FilmCell& cell) override;

    // Rebuilds the closed film and substrate surfaces of the current volume
    // and marks them fresh; when they would not fit in memory, warns and
    // leaves both empty and not fresh.
    virtual void regenerateSurfaces();
    virtual const Surfaces::CellSurface& filmSurface();
    virtual const Surfaces::CellSurface& substrateSurface();
    virtual bool surfacesFresh();

private:
    // Builds both surfaces, or refuses both with a warning; returns whether
    // they were built.
    bool buildSurfaces(bool closed);

    bool fresh = false;
    // The film surface, then the substrate surface.
    std::vector<Surfaces::CellSurface> surfaces;
    // Scratch of the separable 3 x 3 x 3 test: solid within one step along z,
    // then within one step along y and z.
    std::vector<unsigned char> nearAlongZ;
    std::vector<unsigned char> nearAlongYZ;
};

} // namespace FilmDeposition
} // namespace Automata
