#include "huygensrays.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Automata {
namespace FilmDeposition {

namespace {

// One axis of a lattice line: after step s of n the coordinate is
// sign * ceil(length * s / n), kept as quotient and remainder.
struct Axis {
    int sign;
    long long length;
    long long quotient = 0;
    long long remainder = 0;

    explicit Axis(int d) : sign(d < 0 ? -1 : 1), length(std::llabs(d)) {}

    long long advance(long long n)
    {
        remainder += length;
        if (remainder >= n) {
            remainder -= n;
            ++quotient;
        }
        return sign * (quotient + (remainder > 0 ? 1 : 0));
    }
};

// Steps the line towards d, calling visit(cx, cy, cz) with each cell's offset
// while the cell may still block it (squared distance below `blocking`) and
// visit returns true. Returns false when visit stopped it.
template <typename Visit>
bool walkLine(const int* d, double blocking, Visit visit)
{
    Axis ax(d[0]), ay(d[1]), az(d[2]);
    const long long n = std::max(ax.length, std::max(ay.length, az.length));
    for (long long s = 1; s <= n; ++s) {
        const long long cx = ax.advance(n);
        const long long cy = ay.advance(n);
        const long long cz = az.advance(n);
        // Farther cells no longer block; the line only moves away.
        if (static_cast<double>(cx * cx + cy * cy + cz * cz) >= blocking)
            return true;
        if (!visit(cx, cy, cz))
            return false;
    }
    return true;
}

// Lines are kept stepped out beforehand up to this many cells in all.
constexpr std::size_t keptSteps = std::size_t(1) << 22;

} // namespace

HuygensRays::HuygensRays(double radius, bool flat, int width, int height, int depth)
    : width(width), height(height), depth(depth), blocking(radius * radius - 0.001)
{
    if (!(radius >= 0.5))
        return;
    const double inner = (radius - 0.5) * (radius - 0.5);
    const double outer = (radius + 0.5) * (radius + 0.5);
    const int extent = static_cast<int>(std::ceil(radius + 0.5));
    const int extentY = flat ? 0 : extent;
    for (int dx = -extent; dx <= extent; ++dx)
        for (int dy = -extentY; dy <= extentY; ++dy)
            for (int dz = -extent; dz <= extent; ++dz) {
                const double squared = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy
                                       + static_cast<double>(dz) * dz;
                if (squared >= inner && squared < outer)
                    directions.insert(directions.end(), {dx, dy, dz});
            }

    // Every line steps at most about L cells before they stop blocking.
    if (directionCount() * static_cast<std::size_t>(extent) > keptSteps)
        return;
    const long long strideX = static_cast<long long>(height) * depth;
    for (std::size_t i = 0; i < directionCount(); ++i) {
        walkLine(&directions[3 * i], blocking, [&](long long cx, long long cy, long long cz) {
            steps.push_back(Step{static_cast<int>(cx), static_cast<int>(cy), static_cast<int>(cz),
                                 cx * strideX + cy * depth + cz});
            reachAll = std::max(reachAll, static_cast<int>(std::max({std::llabs(cx), std::llabs(cy),
                                                                    std::llabs(cz)})));
            return true;
        });
        lineEnds.push_back(steps.size());
    }
}

bool HuygensRays::traceOpen(const FilmCell* cells, const int* d, int x, int y, int z) const
{
    bool open = true;
    walkLine(d, blocking, [&](long long cx, long long cy, long long cz) {
        const long long px = x + cx;
        const long long py = y + cy;
        const long long pz = z + cz;
        // Once out of the box a straight line never comes back.
        if (px < 0 || px >= width || py < 0 || py >= height || pz < 0 || pz >= depth)
            return false;
        open = cells[(static_cast<std::size_t>(px) * height + py) * depth + pz].type == Empty;
        return open;
    });
    return open;
}

double HuygensRays::visibleFraction(const FilmCell* cells, int x, int y, int z) const
{
    const std::size_t count = directionCount();
    if (count == 0)
        return 1.0;
    std::size_t open = 0;
    if (lineEnds.size() != count) {
        for (std::size_t i = 0; i < count; ++i)
            open += traceOpen(cells, &directions[3 * i], x, y, z);
        return static_cast<double>(open) / static_cast<double>(count);
    }
    const bool inside = x >= reachAll && x + reachAll < width && y >= reachAll
                        && y + reachAll < height && z >= reachAll && z + reachAll < depth;
    const FilmCell* source = cells + (static_cast<std::size_t>(x) * height + y) * depth + z;
    std::size_t begin = 0;
    for (const std::size_t end : lineEnds) {
        bool blocked = false;
        if (inside) {
            for (std::size_t s = begin; s < end && !blocked; ++s)
                blocked = source[steps[s].offset].type != Empty;
        } else {
            for (std::size_t s = begin; s < end; ++s) {
                const Step& step = steps[s];
                const int px = x + step.dx;
                const int py = y + step.dy;
                const int pz = z + step.dz;
                if (px < 0 || px >= width || py < 0 || py >= height || pz < 0 || pz >= depth)
                    break;
                if (source[step.offset].type != Empty) {
                    blocked = true;
                    break;
                }
            }
        }
        open += !blocked;
        begin = end;
    }
    return static_cast<double>(open) / static_cast<double>(count);
}

} // namespace FilmDeposition
} // namespace Automata
