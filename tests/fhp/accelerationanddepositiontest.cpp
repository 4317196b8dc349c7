#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/fhpdeposition.h"
#include "fhptestlattice.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::FhpAutomata::FhpAutomaton;
using Automata::FhpAutomata::FhpDeposition;

namespace {

const FhpCell& site(FhpAutomaton& a, int x, int y)
{
    return cellAt(a.getCells(), a.getHeight(), x, y);
}

int depositCount(FhpAutomaton& a)
{
    int count = 0;
    for (int i = 0; i < a.getWidth() * a.getHeight(); ++i)
        count += a.getCells()[i].isDeposit();
    return count;
}

} // namespace

TEST(AccelerationFhp, PushesTryTheFourMovesInOrder)
{
    EXPECT_EQ(AccelerationFhp::pushSouth(NE), SE);
    EXPECT_EQ(AccelerationFhp::pushSouth(NW), SW);
    EXPECT_EQ(AccelerationFhp::pushSouth(E), SE);
    EXPECT_EQ(AccelerationFhp::pushSouth(W), SW);
    // The north-east mover takes the free south-east channel first, so the
    // east mover that follows finds it occupied.
    EXPECT_EQ(AccelerationFhp::pushSouth(NE | E), SE | E);
    EXPECT_EQ(AccelerationFhp::pushSouth(NE | SE), NE | SE);
    EXPECT_EQ(AccelerationFhp::pushSouth(NE | NW | E | W), SE | SW | E | W);
    EXPECT_EQ(AccelerationFhp::pushNorth(SE), NE);
    EXPECT_EQ(AccelerationFhp::pushNorth(SW | W), NW | W);
    EXPECT_EQ(AccelerationFhp::pushNorth(E | W), NE | NW);
    EXPECT_EQ(AccelerationFhp::pushNorth(E | NE), E | NE);
}

TEST(AccelerationFhp, CertainPushInOneWideStripSendsEverythingSouth)
{
    Lattice l(8, 8);
    l.particles(2, 2, E).particles(5, 5, NW).particles(1, 6, NE | W);
    l.obstacle(6, 2).particles(5, 2, E);
    AccelerationFhp a(8, 8, l.data(), 8, 1.0f);
    a.step();
    EXPECT_EQ(site(a, 3, 2).particles(), SE);
    EXPECT_EQ(site(a, 5, 4).particles(), SW); // NW from odd row (5, 5) lands on (5, 4)
    // The obstacle keeps what it caught, unpushed.
    EXPECT_EQ(site(a, 6, 2).particles(), W);
}

TEST(AccelerationFhp, OddStripsPushNorth)
{
    // Strips of two columns: columns 2 and 3 form the first odd strip.
    Lattice l(8, 8);
    l.particles(1, 3, E).particles(4, 4, W);
    AccelerationFhp a(8, 8, l.data(), 2, 1.0f);
    a.step();
    EXPECT_EQ(site(a, 2, 3).particles(), NE);
    EXPECT_EQ(site(a, 3, 4).particles(), NW);
}

TEST(AccelerationFhp, PushHappensWithTheSwitchProbability)
{
    Lattice l(64, 64);
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 64; ++y)
            l.particles(x, y, (x + y) % 2 ? E : 0u);
    AccelerationFhp a(64, 64, l.data(), 1000, 0.3f);
    a.step();
    int pushed = 0, kept = 0;
    for (int i = 0; i < 64 * 64; ++i) {
        pushed += a.getCells()[i].particles() == SE;
        kept += a.getCells()[i].particles() == E;
    }
    ASSERT_GT(pushed + kept, 1800);
    EXPECT_NEAR(static_cast<double>(pushed) / (pushed + kept), 0.3, 0.04);
}

TEST(FhpDeposition, SubstrateWithoutGasGrowsNothing)
{
    Lattice l(20, 10);
    for (int x = 0; x < 20; ++x)
        l.substrate(x, 8);
    FhpDeposition a(20, 10, l.data());
    for (int i = 0; i < 10; ++i)
        a.step();
    EXPECT_EQ(depositCount(a), 0);
}

TEST(FhpDeposition, LoneArrivalNextToTheSubstrateSticks)
{
    Lattice l(10, 10);
    l.substrate(5, 4).particles(3, 4, E);
    FhpDeposition a(10, 10, l.data());
    a.step();
    EXPECT_TRUE(site(a, 4, 4).isDeposit());
    EXPECT_EQ(site(a, 4, 4).particles(), 0u);
    EXPECT_EQ(particleTotal(a.getCells(), 100), 0);
    EXPECT_EQ(depositCount(a), 1);
}

