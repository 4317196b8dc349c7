#include "variableneighborhoodinterpolation.h"

#include <algorithm>
#include <cmath>

#include "interpolationgridpainter.h"

namespace Automata {
namespace Interpolation {

VariableNeighborhoodInterpolation::VariableNeighborhoodInterpolation(
    int sizeX, int sizeY, double spacing, const std::vector<double>& base, int nbX, int nbY,
    const std::vector<double>& values, const std::vector<bool>& fixed)
    : InterpolationGrid(sizeX, sizeY, spacing, base, values, fixed),
      nbY(std::max(nbY, 0)), nbX(std::max(nbX, 0))
{
    for (int dx = -this->nbX; dx <= this->nbX; ++dx) {
        for (int dy = -this->nbY; dy <= this->nbY; ++dy) {
            const double w = dx == 0 && dy == 0 ? 0.0 : 1.0 / std::sqrt(dx * dx + dy * dy);
            weights.push_back(w);
            interiorWeight += w;
        }
    }
    painter = std::make_unique<VariableNeighborhoodInterpolationPainter>(this);
}

double VariableNeighborhoodInterpolation::weightedMean(int x, int y) const
{
    double sumWeights = 0.0;
    double sumWeighted = 0.0;
    for (int dx = -nbX; dx <= nbX; ++dx) {
        const int nx = x + dx;
        if (nx < 0 || nx >= sizeX)
            continue;
        const double* column = values.data() + static_cast<std::size_t>(nx) * sizeY;
        for (int dy = -nbY; dy <= nbY; ++dy) {
            const int ny = y + dy;
            if ((dx == 0 && dy == 0) || ny < 0 || ny >= sizeY)
                continue;
            const double w = weight(dx, dy);
            sumWeights += w;
            sumWeighted += w * column[ny];
        }
    }
    // No neighbour in reach (a 0 x 0 rectangle, or none inside the grid):
    // the cell keeps its value.
    if (sumWeights == 0.0)
        return values[index(x, y)];
    return sumWeighted / sumWeights;
}

void VariableNeighborhoodInterpolation::updateCell(int x, int y)
{
    setNext(x, y, isFixed(x, y) ? values[index(x, y)] : weightedMean(x, y));
}

void VariableNeighborhoodInterpolation::updateColumns(int from, int to)
{
    const int rows = 2 * nbY + 1;
    sweepColumns(from, to, [this, rows](int x) {
        const bool inside = x - nbX >= 0 && x + nbX < sizeX && interiorWeight > 0.0;
        const double* first =
            inside ? values.data() + static_cast<std::size_t>(x - nbX) * sizeY : nullptr;
        return [this, x, rows, inside, first](int y) {
            if (!inside || y < nbY || y + nbY >= sizeY)
                return weightedMean(x, y);
            // The whole rectangle lies inside the grid: every weight counts,
            // in the same order as weightedMean adds them.
            const double* w = weights.data();
            const double* column = first + (y - nbY);
            double sumWeighted = 0.0;
            for (int dx = 0; dx <= 2 * nbX; ++dx, column += sizeY)
                for (int dy = 0; dy < rows; ++dy)
                    sumWeighted += *w++ * column[dy];
            return sumWeighted / interiorWeight;
        };
    });
}

} // namespace Interpolation
} // namespace Automata
