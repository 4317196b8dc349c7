#pragma once

#include <cstdint>
#include <vector>

#include "../Surfaces/cellsurface.h"
#include "../automaton3d.h"
#include "../sizecheck.h"
#include "photoresistcell.h"

namespace Automata {
namespace FilmEtching {

// Development of an exposed photoresist layer of width x height x depth
// voxels. The mask decides column by column whether the resist dissolves fast
// (rate 1.0) or slowly (0.1); development starts at the top layer (z = depth
// - 1) and advances along a front of cells next to fully developed ones.
// After every step the boundary of the developed region is rebuilt as a
// triangle surface, which is what the view shows.
class PhotolithographicEtcher : public Automaton3D<PhotoresistCell> {
public:
    // mask: one byte per column, element x * height + y. A column develops
    // fast where its byte equals polarity (1 positive, 0 negative).
    PhotolithographicEtcher(int width, int height, int depth, int polarity,
                            const unsigned char* mask);

    // What the model holds for a width x height x depth layer, with its mask.
    static SizeCheck memoryCheck(int width, int height, int depth);

    void step() override;
    // The model has no picture of its own to save.
    void save() override;

    // Sets every column's rate in both buffers from the mask, and leaves the
    // whole column undeveloped.
    virtual void applyMask(int polarity, const unsigned char* mask);

    // The boundary of the developed region; refused (empty) when it would not
    // fit in memory, and then the painter draws points.
    const Surfaces::CellSurface& surface() const { return developedSurface; }
    const std::vector<std::int64_t>& getFront() const { return front; }

private:
    // The cells of the current buffer that the update may change, in volume order.
    std::vector<std::int64_t> front;
    Surfaces::CellSurface developedSurface;
    // The sampled cubes of the surface, kept between steps so that a step
    // samples again only the cubes around cells that crossed 0.
    std::vector<Surfaces::SurfaceScan> scan;
    // Cells of this step whose developed > 0 changed.
    std::vector<long long> crossed;

    void rebuildFront();
    void rebuildSurface();
};

} // namespace FilmEtching
} // namespace Automata
