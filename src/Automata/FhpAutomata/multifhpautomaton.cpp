#include "multifhpautomaton.h"

#include <algorithm>

#include "../workers.h"
#include "accelerationfhp.h"
#include "../columnbands.h"

namespace Automata {
namespace FhpAutomata {

namespace {

// Momentum of every channel combination, y growing south.
struct Momentum {
    float x[64];
    float y[64];
    Momentum()
    {
        const float root = 0.8660254f;
        for (unsigned p = 0; p < 64; ++p) {
            float mx = 0.0f, my = 0.0f;
            if (p & FhpCell::EastBit)
                mx += 1.0f;
            if (p & FhpCell::WestBit)
                mx -= 1.0f;
            if (p & FhpCell::SouthEastBit)
                mx += 0.5f, my += root;
            if (p & FhpCell::SouthWestBit)
                mx -= 0.5f, my += root;
            if (p & FhpCell::NorthEastBit)
                mx += 0.5f, my -= root;
            if (p & FhpCell::NorthWestBit)
                mx -= 0.5f, my -= root;
            x[p] = mx;
            y[p] = my;
        }
    }
};

const Momentum& momentumTable()
{
    static const Momentum table;
    return table;
}

} // namespace

MultiFhpAutomaton::MultiFhpAutomaton(int width, int height, const FhpCell* initial, int memberCount,
                                     int scaleFactor, int stripWidth, float switchProbability,
                                     int stepsToAverage)
    : width(width),
      height(height),
      // Blocks and the ring need at least one site and one slot.
      scaleFactor(std::max(scaleFactor, 1)),
      stepsToAverage(std::max(stepsToAverage, 1))
{
    const int members = std::max(memberCount, 1);
    automata.reserve(static_cast<std::size_t>(members));
    for (int k = 0; k < members; ++k) {
        if (switchProbability != 0.0f)
            automata.push_back(
                std::make_unique<AccelerationFhp>(width, height, initial, stripWidth, switchProbability, k));
        else
            automata.push_back(std::make_unique<FhpAutomaton>(width, height, initial, k));
    }
    const std::size_t sites = static_cast<std::size_t>(width) * height;
    momentumX.assign(static_cast<std::size_t>(this->stepsToAverage), std::vector<float>(sites, 0.0f));
    momentumY.assign(static_cast<std::size_t>(this->stepsToAverage), std::vector<float>(sites, 0.0f));
    // Zero before the first step, so the painter shows still, zero-length arrows.
    velocityX.assign(sites, 0.0f);
    velocityY.assign(sites, 0.0f);
    painter = std::make_unique<MultiFhpAutomatonPainter>(this);
}

void MultiFhpAutomaton::step()
{
    for (const auto& member : automata)
        member->step();
    // Bands hold whole blocks, so each block corner is summed by one task only.
    ColumnBands::run(ColumnBands::splitBlocks(width, scaleFactor, workerCount()),
                     [this](int from, int to) { averageColumns(from, to); });
    ringSlot = (ringSlot + 1) % stepsToAverage;
    if (filledSlots < stepsToAverage)
        filledSlots = ringSlot + 1;
    if (saveFrames)
        save();
}

void MultiFhpAutomaton::averageColumns(int from, int to)
{
    const std::size_t first = index(from, 0);
    const std::size_t last = index(to, 0);
    float* mx = momentumX[static_cast<std::size_t>(ringSlot)].data();
    float* my = momentumY[static_cast<std::size_t>(ringSlot)].data();
    std::fill(mx + first, mx + last, 0.0f);
    std::fill(my + first, my + last, 0.0f);
    const Momentum& table = momentumTable();
    for (const auto& member : automata) {
        const FhpCell* cells = member->getCells();
        for (std::size_t i = first; i < last; ++i) {
            const unsigned p = cells[i].particles();
            mx[i] += table.x[p];
            my[i] += table.y[p];
        }
    }

    std::fill(velocityX.begin() + static_cast<std::ptrdiff_t>(first),
              velocityX.begin() + static_cast<std::ptrdiff_t>(last), 0.0f);
    std::fill(velocityY.begin() + static_cast<std::ptrdiff_t>(first),
              velocityY.begin() + static_cast<std::ptrdiff_t>(last), 0.0f);
    const float f = 1.0f
        / static_cast<float>(static_cast<double>(scaleFactor) * scaleFactor * filledSlots * automata.size());
    for (int x = from; x < to; ++x) {
        const int x0 = x / scaleFactor * scaleFactor;
        for (int y0 = 0; y0 < height; y0 += scaleFactor) {
            const std::size_t corner = index(x0, y0);
            float sumX = velocityX[corner];
            float sumY = velocityY[corner];
            const int yEnd = std::min(y0 + scaleFactor, height);
            for (int y = y0; y < yEnd; ++y) {
                const std::size_t site = index(x, y);
                for (int j = 0; j < filledSlots; ++j) {
                    sumX += f * momentumX[static_cast<std::size_t>(j)][site];
                    sumY += f * momentumY[static_cast<std::size_t>(j)][site];
                }
            }
            velocityX[corner] = sumX;
            velocityY[corner] = sumY;
        }
    }
}

void MultiFhpAutomaton::save()
{
}

void MultiFhpAutomaton::setSaveAll(bool saveAll, int)
{
    saveFrames = saveAll;
}

Painter* MultiFhpAutomaton::getPainter()
{
    return painter.get();
}

long long MultiFhpAutomaton::getSiteCount() const
{
    return static_cast<long long>(width) * height * static_cast<long long>(automata.size());
}

float MultiFhpAutomaton::getMomentumX(int slot, int x, int y) const
{
    return momentumX[static_cast<std::size_t>(slot)][index(x, y)];
}

float MultiFhpAutomaton::getMomentumY(int slot, int x, int y) const
{
    return momentumY[static_cast<std::size_t>(slot)][index(x, y)];
}

} // namespace FhpAutomata
} // namespace Automata
