#include "huygensemission.h"

#include <algorithm>
#include <cmath>

#include "../columnbands.h"

namespace Automata {
namespace FilmDeposition {

long long HuygensEmission::capReach(double squared, int width, int height, int depth)
{
    if (!(squared >= 0.0))
        return -1;
    const long long diagonal = static_cast<long long>(width) * width
                               + static_cast<long long>(height) * height
                               + static_cast<long long>(depth) * depth;
    if (squared >= static_cast<double>(diagonal))
        return diagonal;
    return static_cast<long long>(std::floor(squared));
}

long long HuygensEmission::reachOf(double radius, int width, int height, int depth)
{
    if (!(radius >= 0.0))
        return -1;
    return capReach(radius * radius, width, height, depth);
}

long long HuygensEmission::floorSqrt(long long value)
{
    long long root = static_cast<long long>(std::sqrt(static_cast<double>(value)));
    while (root > 0 && root * root > value)
        --root;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return root;
}

void HuygensEmission::writeDiscs(const FilmCell* current, FilmCell* next, int width, int height,
                                 int depth, const std::vector<Source>& sources)
{
    if (sources.empty())
        return;
    long long widest = 0;
    for (const Source& source : sources)
        widest = std::max(widest, source.reach);
    const long long span = floorSqrt(widest);
    const std::size_t slab = static_cast<std::size_t>(height) * depth;
    ColumnBands::run(width, [&](int begin, int end) {
        // floorSqrt(reach - r2) for r2 = 0 .. reach, kept while sources share
        // one reach (always so in the plain Huygens model).
        std::vector<int> extents;
        long long tabled = -1;
        const auto extentAt = [&](long long reach, long long rest) {
            if (reach != tabled && reach <= 65536) {
                extents.resize(static_cast<std::size_t>(reach) + 1);
                for (long long r2 = 0; r2 <= reach; ++r2)
                    extents[static_cast<std::size_t>(r2)] = static_cast<int>(floorSqrt(reach - r2));
                tabled = reach;
            }
            return reach == tabled ? extents[static_cast<std::size_t>(reach - rest)] : floorSqrt(rest);
        };
        // Only the sources whose discs can reach the band.
        const auto first = std::lower_bound(
            sources.begin(), sources.end(), begin - span,
            [](const Source& source, long long x) { return source.x < x; });
        for (auto it = first; it != sources.end() && it->x < end + span; ++it) {
            const Source& s = *it;
            if (s.reach < 0)
                continue;
            const long long extent = extentAt(s.reach, s.reach);
            const int fromX = static_cast<int>(std::max<long long>(begin, s.x - extent));
            const int toX = static_cast<int>(std::min<long long>(end - 1, s.x + extent));
            for (int x = fromX; x <= toX; ++x) {
                const long long dx = x - s.x;
                const long long restX = s.reach - dx * dx;
                const long long extentY = extentAt(s.reach, restX);
                const int fromY = static_cast<int>(std::max<long long>(0, s.y - extentY));
                const int toY = static_cast<int>(std::min<long long>(height - 1, s.y + extentY));
                for (int y = fromY; y <= toY; ++y) {
                    const long long dy = y - s.y;
                    const long long extentZ = extentAt(s.reach, restX - dy * dy);
                    const int fromZ = static_cast<int>(std::max<long long>(0, s.z - extentZ));
                    const int toZ = static_cast<int>(std::min<long long>(depth - 1, s.z + extentZ));
                    const std::size_t base = x * slab + static_cast<std::size_t>(y) * depth;
                    const FilmCell* from = current + base;
                    FilmCell* to = next + base;
                    for (int z = fromZ; z <= toZ; ++z)
                        if (from[z].type == Empty)
                            to[z].type = Film;
                }
            }
        }
    });
}

void HuygensEmission::markVoids(FilmCell* cells, int width, int height, int depth,
                                std::vector<unsigned char>& reached)
{
    const std::size_t count = static_cast<std::size_t>(width) * height * depth;
    reached.assign(count, 0);
    if (count == 0)
        return;
    const std::size_t slab = static_cast<std::size_t>(height) * depth;
    // Runs of empty cells along z are filled at once; a run's neighbours in
    // the four columns beside it are seeds for more runs.
    std::vector<std::size_t> seeds;
    const auto fillRun = [&](std::size_t column, int z) {
        const FilmCell* c = cells + column;
        unsigned char* mark = reached.data() + column;
        if (c[z].type != Empty || mark[z])
            return;
        int low = z;
        int high = z;
        while (low > 0 && c[low - 1].type == Empty && !mark[low - 1])
            --low;
        while (high + 1 < depth && c[high + 1].type == Empty && !mark[high + 1])
            ++high;
        for (int k = low; k <= high; ++k)
            mark[k] = 1;
        const int x = static_cast<int>(column / slab);
        const int y = static_cast<int>((column % slab) / depth);
        const auto neighbour = [&](std::size_t other) {
            const FilmCell* o = cells + other;
            const unsigned char* m = reached.data() + other;
            for (int k = low; k <= high; ++k)
                if (o[k].type == Empty && !m[k] && (k == low || o[k - 1].type != Empty || m[k - 1]))
                    seeds.push_back(other + k);
        };
        if (x > 0)
            neighbour(column - slab);
        if (x + 1 < width)
            neighbour(column + slab);
        if (y > 0)
            neighbour(column - depth);
        if (y + 1 < height)
            neighbour(column + depth);
    };
    for (std::size_t column = 0; column < count; column += depth) {
        fillRun(column, depth - 1);
        while (!seeds.empty()) {
            const std::size_t seed = seeds.back();
            seeds.pop_back();
            const std::size_t z = seed % depth;
            fillRun(seed - z, static_cast<int>(z));
        }
    }
    for (std::size_t i = 0; i < count; ++i)
        if (cells[i].type == Empty && !reached[i])
            cells[i].type = Void;
}

} // namespace FilmDeposition
} // namespace Automata
