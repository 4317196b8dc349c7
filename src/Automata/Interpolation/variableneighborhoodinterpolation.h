#pragma once

#include "interpolationgrid.h"

namespace Automata {
namespace Interpolation {

// Inverse-distance relaxation: every free cell becomes the mean of the cells
// of the (2 nbX + 1) x (2 nbY + 1) rectangle around it, each weighted by one
// over its distance in cells. Cells beyond the grid take no part; a cell with
// no neighbour at all keeps its value.
class VariableNeighborhoodInterpolation : public InterpolationGrid {
public:
    VariableNeighborhoodInterpolation(int sizeX, int sizeY, double spacing,
                                      const std::vector<double>& base, int nbX, int nbY,
                                      const std::vector<double>& values,
                                      const std::vector<bool>& fixed);

    void updateCell(int x, int y) override;

    int getNeighborhoodX() const { return nbX; }
    int getNeighborhoodY() const { return nbY; }

protected:
    void updateColumns(int from, int to) override;

private:
    // The weighted mean around (x, y), skipping cells beyond the grid.
    double weightedMean(int x, int y) const;
    double weight(int dx, int dy) const
    {
        return weights[static_cast<std::size_t>((dx + nbX) * (2 * nbY + 1) + dy + nbY)];
    }

    int nbY;
    int nbX;
    // 1 / sqrt(dx^2 + dy^2) by (dx, dy), dx outer; 0 for the cell itself.
    std::vector<double> weights;
    // The sum of all weights, summed in the same order as weightedMean sums them.
    double interiorWeight = 0.0;
};

} // namespace Interpolation
} // namespace Automata
