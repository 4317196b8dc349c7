#include <memory>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"

using namespace Automata::FilmDeposition;

TEST(BinaryIsotropicFilmDeposition, RuleTable)
{
    const char* lines[8] = {
        "00010111 11000111 11001111 11010111", "01000000 10001111 11101001 01101101",
        "10101010 01101011 10101100 11000011", "00011110 00111110 10111100 11100111",
        "00100001 00100100 10010111 00000001", "00111100 01111111 00100010 11001100",
        "01011101 11101010 00111001 01001001", "00010110 01010010 01010110 11111101"};
    int index = 0;
    for (const char* line : lines)
        for (const char* c = line; *c; ++c)
            if (*c != ' ') {
                EXPECT_EQ(*c == '1', BinaryIsotropicFilmDeposition::rule(index)) << index;
                ++index;
            }
    EXPECT_EQ(256, index);
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
