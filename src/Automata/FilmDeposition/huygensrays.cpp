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
    std::size_t blocked = 0;
    return static_cast<double>(countOpen(cells, x, y, z, count + 1, count + 1, &blocked))
           / static_cast<double>(count);
}

double HuygensRays::decidingFraction(const FilmCell* cells, int x, int y, int z, float fullUpTo,
                                     float noneAbove) const
{
    const std::size_t count = directionCount();
    if (count == 0)
        return 1.0;
    const auto occupation = [count](std::size_t open) {
        return static_cast<float>(1.0 - static_cast<double>(open) / static_cast<double>(count));
    };
    // The fewest open directions that already give the full radius, and the
    // fewest blocked ones that already give none; the occupation only falls
    // as more directions turn out open.
    const auto first = [count](auto holds) {
        std::size_t low = 0;
        std::size_t high = count + 1;
        while (low < high) {
            const std::size_t middle = (low + high) / 2;
            if (holds(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    const std::size_t openEnough = first([&](std::size_t k) { return occupation(k) <= fullUpTo; });
    const std::size_t blockedEnough =
        first([&](std::size_t b) { return occupation(count - b) > noneAbove; });
    std::size_t blocked = 0;
    const std::size_t open = countOpen(cells, x, y, z, openEnough, blockedEnough, &blocked);
    if (open + blocked < count && blocked >= blockedEnough)
        return static_cast<double>(count - blocked) / static_cast<double>(count);
    return static_cast<double>(open) / static_cast<double>(count);
}

std::size_t HuygensRays::countOpen(const FilmCell* cells, int x, int y, int z,
                                   std::size_t openEnough, std::size_t blockedEnough,
                                   std::size_t* blockedCount) const
{
    const std::size_t count = directionCount();
    std::size_t open = 0;
    std::size_t& shut = *blockedCount;
    if (lineEnds.size() != count) {
        for (std::size_t i = 0; i < count && open < openEnough && shut < blockedEnough; ++i) {
            if (traceOpen(cells, &directions[3 * i], x, y, z))
                ++open;
            else
                ++shut;
        }
        return open;
    }
    const bool inside = x >= reachAll && x + reachAll < width && y >= reachAll
                        && y + reachAll < height && z >= reachAll && z + reachAll < depth;
    const FilmCell* source = cells + (static_cast<std::size_t>(x) * height + y) * depth + z;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < count && open < openEnough && shut < blockedEnough; ++i) {
        const std::size_t end = lineEnds[i];
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
        if (blocked)
            ++shut;
        else
            ++open;
        begin = end;
    }
    return open;
}

} // namespace FilmDeposition
} // namespace Automata
