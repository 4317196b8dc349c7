#pragma once

#include <cstddef>
#include <vector>

#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// The line-of-sight test of the directional Huygens models: from a source,
// straight lattice lines to the points of a circle (flat) or sphere of radius
// L; the share of them that run the full distance through empty space is
// what the source sees of the open space around it.
//
// Cells are addressed as in a volume of width x height x depth, z fastest; a
// flat lattice of W x H sites is the volume W x 1 x H, its circle in the x-z
// plane.
class HuygensRays {
public:
    // The directions: the lattice points q with L - 1/2 <= |q| < L + 1/2,
    // for a volume of the given size.
    HuygensRays(double radius, bool flat, int width, int height, int depth);

    // The share of directions open from (x, y, z). A line steps n = max |d_i|
    // times; at step s coordinate i is sign(d_i) * ceil(|d_i| s / n), so it
    // leaves the source's row, column or plane at once. The source itself
    // and cells beyond the lattice are not looked at. A direction is open
    // when no non-empty cell lies on its line, or the first one lies at
    // squared distance L² - 0.001 or more. With L below 1/2 every direction
    // is open.
    double visibleFraction(const FilmCell* cells, int x, int y, int z) const;

    // The same share, or one that an occupation law with the given bounds
    // (full radius at or below `fullUpTo`, none above `noneAbove`) treats
    // alike: the count stops as soon as the open or the blocked directions
    // alone decide between those two, and never when only the exact share
    // does.
    double decidingFraction(const FilmCell* cells, int x, int y, int z, float fullUpTo,
                            float noneAbove) const;

    std::size_t directionCount() const { return directions.size() / 3; }

private:
    struct Step {
        int dx;
        int dy;
        int dz;
        long long offset;
    };

    // Open directions from (x, y, z), counted until `openEnough` are open or
    // `blockedEnough` blocked.
    std::size_t countOpen(const FilmCell* cells, int x, int y, int z, std::size_t openEnough,
                          std::size_t blockedEnough, std::size_t* blocked) const;
    // Whether a line from (x, y, z) towards direction i is open, stepping
    // it out afresh.
    bool traceOpen(const FilmCell* cells, const int* direction, int x, int y, int z) const;

    int width;
    int height;
    int depth;
    // Squared distances below this may block a direction.
    double blocking;
    // dx, dy, dz of every direction.
    std::vector<int> directions;
    // The cells of every line that may block it, in order, when they fit in
    // memory: line i is steps[lineEnds[i - 1] .. lineEnds[i]). A source
    // farther than `reachAll` from every face needs no bounds checks.
    std::vector<Step> steps;
    std::vector<std::size_t> lineEnds;
    int reachAll = 0;
};

} // namespace FilmDeposition
} // namespace Automata
