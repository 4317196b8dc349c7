#include "singledimensionnonlinearinterpolation.h"

namespace Automata {
namespace Interpolation {

void SingleDimensionNonlinearInterpolation::sweep()
{
    sweepCells([this](int i) { SingleDimensionNonlinearInterpolation::updateCell(i); });
}

void SingleDimensionNonlinearInterpolation::updateCell(int i)
{
    const double current = at(i, 0);
    if (fixed[static_cast<std::size_t>(i)]) {
        setNext(i, current);
        return;
    }
    setNext(i, (2.0 * at(i, -1) + 2.0 * at(i, 1) + 0.5 * (current - at(i, -2))
                - 0.5 * (at(i, 2) - current))
                   * 0.25);
}

} // namespace Interpolation
} // namespace Automata
