#include "twodimensionalinterpolation.h"

#include "interpolationgridpainter.h"

namespace Automata {
namespace Interpolation {

TwoDimensionalInterpolation::TwoDimensionalInterpolation(int sizeX, int sizeY, double spacing,
                                                         const std::vector<double>& base,
                                                         const std::vector<double>& values,
                                                         const std::vector<bool>& fixed)
    : InterpolationGrid(sizeX, sizeY, spacing, base, values, fixed)
{
    painter = std::make_unique<TwoDimensionalInterpolationPainter>(this);
}

void TwoDimensionalInterpolation::updateCell(int x, int y)
{
    setNext(x, y, isFixed(x, y) ? values[index(x, y)] : neighbourMean(x, y));
}

void TwoDimensionalInterpolation::updateColumns(int from, int to)
{
    if (sizeY < 2) {
        sweepColumns(from, to, [this](int x) {
            return [this, x](int y) { return neighbourMean(x, y); };
        });
        return;
    }
    // Inside a column only the first and last cell need their mirror.
    const int last = sizeY - 1;
    sweepColumns(from, to, [this, last](int x) {
        const double* left = column(mirror(x - 1, x, sizeX));
        const double* right = column(mirror(x + 1, x, sizeX));
        const double* centre = column(x);
        return [=](int y) {
            const int below = y == 0 ? 1 : y - 1;
            const int above = y == last ? last - 1 : y + 1;
            return (left[y] + right[y] + centre[below] + centre[above]) * 0.25;
        };
    });
}

} // namespace Interpolation
} // namespace Automata
