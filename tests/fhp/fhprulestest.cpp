#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/fhpdeposition.h"
#include "fhptestlattice.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::FhpAutomata::FhpDeposition;

TEST(FhpAutomaton, ExportShowsSolidsAndSourcesElseTheEastAndWestMovers)
{
    // Obstacles red, sources magenta, otherwise 255 less 42 per eastward and
    // 43 per westward mover.
    Lattice l(8, 1);
    l.particles(0, 0, E).particles(1, 0, W).particles(2, 0, ALL).particles(3, 0, E | NE | SE);
    l.particles(4, 0, W | NW | SW).obstacle(5, 0).particles(5, 0, ALL).source(6, 0, 0.3f).particles(6, 0, ALL);
    const int expected[8][3] = {{213, 213, 213}, {212, 212, 212}, {0, 0, 0},     {129, 129, 129},
                                {126, 126, 126}, {255, 0, 0},     {255, 0, 255}, {255, 255, 255}};
    unsigned char r[8], g[8], b[8];
    FhpAutomaton(8, 1, l.data()).exportImage(r, g, b);
    for (int x = 0; x < 8; ++x)
        EXPECT_TRUE(r[x] == expected[x][0] && g[x] == expected[x][1] && b[x] == expected[x][2]) << "site " << x;
}

TEST(FhpAutomaton, EachDirectionMovesToItsHexagonalNeighbour)
{
    // From (3, y); odd rows sit half a site east of even ones.
    struct Move { unsigned direction; int y, toX, toY; };
    const Move moves[] = {{E, 2, 4, 2}, {W, 2, 2, 2}, {NW, 2, 2, 1}, {NE, 2, 3, 1}, {SW, 2, 2, 3}, {SE, 2, 3, 3},
                          {E, 3, 4, 3}, {W, 3, 2, 3}, {NW, 3, 3, 2}, {NE, 3, 4, 2}, {SW, 3, 3, 4}, {SE, 3, 4, 4}};
    for (const Move& m : moves) {
        Lattice l(7, 7);
        FhpAutomaton a(7, 7, l.particles(3, m.y, m.direction).data());
        a.step();
        EXPECT_EQ(site(a, m.toX, m.toY).particles(), m.direction) << "direction " << m.direction << " row " << m.y;
        EXPECT_EQ(particleTotal(a), 1);
    }
}

TEST(FhpAutomaton, ParticlesLeavingTheLatticeAreLostAndEveryColumnStreams)
{
    Lattice l(5, 3);
    FhpAutomaton a(5, 3, l.particles(4, 1, E).particles(0, 0, W | NW).particles(2, 2, SE | SW).data());
    for (int i = 0; i < 6; ++i) {
        a.step();
        EXPECT_EQ(particleTotal(a), 0) << "step " << i + 1;
    }
    // In a single column a north-east mover on an even row stays inside for
    // one step; from the odd row above it the next step leads out east.
    Lattice column(1, 5);
    FhpAutomaton tall(1, 5, column.particles(0, 2, NE).data());
    tall.step();
    EXPECT_EQ(site(tall, 0, 1).particles(), NE);
    tall.step();
    EXPECT_EQ(particleTotal(tall), 0);
    Lattice row(6, 1);
    FhpAutomaton wide(6, 1, row.particles(0, 0, E).particles(5, 0, NW).data());
    wide.step();
    EXPECT_EQ(site(wide, 1, 0).particles(), E);
    EXPECT_EQ(particleTotal(wide), 1);
    // A lattice narrower than the pool still streams every column.
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    pool->setMaxThreadCount(8);
    Lattice narrow(3, 4);
    for (int y = 0; y < 4; ++y)
        narrow.particles(0, y, E);
    FhpAutomaton thin(3, 4, narrow.data());
    thin.step();
    thin.step();
    pool->setMaxThreadCount(threads);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(site(thin, 2, y).particles(), E) << "row " << y;
}

