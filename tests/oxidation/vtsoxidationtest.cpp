#include <algorithm>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/vtsoxidation2d.h"
#include "crosssection.h"

using namespace Automata::FilmDeposition;
using OxidationTest::CrossSection;

namespace {

bool consumable(const FilmCell& cell)
{
    return cell.type == Empty || cell.type == Silicon;
}

// Weighted oxide neighbours as the time estimate sees them: 1 straight up or
// down, 1/sqrt(2) diagonally and 1.25 to the sides.
double estimateWeight(const FilmCell* cells, int w, int h, int x, int y)
{
    double sum = 0.0;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int nx = x + dx;
            const int ny = y + dy;
            if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= w || ny >= h
                || cells[nx * h + ny].type != Oxide)
                continue;
            sum += dx == 0 ? 1.0 : (dy == 0 ? 1.25 : 1.0 / std::sqrt(2.0));
        }
    }
    return sum;
}

VtsOxidation2D make(const CrossSection& section, float lateralSpeedup)
{
    return VtsOxidation2D(section.width, section.height, section.cells.data(), 0.01f, 0.001f,
                          0.01f, lateralSpeedup);
}

} // namespace

TEST(VtsOxidation, FrontStartsAsTheAmbientAndSiliconAroundOxideAndStandsStillWithout)
{
    VtsOxidation2D model = make(CrossSection({".....",
                                              ".MO..",
                                              "SSSSS",
                                              "SSSSS"}),
                                1.0f);
    // Around the oxide at (2, 1), without the mask at (1, 1); x * 4 + y.
    EXPECT_EQ(model.getFront(), (std::vector<int>{1 * 4 + 0, 1 * 4 + 2, 2 * 4 + 0, 2 * 4 + 2,
                                                  3 * 4 + 0, 3 * 4 + 1, 3 * 4 + 2}));

    const CrossSection bare({"...",
                             "MMM",
                             "SSS"});
    VtsOxidation2D still = make(bare, 1.0f);
    EXPECT_TRUE(still.getFront().empty());
    still.step();
    EXPECT_EQ(still.getTime(), 0.0);
    EXPECT_EQ(still.getTimeStep(), 0.0f);
    for (std::size_t i = 0; i < bare.cells.size(); ++i)
        EXPECT_TRUE(still.getCells()[i].type == bare.cells[i].type
                    && still.getCells()[i].value == 1.0f) << i;
}

TEST(VtsOxidation, EveryStepConvertsExactlyTheFrontCellsClosestToCompletion)
{
    // The lateral speedup equals the estimate's lateral factor, so that the
    // cells the estimate picks are exactly those that complete.
    VtsOxidation2D model = make(CrossSection({".........",
                                              ".........",
                                              "....O....",
                                              "SSSSSSSSS",
                                              "SSSSSSSSS",
                                              "SSSSSSSSS",
                                              "SSSSSSSSS"}),
                                1.25f);
    const int w = 9;
    const int h = 7;
    const double rate = model.getRate();
    EXPECT_NEAR(rate, 0.1, 1e-6);
    for (int step = 0; step < 25; ++step) {
        SCOPED_TRACE(step);
        const std::vector<FilmCell> before(model.getCells(), model.getCells() + w * h);
        const std::vector<int> front = model.getFront();
        ASSERT_FALSE(front.empty());
        double smallest = std::numeric_limits<double>::infinity();
        std::vector<double> completion(w * h, smallest);
        for (const int i : front) {
            if (!consumable(before[i]))
                continue;
            const double share = before[i].type == Empty ? 0.44 : 0.56;
            completion[i] = before[i].value
                            / (rate * share * estimateWeight(before.data(), w, h, i / h, i % h));
            smallest = std::min(smallest, completion[i]);
        }
        const double timeBefore = model.getTime();
        model.step();
        const FilmCell* after = model.getCells();
        EXPECT_NEAR(model.getTimeStep(), smallest, smallest * 1e-5);
        EXPECT_NEAR(model.getTime(), timeBefore + smallest, (timeBefore + smallest) * 1e-6);

        int converted = 0;
        for (int i = 0; i < w * h; ++i) {
            if (!std::binary_search(front.begin(), front.end(), i) || !consumable(before[i])) {
                EXPECT_EQ(after[i].type, before[i].type) << "cell " << i;
                EXPECT_EQ(after[i].value, before[i].value) << "cell " << i;
            } else if (completion[i] <= smallest * (1.0 + 1e-6)) {
                EXPECT_EQ(after[i].type, Oxide) << "cell " << i;
                ++converted;
            } else if (completion[i] > smallest * (1.0 + 1e-3)) {
                EXPECT_EQ(after[i].type, before[i].type) << "cell " << i;
                EXPECT_LT(after[i].value, before[i].value) << "cell " << i;
            }
        }
        EXPECT_GE(converted, 1);

        // The new front is sorted, without repeats, and holds every ambient or
        // silicon cell touching oxide.
        const std::vector<int>& next = model.getFront();
        EXPECT_TRUE(std::is_sorted(next.begin(), next.end()));
        EXPECT_EQ(std::adjacent_find(next.begin(), next.end()), next.end());
        for (int i = 0; i < w * h; ++i)
            if (consumable(after[i]) && estimateWeight(after, w, h, i / h, i % h) > 0.0) {
                EXPECT_TRUE(std::binary_search(next.begin(), next.end(), i)) << "cell " << i;
            }
    }
}
