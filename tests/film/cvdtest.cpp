#include <gtest/gtest.h>

#include "Automata/FilmDeposition/chemicalvapordeposition.h"

using namespace Automata::FilmDeposition;

namespace {

struct Site {
    int x;
    int y;
};

std::vector<FilmDepositionCell> lattice(int width, int height, std::initializer_list<Site> film)
{
    std::vector<FilmDepositionCell> cells(static_cast<std::size_t>(width) * height, Empty);
    for (const Site& s : film)
        cells[static_cast<std::size_t>(s.x) * height + s.y] = Film;
    return cells;
}

int filmCount(ChemicalVaporDeposition& model)
{
    int count = 0;
    for (int i = 0; i < model.getWidth() * model.getHeight(); ++i)
        count += model.getCells()[i] == Film;
    return count;
}

bool isFilm(ChemicalVaporDeposition& model, int x, int y)
{
    return model.getCells()[x * model.getHeight() + y] == Film;
}

} // namespace

TEST(ChemicalVaporDeposition, LoneSiteIsSilentUntilMooreGrowthOnStepFive)
{
    const std::vector<FilmDepositionCell> cells = lattice(15, 15, {{7, 7}});
    ChemicalVaporDeposition model(15, 15, cells.data());
    for (int step = 1; step <= 4; ++step) {
        model.step();
        EXPECT_EQ(step, model.getStepCount());
        EXPECT_EQ(1, filmCount(model)) << "step " << step;
    }
    model.step();
    EXPECT_EQ(9, filmCount(model));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            EXPECT_TRUE(isFilm(model, 7 + dx, 7 + dy));
}

TEST(ChemicalVaporDeposition, VonNeumannGrowthOnStepEight)
{
    // Two lone sites far apart; patterns cannot match single sites, and after
    // the Moore step on 5 each is a 3 x 3 block, which no pattern extends...
    const std::vector<FilmDepositionCell> cells = lattice(31, 31, {{8, 8}, {22, 22}});
    ChemicalVaporDeposition model(31, 31, cells.data());
    for (int step = 1; step <= 7; ++step)
        model.step();
    std::vector<FilmDepositionCell> before(model.getCells(), model.getCells() + 31 * 31);
    model.step();
    EXPECT_EQ(8, model.getStepCount());
    // ... so step 8 adds exactly the von Neumann ring of the blocks and
    // nothing diagonal beyond it.
    for (int x = 0; x < 31; ++x) {
        for (int y = 0; y < 31; ++y) {
            auto was = [&](int dx, int dy) {
                return before[static_cast<std::size_t>((x + dx + 31) % 31) * 31 + (y + dy + 31) % 31]
                       == Film;
            };
            const bool expected = was(0, 0) || was(-1, 0) || was(1, 0) || was(0, -1) || was(0, 1);
            const bool patterned = !expected && isFilm(model, x, y);
            EXPECT_FALSE(patterned) << x << "," << y;
            if (expected) {
                EXPECT_TRUE(isFilm(model, x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(isFilm(model, 6, 6));
    EXPECT_TRUE(isFilm(model, 6, 8));
}

TEST(ChemicalVaporDeposition, StraightFiveBesideASiteGrowsItOnAnyStep)
{
    // F(-2,1) .. F(2,1) relative to (5, 5): the row y = 6 from x = 3 to 7.
    const std::vector<FilmDepositionCell> cells =
        lattice(11, 11, {{3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}});
    ChemicalVaporDeposition model(11, 11, cells.data());
    model.step();
    EXPECT_TRUE(isFilm(model, 5, 5));
    EXPECT_TRUE(isFilm(model, 5, 7));
}

TEST(ChemicalVaporDeposition, CornerPatternNeedsAllItsSites)
{
    // F(3,0) F(2,0) F(1,0) F(0,-1) F(-1,-1) E(-2,-1) F(-2,-2) around (5, 5).
    std::vector<FilmDepositionCell> cells =
        lattice(13, 13, {{8, 5}, {7, 5}, {6, 5}, {5, 4}, {4, 4}, {3, 3}});
    ChemicalVaporDeposition matching(13, 13, cells.data());
    matching.step();
    EXPECT_TRUE(isFilm(matching, 5, 5));

    cells[3 * 13 + 3] = Empty; // without F(-2,-2) no pattern matches
    ChemicalVaporDeposition partial(13, 13, cells.data());
    partial.step();
    EXPECT_FALSE(isFilm(partial, 5, 5));

    // With E(-2,-1) filled the corner pattern fails, but the bent five
    // F(2,0) F(1,0) F(0,-1) F(-1,-1) F(-2,-1) then holds.
    cells[3 * 13 + 4] = Film;
    ChemicalVaporDeposition bent(13, 13, cells.data());
    bent.step();
    EXPECT_TRUE(isFilm(bent, 5, 5));
}

TEST(ChemicalVaporDeposition, FilmAtTheLeftEdgeReachesTheRightEdge)
{
    const std::vector<FilmDepositionCell> cells = lattice(9, 9, {{0, 0}});
    ChemicalVaporDeposition model(9, 9, cells.data());
    for (int step = 1; step <= 5; ++step)
        model.step();
    EXPECT_TRUE(isFilm(model, 8, 0));
    EXPECT_TRUE(isFilm(model, 8, 8));
    EXPECT_TRUE(isFilm(model, 0, 8));
    EXPECT_TRUE(isFilm(model, 1, 1));
}

TEST(ChemicalVaporDeposition, FilmNeverReturnsToEmpty)
{
    std::vector<FilmDepositionCell> cells(20 * 20, Empty);
    for (std::size_t i = 0; i < cells.size(); i += 7)
        cells[i] = Film;
    ChemicalVaporDeposition model(20, 20, cells.data());
    std::vector<FilmDepositionCell> previous = cells;
    for (int step = 0; step < 12; ++step) {
        model.step();
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (previous[i] == Film) {
                ASSERT_EQ(Film, model.getCells()[i]);
            }
        previous.assign(model.getCells(), model.getCells() + cells.size());
    }
}
