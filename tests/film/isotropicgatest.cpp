#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"

using namespace Automata::FilmDeposition;

namespace {

std::vector<char> lattice(int width, int height, std::initializer_list<std::pair<int, int>> film)
{
    std::vector<char> cells(static_cast<std::size_t>(width) * height, 0);
    for (const auto& s : film)
        cells[static_cast<std::size_t>(s.first) * height + s.second] = 1;
    return cells;
}

BinaryIsotropicFilmDeposition build(int width, int height, const std::vector<char>& cells)
{
    std::unique_ptr<bool[]> bools(new bool[cells.size()]);
    for (std::size_t i = 0; i < cells.size(); ++i)
        bools[i] = cells[i] != 0;
    return BinaryIsotropicFilmDeposition(width, height, bools.get());
}

} // namespace

TEST(BinaryIsotropicFilmDeposition, RuleTable)
{
    const char* lines[8] = {
        "00010111 11000111 11001111 11010111", "01000000 10001111 11101001 01101101",
        "10101010 01101011 10101100 11000011", "00011110 00111110 10111100 11100111",
        "00100001 00100100 10010111 00000001", "00111100 01111111 00100010 11001100",
        "01011101 11101010 00111001 01001001", "00010110 01010010 01010110 11111101"};
    int ones = 0;
    int index = 0;
    for (const char* line : lines) {
        for (const char* c = line; *c; ++c) {
            if (*c == ' ')
                continue;
            EXPECT_EQ(*c == '1', BinaryIsotropicFilmDeposition::rule(index)) << "index " << index;
            ones += *c == '1';
            ++index;
        }
    }
    EXPECT_EQ(256, index);
    EXPECT_EQ(135, ones);
    EXPECT_FALSE(BinaryIsotropicFilmDeposition::rule(0));
    EXPECT_TRUE(BinaryIsotropicFilmDeposition::rule(255));
}

TEST(BinaryIsotropicFilmDeposition, TableIsNotSymmetricUnderReflection)
{
    // The site right of the film sees it at (-1, 0): index 2, stays empty.
    // The site left of it sees it at (1, 0): index 64, becomes film.
    BinaryIsotropicFilmDeposition model = build(9, 9, lattice(9, 9, {{4, 4}}));
    model.step();
    EXPECT_TRUE(model.getCells()[4 * 9 + 4]);
    EXPECT_FALSE(model.getCells()[5 * 9 + 4]);
    EXPECT_TRUE(model.getCells()[3 * 9 + 4]);
}

TEST(BinaryIsotropicFilmDeposition, FilmAtTheLeftEdgeActsAcrossTheRightEdge)
{
    BinaryIsotropicFilmDeposition model = build(9, 9, lattice(9, 9, {{0, 4}}));
    model.step();
    // (8, 4) sees the film at (1, 0) through the wrap: index 64.
    EXPECT_TRUE(model.getCells()[8 * 9 + 4]);
    EXPECT_FALSE(model.getCells()[1 * 9 + 4]);
}

TEST(BinaryIsotropicFilmDeposition, IsolatedEmptySitesStayEmptyAndFilmStays)
{
    BinaryIsotropicFilmDeposition model = build(6, 5, lattice(6, 5, {}));
    model.step();
    for (int i = 0; i < 30; ++i)
        EXPECT_FALSE(model.getCells()[i]);

    std::vector<char> all(30, 1);
    BinaryIsotropicFilmDeposition full = build(6, 5, all);
    full.step();
    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(full.getCells()[i]);
}
