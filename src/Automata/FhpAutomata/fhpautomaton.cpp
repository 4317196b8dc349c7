#include "fhpautomaton.h"

#include <algorithm>

#include "../../Persistence/automatonarchiver.h"
#include "../painter2d.h"
#include "../workers.h"
#include "../columnbands.h"

namespace Automata {
namespace FhpAutomata {

namespace {

using B = FhpCell;

// The head-on pairs and what a collision turns them into, for r = 0 and r != 0.
constexpr unsigned eastWest = B::EastBit | B::WestBit;
constexpr unsigned northWestSouthEast = B::NorthWestBit | B::SouthEastBit;
constexpr unsigned northEastSouthWest = B::NorthEastBit | B::SouthWestBit;
constexpr std::uint64_t headOnConfigurations =
    (1ull << eastWest) | (1ull << northWestSouthEast) | (1ull << northEastSouthWest);

unsigned turnedPair(unsigned pair, bool firstWay)
{
    if (pair == eastWest)
        return firstWay ? northWestSouthEast : northEastSouthWest;
    if (pair == northWestSouthEast)
        return firstWay ? eastWest : northEastSouthWest;
    return firstWay ? northWestSouthEast : eastWest;
}

// The largest raw draw for which the ranged integer over (0, 2) is 0, so a
// collision can test the raw draw and consume exactly the same sequence.
int largestFirstWayDraw()
{
    int d = 0;
    while (d < Random::RandMax && static_cast<int>((d + 1) / static_cast<double>(Random::RandMax) * 2.0) == 0)
        ++d;
    return d;
}

const float substrateColor[3] = {0.0f, 0.5f, 0.0f};
const float depositColor[3] = {0.5f, 0.5f, 0.0f};
const float obstacleColor[3] = {1.0f, 0.0f, 0.0f};
const float sourceColor[3] = {1.0f, 1.0f, 0.0f};
const float fluidColors[7][3] = {
    {1.0f, 1.0f, 1.0f},    {0.83f, 0.83f, 0.83f}, {0.67f, 0.67f, 0.67f}, {0.5f, 0.5f, 0.5f},
    {0.33f, 0.33f, 0.33f}, {0.17f, 0.17f, 0.17f}, {0.0f, 0.0f, 0.0f},
};

} // namespace

FhpAutomaton::FhpAutomaton(int width, int height, const FhpCell* initial, int member)
    : Automaton2D<FhpCell>(width, height),
      outsideColumn(static_cast<std::size_t>(std::max(height, 0))),
      streamSeed(Random::seed(0)),
      member(member)
{
    std::copy(initial, initial + cellCount(), cells);
    painter = new Painter2D<FhpCell>(this);
    archiver = new Persistence::AutomatonArchiver;
}

void FhpAutomaton::step()
{
    ++stepCount;
    collide();
    ColumnBands::run(ColumnBands::split(width, workerCount()),
                     [this](int from, int to) { propagateColumns(from, to); });
    finishStep();
}

void FhpAutomaton::save()
{
    saveImage();
}

double FhpAutomaton::getTime()
{
    return stepCount;
}

std::string FhpAutomaton::getTimeInfo()
{
    return " steps";
}

const float* FhpAutomaton::getColor(const FhpCell& cell)
{
    if (cell.isSubstrate())
        return substrateColor;
    if (cell.isDeposit())
        return depositColor;
    if (cell.isObstacle())
        return obstacleColor;
    if (cell.isSource())
        return sourceColor;
    return fluidColors[cell.particleCount()];
}

unsigned char FhpAutomaton::greyOf(unsigned particles)
{
    const int eastward = FhpCell::particleCount(particles & (B::EastBit | B::NorthEastBit | B::SouthEastBit));
    const int westward = FhpCell::particleCount(particles & (B::WestBit | B::NorthWestBit | B::SouthWestBit));
    return static_cast<unsigned char>(255 - 42 * eastward - 43 * westward);
}

void FhpAutomaton::exportImage(unsigned char* r, unsigned char* g, unsigned char* b)
{
    const std::size_t count = cellCount();
    for (std::size_t i = 0; i < count; ++i) {
        const FhpCell& cell = cells[i];
        if (cell.isObstacle()) {
            r[i] = 255;
            g[i] = 0;
            b[i] = 0;
        } else if (cell.isSource()) {
            r[i] = 255;
            g[i] = 0;
            b[i] = 255;
        } else {
            r[i] = g[i] = b[i] = greyOf(cell.particles());
        }
    }
}

void FhpAutomaton::collide()
{
    static const int firstWayMax = largestFirstWayDraw();
    FhpCell* const lattice = cells;
    const std::size_t count = cellCount();
    for (std::size_t i = 0; i < count; ++i) {
        FhpCell& cell = lattice[i];
        const unsigned bits = cell.getBits();
        if (!((headOnConfigurations >> (bits & B::ChannelBits)) & 1u) || (bits & B::ObstacleBit))
            continue;
        const bool firstWay = Random::draw() <= firstWayMax;
        cell.setParticles(turnedPair(bits & B::ChannelBits, firstWay));
    }
}

void FhpAutomaton::propagateColumns(int from, int to)
{
    streamColumns(from, to, [](const FhpCell& site, const Neighbours& n, int, Random::Stream& stream) {
        return streamSite(site, n, stream);
    });
}

} // namespace FhpAutomata
} // namespace Automata
