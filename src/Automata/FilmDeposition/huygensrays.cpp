#include "huygensrays.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Automata {
namespace FilmDeposition {

HuygensRays::HuygensRays(double radius, bool flat) : blocking(radius * radius - 0.001)
{
    if (!(radius >= 0.5))
        return;
    const double inner = (radius - 0.5) * (radius - 0.5);
    const double outer = (radius + 0.5) * (radius + 0.5);
    const int extent = static_cast<int>(std::ceil(radius + 0.5));
    const int extentY = flat ? 0 : extent;
    for (int dx = -extent; dx <= extent; ++dx) {
        for (int dy = -extentY; dy <= extentY; ++dy) {
            for (int dz = -extent; dz <= extent; ++dz) {
                const double squared = static_cast<double>(dx) * dx
                                       + static_cast<double>(dy) * dy
                                       + static_cast<double>(dz) * dz;
                if (squared >= inner && squared < outer) {
                    directions.push_back(dx);
                    directions.push_back(dy);
                    directions.push_back(dz);
                }
            }
        }
    }
}

namespace {

// One axis of a lattice line: after step s of n the coordinate is
// sign * ceil(length * s / n), kept as quotient and remainder.
struct Axis {
    int sign;
    long long length;
    long long quotient = 0;
    long long remainder = 0;

    Axis(int d) : sign(d < 0 ? -1 : 1), length(std::llabs(d)) {}

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

} // namespace

double HuygensRays::visibleFraction(const FilmCell* cells, int width, int height, int depth,
                                    int x, int y, int z) const
{
    const std::size_t count = directionCount();
    if (count == 0)
        return 1.0;
    std::size_t open = 0;
    const int* d = directions.data();
    for (std::size_t i = 0; i < count; ++i, d += 3) {
        Axis ax(d[0]), ay(d[1]), az(d[2]);
        const long long n = std::max(ax.length, std::max(ay.length, az.length));
        bool blocked = false;
        for (long long s = 1; s <= n; ++s) {
            const long long cx = ax.advance(n);
            const long long cy = ay.advance(n);
            const long long cz = az.advance(n);
            // Farther cells no longer block; the line only moves away.
            if (static_cast<double>(cx * cx + cy * cy + cz * cz) >= blocking)
                break;
            const long long px = x + cx;
            const long long py = y + cy;
            const long long pz = z + cz;
            // Once out of the box a straight line never comes back.
            if (px < 0 || px >= width || py < 0 || py >= height || pz < 0 || pz >= depth)
                break;
            if (cells[(static_cast<std::size_t>(px) * height + py) * depth + pz].type != Empty) {
                blocked = true;
                break;
            }
        }
        if (!blocked)
            ++open;
    }
    return static_cast<double>(open) / static_cast<double>(count);
}

} // namespace FilmDeposition
} // namespace Automata
