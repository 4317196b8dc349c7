#include "anisotropicdirectionalhuygensdeposition.h"

#include <algorithm>
#include <cmath>

// The models call their emit(); Qt's signal keyword of that name is not used here.
#undef emit

namespace Automata {
namespace FilmDeposition {

namespace {

const FilmCell closedOutside(Void, 0.0f);

// The occupation window's radius, no longer than the lattice's diagonal.
double windowRadius(const HuygensParameters& p, double diagonal)
{
    return std::min(static_cast<double>(p.timeStep * p.rate) * p.radiusMultiplier, diagonal);
}

} // namespace

AnisotropicDirectionalHuygensDeposition::AnisotropicDirectionalHuygensDeposition(
    int width, int height, const FilmCell* initial, const HuygensParameters& parameters)
    : AnisotropicHuygensDepositionAutomaton(width, height, initial, parameters),
      rays(windowRadius(parameters, std::hypot(width, height)), true, width, 1, height)
{
}

void AnisotropicDirectionalHuygensDeposition::prepareStep()
{
    copyAndMarkVoids();
    markEmptyAlongColumns(false);
}

void AnisotropicDirectionalHuygensDeposition::findSources(int x, std::vector<Source>& out)
{
    for (int y = 0; y < height; ++y)
        if (isSource<true>(x, y, Void))
            out.push_back(Source{x, 0, y, 0});
}

double AnisotropicDirectionalHuygensDeposition::visibleFraction(int x, int y) const
{
    return rays.visibleFraction(cells, x, 0, y);
}

long long AnisotropicDirectionalHuygensDeposition::reach(int x, int y) const
{
    const float radius = timeStep * rate;
    // Only whether the law gives the full radius, none or a share of it
    // matters, so the count may stop early.
    const double seen = rays.decidingFraction(cells, x, 0, y, law.fullUpTo(), law.noneAbove());
    const float factor = law.factor(static_cast<float>(1.0 - seen));
    if (factor < 0.0f)
        return -1;
    const double full = radius / cellSize;
    const double shrunk = static_cast<double>(factor) * radius;
    return HuygensEmission::capReach(std::min(full * full, shrunk * shrunk), width, 1, height);
}

void AnisotropicDirectionalHuygensDeposition::updateCell(int x, int y)
{
    if (x >= 0 && x < width && y >= 0 && y < height && isSource<false>(x, y, Void))
        emit(x, y);
}

void AnisotropicDirectionalHuygensDeposition::neighbours(int x, int y, const FilmCell* out[8])
{
    neighboursWith(x, y, out, closedOutside);
}

} // namespace FilmDeposition
} // namespace Automata
