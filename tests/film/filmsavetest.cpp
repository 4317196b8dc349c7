#include <vector>

#include <QImage>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Automata/colorplanes.h"
#include "filmtesthelpers.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

TEST(FilmCell, ByteColoursAreTheFloatColoursAsSavedAndValuesWithoutColourReadAsEmpty)
{
    for (const FilmDepositionCell material : {Substrate, Film, Empty, Silicon, Oxide})
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(Automata::ColorPlanes::toByte(filmDepositionColor(material)[c]),
                      filmDepositionByteColor(material)[c]) << "material " << material;
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(Void));
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(static_cast<FilmDepositionCell>(-1)));
    EXPECT_EQ(filmDepositionByteColor(Empty), filmDepositionByteColor(Void));
}

// The 2D film and CVD models save their materials' colours, the Isotropic GA
// black film on white; pixel (x, y) is cell (x, y).
TEST(FilmSaving, TwoDimensionalModelsSaveTheirOwnColours)
{
    std::vector<FilmCell> cells = FilmTest::emptyLattice(2, 2);
    cells[1].type = Substrate;
    const std::vector<FilmDepositionCell> sites = {Empty, Film, Empty, Empty};
    const bool grown[4] = {false, true, false, false};
    SimpleFilmDeposition2D film(2, 2, cells.data());
    ChemicalVaporDeposition cvd(2, 2, sites.data());
    BinaryIsotropicFilmDeposition ga(2, 2, grown);
    const unsigned char* olive = filmDepositionByteColor(Film);
    const struct {
        QImage picture;
        QRgb filled;
    } saved[] = {{TestSupport::savedPicture(film), qRgb(255, 0, 0)},
                 {TestSupport::savedPicture(cvd), qRgb(olive[0], olive[1], olive[2])},
                 {TestSupport::savedPicture(ga), qRgb(0, 0, 0)}};
    for (const auto& s : saved) {
        ASSERT_EQ(s.picture.size(), QSize(2, 2));
        // Saved pictures keep five or six bits of each component.
        for (int shift : {16, 8, 0})
            EXPECT_EQ(s.picture.pixel(0, 1) >> shift & 0xF8, s.filled >> shift & 0xF8) << std::hex << s.filled;
        EXPECT_EQ(s.picture.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(s.picture.pixel(1, 1), qRgb(255, 255, 255));
    }
}
