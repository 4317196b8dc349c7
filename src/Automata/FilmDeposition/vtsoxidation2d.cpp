#include "vtsoxidation2d.h"

#include <algorithm>

namespace Automata {
namespace FilmDeposition {

VtsOxidation2D::VtsOxidation2D(int width, int height, const FilmCell* initialCells,
                               const Parameters& parameters)
    : OxidationAutomaton2D(width, height, initialCells, parameters)
{
    // A step writes only front cells, so both buffers must agree everywhere else.
    std::copy(cells, cells + cellCount(), nextCells);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const FilmCell& cell = cells[index(x, y)];
            if (consumable(cell.type) && oxideNeighbourWeight(x, y, 1.0f) > 0.0f)
                front.push_back(index(x, y));
        }
    }
}

float VtsOxidation2D::estimateTimeStep() const
{
    bool found = false;
    float smallest = 0.0f;
    for (const int i : front) {
        const FilmCell& cell = cells[i];
        if (!consumable(cell.type))
            continue;
        const float speed = rate * share(cell.type)
                            * oxideNeighbourWeight(i / height, i % height, vtsLateralFactor);
        // A cell without oxide neighbours never completes; it cannot bound the step.
        if (speed <= 0.0f)
            continue;
        const float completion = cell.value / speed;
        if (!found || completion < smallest) {
            smallest = completion;
            found = true;
        }
    }
    return smallest;
}

void VtsOxidation2D::step()
{
    setTimeStep(estimateTimeStep());

    std::vector<int> nextFront;
    nextFront.reserve(front.size() * 2);
    for (const int i : front) {
        const int x = i / height;
        const int y = i % height;
        updateCell(x, y);
        const FilmDepositionCell newType = nextCells[i].type;
        if (newType == Oxide) {
            // The cells around a new oxide cell start losing material next step;
            // the new oxide cell itself stays one more step so that the other
            // buffer receives it too.
            for (int nx = std::max(0, x - 1); nx <= std::min(width - 1, x + 1); ++nx)
                for (int ny = std::max(0, y - 1); ny <= std::min(height - 1, y + 1); ++ny)
                    if (consumable(cells[index(nx, ny)].type))
                        nextFront.push_back(index(nx, ny));
        } else if (consumable(newType)) {
            nextFront.push_back(i);
        }
    }

    std::sort(nextFront.begin(), nextFront.end());
    nextFront.erase(std::unique(nextFront.begin(), nextFront.end()), nextFront.end());
    front.swap(nextFront);

    setElapsedTime(static_cast<float>(getTime()) + timeStep);
    finishStep();
}

} // namespace FilmDeposition
} // namespace Automata
