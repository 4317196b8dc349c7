#include "anisotropichuygensdepositionautomaton.h"

#include <algorithm>
#include <cmath>

#include "../columnbands.h"

// The models call their emit(); Qt's signal keyword of that name is not used here.
#undef emit

namespace Automata {
namespace FilmDeposition {

AnisotropicHuygensDepositionAutomaton::AnisotropicHuygensDepositionAutomaton(
    int width, int height, const FilmCell* initial, const HuygensParameters& parameters)
    : HuygensDepositionAutomaton(width, height, initial, parameters),
      occupationThreshold(parameters.occupationThreshold),
      maximumOccupation(parameters.maximumOccupation),
      radiusMultiplier(parameters.radiusMultiplier), law(parameters)
{
}

void AnisotropicHuygensDepositionAutomaton::copyAndMarkVoids()
{
    std::copy(cells, cells + cellCount(), nextCells);
    // The voids go into the current lattice only: the next one keeps them
    // empty, so a void is never drawn or saved.
    HuygensEmission::markVoids(cells, width, 1, height, reached);
}

void AnisotropicHuygensDepositionAutomaton::prepareStep()
{
    copyAndMarkVoids();
    markEmptyAlongColumns(true);
    const int h = height;
    occupiedBelow.resize(static_cast<std::size_t>(width) * (h + 1));
    const FilmCell* current = cells;
    int* counts = occupiedBelow.data();
    ColumnBands::run(width, [=](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            const FilmCell* column = current + static_cast<std::size_t>(x) * h;
            int* below = counts + static_cast<std::size_t>(x) * (h + 1);
            below[0] = 0;
            for (int y = 0; y < h; ++y)
                below[y + 1] = below[y] + (column[y].type != Empty);
        }
    });
}

void AnisotropicHuygensDepositionAutomaton::findSources(int x, std::vector<Source>& out)
{
    for (int y = 0; y < height; ++y)
        if (isSource<true>(x, y, Empty))
            out.push_back(Source{x, 0, y, 0});
}

AnisotropicHuygensDepositionAutomaton::Occupation
AnisotropicHuygensDepositionAutomaton::occupation(int x, int y) const
{
    Occupation result;
    const float window = rate * timeStep / cellSize * radiusMultiplier;
    const long long windowReach = HuygensEmission::reachOf(window, width, 1, height);
    if (windowReach < 0 || occupiedBelow.empty())
        return result;
    const long long extent = HuygensEmission::floorSqrt(windowReach);
    const int fromX = static_cast<int>(std::max<long long>(0, x - extent));
    const int toX = static_cast<int>(std::min<long long>(width - 1, x + extent));
    for (int i = fromX; i <= toX; ++i) {
        const long long di = i - x;
        const long long extentY = HuygensEmission::floorSqrt(windowReach - di * di);
        const int fromY = static_cast<int>(std::max<long long>(0, y - extentY));
        const int toY = static_cast<int>(std::min<long long>(height - 1, y + extentY));
        const int* below = occupiedBelow.data() + static_cast<std::size_t>(i) * (height + 1);
        result.sites += toY - fromY + 1;
        result.occupied += below[toY + 1] - below[fromY];
    }
    return result;
}

long long AnisotropicHuygensDepositionAutomaton::reach(int x, int y) const
{
    const Occupation around = occupation(x, y);
    float factor;
    if (around.sites == 0)
        factor = occupationThreshold >= 0.0f ? 1.0f : law.getIntercept();
    else
        factor = law.factor(static_cast<float>(around.occupied) / static_cast<float>(around.sites));
    const float radius = factor * rate * timeStep;
    return HuygensEmission::reachOf(radius / cellSize, width, 1, height);
}

void AnisotropicHuygensDepositionAutomaton::updateCell(int x, int y)
{
    if (x >= 0 && x < width && y >= 0 && y < height && isSource<false>(x, y, Empty))
        emit(x, y);
}

} // namespace FilmDeposition
} // namespace Automata
