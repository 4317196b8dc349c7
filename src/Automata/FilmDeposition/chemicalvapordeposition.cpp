#include "chemicalvapordeposition.h"

#include <algorithm>

#include "../../Persistence/automatonarchiver.h"
#include "chemicalvapordepositionpainter.h"

namespace Automata {
namespace FilmDeposition {

namespace {

struct PatternSite {
    int dx;
    int dy;
    bool film;
};

struct Pattern {
    int size;
    PatternSite sites[7];
};

constexpr bool F = true;
constexpr bool E = false;

// Every listed site must hold the listed value for the pattern to match.
const Pattern patterns[] = {
    // Three in a line on one side, a step back on the other.
    {7, {{3, 0, F}, {2, 0, F}, {1, 0, F}, {0, -1, F}, {-1, -1, F}, {-2, -1, E}, {-2, -2, F}}},
    {7, {{3, 0, F}, {2, 0, F}, {1, 0, F}, {0, 1, F}, {-1, 1, F}, {-2, 1, E}, {-2, 2, F}}},
    {7, {{-3, 0, F}, {-2, 0, F}, {-1, 0, F}, {0, 1, F}, {1, 1, F}, {2, 1, E}, {2, 2, F}}},
    {7, {{-3, 0, F}, {-2, 0, F}, {-1, 0, F}, {0, -1, F}, {1, -1, F}, {2, -1, E}, {2, -2, F}}},
    {7, {{0, 3, F}, {0, 2, F}, {0, 1, F}, {-1, 0, F}, {-1, -1, F}, {-1, -2, E}, {-2, -2, F}}},
    {7, {{0, 3, F}, {0, 2, F}, {0, 1, F}, {1, 0, F}, {1, -1, F}, {1, -2, E}, {2, -2, F}}},
    {7, {{0, -3, F}, {0, -2, F}, {0, -1, F}, {-1, 0, F}, {-1, 1, F}, {-1, 2, E}, {-2, 2, F}}},
    {7, {{0, -3, F}, {0, -2, F}, {0, -1, F}, {1, 0, F}, {1, 1, F}, {1, 2, E}, {2, 2, F}}},
    // Straight five beside the site.
    {5, {{-2, 1, F}, {-1, 1, F}, {0, 1, F}, {1, 1, F}, {2, 1, F}}},
    {5, {{-1, 2, F}, {-1, 1, F}, {-1, 0, F}, {-1, -1, F}, {-1, -2, F}}},
    {5, {{-2, -1, F}, {-1, -1, F}, {0, -1, F}, {1, -1, F}, {2, -1, F}}},
    {5, {{1, 2, F}, {1, 1, F}, {1, 0, F}, {1, -1, F}, {1, -2, F}}},
    // Diagonal four beside the site.
    {4, {{-2, 1, F}, {-1, 0, F}, {0, -1, F}, {1, -2, F}}},
    {4, {{-2, -1, F}, {-1, 0, F}, {0, 1, F}, {1, 2, F}}},
    {4, {{-1, 2, F}, {0, 1, F}, {1, 0, F}, {2, -1, F}}},
    {4, {{-1, -2, F}, {0, -1, F}, {1, 0, F}, {2, 1, F}}},
    // Two in line, then a parallel run of three offset by one.
    {5, {{0, 2, F}, {0, 1, F}, {1, 0, F}, {1, -1, F}, {1, -2, F}}},
    {5, {{0, 2, F}, {0, 1, F}, {-1, 0, F}, {-1, -1, F}, {-1, -2, F}}},
    {5, {{-2, 0, F}, {-1, 0, F}, {0, 1, F}, {1, 1, F}, {2, 1, F}}},
    {5, {{-2, 0, F}, {-1, 0, F}, {0, -1, F}, {1, -1, F}, {2, -1, F}}},
    {5, {{0, -2, F}, {0, -1, F}, {-1, 0, F}, {-1, 1, F}, {-1, 2, F}}},
    {5, {{0, -2, F}, {0, -1, F}, {1, 0, F}, {1, 1, F}, {1, 2, F}}},
    {5, {{2, 0, F}, {1, 0, F}, {0, 1, F}, {-1, 1, F}, {-2, 1, F}}},
    {5, {{2, 0, F}, {1, 0, F}, {0, -1, F}, {-1, -1, F}, {-2, -1, F}}},
};

int wrap(int value, int extent)
{
    const int r = value % extent;
    return r < 0 ? r + extent : r;
}

} // namespace

ChemicalVaporDeposition::ChemicalVaporDeposition(int width, int height,
                                                 const FilmDepositionCell* initial)
    : Automaton2D<FilmDepositionCell>(width, height),
      wrappedX(static_cast<std::size_t>(width) * 7), wrappedY(static_cast<std::size_t>(height) * 7)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    for (int x = 0; x < width; ++x)
        for (int d = -3; d <= 3; ++d)
            wrappedX[static_cast<std::size_t>(x) * 7 + d + 3] = wrap(x + d, width);
    for (int y = 0; y < height; ++y)
        for (int d = -3; d <= 3; ++d)
            wrappedY[static_cast<std::size_t>(y) * 7 + d + 3] = wrap(y + d, height);
    painter = new ChemicalVaporDepositionPainter(this);
    archiver = new Persistence::AutomatonArchiver;
}

bool ChemicalVaporDeposition::growsAt(int x, int y, bool vonNeumannStep, bool mooreStep) const
{
    const int* columns = wrappedX.data() + static_cast<std::size_t>(x) * 7 + 3;
    const int* rows = wrappedY.data() + static_cast<std::size_t>(y) * 7 + 3;
    auto isFilm = [&](int dx, int dy) { return cells[columns[dx] * height + rows[dy]] == Film; };

    if (vonNeumannStep
        && (isFilm(-1, 0) || isFilm(1, 0) || isFilm(0, -1) || isFilm(0, 1)))
        return true;
    if (mooreStep) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if ((dx != 0 || dy != 0) && isFilm(dx, dy))
                    return true;
    }
    for (const Pattern& pattern : patterns) {
        bool matches = true;
        for (int i = 0; i < pattern.size && matches; ++i) {
            const PatternSite& site = pattern.sites[i];
            matches = isFilm(site.dx, site.dy) == site.film;
        }
        if (matches)
            return true;
    }
    return false;
}

void ChemicalVaporDeposition::step()
{
    ++stepCount;
    const bool vonNeumannStep = stepCount % 8 == 0;
    const bool mooreStep = stepCount % 5 == 0;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const int i = x * height + y;
            const FilmDepositionCell value = cells[i];
            nextCells[i] = value == Film || growsAt(x, y, vonNeumannStep, mooreStep) ? Film : value;
        }
    }
    finishStep();
}

void ChemicalVaporDeposition::save()
{
    saveImage();
}

const float* ChemicalVaporDeposition::getColor(const FilmDepositionCell& cell)
{
    return filmDepositionColor(cell);
}

} // namespace FilmDeposition
} // namespace Automata
