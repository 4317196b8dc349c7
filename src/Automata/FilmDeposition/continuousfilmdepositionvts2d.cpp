#include "continuousfilmdepositionvts2d.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "../columnbands.h"
#include "../workers.h"

namespace Automata {
namespace FilmDeposition {

ContinuousFilmDepositionVts2D::ContinuousFilmDepositionVts2D(int width, int height,
                                                             const FilmCell* initial)
    : ContinuousFilmDeposition2D(width, height, initial)
{
}

float ContinuousFilmDepositionVts2D::estimateTimeStep() const
{
    const int h = height;
    const int w = width;
    const float rate = vtsRate;
    const FilmCell* current = cells;
    const std::vector<ColumnBands::Band> bands = ColumnBands::split(width, workerCount());
    std::vector<float> smallest(bands.size(), std::numeric_limits<float>::infinity());
    ColumnBands::run(bands, [&](int begin, int end) {
        float least = std::numeric_limits<float>::infinity();
        for (int x = begin; x < end; ++x) {
            const FilmCell* column = current + static_cast<std::size_t>(x) * h;
            for (int y = 0; y < h; ++y) {
                if (column[y].type != Empty)
                    continue;
                int contacts = 0;
                contacts += y > 0 && column[y - 1].type != Empty;
                contacts += y + 1 < h && column[y + 1].type != Empty;
                contacts += x > 0 && column[y - h].type != Empty;
                contacts += x + 1 < w && column[y + h].type != Empty;
                if (contacts == 0)
                    continue;
                const float completion = (1.0f - column[y].value) / (rate * contacts);
                if (completion < least)
                    least = completion;
            }
        }
        for (std::size_t i = 0; i < bands.size(); ++i)
            if (bands[i].first == begin)
                smallest[i] = least;
    });
    float least = std::numeric_limits<float>::infinity();
    for (const float value : smallest)
        least = std::min(least, value);
    // No empty cell with a solid edge neighbour: nothing would ever complete,
    // and an endless step would turn every fill into not-a-number.
    return least == std::numeric_limits<float>::infinity() ? 0.0f : least;
}

void ContinuousFilmDepositionVts2D::step()
{
    timeStep = estimateTimeStep();
    updateCells();
    finishStep();
    elapsedTime = static_cast<float>(getTime()) + timeStep;
    radiusDiagnostic();
}

} // namespace FilmDeposition
} // namespace Automata
