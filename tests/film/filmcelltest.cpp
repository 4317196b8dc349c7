#include <gtest/gtest.h>

#include "Automata/FilmDeposition/filmcell.h"
#include "Automata/colorplanes.h"

using namespace Automata::FilmDeposition;

TEST(FilmCell, MaterialValuesAndColourTables)
{
    struct Row {
        FilmDepositionCell material;
        float colour[3];
        unsigned char bytes[3];
    };
    const Row rows[] = {{Substrate, {1.0f, 0.0f, 0.0f}, {255, 0, 0}},
                        {Film, {0.7f, 0.7f, 0.0f}, {178, 178, 0}},
                        {Empty, {1.0f, 1.0f, 1.0f}, {255, 255, 255}},
                        {Silicon, {0.7f, 0.7f, 0.7f}, {178, 178, 178}},
                        {Oxide, {0.1f, 0.1f, 0.4f}, {25, 25, 102}}};
    EXPECT_EQ(4u, sizeof(FilmDepositionCell));
    EXPECT_EQ(5, Void);
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(t, rows[t].material);
        const float* colour = filmDepositionColor(rows[t].material);
        const unsigned char* byte = filmDepositionByteColor(rows[t].material);
        for (int c = 0; c < 3; ++c) {
            EXPECT_FLOAT_EQ(rows[t].colour[c], colour[c]) << "material " << t;
            EXPECT_EQ(rows[t].bytes[c], byte[c]) << "material " << t;
            // The byte table is the float table as every saved image converts it.
            EXPECT_EQ(Automata::ColorPlanes::toByte(colour[c]), byte[c]) << "material " << t;
        }
    }
    // Values without a colour read as Empty instead of overrunning the table.
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(Void));
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(static_cast<FilmDepositionCell>(-1)));
    EXPECT_EQ(filmDepositionByteColor(Empty), filmDepositionByteColor(Void));
}

TEST(FilmCell, ConstructorDefaultsAndReferenceCells)
{
    const FilmCell plain;
    EXPECT_TRUE(plain.envelope == 0.0f && !plain.envelopeValid && plain.value == 100.0f
                && plain.type == Empty && plain.stamp == 0u);
    const FilmCell typed(Oxide, 2.5f);
    EXPECT_TRUE(typed.stamp == 0u && !typed.envelopeValid);
    EXPECT_EQ(filmDepositionColor(Oxide), typed.color());
    EXPECT_TRUE(FilmCell::filmReference().type == Film && FilmCell::filmReference().value == 0.0f);
    EXPECT_TRUE(FilmCell::substrateReference().type == Substrate
                && FilmCell::substrateReference().value == 0.0f);
    EXPECT_TRUE(FilmCell::outsideCell().type == Empty && FilmCell::outsideCell().value == 1.0f);
}
