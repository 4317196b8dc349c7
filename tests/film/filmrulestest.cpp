#include <cstdlib>
#include <memory>


#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

// After k steps film covers exactly the Chebyshev square of radius k around
// the seed (in 3D: those columns, two voxels deep), clipped at the border.
template <typename Model>
void expectSquare(Model& model, int depth, int seedX, int seedY, int k)
{
    const int h = model.getHeight();
    for (int x = 0; x < model.getWidth(); ++x) {
        for (int y = 0; y < h; ++y) {
            for (int z = 0; z < depth; ++z) {
                const FilmDepositionCell type = model.getCells()[(x * h + y) * depth + z].type;
                if (x == seedX && y == seedY && z == 0)
                    EXPECT_EQ(Substrate, type);
                else if (std::abs(x - seedX) <= k && std::abs(y - seedY) <= k)
                    EXPECT_EQ(Film, type) << x << "," << y << "," << z << " after " << k;
                else
                    EXPECT_EQ(Empty, type) << x << "," << y << "," << z << " after " << k;
            }
        }
    }
}

} // namespace

TEST(SimpleFilmDeposition2D, SeedGrowsIntoChebyshevSquareClippedWithoutWrapKeepingOtherFields)
{
    const std::vector<FilmCell> blank = FilmTest::emptyLattice(9, 7);
    SimpleFilmDeposition2D none(9, 7, blank.data());
    none.step();
    expectSquare(none, 1, -9, -9, 0); // without material nothing grows

    for (const auto& seed : {std::make_pair(4, 3), std::make_pair(0, 6)}) {
        std::vector<FilmCell> cells = blank;
        cells[seed.first * 7 + seed.second].type = Substrate;
        SimpleFilmDeposition2D model(9, 7, cells.data());
        for (int k = 1; k <= 3; ++k) {
            model.step();
            expectSquare(model, 1, seed.first, seed.second, k);
        }
        // Only the type is grown; value and stamp of every site stay defined.
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].value, model.getCells()[i].value);
            EXPECT_EQ(cells[i].stamp, model.getCells()[i].stamp);
        }
    }
}

TEST(SimpleFilmDeposition3D, SeedColumnGrowsIntoTwoDeepBlockClippedAtFaces)
{
    for (const auto& seed : {std::make_pair(3, 2), std::make_pair(6, 0)}) {
        std::vector<int> heights(7 * 6, 0);
        heights[seed.first * 6 + seed.second] = 1;
        const std::vector<FilmCell> cells = FilmTest::heightVolume(7, 6, 2, heights);
        SimpleFilmDeposition3D model(7, 6, 2, cells.data());
        for (int k = 1; k <= 3; ++k) {
            model.step();
            expectSquare(model, 2, seed.first, seed.second, k);
        }
    }
}

namespace {

using Sites = std::vector<std::pair<int, int>>;

std::vector<FilmDepositionCell> lattice(int width, int height, const Sites& film)
{
    std::vector<FilmDepositionCell> cells(static_cast<std::size_t>(width) * height, Empty);
    for (const auto& s : film)
        cells[static_cast<std::size_t>(s.first) * height + s.second] = Film;
    return cells;
}

bool isFilm(ChemicalVaporDeposition& model, int x, int y)
{
    return model.getCells()[x * model.getHeight() + y] == Film;
}

} // namespace

TEST(ChemicalVaporDeposition, LoneSiteIsSilentUntilMooreGrowthOnStepFiveAcrossTheTorusEdges)
{
    const std::vector<FilmDepositionCell> cells = lattice(9, 8, {{0, 0}});
    ChemicalVaporDeposition model(9, 8, cells.data());
    for (int step = 1; step <= 5; ++step) {
        model.step();
        EXPECT_EQ(step, model.getStepCount());
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 8; ++y) {
                const bool moore = (x <= 1 || x == 8) && (y <= 1 || y == 7);
                EXPECT_EQ((step == 5 && moore) || (x == 0 && y == 0), isFilm(model, x, y))
                    << x << "," << y << " step " << step;
            }
    }
}

