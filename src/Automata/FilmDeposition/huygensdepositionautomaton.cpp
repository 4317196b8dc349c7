#include "huygensdepositionautomaton.h"

#include <algorithm>
#include <cmath>

#include "../../Persistence/automatonarchiver.h"
#include "../columnbands.h"
#include "../painter2d.h"

// The models call their emit(); Qt's signal keyword of that name is not used here.
#undef emit

namespace Automata {
namespace FilmDeposition {

namespace {

const FilmCell openOutside(Empty, 0.0f);

bool solid(FilmDepositionCell type)
{
    return type == Substrate || type == Film;
}

} // namespace

HuygensDepositionAutomaton::HuygensDepositionAutomaton(int width, int height,
                                                       const FilmCell* initial,
                                                       const HuygensParameters& parameters)
    : Automaton2D<FilmCell>(width, height), rate(parameters.rate),
      timeStep(parameters.timeStep), cellSize(parameters.cellSize)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new Painter2D<FilmCell>(this);
    archiver = new Persistence::AutomatonArchiver;
}

void HuygensDepositionAutomaton::step()
{
    prepareStep();
    std::vector<Source> sources =
        HuygensEmission::collect(width, [this](int x, std::vector<Source>& out) { findSources(x, out); });
    HuygensEmission::measure(sources, [this](const Source& s) { return reach(s.x, s.z); });
    emitAll(sources);
    finishStep();
    elapsedTime += timeStep;
}

void HuygensDepositionAutomaton::prepareStep()
{
    // Film never turns back into empty space, so the next lattice needs no
    // copy: solid sites rewrite themselves as the sources are found, and
    // empty sites no source reaches are empty in both lattices.
    markEmptyAlongColumns(true);
}

void HuygensDepositionAutomaton::markEmptyAlongColumns(bool outsideOpen)
{
    emptyAlongColumns.resize(cellCount());
    const int h = height;
    const FilmCell* current = cells;
    unsigned char* marks = emptyAlongColumns.data();
    ColumnBands::run(width, [=](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            const FilmCell* column = current + static_cast<std::size_t>(x) * h;
            unsigned char* mark = marks + static_cast<std::size_t>(x) * h;
            unsigned char below = outsideOpen;
            unsigned char here = column[0].type == Empty;
            for (int y = 0; y < h; ++y) {
                const unsigned char above = y + 1 < h ? column[y + 1].type == Empty : outsideOpen;
                mark[y] = below | here | above;
                below = here;
                here = above;
            }
        }
    });
}

void HuygensDepositionAutomaton::findSources(int x, std::vector<Source>& out)
{
    const FilmCell* column = cells + static_cast<std::size_t>(x) * height;
    FilmCell* next = nextCells + static_cast<std::size_t>(x) * height;
    for (int y = 0; y < height; ++y) {
        if (!solid(column[y].type))
            continue;
        next[y].type = column[y].type;
        if (nearEmpty(x, y, true))
            out.push_back(Source{x, 0, y, 0});
    }
}

long long HuygensDepositionAutomaton::reach(int x, int y) const
{
    (void)x;
    (void)y;
    // Offsets with dx² + dy² - r² < 1e-6: the largest whole squared distance
    // below r² + 1e-6.
    const double r = static_cast<double>(timeStep * rate);
    const double bound = r * r + 1e-6;
    return HuygensEmission::capReach(std::ceil(bound) - 1.0, width, 1, height);
}

void HuygensDepositionAutomaton::emitAll(const std::vector<Source>& sources)
{
    HuygensEmission::writeDiscs(cells, nextCells, width, 1, height, sources);
}

void HuygensDepositionAutomaton::updateCell(int x, int y)
{
    const FilmCell& cell = at(x, y, openOutside);
    if (!solid(cell.type))
        return;
    nextCells[index(x, y)].type = cell.type;
    if (touches(x, y, Empty, Empty))
        emit(x, y);
}

void HuygensDepositionAutomaton::emit(int x, int y)
{
    emitAll({Source{x, 0, y, reach(x, y)}});
}

void HuygensDepositionAutomaton::neighbours(int x, int y, const FilmCell* out[8])
{
    neighboursWith(x, y, out, openOutside);
}

void HuygensDepositionAutomaton::save()
{
    saveImage();
}

double HuygensDepositionAutomaton::getTime()
{
    return elapsedTime;
}

std::string HuygensDepositionAutomaton::getTimeInfo()
{
    return " minutes";
}

const float* HuygensDepositionAutomaton::getColor(const FilmCell& cell)
{
    return filmDepositionColor(cell.type);
}

void HuygensDepositionAutomaton::exportImage(unsigned char* red, unsigned char* green,
                                             unsigned char* blue)
{
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            ColorPlanes::put(red, green, blue, static_cast<std::size_t>(x) * height + (height - 1 - y),
                             getColor(cells[index(x, y)]));
}

} // namespace FilmDeposition
} // namespace Automata
