#include <gtest/gtest.h>

#include "Automata/FilmDeposition/filmcell.h"
#include "Automata/colorplanes.h"

using namespace Automata::FilmDeposition;

TEST(FilmCell, MaterialValuesAndColours)
{
    EXPECT_EQ(0, Substrate);
    EXPECT_EQ(1, Film);
    EXPECT_EQ(2, Empty);
    EXPECT_EQ(3, Silicon);
    EXPECT_EQ(4, Oxide);
    EXPECT_EQ(5, Void);
    EXPECT_EQ(4u, sizeof(FilmDepositionCell));

    const float expected[5][3] = {
        {1.0f, 0.0f, 0.0f}, {0.7f, 0.7f, 0.0f}, {1.0f, 1.0f, 1.0f}, {0.7f, 0.7f, 0.7f},
        {0.1f, 0.1f, 0.4f}};
    const unsigned char bytes[5][3] = {
        {255, 0, 0}, {178, 178, 0}, {255, 255, 255}, {178, 178, 178}, {25, 25, 102}};
    for (int t = 0; t < 5; ++t) {
        const float* colour = filmDepositionColor(static_cast<FilmDepositionCell>(t));
        const unsigned char* byte = filmDepositionByteColor(static_cast<FilmDepositionCell>(t));
        for (int c = 0; c < 3; ++c) {
            EXPECT_FLOAT_EQ(expected[t][c], colour[c]) << "material " << t;
            EXPECT_EQ(bytes[t][c], byte[c]) << "material " << t;
            // The byte table is the float table as every saved image converts it.
            EXPECT_EQ(Automata::ColorPlanes::toByte(colour[c]), byte[c]) << "material " << t;
        }
    }
}

TEST(FilmCell, ValuesWithoutColourReadAsEmptyInsteadOfOverrunningTheTable)
{
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(Void));
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(static_cast<FilmDepositionCell>(-1)));
    EXPECT_EQ(filmDepositionByteColor(Empty), filmDepositionByteColor(Void));
}

TEST(FilmCell, ConstructorsAndAccessors)
{
    const FilmCell plain;
    EXPECT_EQ(0.0f, plain.envelope);
    EXPECT_FALSE(plain.envelopeValid);
    EXPECT_EQ(100.0f, plain.getValue());
    EXPECT_EQ(Empty, plain.getType());
    EXPECT_EQ(0u, plain.getStamp());

    const FilmCell typed(Oxide, 2.5f);
    EXPECT_EQ(Oxide, typed.getType());
    EXPECT_EQ(2.5f, typed.getValue());
    EXPECT_EQ(0u, typed.getStamp());
    EXPECT_FALSE(typed.envelopeValid);

    FilmCell stamped(Film, 1.0f, 7u);
    EXPECT_EQ(7u, stamped.getStamp());
    stamped.setType(Silicon);
    stamped.setValue(3.0f);
    stamped.setStamp(9u);
    EXPECT_EQ(Silicon, stamped.getType());
    EXPECT_EQ(3.0f, stamped.getValue());
    EXPECT_EQ(9u, stamped.getStamp());
    EXPECT_EQ(filmDepositionColor(Silicon), stamped.color());
}

TEST(FilmCell, ReferenceCellsAreSharedConstants)
{
    EXPECT_EQ(Film, FilmCell::filmReference().type);
    EXPECT_EQ(0.0f, FilmCell::filmReference().value);
    EXPECT_EQ(Substrate, FilmCell::substrateReference().type);
    EXPECT_EQ(0.0f, FilmCell::substrateReference().value);
    EXPECT_EQ(Empty, FilmCell::outsideCell().type);
    EXPECT_EQ(1.0f, FilmCell::outsideCell().value);
    EXPECT_EQ(&FilmCell::outsideCell(), &FilmCell::outsideCell());
}
