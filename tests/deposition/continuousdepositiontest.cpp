#include <cmath>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/continuousfilmdeposition2d.h"
#include "Automata/FilmDeposition/continuousfilmdepositionvts2d.h"
#include "Automata/FilmDeposition/isotropicfilmdeposition.h"
#include "depositiontesthelpers.h"

using namespace Automata::FilmDeposition;
using DepositionTest::lattice;

TEST(ContinuousFilmDeposition, FixedStepFillsFromEdgesAndCornersUntilFull)
{
    // One edge neighbour: 0.01 per step, film once the fill reaches 1 (the
    // hundredth sum of 0.01 in single precision falls just short of 1).
    const auto column = lattice({".", "#"});
    ContinuousFilmDeposition2D edge(1, 2, column.data());
    edge.step();
    EXPECT_FLOAT_EQ(0.01f, edge.getCells()[1].value);
    int steps = 1;
    while (edge.getCells()[1].type == Empty && steps < 200) {
        EXPECT_LT(edge.getCells()[1].value, 1.0f);
        edge.step();
        ++steps;
    }
    EXPECT_GE(steps, 100);
    EXPECT_LE(steps, 101);
    EXPECT_EQ(1.0f, edge.getCells()[1].value);
    EXPECT_EQ(Substrate, edge.getCells()[0].type);
    EXPECT_EQ(" h", edge.getTimeInfo());

    // A corner contact adds 0.18 of its fill.
    const auto corner = lattice({"..", "#."});
    ContinuousFilmDeposition2D diagonal(2, 2, corner.data());
    diagonal.step();
    EXPECT_FLOAT_EQ(0.01f * 0.18f, diagonal.getCells()[diagonal.index(1, 1)].value);
    EXPECT_FLOAT_EQ(0.01f, diagonal.getCells()[diagonal.index(1, 0)].value);
}

TEST(ContinuousFilmDeposition, VariableStepCompletesTheNextCellsAndCornersDoNotShortenIt)
{
    const auto seed = lattice({".....", ".....", "..#..", ".....", "....."});
    ContinuousFilmDepositionVts2D model(5, 5, seed.data());
    EXPECT_FLOAT_EQ(1.0f, model.estimateTimeStep());
    model.step();
    EXPECT_FLOAT_EQ(1.0f, model.getTimeStep());
    EXPECT_DOUBLE_EQ(1.0, model.getTime());
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y) {
            const FilmCell& cell = model.getCells()[model.index(x, y)];
            const int distance = std::abs(x - 2) + std::abs(y - 2);
            if (distance == 1) {
                EXPECT_EQ(Film, cell.type) << x << "," << y;
            }
            if (distance == 2 && x != 2 && y != 2) {
                EXPECT_FLOAT_EQ(0.18f, cell.value) << x << "," << y;
            }
        }

    // Without any solid cell nothing can complete: the step lasts no time and
    // every fill stays a number.
    const auto empty = lattice({"...", "..."});
    ContinuousFilmDepositionVts2D open(3, 2, empty.data());
    open.step();
    EXPECT_EQ(0.0, open.getTime());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(0.0f, open.getCells()[i].value);
}

TEST(ContinuousFilmDeposition, RadiusCountStopsAtTheLatticeBorder)
{
    const auto row = lattice({"######"});
    EXPECT_EQ(3, ContinuousFilmDeposition2D(6, 1, row.data()).filmRadius());
    const auto narrow = lattice({"#"});
    ContinuousFilmDeposition2D single(1, 1, narrow.data());
    EXPECT_EQ(0, single.filmRadius());
    const int counter = ContinuousFilmDeposition2D::diagnosticCounter();
    single.step();
    EXPECT_EQ(counter + 1, ContinuousFilmDeposition2D::diagnosticCounter());
}

// One step adds 0.025 x the envelope factor of the occupied neighbours.
TEST(IsotropicFilmDeposition, EnvelopeSetsTheSpeedOfEachNeighbourPattern)
{
    const auto edge = lattice({".", "#"});
    IsotropicFilmDeposition single(1, 2, edge.data(), 0.5f, 1.0f, 0.05f);
    for (int step = 1; step <= 40; ++step) {
        single.step();
        ASSERT_EQ(Empty, single.getCells()[1].type) << step;
    }
    single.step();
    EXPECT_EQ(Film, single.getCells()[1].type);

    const auto opposite = lattice({"#", ".", "#"});
    IsotropicFilmDeposition between(1, 3, opposite.data(), 0.5f, 1.0f, 0.05f);
    for (int step = 1; step <= 20; ++step) {
        between.step();
        ASSERT_EQ(Empty, between.getCells()[1].type) << step;
    }
    between.step();
    EXPECT_EQ(Film, between.getCells()[1].type);

    // A lone corner neighbour gives 1 / sqrt(2); nothing occupied, nothing.
    const auto corner = lattice({"...", "...", "#.."});
    IsotropicFilmDeposition diagonal(3, 3, corner.data(), 0.5f, 1.0f, 0.05f);
    diagonal.step();
    EXPECT_FLOAT_EQ(0.025f * 0.70710677f, diagonal.getCells()[diagonal.index(1, 1)].value);
    EXPECT_EQ(0.0f, diagonal.getCells()[diagonal.index(2, 2)].value);
    // The same from the right-hand side.
    const auto mirrored = lattice({"...", "...", "..#"});
    IsotropicFilmDeposition right(3, 3, mirrored.data(), 0.5f, 1.0f, 0.05f);
    right.step();
    EXPECT_FLOAT_EQ(0.025f * 0.70710677f, right.getCells()[right.index(1, 1)].value);
    EXPECT_FLOAT_EQ(0.025f, right.getCells()[right.index(1, 0)].value);
    EXPECT_EQ(" hours", diagonal.getTimeInfo());
    EXPECT_FLOAT_EQ(0.05f, static_cast<float>(diagonal.getTime()));
}
