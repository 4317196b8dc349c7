#include "distancecountingfilmdeposition2d.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "../columnbands.h"
#include "distancecounting2dpainter.h"

namespace Automata {
namespace FilmDeposition {

DistanceCountingFilmDeposition2D::DistanceCountingFilmDeposition2D(int width, int height,
                                                                   const DistState* initial)
    : Automaton2D<DistState>(width, height)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new DistanceCounting2DPainter(this);
}

void DistanceCountingFilmDeposition2D::step()
{
    stepsDone += 1.0;
    // Each sweep reads one buffer and writes the other, so bands are
    // independent; four exchanges leave the same buffer current.
    for (int sweepNumber = 0; sweepNumber < 4; ++sweepNumber) {
        ColumnBands::run(width, [this](int begin, int end) { sweep(begin, end); });
        if (sweepNumber < 3)
            std::swap(cells, nextCells);
    }
    finishStep();
}

void DistanceCountingFilmDeposition2D::sweep(int begin, int end)
{
    const int w = width;
    const int h = height;
    const float bound = maxComponent;
    const float limit = maxDistanceSquared;
    const std::uint32_t film = filmState;
    for (int x = begin; x < end; ++x) {
        const DistState* column = cells + static_cast<std::size_t>(x) * h;
        const DistState* left = cells + static_cast<std::size_t>((x + w - 1) % w) * h;
        const DistState* right = cells + static_cast<std::size_t>((x + 1) % w) * h;
        DistState* out = nextCells + static_cast<std::size_t>(x) * h;
        for (int y = 0; y < h; ++y) {
            DistState cell = column[y];
            if (cell.state == 0 || cell.state == film) {
                float vx = cell.dx;
                float vy = cell.dy;
                float d = vx * vx + vy * vy;
                const auto offer = [&](float wx, float wy) {
                    if (!(std::fabs(wx) < bound && std::fabs(wy) < bound))
                        return;
                    const float length = wx * wx + wy * wy;
                    if (length < d && length <= limit) {
                        vx = wx;
                        vy = wy;
                        d = length;
                        cell.state = film;
                    }
                };
                const DistState& below = column[y > 0 ? y - 1 : h - 1];
                const DistState& above = column[y + 1 < h ? y + 1 : 0];
                offer(left[y].dx + 1.0f, left[y].dy);
                offer(right[y].dx - 1.0f, right[y].dy);
                offer(below.dx, below.dy + 1.0f);
                offer(above.dx, above.dy - 1.0f);
                cell.dx = vx;
                cell.dy = vy;
            }
            out[y] = cell;
        }
    }
}

void DistanceCountingFilmDeposition2D::save()
{
}

void DistanceCountingFilmDeposition2D::setSaveAll(bool, int)
{
}

double DistanceCountingFilmDeposition2D::getTime()
{
    return stepsDone;
}

std::string DistanceCountingFilmDeposition2D::getTimeInfo()
{
    return " steps | Errors = " + std::to_string(errorCount());
}

long long DistanceCountingFilmDeposition2D::errorCount() const
{
    long long errors = 0;
    const int cx = width / 2;
    const int cy = height / 2;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const float ox = static_cast<float>(x - cx);
            const float oy = static_cast<float>(y - cy);
            if (cells[index(x, y)].state == 0 && ox * ox + oy * oy < maxDistanceSquared)
                ++errors;
        }
    }
    return errors;
}

const float* DistanceCountingFilmDeposition2D::getColor(const DistState& cell)
{
    static const float colors[4][3] = {
        {1.0f, 1.0f, 1.0f}, {0.7f, 0.7f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.7f}};
    return colors[cell.state < 4 ? cell.state : 0];
}

} // namespace FilmDeposition
} // namespace Automata
