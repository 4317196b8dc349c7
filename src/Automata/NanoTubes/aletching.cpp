#include "aletching.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "../columnbands.h"
#include "../painter2d.h"

namespace Automata::NanoTubes {

namespace {

// Entry b + 5 a: an electrolyte cell with a kind-A and b kind-B particles,
// whiter with fewer, greener with more of kind A, bluer with more of kind B.
const std::array<std::array<float, 3>, 25> electrolyteColors = [] {
    std::array<std::array<float, 3>, 25> table{};
    for (int a = 0; a <= 4; ++a)
        for (int b = 0; a + b <= 4; ++b)
            table[static_cast<std::size_t>(b + 5 * a)] = {1.0f - 0.25f * (a + b), 1.0f - 0.25f * b,
                                                          1.0f - 0.25f * a};
    return table;
}();
const float aluminiumColor[3] = {0.3f, 0.3f, 0.3f};
const float wallColor[3] = {0.7f, 0.0f, 0.0f};

// What a neighbour sends in through one of its slots when it is electrolyte;
// nothing from a solid neighbour or from beyond the lattice.
std::int32_t fromElectrolyte(const AlCell* neighbour, int slot)
{
    return neighbour && neighbour->phase == AlCell::Electrolyte ? neighbour->particles[slot] : AlCell::None;
}

bool sameCell(const AlCell& a, const AlCell& b)
{
    return std::memcmp(&a, &b, sizeof(AlCell)) == 0;
}

// The numbers of kind-A and kind-B particles among four.
void countKinds(const std::int32_t (&particles)[4], int& a, int& b)
{
    a = b = 0;
    for (std::int32_t particle : particles) {
        a += particle == AlCell::KindA;
        b += particle == AlCell::KindB;
    }
}

// The number of draws d = 0, 1, ... for which holds(d) is true, for a
// condition that holds for the smallest draws only.
template <typename Condition>
int drawsWhere(Condition holds)
{
    int d = 0;
    while (d <= Random::RandMax && holds(d))
        ++d;
    return d;
}

double probability(int draw)
{
    return draw / static_cast<double>(Random::RandMax);
}

} // namespace

AlEtching::AlEtching(int width, int height, const int* codes, const Parameters& parameters)
    : Automaton2D<AlCell>(width, height), codes(codes, codes + cellCount()),
      parameters(parameters), scale(std::max(1, parameters.scaleConstant)),
      seed(Random::seed(0)),
      kindAFrom(drawsWhere([&](int d) {
          return !(static_cast<float>(probability(d)) > 1.0 - parameters.fractionA);
      })),
      kindBBelow(drawsWhere(
          [&](int d) { return parameters.fractionB > static_cast<float>(probability(d)); })),
      migrateBelow(drawsWhere([&](int d) { return parameters.electroMigration > probability(d); }))
{
    for (std::size_t i = 0; i < cellCount(); ++i) {
        cells[i] = AlCell();
        const int code = codes[i];
        cells[i].phase = code == AlCell::Aluminium || code == AlCell::Wall ? code : AlCell::Electrolyte;
        nextCells[i] = cells[i];
    }
    painter = new Painter2D<AlCell>(this);
}

AlEtching::AlEtching(int width, int height, const int* codes)
    : AlEtching(width, height, codes, Parameters())
{
}

int AlEtching::convertColor(int red, int green, int blue)
{
    if (red == green && green == blue && (red == 127 || red == 128))
        return AlCell::Aluminium;
    if (red == 255 && green == 0 && blue == 0)
        return AlCell::Wall;
    return AlCell::Electrolyte;
}

template <typename Draw>
int AlEtching::randomParticle(Draw& draw) const
{
    const int d = draw();
    if (d >= kindAFrom)
        return AlCell::KindA;
    return d < kindBBelow ? AlCell::KindB : AlCell::None;
}

void AlEtching::seedParticles()
{
    auto draw = [] { return Random::draw(); };
    for (std::size_t i = 0; i < cellCount(); ++i) {
        if (cells[i].phase != AlCell::Electrolyte)
            continue;
        for (std::int32_t& slot : cells[i].particles)
            slot = randomParticle(draw);
    }
}

void AlEtching::place(AlCell& cell, int a, int b, Random::Stream& random) const
{
    if (a > 0 && random.draw() < migrateBelow) {
        cell.particles[AlCell::Down] = AlCell::KindA;
        --a;
    }
    if (b > 0 && random.draw() < migrateBelow) {
        cell.particles[AlCell::Up] = AlCell::KindB;
        --b;
    }
    const auto put = [&](std::int32_t kind) {
        for (;;) {
            // floor(4 d / 32767), a draw of 32767 counting as 3.
            const int k = std::min(3, 4 * random.draw() / Random::RandMax);
            if (cell.particles[k] == AlCell::None) {
                cell.particles[k] = kind;
                return;
            }
        }
    };
    for (; a > 0; --a)
        put(AlCell::KindA);
    for (; b > 0; --b)
        put(AlCell::KindB);
}

void AlEtching::step()
{
    ColumnBands::run(width, [this](int from, int to) { updateColumns(from, to); });
    finishStep();
}

void AlEtching::updateColumns(int from, int to)
{
    const double etchFactor = parameters.ohmicFactor / scale;
    for (int x = from; x < to; ++x) {
        Random::Stream random({seed, static_cast<std::uint64_t>(currentStep),
                               static_cast<std::uint64_t>(x)});
        auto draw = [&random] { return random.draw(); };
        const AlCell* column = cells + static_cast<std::size_t>(x) * height;
        const AlCell* left = x > 0 ? column - height : nullptr;
        const AlCell* right = x + 1 < width ? column + height : nullptr;
        AlCell* next = nextCells + static_cast<std::size_t>(x) * height;
        for (int y = 0; y < height; ++y) {
            const AlCell& cell = column[y];
            const AlCell* above = y + 1 < height ? &column[y + 1] : nullptr;
            const AlCell* below = y > 0 ? &column[y - 1] : nullptr;
            const AlCell* west = left ? &left[y] : nullptr;
            const AlCell* east = right ? &right[y] : nullptr;
            AlCell result;
            result.phase = cell.phase;

            if (cell.phase == AlCell::Electrolyte) {
                // Every arrival counts; beyond an edge one enters at random.
                const std::int32_t arrivals[4] = {
                    above ? above->particles[AlCell::Down] : randomParticle(draw),
                    below ? below->particles[AlCell::Up] : randomParticle(draw),
                    east ? east->particles[AlCell::Left] : randomParticle(draw),
                    west ? west->particles[AlCell::Right] : randomParticle(draw)};
                int a, b;
                countKinds(arrivals, a, b);
                place(result, a, b, random);
            } else if (cell.phase == AlCell::Aluminium) {
                const std::int32_t arrivals[4] = {fromElectrolyte(above, AlCell::Down),
                                                  fromElectrolyte(below, AlCell::Up),
                                                  fromElectrolyte(east, AlCell::Left),
                                                  fromElectrolyte(west, AlCell::Right)};
                int a, b;
                countKinds(arrivals, a, b);
                const double dissolve = (1.0 - y * etchFactor) * parameters.etchProbability;
                bool dissolved = false;
                for (int i = 0; i < a && !dissolved; ++i)
                    dissolved = dissolve > random.uniform();
                if (dissolved) {
                    // The dissolving particle is consumed.
                    result.phase = AlCell::Electrolyte;
                    place(result, a - 1, b, random);
                } else {
                    // Every arrival goes back the way it came.
                    result.particles[AlCell::Down] = below ? below->particles[AlCell::Up] : AlCell::None;
                    result.particles[AlCell::Up] = above ? above->particles[AlCell::Down] : AlCell::None;
                    result.particles[AlCell::Left] = west ? west->particles[AlCell::Right] : AlCell::None;
                    result.particles[AlCell::Right] = east ? east->particles[AlCell::Left] : AlCell::None;
                }
            } else {
                // A wall sends back only what came from the electrolyte.
                result.particles[AlCell::Up] = fromElectrolyte(above, AlCell::Down);
                result.particles[AlCell::Down] = fromElectrolyte(below, AlCell::Up);
                result.particles[AlCell::Right] = fromElectrolyte(east, AlCell::Left);
                result.particles[AlCell::Left] = fromElectrolyte(west, AlCell::Right);
            }
            // Aluminium away from the electrolyte holds the same in both
            // buffers: leaving it untouched saves writing back half the lattice.
            if (result.phase == AlCell::Electrolyte || !sameCell(next[y], result))
                next[y] = result;
        }
    }
}

const float* AlEtching::getColor(const AlCell& cell)
{
    if (cell.phase == AlCell::Aluminium)
        return aluminiumColor;
    if (cell.phase == AlCell::Wall)
        return wallColor;
    int a, b;
    countKinds(cell.particles, a, b);
    return electrolyteColors[static_cast<std::size_t>(b + 5 * a)].data();
}

} // namespace Automata::NanoTubes
