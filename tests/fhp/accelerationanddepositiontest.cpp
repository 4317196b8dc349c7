#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/fhpdeposition.h"
#include "fhptestlattice.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::FhpAutomata::FhpDeposition;

TEST(AccelerationFhp, EvenStripsPushSouthAndOddStripsNorthTryingFourMovesInOrder)
{
    // The north-east mover takes the free south-east channel first, so the
    // east mover that follows finds it occupied.
    const unsigned south[][2] = {{NE, SE}, {NW, SW}, {E, SE}, {W, SW}, {NE | E, SE | E}, {NE | SE, NE | SE},
                                 {NE | NW | E | W, SE | SW | E | W}};
    const unsigned north[][2] = {{SE, NE}, {SW | W, NW | W}, {E | W, NE | NW}, {E | NE, E | NE}};
    for (const auto& c : south)
        EXPECT_EQ(AccelerationFhp::pushSouth(c[0]), c[1]) << "particles " << c[0];
    for (const auto& c : north)
        EXPECT_EQ(AccelerationFhp::pushNorth(c[0]), c[1]) << "particles " << c[0];

    // A certain push in one strip as wide as the lattice: every ordinary site
    // is pushed south; the obstacle keeps what it caught, unpushed.
    Lattice l(8, 8);
    l.particles(2, 2, E).particles(5, 5, NW).obstacle(6, 2).particles(5, 2, E);
    AccelerationFhp a(8, 8, l.data(), 8, 1.0f);
    a.step();
    EXPECT_EQ(site(a, 3, 2).particles(), SE);
    EXPECT_EQ(site(a, 5, 4).particles(), SW); // NW from odd row (5, 5) lands on (5, 4)
    EXPECT_EQ(site(a, 6, 2).particles(), W);

    // Strips of two columns: columns 2 and 3 form the first odd strip.
    Lattice narrow(8, 8);
    AccelerationFhp b(8, 8, narrow.particles(1, 3, E).particles(4, 4, W).data(), 2, 1.0f);
    b.step();
    EXPECT_EQ(site(b, 2, 3).particles(), NE);
    EXPECT_EQ(site(b, 3, 4).particles(), NW);
}

TEST(AccelerationFhp, EachColumnDrawsFromItsOwnKeyedStream)
{
    // Every site of a column draws once, row by row, from the stream keyed by
    // (seed, member, step, column); a push happens when p * 1000 > u.
    Lattice l(4, 40);
    for (FhpCell& c : l.cells)
        c.setParticles(E);
    const float p = 0.37f;
    AccelerationFhp a(4, 40, l.data(), 1000, p, 2);
    const std::uint64_t seed = Automata::Random::recordedSeed();
    a.step();
    for (int x = 1; x < 4; ++x) {
        Automata::Random::Stream stream({seed, 2u, 1u, static_cast<std::uint64_t>(x)});
        for (int y = 0; y < 40; ++y) {
            const bool pushed = static_cast<double>(p) * 1000.0 > stream.rangedInt(0, 1000);
            EXPECT_EQ(site(a, x, y).particles(), pushed ? SE : E) << x << "," << y;
        }
    }
}

TEST(FhpDeposition, OnlyALoneArrivalAtAnEmptySiteBesideTheSeedSticks)
{
    // Site (4, 4) lies west of the solid at (5, 4); (3, 4) sends it an east
    // mover and (3, 3), its north-west neighbour, a south-east one.
    struct Case { const char* what; bool substrate; unsigned from34, from33, at44; bool sticks; unsigned left; };
    const Case cases[] = {{"lone arrival", true, E, 0u, 0u, true, 0u},
                          {"two arrivals", true, E, SE, 0u, false, E | SE},
                          {"occupied site", true, E, 0u, NW, false, E},
                          {"obstacles do not count", false, E, 0u, 0u, false, E},
                          {"no gas", true, 0u, 0u, 0u, false, 0u}};
    for (const Case& c : cases) {
        Lattice l(10, 10);
        l.particles(3, 4, c.from34).particles(3, 3, c.from33).particles(4, 4, c.at44);
        c.substrate ? l.substrate(5, 4) : l.obstacle(5, 4);
        FhpDeposition a(10, 10, l.data());
        const long long before = particleTotal(a);
        a.step();
        EXPECT_EQ(site(a, 4, 4).isDeposit(), c.sticks) << c.what;
        EXPECT_EQ(depositCount(a), c.sticks ? 1 : 0) << c.what;
        EXPECT_EQ(site(a, 4, 4).particles(), c.left) << c.what;
        // A deposit absorbs the particle that made it.
        EXPECT_EQ(particleTotal(a) + depositCount(a), before) << c.what;
    }
}

TEST(FhpDeposition, SolidsSendParticlesStraightBack)
{
    // The mover starts at (4, 4), is caught by the solid beside it and is
    // back at (4, 4) two steps later, reversed.
    auto bounce = [](Lattice l, int solidX, int solidY, unsigned caught, unsigned atStart) {
        FhpDeposition a(10, 10, l.data());
        a.step();
        EXPECT_EQ(site(a, solidX, solidY).particles(), caught);
        a.step();
        EXPECT_EQ(site(a, 4, 4).particles(), atStart);
        EXPECT_EQ(depositCount(a), 0);
    };
    bounce(Lattice(10, 10).obstacle(5, 4).particles(4, 4, E), 5, 4, W, W);
    // Diagonal movers are reversed, not mirrored: south-east comes back north-west.
    bounce(Lattice(10, 10).obstacle(4, 5).particles(4, 4, SE), 4, 5, NW, NW);
    // The substrate reflects the same way; a second arrival keeps the
    // returning particle from sticking.
    bounce(Lattice(10, 10).substrate(5, 4).particles(4, 4, E).particles(2, 4, E), 5, 4, W, E | W);
}

TEST(FhpDeposition, SourcesAreFullNineStepsInTenWhateverTheirLevel)
{
    Lattice l(64, 64);
    for (FhpCell& c : l.cells) {
        c.setSource(true);
        c.setSourceLevel(0.0f); // which this model does not use
    }
    FhpDeposition a(64, 64, l.data());
    for (int step = 0; step < 2; ++step) {
        a.step();
        int full = 0;
        for (const FhpCell& c : cellsOf(a))
            full += c.particleCount() == 6;
        EXPECT_NEAR(full / 4096.0, 0.9, 0.02);
    }
}
