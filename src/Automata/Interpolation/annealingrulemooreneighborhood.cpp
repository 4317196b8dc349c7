#include "annealingrulemooreneighborhood.h"

#include <algorithm>
#include <cstdint>

#include "../../Persistence/automatonarchiver.h"
#include "../painter2d.h"

namespace Automata {
namespace Interpolation {

namespace {

const float unchangedFalse[3] = {1.0f, 1.0f, 1.0f};
const float unchangedTrue[3] = {0.75f, 0.0f, 0.0f};
const float becameTrue[3] = {1.0f, 0.0f, 0.0f};
const float becameFalse[3] = {0.5f, 0.0f, 0.0f};

} // namespace

AnnealingRuleMooreNeighborhood::AnnealingRuleMooreNeighborhood(int width, int height,
                                                               const bool* initialCells)
    : Automaton2D<bool>(width, height), initial(initialCells, initialCells + cellCount())
{
    std::copy(initialCells, initialCells + cellCount(), cells);
    std::fill(nextCells, nextCells + cellCount(), false);
    painter = new Painter2D<bool>(this);
    archiver = new Persistence::AutomatonArchiver;
}

void AnnealingRuleMooreNeighborhood::step()
{
    // Columns are contiguous: sum each of the three columns around x over the
    // three rows around y, wrapping at every edge.
    for (int x = 0; x < width; ++x) {
        const bool* columns[3] = {cells + ((x + width - 1) % width) * height,
                                  cells + x * height, cells + ((x + 1) % width) * height};
        bool* next = nextCells + x * height;
        for (int y = 0; y < height; ++y) {
            const int above = (y + height - 1) % height;
            const int below = (y + 1) % height;
            int count = 0;
            for (const bool* column : columns)
                count += column[above] + column[y] + column[below];
            next[y] = nextValue(count);
        }
    }
    finishStep();
}

void AnnealingRuleMooreNeighborhood::save()
{
    saveImage();
}

const float* AnnealingRuleMooreNeighborhood::getColor(const bool& cell)
{
    const auto address = reinterpret_cast<std::uintptr_t>(&cell);
    const auto first = reinterpret_cast<std::uintptr_t>(cells);
    const bool inLattice = address >= first && address < first + cellCount() * sizeof(bool);
    const bool wasTrue = inLattice ? bool(initial[(address - first) / sizeof(bool)]) : cell;
    if (cell)
        return wasTrue ? unchangedTrue : becameTrue;
    return wasTrue ? becameFalse : unchangedFalse;
}

void AnnealingRuleMooreNeighborhood::exportImage(unsigned char* red, unsigned char* green,
                                                 unsigned char* blue)
{
    for (std::size_t i = 0; i < cellCount(); ++i)
        red[i] = green[i] = blue[i] = cells[i] ? 0 : 255;
}

} // namespace Interpolation
} // namespace Automata