TEST(ChemicalVaporDeposition, VonNeumannGrowthOnStepEightKeepsAllFilm)
{
    // Two lone sites far apart become 3 x 3 blocks on step 5, which no
    // pattern extends, so step 8 adds exactly their von Neumann ring.
    const std::vector<FilmDepositionCell> cells = lattice(31, 31, {{8, 8}, {22, 22}});
    ChemicalVaporDeposition model(31, 31, cells.data());
    for (int step = 1; step <= 7; ++step)
        model.step();
    const std::vector<FilmDepositionCell> before(model.getCells(), model.getCells() + 31 * 31);
    model.step();
    for (int x = 0; x < 31; ++x) {
        for (int y = 0; y < 31; ++y) {
            auto was = [&](int dx, int dy) {
                return before[(x + dx + 31) % 31 * 31 + (y + dy + 31) % 31] == Film;
            };
            const bool expected = was(0, 0) || was(-1, 0) || was(1, 0) || was(0, -1) || was(0, 1);
            EXPECT_EQ(expected, isFilm(model, x, y)) << x << "," << y;
        }
    }
}

TEST(ChemicalVaporDeposition, PatternsGrowTheSiteOnAnyStepOnlyWhenComplete)
{
    // Film sites relative to (5, 5) on a 13 x 13 lattice, and whether (5, 5) grows.
    const struct {
        Sites film;
        bool grows;
    } cases[] = {
        // Straight five F(-2,1) .. F(2,1).
        {{{3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}}, true},
        // Corner F(3,0) F(2,0) F(1,0) F(0,-1) F(-1,-1) E(-2,-1) F(-2,-2).
        {{{8, 5}, {7, 5}, {6, 5}, {5, 4}, {4, 4}, {3, 3}}, true},
        // The same without F(-2,-2): no pattern matches.
        {{{8, 5}, {7, 5}, {6, 5}, {5, 4}, {4, 4}}, false},
        // E(-2,-1) filled breaks the corner, but the bent five
        // F(2,0) F(1,0) F(0,-1) F(-1,-1) F(-2,-1) then holds.
        {{{8, 5}, {7, 5}, {6, 5}, {5, 4}, {4, 4}, {3, 3}, {3, 4}}, true},
        // Diagonal four F(-2,1) F(-1,0) F(0,-1) F(1,-2).
        {{{3, 6}, {4, 5}, {5, 4}, {6, 3}}, true},
    };
    for (const auto& c : cases) {
        const std::vector<FilmDepositionCell> cells = lattice(13, 13, c.film);
        ChemicalVaporDeposition model(13, 13, cells.data());
        model.step();
        EXPECT_EQ(c.grows, isFilm(model, 5, 5)) << c.film.size() << " sites";
    }
}

TEST(BinaryIsotropicFilmDeposition, TableIsNotSymmetricAndWrapsAroundTheTorus)
{
    // One film site at (4, 4), then one at (0, 4) on the left edge.
    for (const int seedX : {4, 0}) {
        std::unique_ptr<bool[]> cells(new bool[81]());
        cells[seedX * 9 + 4] = true;
        BinaryIsotropicFilmDeposition model(9, 9, cells.get());
        model.step();
        const bool* now = model.getCells();
        EXPECT_TRUE(now[seedX * 9 + 4]) << "film stays film";
        // The site right of the film sees it at (-1, 0): index 2, stays empty.
        EXPECT_FALSE(now[(seedX + 1) * 9 + 4]) << seedX;
        // The site left of it sees it at (1, 0): index 64, becomes film, across
        // the edge when the film is in column 0.
        EXPECT_TRUE(now[(seedX + 8) % 9 * 9 + 4]) << seedX;
    }
}