TEST(FhpDeposition, TwoArrivalsAtOnceDoNotStick)
{
    // (4, 4) receives the east mover from (3, 4) and the south-east mover
    // from (3, 3), its north-west neighbour.
    Lattice l(10, 10);
    l.substrate(5, 4).particles(3, 4, E).particles(3, 3, SE);
    FhpDeposition a(10, 10, l.data());
    a.step();
    EXPECT_EQ(depositCount(a), 0);
    EXPECT_EQ(site(a, 4, 4).particles(), E | SE);
}

TEST(FhpDeposition, ArrivalAtAnOccupiedSiteDoesNotStick)
{
    Lattice l(10, 10);
    l.substrate(5, 4).particles(3, 4, E).particles(4, 4, NW);
    FhpDeposition a(10, 10, l.data());
    a.step();
    EXPECT_EQ(depositCount(a), 0);
    EXPECT_EQ(site(a, 4, 4).particles(), E);
}

TEST(FhpDeposition, SolidsSendParticlesStraightBack)
{
    // An obstacle does not make particles stick: the east mover returns
    // along its row two steps after reaching (4, 4).
    {
        Lattice l(10, 10);
        l.obstacle(5, 4).particles(4, 4, E);
        FhpDeposition a(10, 10, l.data());
        a.step();
        EXPECT_EQ(site(a, 5, 4).particles(), W);
        a.step();
        EXPECT_EQ(site(a, 4, 4).particles(), W);
        EXPECT_EQ(depositCount(a), 0);
    }
    // The substrate reflects the same way; a second arrival keeps the
    // returning particle from sticking.
    {
        Lattice l(10, 10);
        l.substrate(5, 4).particles(4, 4, E).particles(2, 4, E);
        FhpDeposition a(10, 10, l.data());
        a.step();
        EXPECT_EQ(site(a, 5, 4).particles(), W);
        a.step();
        EXPECT_EQ(site(a, 4, 4).particles(), E | W);
        EXPECT_EQ(depositCount(a), 0);
    }
    // Alone, the returning particle sticks beside the substrate.
    {
        Lattice l(10, 10);
        l.substrate(5, 4).particles(4, 4, E);
        FhpDeposition a(10, 10, l.data());
        a.step();
        a.step();
        EXPECT_TRUE(site(a, 4, 4).isDeposit());
    }
    // Diagonal movers are reversed, not mirrored: south-east comes back north-west.
    {
        Lattice l(10, 10);
        l.obstacle(4, 5).particles(4, 4, SE);
        FhpDeposition a(10, 10, l.data());
        a.step();
        EXPECT_EQ(site(a, 4, 5).particles(), NW);
        a.step();
        EXPECT_EQ(site(a, 4, 4).particles(), NW);
    }
}

TEST(FhpDeposition, SourcesAreFullNineStepsInTen)
{
    Lattice l(64, 64);
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 64; ++y)
            l.source(x, y, 0.0f);
    FhpDeposition a(64, 64, l.data());
    for (int step = 0; step < 2; ++step) {
        a.step();
        int full = 0;
        for (int i = 0; i < 64 * 64; ++i)
            full += a.getCells()[i].particleCount() == 6;
        EXPECT_NEAR(full / 4096.0, 0.9, 0.02);
    }
}

TEST(FhpDeposition, ExportShowsSubstrateAndDeposit)
{
    Lattice l(5, 1);
    l.substrate(0, 0).obstacle(2, 0).source(3, 0, 0.5f).particles(4, 0, W);
    l.at(1, 0).setDeposit(true);
    FhpDeposition a(5, 1, l.data());
    unsigned char r[5], g[5], b[5];
    a.exportImage(r, g, b);
    EXPECT_TRUE(r[0] == 0 && g[0] == 128 && b[0] == 0);
    EXPECT_TRUE(r[1] == 128 && g[1] == 128 && b[1] == 0);
    EXPECT_TRUE(r[2] == 255 && g[2] == 0 && b[2] == 0);
    EXPECT_TRUE(r[3] == 255 && g[3] == 0 && b[3] == 255);
    EXPECT_EQ(r[4], 212);
}

TEST(FhpDeposition, GasGrowsADepositFromTheSeed)
{
    Lattice l(40, 40);
    for (int x = 0; x < 40; ++x) {
        l.substrate(x, 38);
        for (int y = 0; y < 20; ++y)
            l.particles(x, y, (x * 7 + y * 3) % 5 == 0 ? SE : 0u);
    }
    FhpDeposition a(40, 40, l.data());
    const long long before = particleTotal(a.getCells(), 1600);
    for (int i = 0; i < 80; ++i)
        a.step();
    const int grown = depositCount(a);
    EXPECT_GT(grown, 0);
    // Every deposit site absorbed one particle; the rest left through the edges.
    EXPECT_LE(particleTotal(a.getCells(), 1600) + grown, before);
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
