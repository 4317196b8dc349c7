#pragma once

#include <vector>

#include <QString>

namespace Automata {
namespace Surfaces {

class CellSurface;

// How many triangles the surfaces of one volume may hold together: the size
// check's budget counts every buffer held at once, so the surfaces get what
// the volume's own buffers leave of it. A volume that fits can still cut so
// many cubes (a finely alternating height map) that its surfaces would not;
// such surfaces are refused before anything is allocated, and the owner
// draws the voxels as points instead.
class SurfaceBudget {
public:
    // Bytes that many triangles hold; an amount beyond 64 bits reads as the
    // largest 64-bit value.
    static long long bytes(long long triangles);
    // What the budget leaves for triangles beside heldBytes already in use.
    static long long available(long long heldBytes);
    static bool fits(long long triangles, long long heldBytes);

    // The warning shown when surfaces are refused. The title is fixed, so a
    // caller can tell this warning from others; the text names the triangles
    // and the memory they need.
    static QString warningTitle();
    static QString warningText(long long triangles, long long heldBytes);

    // Shows the warning through the interaction when the surfaces were
    // refused, naming the triangles they needed together; returns whether
    // they were.
    static bool warnIfRefused(const std::vector<CellSurface>& surfaces, long long heldBytes);
};

} // namespace Surfaces
} // namespace Automata
