#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

// Film must cover exactly the Chebyshev square of radius k around the seed,
// clipped at the border; nothing else may change.
void expectSquare(SimpleFilmDeposition2D& model, int seedX, int seedY, int k)
{
    const int w = model.getWidth();
    const int h = model.getHeight();
    const FilmCell* cells = model.getCells();
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            const FilmDepositionCell type = cells[x * h + y].type;
            if (x == seedX && y == seedY)
                EXPECT_EQ(Substrate, type);
            else if (std::abs(x - seedX) <= k && std::abs(y - seedY) <= k)
                EXPECT_EQ(Film, type) << "(" << x << ", " << y << ") after " << k;
            else
                EXPECT_EQ(Empty, type) << "(" << x << ", " << y << ") after " << k;
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

TEST(SimpleFilmDeposition2D, SeedGrowsIntoChebyshevSquareClippedWithoutWrap)
{
    std::vector<FilmCell> cells = FilmTest::emptyLattice(9, 7);
    cells[4 * 7 + 3].type = Substrate;
    SimpleFilmDeposition2D centre(9, 7, cells.data());
    for (int k = 1; k <= 3; ++k) {
        centre.step();
        expectSquare(centre, 4, 3, k);
    }

    // A seed in the corner: growth is clipped and never reappears on the far side.
    cells = FilmTest::emptyLattice(9, 7);
    cells[0 * 7 + 6].type = Substrate;
    SimpleFilmDeposition2D corner(9, 7, cells.data());
    for (int k = 1; k <= 2; ++k) {
        corner.step();
        expectSquare(corner, 0, 6, k);
    }
}

TEST(SimpleFilmDeposition2D, GrowthKeepsValueAndStampOfEverySite)
{
    std::vector<FilmCell> cells = FilmTest::emptyLattice(5, 4);
    cells[2 * 4 + 1].type = Substrate;
    SimpleFilmDeposition2D model(5, 4, cells.data());
    for (int i = 0; i < 3; ++i)
        model.step();
    const FilmCell* now = model.getCells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].value, now[i].value);
        EXPECT_EQ(cells[i].stamp, now[i].stamp);
    }
}

TEST(SimpleFilmDeposition2D, EmptyLatticeNeverGrows)
{
    const std::vector<FilmCell> cells = FilmTest::emptyLattice(6, 6);
    SimpleFilmDeposition2D model(6, 6, cells.data());
    model.step();
    model.step();
    for (int i = 0; i < 36; ++i)
        EXPECT_EQ(Empty, model.getCells()[i].type);
}

TEST(SimpleFilmDeposition2D, IsotropyLineGoesToItsLogCategory)
{
    // 11 x 9, seed at the centre (5, 4); one step gives the 3 x 3 square.
    std::vector<FilmCell> cells = FilmTest::emptyLattice(11, 9);
    cells[5 * 9 + 4].type = Substrate;
    SimpleFilmDeposition2D model(11, 9, cells.data());

    capturedLines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("lithoscope.film.isotropy.info=true"));
    const QtMessageHandler previous = qInstallMessageHandler(captureIsotropy);
    const int radius = SimpleFilmDeposition2D::isotropyRadius();
    model.step();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());

    EXPECT_EQ(radius + 1, SimpleFilmDeposition2D::isotropyRadius());
    ASSERT_EQ(1, capturedLines.size());

    // Count the disc and the mismatches here, independently of the model.
    long long sites = 0;
    long long errors = -1;
    for (int x = 0; x < 11; ++x) {
        for (int y = 0; y < 9; ++y) {
            const bool inDisc = (x - 5) * (x - 5) + (y - 4) * (y - 4) <= radius * radius;
            const bool grown = std::abs(x - 5) <= 1 && std::abs(y - 4) <= 1;
            const bool film = grown && !(x == 5 && y == 4);
            const bool empty = !grown;
            sites += inDisc;
            errors += inDisc ? !film : !empty;
        }
    }
    const QStringList fields = capturedLines.first().split(',');
    ASSERT_EQ(3, fields.size()) << capturedLines.first().toStdString();
    EXPECT_EQ(radius, fields[0].toInt());
    EXPECT_EQ(errors, fields[1].toLongLong());
    EXPECT_NEAR(static_cast<double>(errors) / sites, fields[2].toDouble(), 1e-5);

    const SimpleFilmDeposition2D::Isotropy measured = model.measureIsotropy(radius);
    EXPECT_EQ(sites, measured.sites);
    EXPECT_EQ(errors, measured.errors);
}

TEST(SimpleFilmDeposition2D, IsotropyLineIsSilentByDefault)
{
    std::vector<FilmCell> cells = FilmTest::emptyLattice(4, 4);
    SimpleFilmDeposition2D model(4, 4, cells.data());
    capturedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureIsotropy);
    const int radius = SimpleFilmDeposition2D::isotropyRadius();
    model.step();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(capturedLines.isEmpty());
    // The shared counter advances whether or not anyone listens.
    EXPECT_EQ(radius + 1, SimpleFilmDeposition2D::isotropyRadius());
}