TEST(FhpAutomaton, OnlyHeadOnPairsTurnEitherWayInSiteOrder)
{
    // A head-on pair and what it becomes for r = 0 and for r != 0.
    struct Turn { unsigned pair, firstWay, otherWay; };
    const Turn turns[] = {{E | W, NW | SE, NE | SW}, {NW | SE, E | W, NE | SW}, {NE | SW, NW | SE, E | W}};
    // Besides the pairs: three at 120 degrees, four, two not head-on, one, six, three.
    const unsigned configurations[] = {E | W,          NW | SE, NE | SW, E | NW | SW, W | NE | SE, E | W | NE | SW,
                                       E | NE,         E,       ALL,     E | W | NE,  0u};
    Lattice l(200, 200);
    for (std::size_t i = 0; i < l.cells.size(); ++i) {
        l.cells[i].setParticles(configurations[i % 11]);
        l.cells[i].setObstacle(i % 13 == 0); // obstacles never collide
        l.cells[i].setSource(i % 17 == 0);   // reservoirs do
    }
    FhpAutomaton a(200, 200, l.data()); // seeds the program's generator with 0
    a.collide();
    Automata::Random::seed(0);
    int first[3] = {}, total[3] = {};
    for (std::size_t i = 0; i < l.cells.size(); ++i) {
        const unsigned after = a.getCells()[i].particles();
        unsigned expected = l.cells[i].particles();
        for (int t = 0; t < 3; ++t) {
            if (l.cells[i].isObstacle() || l.cells[i].particles() != turns[t].pair)
                continue;
            expected = Automata::Random::rangedInt(0, 2) == 0 ? turns[t].firstWay : turns[t].otherWay;
            first[t] += after == turns[t].firstWay;
            ++total[t];
        }
        ASSERT_EQ(after, expected) << "site " << i;
    }
    for (int t = 0; t < 3; ++t)
        EXPECT_NEAR(first[t] / static_cast<double>(total[t]), 0.5, 0.03) << "pair " << turns[t].pair;
}

TEST(FhpAutomaton, ObstaclesCatchMoversAndSendThemBack)
{
    // The obstacle holds the mover in the channel it leaves along. (2, 2) is
    // an even row: its south-east neighbour is (2, 3), whose north-east
    // neighbour (odd row) is (3, 2).
    struct Bounce { int x, y; unsigned direction; int obstacleX, obstacleY; unsigned caught; int backX, backY; };
    const Bounce bounces[] = {{2, 2, SE, 2, 3, NE, 3, 2}, {3, 3, NW, 3, 2, SW, 2, 3},
                              {1, 1, E, 2, 1, W, 1, 1},   {4, 1, W, 3, 1, E, 4, 1}};
    for (const Bounce& b : bounces) {
        Lattice l(6, 6);
        FhpAutomaton a(6, 6, l.particles(b.x, b.y, b.direction).obstacle(b.obstacleX, b.obstacleY).data());
        a.step();
        EXPECT_TRUE(site(a, b.obstacleX, b.obstacleY).isObstacle());
        EXPECT_EQ(site(a, b.obstacleX, b.obstacleY).particles(), b.caught) << "direction " << b.direction;
        a.step();
        EXPECT_EQ(site(a, b.backX, b.backY).particles(), b.caught) << "direction " << b.direction;
        EXPECT_EQ(particleTotal(a), 1);
    }
}

TEST(FhpAutomaton, SourcesRefillAtTheirOwnLevelOnEveryStep)
{
    Lattice l(64, 64);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 64; ++y)
            l.source(x, y, 1.0f).source(x + 32, y, 0.1f);
    FhpAutomaton a(64, 64, l.data());
    for (int step = 1; step <= 4; ++step) {
        a.step();
        int full[2] = {};
        for (int x = 0; x < 64; ++x) {
            for (int y = 0; y < 64; ++y) {
                ASSERT_TRUE(site(a, x, y).isSource());
                ASSERT_TRUE(site(a, x, y).particleCount() % 6 == 0);
                full[x / 32] += site(a, x, y).particleCount() == 6;
            }
        }
        // Level 1.0 fails only when u is exactly 1.0 (one draw in 32768).
        EXPECT_GE(full[0], 2045) << "step " << step;
        EXPECT_NEAR(full[1] / 2048.0, 0.1, 0.025) << "step " << step;
    }
}

TEST(FhpAutomaton, ParticleNumberIsConservedInOpenFluid)
{
    // A dense cloud in the middle spreads at most one site per step, so for
    // twenty steps it meets no edge, obstacle or source.
    Lattice l = randomGas(101, 101, 12345);
    for (int x = 0; x < 101; ++x)
        for (int y = 0; y < 101; ++y)
            if (x < 40 || x > 60 || y < 40 || y > 60)
                l.particles(x, y, 0u);
    FhpAutomaton a(101, 101, l.data());
    const long long before = particleTotal(a);
    ASSERT_GT(before, 1000);
    for (int step = 0; step < 20; ++step) {
        a.step();
        ASSERT_EQ(particleTotal(a), before) << "after step " << step + 1;
    }
}

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
