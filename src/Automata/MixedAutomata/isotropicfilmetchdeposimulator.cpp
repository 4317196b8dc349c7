#include "isotropicfilmetchdeposimulator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "../columnbands.h"

namespace Automata {
namespace MixedAutomata {

using FilmDeposition::Empty;
using FilmDeposition::Film;
using FilmDeposition::FilmCell;

namespace {

// One line of the separable squared distance transform: out[q] is the least
// f[i] + (q - i)^2 over the line, or cap when that is cap or more. Values of
// cap or more in f mark samples without a source within reach; since every
// later term only adds to them, leaving them out never changes a result
// below cap. The lower envelope of the parabolas, as Felzenszwalb and
// Huttenlocher build it.
template <typename Distance>
void lowerEnvelope(const Distance* f, Distance* out, int n, Distance cap, std::vector<int>& apex,
                   std::vector<double>& bounds)
{
    apex.resize(static_cast<std::size_t>(n));
    bounds.resize(static_cast<std::size_t>(n) + 1);
    const auto height = [f](int i) { return static_cast<double>(f[i]) + static_cast<double>(i) * i; };
    int k = -1;
    for (int q = 0; q < n; ++q) {
        if (f[q] >= cap)
            continue;
        if (k < 0) {
            k = 0;
            apex[0] = q;
            bounds[0] = -std::numeric_limits<double>::infinity();
            bounds[1] = std::numeric_limits<double>::infinity();
            continue;
        }
        double s = (height(q) - height(apex[k])) / (2.0 * (q - apex[k]));
        while (s <= bounds[k]) {
            --k;
            s = (height(q) - height(apex[k])) / (2.0 * (q - apex[k]));
        }
        ++k;
        apex[k] = q;
        bounds[k] = s;
        bounds[k + 1] = std::numeric_limits<double>::infinity();
    }
    if (k < 0) {
        std::fill(out, out + n, cap);
        return;
    }
    int j = 0;
    for (int q = 0; q < n; ++q) {
        while (bounds[j + 1] < q)
            ++j;
        const std::uint64_t offset = static_cast<std::uint64_t>(std::abs(q - apex[j]));
        const std::uint64_t value = offset * offset + f[apex[j]];
        out[q] = value < cap ? static_cast<Distance>(value) : cap;
    }
}

// Reaches up to this use the window of the reach, which vectorises along
// the rows; longer ones the lower envelope, whose cost does not grow with it.
constexpr int longestWindow = 8;

// Scratch of one band's transform lines.
template <typename Distance>
struct LineScratch {
    std::vector<Distance> line, envelope, block;
    std::vector<int> apex;
    std::vector<double> bounds;
};

// The transform along i of a block of n rows, element i * stride + z, in
// place: each element becomes the least value of its line plus the squared
// offset, capped at cap, for lines along i at every z < stride.
template <typename Distance>
void transformRows(Distance* rows, int n, std::size_t stride, int reach, Distance cap,
                   LineScratch<Distance>& scratch)
{
    if (reach <= longestWindow) {
        // Values are at most cap, so the sums stay far below overflow.
        scratch.block.assign(rows, rows + n * stride);
        const Distance* in = scratch.block.data();
        for (int i = 0; i < n; ++i) {
            Distance* out = rows + i * stride;
            for (int k = 1; k <= reach; ++k) {
                const Distance offset = static_cast<Distance>(k * k);
                if (i - k >= 0) {
                    const Distance* other = in + (i - k) * stride;
                    for (std::size_t z = 0; z < stride; ++z)
                        out[z] = std::min<Distance>(out[z], other[z] + offset);
                }
                if (i + k < n) {
                    const Distance* other = in + (i + k) * stride;
                    for (std::size_t z = 0; z < stride; ++z)
                        out[z] = std::min<Distance>(out[z], other[z] + offset);
                }
            }
            for (std::size_t z = 0; z < stride; ++z)
                out[z] = std::min(out[z], cap);
        }
        return;
    }
    scratch.line.resize(static_cast<std::size_t>(n));
    scratch.envelope.resize(static_cast<std::size_t>(n));
    for (std::size_t z = 0; z < stride; ++z) {
        // Lines wholly of sources (inside material) stay as they are.
        Distance largest = 0;
        for (int i = 0; i < n; ++i) {
            scratch.line[i] = rows[i * stride + z];
            largest = std::max(largest, scratch.line[i]);
        }
        if (largest == 0)
            continue;
        lowerEnvelope(scratch.line.data(), scratch.envelope.data(), n, cap, scratch.apex, scratch.bounds);
        for (int i = 0; i < n; ++i)
            rows[i * stride + z] = scratch.envelope[i];
    }
}

} // namespace

IsotropicFilmEtchDepoSimulator::IsotropicFilmEtchDepoSimulator(int width, int height, int depth,
                                                               const FilmCell* initial,
                                                               float cellSize, float rate,
                                                               float stepDuration)
    : SimpleFilmEtchDepoSimulator3D(width, height, depth, initial)
{
    setCellSize(cellSize);
    setRate(rate);
    setStepDuration(stepDuration);
    // Held from the start, as the size check counts it, so no step pays for
    // first touching it.
    distances.resize(cellCount());
}

int IsotropicFilmEtchDepoSimulator::reachOf(float rate, float stepDuration, float cellSize,
                                            int width, int height, int depth)
{
    const double reach = static_cast<double>(rate * stepDuration / cellSize);
    const double dx = std::max(width - 1, 0), dy = std::max(height - 1, 0), dz = std::max(depth - 1, 0);
    const double diagonal = std::ceil(std::sqrt(dx * dx + dy * dy + dz * dz));
    // Also false for a reach that is not a number.
    if (!(reach >= 1.0))
        return 0;
    return reach >= diagonal ? static_cast<int>(diagonal) : static_cast<int>(reach);
}

int IsotropicFilmEtchDepoSimulator::reach() const
{
    return reachOf(rate, stepDuration, cellSize, width, height, depth);
}

void IsotropicFilmEtchDepoSimulator::depositStep()
{
    const std::uint32_t film = currentFilm;
    reachStep([](const FilmCell& cell) { return cell.type != Empty; },
              [film](FilmCell& cell, int, int) {
                  if (cell.type == Empty) {
                      cell.type = Film;
                      cell.stamp = film;
                  }
              });
}

void IsotropicFilmEtchDepoSimulator::etchStep()
{
    const std::uint32_t film = currentFilm;
    const unsigned char* covered = mask.data();
    const int h = height;
    reachStep([](const FilmCell& cell) { return cell.type == Empty; },
              [film, covered, h](FilmCell& cell, int x, int y) {
                  if (cell.type == Film && cell.stamp == film
                      && !covered[static_cast<std::size_t>(x) * h + y]) {
                      cell.type = Empty;
                      cell.stamp = emptyNumber;
                  }
              });
}

template <typename Source, typename Change>
void IsotropicFilmEtchDepoSimulator::reachStep(Source source, Change change)
{
    const int r = reach();
    if (r == 0) {
        std::copy(cells, cells + cellCount(), nextCells);
        return;
    }
    const std::uint64_t reachSquared = static_cast<std::uint64_t>(r) * r;
    if (reachSquared < std::numeric_limits<std::uint32_t>::max()) {
        longDistances = std::vector<std::uint64_t>();
        reachStepWith(distances, reachSquared, source, change);
    } else {
        reachStepWith(longDistances, reachSquared, source, change);
    }
}

// The squared distance from every voxel to the nearest source voxel, one
// axis at a time (z, then y within each x slab, then x within each y row),
// each distance capped just beyond the reach; the change is applied in the
// last pass, as soon as a row's distances are known.
template <typename Distance, typename Source, typename Change>
void IsotropicFilmEtchDepoSimulator::reachStepWith(std::vector<Distance>& dist,
                                                   std::uint64_t reachSquared, Source source,
                                                   Change change)
{
    dist.resize(cellCount());
    Distance* d2 = dist.data();
    const FilmCell* current = cells;
    FilmCell* next = nextCells;
    const int w = width, h = height, d = depth;
    const std::size_t slab = static_cast<std::size_t>(h) * d;
    const Distance cap = static_cast<Distance>(reachSquared + 1);
    const std::uint64_t far = static_cast<std::uint64_t>(reach()) + 1;

    const int r = reach();
    ColumnBands::run(w, [=](int begin, int end) {
        std::vector<std::uint64_t> gaps(static_cast<std::size_t>(d));
        LineScratch<Distance> scratch;
        for (int x = begin; x < end; ++x) {
            // Along z: the distance to the nearest source in the column.
            for (int y = 0; y < h; ++y) {
                const std::size_t first = x * slab + static_cast<std::size_t>(y) * d;
                std::uint64_t gap = far;
                for (int z = 0; z < d; ++z) {
                    gap = source(current[first + z]) ? 0 : std::min(gap + 1, far);
                    gaps[z] = gap;
                }
                gap = far;
                for (int z = d - 1; z >= 0; --z) {
                    gap = source(current[first + z]) ? 0 : std::min(gap + 1, far);
                    const std::uint64_t nearest = std::min(gap, gaps[z]);
                    d2[first + z] = nearest >= far ? cap : static_cast<Distance>(nearest * nearest);
                }
            }
            // Along y, over the slab's rows of columns.
            transformRows(d2 + x * slab, h, static_cast<std::size_t>(d), r, cap, scratch);
        }
    });

    ColumnBands::run(h, [=](int begin, int end) {
        std::vector<Distance> row(static_cast<std::size_t>(w) * d);
        LineScratch<Distance> scratch;
        for (int y = begin; y < end; ++y) {
            for (int x = 0; x < w; ++x) {
                const Distance* column = d2 + x * slab + static_cast<std::size_t>(y) * d;
                std::copy(column, column + d, row.begin() + static_cast<std::ptrdiff_t>(x) * d);
            }
            // Along x, then the rule for every voxel of the row.
            transformRows(row.data(), w, static_cast<std::size_t>(d), r, cap, scratch);
            for (int x = 0; x < w; ++x) {
                const std::size_t first = x * slab + static_cast<std::size_t>(y) * d;
                const Distance* reached = row.data() + static_cast<std::size_t>(x) * d;
                for (int z = 0; z < d; ++z) {
                    FilmCell cell = current[first + z];
                    if (reached[z] <= reachSquared)
                        change(cell, x, y);
                    next[first + z] = cell;
                }
            }
        }
    });
}

SizeCheck IsotropicFilmEtchDepoSimulator::memoryCheck(int width, int height, int depth)
{
    SizeCheck check = SimpleFilmEtchDepoSimulator3D::memoryCheck(width, height, depth);
    check.perSite<std::uint32_t>();
    return check;
}

long long IsotropicFilmEtchDepoSimulator::heldBytes() const
{
    return memoryCheck(width, height, depth).bytes();
}

} // namespace MixedAutomata
} // namespace Automata
