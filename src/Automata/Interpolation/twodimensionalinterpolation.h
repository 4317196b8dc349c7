#pragma once

#include "interpolationgrid.h"

namespace Automata {
namespace Interpolation {

// Bilinear relaxation: every free cell becomes the mean of its four edge
// neighbours. Beyond an edge of the grid the neighbour on the other side of
// the cell stands in (mirrored edges); on a grid one cell wide, the cell itself.
class TwoDimensionalInterpolation : public InterpolationGrid {
public:
    TwoDimensionalInterpolation(int sizeX, int sizeY, double spacing,
                                const std::vector<double>& base,
                                const std::vector<double>& values,
                                const std::vector<bool>& fixed);

    void updateCell(int x, int y) override;

protected:
    void updateColumns(int from, int to) override;

private:
    // The mean of the four mirrored neighbours of (x, y) in the current values.
    double neighbourMean(int x, int y) const
    {
        const double* left = column(mirror(x - 1, x, sizeX));
        const double* right = column(mirror(x + 1, x, sizeX));
        const double* centre = column(x);
        return (left[y] + right[y] + centre[mirror(y - 1, y, sizeY)] +
                centre[mirror(y + 1, y, sizeY)]) *
               0.25;
    }

    // Neighbour index i of cell c on a line of n cells: outside, the cell
    // mirrored across c.
    static int mirror(int i, int c, int n)
    {
        if (i >= 0 && i < n)
            return i;
        const int opposite = 2 * c - i;
        return opposite >= 0 && opposite < n ? opposite : c;
    }

    const double* column(int x) const { return values.data() + static_cast<std::size_t>(x) * sizeY; }
};

} // namespace Interpolation
} // namespace Automata
