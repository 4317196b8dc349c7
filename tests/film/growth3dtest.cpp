#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

FilmDepositionCell typeAt(SimpleFilmDeposition3D& model, int x, int y, int z)
{
    return model.getCells()[(x * model.getHeight() + y) * model.getDepth() + z].type;
}

// After k steps the single substrate voxel at (sx, sy, 0) sits in a film
// block of (2k + 1) x (2k + 1) columns, two voxels deep, clipped at the faces.
void expectBlock(SimpleFilmDeposition3D& model, int sx, int sy, int k)
{
    for (int x = 0; x < model.getWidth(); ++x) {
        for (int y = 0; y < model.getHeight(); ++y) {
            for (int z = 0; z < model.getDepth(); ++z) {
                const FilmDepositionCell type = typeAt(model, x, y, z);
                if (x == sx && y == sy && z == 0)
                    EXPECT_EQ(Substrate, type);
                else if (std::abs(x - sx) <= k && std::abs(y - sy) <= k)
                    EXPECT_EQ(Film, type) << x << "," << y << "," << z << " after " << k;
                else
                    EXPECT_EQ(Empty, type) << x << "," << y << "," << z << " after " << k;
            }
        }
    }
}

} // namespace

TEST(SimpleFilmDeposition3D, SeedColumnGrowsIntoTwoDeepBlockClippedAtFaces)
{
    std::vector<int> heights(7 * 6, 0);
    heights[3 * 6 + 2] = 1;
    std::vector<FilmCell> cells = FilmTest::heightVolume(7, 6, 2, heights);
    SimpleFilmDeposition3D model(7, 6, 2, cells.data());
    for (int k = 1; k <= 3; ++k) {
        model.step();
        expectBlock(model, 3, 2, k);
    }

    std::vector<int> cornerHeights(5 * 5, 0);
    cornerHeights[4 * 5 + 0] = 1;
    cells = FilmTest::heightVolume(5, 5, 2, cornerHeights);
    SimpleFilmDeposition3D corner(5, 5, 2, cells.data());
    corner.step();
    expectBlock(corner, 4, 0, 1);
}

TEST(SimpleFilmDeposition3D, EmptyVolumeNeverGrowsAndHasNoSurfaces)
{
    const std::vector<FilmCell> cells = FilmTest::heightVolume(4, 4, 2, std::vector<int>(16, 0));
    SimpleFilmDeposition3D model(4, 4, 2, cells.data());
    EXPECT_TRUE(model.filmSurface().isEmpty());
    EXPECT_TRUE(model.substrateSurface().isEmpty());
    model.step();
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(Empty, model.getCells()[i].type);
    model.regenerateSurfaces();
    EXPECT_TRUE(model.filmSurface().isEmpty());
    EXPECT_TRUE(model.substrateSurface().isEmpty());
}

TEST(SimpleFilmDeposition3D, SurfacesAreFreshFromRegenerationUntilTheNextStep)
{
    std::vector<int> heights(6 * 6, 2);
    const std::vector<FilmCell> cells = FilmTest::heightVolume(6, 6, 6, heights);
    SimpleFilmDeposition3D model(6, 6, 6, cells.data());
    EXPECT_FALSE(model.surfacesFresh());
    EXPECT_FALSE(model.substrateSurface().isClosed());

    // Cubes of side 2 from -1 sample odd heights only: two film layers (z = 2
    // and 3) are needed for the film to show.
    model.step();
    model.step();
    model.regenerateSurfaces();
    EXPECT_TRUE(model.surfacesFresh());
    EXPECT_TRUE(model.filmSurface().isClosed());
    EXPECT_TRUE(model.substrateSurface().isClosed());
    EXPECT_FALSE(model.filmSurface().isEmpty());
    EXPECT_FALSE(model.substrateSurface().isEmpty());
    EXPECT_EQ(Film, model.filmSurface().getReference().type);
    EXPECT_EQ(Substrate, model.substrateSurface().getReference().type);

    model.step();
    EXPECT_FALSE(model.surfacesFresh());
}

TEST(SimpleFilmDeposition3D, ResultDoesNotDependOnWorkerCount)
{
    std::vector<int> heights(9 * 8);
    for (std::size_t i = 0; i < heights.size(); ++i)
        heights[i] = static_cast<int>((i * 7) % 5);
    const std::vector<FilmCell> cells = FilmTest::heightVolume(9, 8, 10, heights);

    QThreadPool* pool = QThreadPool::globalInstance();
    const int saved = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    SimpleFilmDeposition3D single(9, 8, 10, cells.data());
    single.step();
    single.step();
    pool->setMaxThreadCount(4);
    SimpleFilmDeposition3D several(9, 8, 10, cells.data());
    several.step();
    several.step();
    pool->setMaxThreadCount(saved);
    for (std::size_t i = 0; i < cells.size(); ++i)
        ASSERT_EQ(single.getCells()[i].type, several.getCells()[i].type) << i;
}
