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
// surfaces after regenerateSurfaces() until the next step.
class SimpleFilmDeposition3D : public Automaton3D<FilmCell> {
public:
    // Copies width x height x depth voxels in volume order.
    SimpleFilmDeposition3D(int width, int height, int depth, const FilmCell* initial);

    void step() override;
    // The model has no picture of its own to save.
    void save() override;
    const float* getColor(const FilmCell& cell) override;

    // Rebuilds the closed film and substrate surfaces of the current volume
    // and marks them fresh.
    virtual void regenerateSurfaces();
    virtual const Surfaces::CellSurface& filmSurface();
    virtual const Surfaces::CellSurface& substrateSurface();
    virtual bool surfacesFresh();

private:
    bool fresh = false;
    Surfaces::CellSurface film;
    Surfaces::CellSurface substrate;
    // Scratch of the separable 3 x 3 x 3 test: solid within one step along z,
    // then within one step along y and z.
    std::vector<unsigned char> nearAlongZ;
    std::vector<unsigned char> nearAlongYZ;
};

} // namespace FilmDeposition
} // namespace Automata
