#include <cstdlib>

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

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

QStringList capturedLines;

void captureIsotropy(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (context.category && QString::fromLatin1(context.category) == "lithoscope.film.isotropy")
        capturedLines << text;
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

TEST(SimpleFilmDeposition2D, IsotropyLineGoesOnlyToItsLogCategory)
{
    // 11 x 9, seed at the centre (5, 4); one step gives the 3 x 3 square.
    std::vector<FilmCell> cells = FilmTest::emptyLattice(11, 9);
    cells[5 * 9 + 4].type = Substrate;
    SimpleFilmDeposition2D quiet(11, 9, cells.data());
    SimpleFilmDeposition2D model(11, 9, cells.data());

    capturedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureIsotropy);
    const int first = SimpleFilmDeposition2D::isotropyRadius();
    quiet.step(); // silent by default, but the shared counter advances
    QLoggingCategory::setFilterRules(QStringLiteral("lithoscope.film.isotropy.info=true"));
    const int radius = SimpleFilmDeposition2D::isotropyRadius();
    model.step();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(first + 1, radius);
    EXPECT_EQ(radius + 1, SimpleFilmDeposition2D::isotropyRadius());
    ASSERT_EQ(1, capturedLines.size());
    // The radius, the sites of the disc the film misses or exceeds, and their share.
    const QStringList fields = capturedLines.first().split(',');
    ASSERT_EQ(3, fields.size()) << capturedLines.first().toStdString();
    EXPECT_EQ(radius, fields[0].toInt());
    EXPECT_GE(fields[1].toLongLong(), 0);
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
