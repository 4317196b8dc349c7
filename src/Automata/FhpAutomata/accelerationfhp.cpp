#include "accelerationfhp.h"

namespace Automata {
namespace FhpAutomata {

namespace {

using B = FhpCell;

// Moves a particle from one channel to another when the target is free.
unsigned turn(unsigned particles, unsigned from, unsigned to)
{
    if ((particles & from) && !(particles & to))
        return (particles & ~from) | to;
    return particles;
}

} // namespace

AccelerationFhp::AccelerationFhp(int width, int height, const FhpCell* initial, int stripWidth,
                                 float switchProbability, int member)
    : FhpAutomaton(width, height, initial, member),
      // A strip narrower than one column has no parity; one column is the finest.
      stripWidth(stripWidth < 1 ? 1 : stripWidth),
      switchProbability(switchProbability)
{
    // The push happens when switchProbability * 1000 > u, u the ranged draw
    // over (0, 1000). u never falls as the raw draw grows, so the test is the
    // same as comparing the raw draw with the first value that fails it.
    const double threshold = static_cast<double>(switchProbability) * 1000.0;
    pushBelow = 0;
    while (pushBelow <= Random::RandMax
           && threshold > static_cast<int>(pushBelow / static_cast<double>(Random::RandMax) * 1000.0))
        ++pushBelow;
}

unsigned AccelerationFhp::pushSouth(unsigned p)
{
    p = turn(p, B::NorthEastBit, B::SouthEastBit);
    p = turn(p, B::NorthWestBit, B::SouthWestBit);
    p = turn(p, B::EastBit, B::SouthEastBit);
    return turn(p, B::WestBit, B::SouthWestBit);
}

unsigned AccelerationFhp::pushNorth(unsigned p)
{
    p = turn(p, B::SouthEastBit, B::NorthEastBit);
    p = turn(p, B::SouthWestBit, B::NorthWestBit);
    p = turn(p, B::EastBit, B::NorthEastBit);
    return turn(p, B::WestBit, B::NorthWestBit);
}

void AccelerationFhp::propagateColumns(int from, int to)
{
    unsigned char southward[64];
    unsigned char northward[64];
    for (unsigned p = 0; p < 64; ++p) {
        southward[p] = static_cast<unsigned char>(pushSouth(p));
        northward[p] = static_cast<unsigned char>(pushNorth(p));
    }
    const int strip = stripWidth;
    const int below = pushBelow;
    // The strip's push table, found once per column rather than per site.
    int pushColumn = -1;
    const unsigned char* push = southward;
    streamColumns(from, to, [&](const FhpCell& site, const Neighbours& n, int x, Random::Stream& stream) {
        FhpCell next = streamSite(site, n, stream);
        if (site.getBits() & (B::ObstacleBit | B::SourceBit))
            return next;
        if (stream.draw() >= below)
            return next;
        if (x != pushColumn) {
            pushColumn = x;
            push = (x / strip) % 2 == 0 ? southward : northward;
        }
        next.setParticles(push[next.particles()]);
        return next;
    });
}

} // namespace FhpAutomata
} // namespace Automata
