#include "isotropicfilmdeposition.h"

#include <algorithm>
#include <array>

#include "../columnbands.h"
#include "../painter2d.h"

namespace Automata {
namespace FilmDeposition {

namespace {

// The table's values: a lone corner neighbour gives 1 / sqrt(2), two opposite
// edge neighbours give 2, and the rest smooth the front between those.
constexpr float a = 0.70710677f;
constexpr float b = 1.7071068f;
constexpr float g = 1.6f;
constexpr float d = 0.89442718f;
constexpr float e = 1.4142135f;

// Row r holds the entries 16 r .. 16 r + 15: the corner bits select the row,
// the edge bits the column.
const std::array<float, 256>& table()
{
    static const std::array<float, 256> entries = {
        0, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2, 2, 2, 2, 2,
        a, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2, 2, 2, 2, 2,
        a, 1, 1, 2, 1, 1, b, 2, 1, 1, 1, 2, 2, 2, 2, 2,
        d, 1, g, 2, 1, 1, b, 2, 1, 1, b, 2, 2, 2, 2, 2,
        a, 1, 1, 2, 1, 1, 1, 2, 1, b, 1, 2, 2, 2, 2, 2,
        d, 1, 1, 2, 1, 1, 1, 2, g, b, b, 2, 2, 2, 2, 2,
        e, 1, 1, 2, 1, 1, 1, 2, 1, b, 1, 2, 2, 2, 2, 2,
        e, 1, g, 2, 1, b, b, 2, g, b, b, 2, 2, 2, 2, 2,
        a, 1, 1, 2, 1, b, 1, 2, 1, 1, 1, 2, 2, 2, 2, 2,
        e, 1, 1, 2, 1, b, 1, 2, 1, 1, b, 2, 2, 2, 2, 2,
        d, 1, 1, 2, g, b, b, 2, 1, 1, 1, 2, 2, 2, 2, 2,
        e, 1, g, 2, g, b, b, 2, 1, 1, b, 2, 2, 2, 2, 2,
        d, g, 1, 2, 1, b, 1, 2, 1, b, 1, 2, 2, 2, 2, 2,
        e, g, 1, 2, 1, b, 1, 2, g, b, b, 2, 2, 2, 2, 2,
        e, g, 1, 2, g, b, b, 2, 1, b, 1, 2, 2, 2, 2, 2,
        e, g, g, 2, g, b, b, 2, g, b, b, 2, 2, 2, 2, 2,
    };
    return entries;
}

const FilmCell outsideCell(Empty, 0.0f);

// The envelope index bits of a column's marks (bit 0 the site below, bit 1
// the site itself, bit 2 the site above) seen from the column to the right
// of it (the marks are of the left neighbours), from its own column and from
// the column to its left.
struct IndexBits {
    unsigned char left[8];
    unsigned char middle[8];
    unsigned char right[8];
    IndexBits()
    {
        for (int m = 0; m < 8; ++m) {
            const bool below = m & 1;
            const bool here = m & 2;
            const bool above = m & 4;
            left[m] = static_cast<unsigned char>((here ? 8 : 0) | (above ? 32 : 0) | (below ? 128 : 0));
            middle[m] = static_cast<unsigned char>((above ? 1 : 0) | (below ? 2 : 0));
            right[m] = static_cast<unsigned char>((here ? 4 : 0) | (above ? 16 : 0) | (below ? 64 : 0));
        }
    }
};

const IndexBits indexBits;

inline int occupied(FilmDepositionCell type)
{
    return type != Empty;
}

// The table index of the neighbours in fetch order.
inline int envelopeIndex(FilmDepositionCell left, FilmDepositionCell upperLeft,
                         FilmDepositionCell up, FilmDepositionCell upperRight,
                         FilmDepositionCell right, FilmDepositionCell lowerRight,
                         FilmDepositionCell down, FilmDepositionCell lowerLeft)
{
    return occupied(up) | occupied(down) << 1 | occupied(right) << 2 | occupied(left) << 3
           | occupied(upperRight) << 4 | occupied(upperLeft) << 5 | occupied(lowerRight) << 6
           | occupied(lowerLeft) << 7;
}

// The growth of one step: fill += envelope x rate x time step / cell size,
// in that order.
struct Growth {
    float rate;
    float timeStep;
    float cellSize;
};

// The site rule: `site` is the current cell, whose envelope cache it may
// refresh; index() gives the envelope index of its neighbours when asked.
template <typename Index>
inline void updateSite(FilmCell& site, FilmCell& next, const Growth& growth, Index index)
{
    if (site.type != Empty) {
        next.type = site.type;
        next.value = site.value;
        return;
    }
    // Once the fill has passed sqrt(2) - 1 of a cell the cached factor is
    // kept; before that the neighbourhood may still change.
    if (!site.envelopeValid || site.value < growth.cellSize * 0.41421357f) {
        site.envelope = table()[static_cast<std::size_t>(index())];
        if (site.envelope > 1e-6f)
            site.envelopeValid = true;
    }
    const float v = site.value + site.envelope * growth.rate * growth.timeStep / growth.cellSize;
    if (v - 1.0f > 1e-6f) {
        next.type = Film;
        next.value = 1.0f;
    } else {
        next.type = Empty;
        next.value = v;
    }
}

} // namespace

IsotropicFilmDeposition::IsotropicFilmDeposition(int width, int height, const FilmCell* initial,
                                                 float rate, float cellSize, float timeStep)
    : Automaton2D<FilmCell>(width, height), rate(rate), timeStep(timeStep), cellSize(cellSize)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new Painter2D<FilmCell>(this);
}

float IsotropicFilmDeposition::envelope(int index)
{
    return table()[static_cast<std::size_t>(index & 0xFF)];
}

void IsotropicFilmDeposition::markOccupied(int begin, int end)
{
    const int h = height;
    for (int x = begin; x < end; ++x) {
        const FilmCell* column = cells + static_cast<std::size_t>(x) * h;
        unsigned char* mark = occupiedAlongColumns.data() + static_cast<std::size_t>(x) * h;
        int below = 0;
        int here = occupied(column[0].type);
        for (int y = 0; y < h; ++y) {
            const int above = y + 1 < h ? occupied(column[y + 1].type) : 0;
            mark[y] = static_cast<unsigned char>(below | here << 1 | above << 2);
            below = here;
            here = above;
        }
    }
}

void IsotropicFilmDeposition::updateColumns(int begin, int end)
{
    const int h = height;
    const int w = width;
    const Growth growth{rate, timeStep, cellSize};
    for (int x = begin; x < end; ++x) {
        FilmCell* column = cells + static_cast<std::size_t>(x) * h;
        FilmCell* next = nextCells + static_cast<std::size_t>(x) * h;
        const unsigned char* middle = occupiedAlongColumns.data() + static_cast<std::size_t>(x) * h;
        // Beyond the lattice nothing is occupied.
        const unsigned char* left = x > 0 ? middle - h : nullptr;
        const unsigned char* right = x + 1 < w ? middle + h : nullptr;
        for (int y = 0; y < h; ++y) {
            updateSite(column[y], next[y], growth, [&] {
                return indexBits.left[left ? left[y] : 0] | indexBits.middle[middle[y]]
                       | indexBits.right[right ? right[y] : 0];
            });
        }
    }
}

void IsotropicFilmDeposition::step()
{
    occupiedAlongColumns.resize(cellCount());
    ColumnBands::run(width, [this](int begin, int end) { markOccupied(begin, end); });
    ColumnBands::run(width, [this](int begin, int end) { updateColumns(begin, end); });
    finishStep();
    elapsedTime += timeStep;
}

void IsotropicFilmDeposition::neighbours(int x, int y, const FilmCell* out[8])
{
    static const int offsets[8][2] = {{-1, 0}, {-1, 1}, {0, 1}, {1, 1},
                                      {1, 0},  {1, -1}, {0, -1}, {-1, -1}};
    for (int i = 0; i < 8; ++i) {
        const int nx = x + offsets[i][0];
        const int ny = y + offsets[i][1];
        out[i] = nx >= 0 && nx < width && ny >= 0 && ny < height ? &cells[index(nx, ny)]
                                                                  : &outsideCell;
    }
}

void IsotropicFilmDeposition::updateCell(int x, int y)
{
    updateSite(cells[index(x, y)], nextCells[index(x, y)], Growth{rate, timeStep, cellSize}, [&] {
        const FilmCell* around[8];
        neighbours(x, y, around);
        return envelopeIndex(around[0]->type, around[1]->type, around[2]->type, around[3]->type,
                             around[4]->type, around[5]->type, around[6]->type, around[7]->type);
    });
}

float IsotropicFilmDeposition::envelopeFactor(FilmDepositionCell t0, FilmDepositionCell t1,
                                              FilmDepositionCell t2, FilmDepositionCell t3,
                                              FilmDepositionCell t4, FilmDepositionCell t5,
                                              FilmDepositionCell t6, FilmDepositionCell t7)
{
    return table()[static_cast<std::size_t>(envelopeIndex(t0, t1, t2, t3, t4, t5, t6, t7))];
}

void IsotropicFilmDeposition::save()
{
}

double IsotropicFilmDeposition::getTime()
{
    return elapsedTime;
}

std::string IsotropicFilmDeposition::getTimeInfo()
{
    return " hours";
}

const float* IsotropicFilmDeposition::getColor(const FilmCell& cell)
{
    return filmDepositionColor(cell.type);
}

} // namespace FilmDeposition
} // namespace Automata
