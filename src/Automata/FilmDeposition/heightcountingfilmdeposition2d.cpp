#include "heightcountingfilmdeposition2d.h"

#include <algorithm>

#include "../painter2d.h"

namespace Automata {
namespace FilmDeposition {

HeightCountingFilmDeposition2D::HeightCountingFilmDeposition2D()
    : Automaton2D<double>(size, size), fixedCells(cellCount(), false)
{
    // A step: the first quarter of the columns stands higher (surface at
    // 3H/4) than the rest (surface at 7H/8). The surface row is the source.
    for (int x = 0; x < width; ++x) {
        const int surface = x < width / 4 ? 3 * height / 4 : 7 * height / 8;
        for (int y = 0; y < height; ++y) {
            const std::size_t i = static_cast<std::size_t>(index(x, y));
            cells[i] = y > surface ? substrate : y == surface ? source : 0.0;
            fixedCells[i] = y >= surface;
        }
    }
    std::copy(cells, cells + cellCount(), nextCells);
    painter = new Painter2D<double>(this);
}

void HeightCountingFilmDeposition2D::step()
{
    static const double diagonal = 1.4142135623730951;
    const int w = width;
    const int h = height;
    for (int x = 0; x < w; ++x) {
        const int left = (x + w - 1) % w;
        const int right = (x + 1) % w;
        for (int y = 0; y < h; ++y) {
            const std::size_t i = static_cast<std::size_t>(index(x, y));
            if (fixedCells[i]) {
                nextCells[i] = cells[i];
                continue;
            }
            const int down = (y + h - 1) % h;
            const int up = (y + 1) % h;
            double value = cells[i];
            const auto offer = [&](int nx, int ny, double cost) {
                const double candidate = cells[index(nx, ny)] - cost;
                if (candidate > value && candidate > 0.0)
                    value = candidate;
            };
            offer(left, y, 1.0);
            offer(right, y, 1.0);
            offer(x, down, 1.0);
            offer(x, up, 1.0);
            offer(left, down, diagonal);
            offer(left, up, diagonal);
            offer(right, down, diagonal);
            offer(right, up, diagonal);
            nextCells[i] = value;
        }
    }
    finishStep();
}

void HeightCountingFilmDeposition2D::save()
{
}

void HeightCountingFilmDeposition2D::setSaveAll(bool, int)
{
}

const float* HeightCountingFilmDeposition2D::getColor(const double& cell)
{
    static const float below[3] = {0.7f, 0.7f, 0.0f};
    static const float above[3] = {0.8f, 0.0f, 0.0f};
    static const float zero[3] = {1.0f, 1.0f, 1.0f};
    return cell < 0.0 ? below : cell > 0.0 ? above : zero;
}

} // namespace FilmDeposition
} // namespace Automata
