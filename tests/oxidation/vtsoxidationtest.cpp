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
            if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= w || ny >= h)
                continue;
            if (cells[nx * h + ny].type != Oxide)
                continue;
            sum += dx == 0 ? 1.0 : (dy == 0 ? 1.25 : 1.0 / std::sqrt(2.0));
        }
    }
    return sum;
}

bool touchesOxide(const FilmCell* cells, int w, int h, int x, int y)
{
    return estimateWeight(cells, w, h, x, y) > 0.0;
}

} // namespace

TEST(VtsOxidation, FrontStartsAsTheAmbientAndSiliconAroundOxide)
{
    CrossSection section({".....",
                          ".MO..",
                          "SSSSS",
                          "SSSSS"});
    VtsOxidation2D model(section.width, section.height, section.cells.data(), 0.01f, 0.001f,
                         0.01f, 1.0f);
    // Around the oxide at (2, 1), without the mask at (1, 1); x * 4 + y.
    const std::vector<int> expected = {1 * 4 + 0, 1 * 4 + 2, 2 * 4 + 0, 2 * 4 + 2,
                                       3 * 4 + 0, 3 * 4 + 1, 3 * 4 + 2};
    EXPECT_EQ(model.getFront(), expected);
}

TEST(VtsOxidation, EveryStepConvertsExactlyTheFrontCellsClosestToCompletion)
{
    CrossSection section({".........",
                          ".........",
                          "....O....",
                          "SSSSSSSSS",
                          "SSSSSSSSS",
                          "SSSSSSSSS",
                          "SSSSSSSSS"});
    const int w = section.width;
    const int h = section.height;
    // The lateral speedup equal to the estimate's lateral factor, so that the
    // cells the estimate picks are exactly those that complete.
    VtsOxidation2D model(w, h, section.cells.data(), 0.01f, 0.001f, 0.01f, 1.25f);
    const double rate = model.getRate();

    for (int step = 0; step < 25; ++step) {
        const std::vector<FilmCell> before(model.getCells(), model.getCells() + w * h);
        const std::vector<int> front = model.getFront();
        ASSERT_FALSE(front.empty());

        double smallest = std::numeric_limits<double>::infinity();
        std::vector<double> completion(w * h, std::numeric_limits<double>::infinity());
        for (const int i : front) {
            if (!consumable(before[i]))
                continue;
            const double share = before[i].type == Empty ? 0.44 : 0.56;
            const double speed = rate * share * estimateWeight(before.data(), w, h, i / h, i % h);
            completion[i] = before[i].value / speed;
            smallest = std::min(smallest, completion[i]);
        }
        const double timeBefore = model.getTime();
        model.step();
        const FilmCell* after = model.getCells();

        EXPECT_NEAR(model.getTimeStep(), smallest, smallest * 1e-5) << "step " << step;
        EXPECT_NEAR(model.getTime(), timeBefore + smallest, (timeBefore + smallest) * 1e-6)
            << "step " << step;
        int converted = 0;
        for (int i = 0; i < w * h; ++i) {
            const bool inFront = std::binary_search(front.begin(), front.end(), i);
            if (!inFront || !consumable(before[i])) {
                EXPECT_EQ(after[i].type, before[i].type) << "cell " << i << " step " << step;
                EXPECT_EQ(after[i].value, before[i].value) << "cell " << i << " step " << step;
                continue;
            }
            if (completion[i] <= smallest * (1.0 + 1e-6)) {
                EXPECT_EQ(after[i].type, Oxide) << "cell " << i << " step " << step;
                ++converted;
            } else if (completion[i] > smallest * (1.0 + 1e-3)) {
                EXPECT_EQ(after[i].type, before[i].type) << "cell " << i << " step " << step;
                EXPECT_LT(after[i].value, before[i].value) << "cell " << i << " step " << step;
            }
        }
        EXPECT_GE(converted, 1) << "step " << step;

        // The new front holds every ambient or silicon cell touching oxide.
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                if (consumable(after[x * h + y]) && touchesOxide(after, w, h, x, y)) {
                    EXPECT_TRUE(std::binary_search(model.getFront().begin(),
                                                   model.getFront().end(), x * h + y))
                        << x << "," << y << " step " << step;
                }
        EXPECT_TRUE(std::is_sorted(model.getFront().begin(), model.getFront().end()));
        EXPECT_EQ(std::adjacent_find(model.getFront().begin(), model.getFront().end()),
                  model.getFront().end());
    }
}

TEST(VtsOxidation, TheFirstStepConvertsTheSiliconStraightBelowTheOxide)
{
    // Silicon below (0.56 x 1) completes before ambient beside (0.44 x 1.25).
    CrossSection section({"...",
                          ".O.",
                          "SSS"});
    VtsOxidation2D model(3, 3, section.cells.data(), 0.01f, 0.001f, 0.01f, 1.25f);
    model.step();
    const FilmCell* cells = model.getCells();
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(cells[x * 3 + y].type, (x == 1 && y >= 1) ? Oxide : section(x, y).type)
                << x << "," << y;
    EXPECT_NEAR(model.getTime(), 1.0 / (0.1 * 0.56), 1e-3);
    EXPECT_NEAR(model.getTimeStep(), 1.0 / (0.1 * 0.56), 1e-3);
}

TEST(VtsOxidation, WithoutOxideNothingHappensAndTimeStandsStill)
{
    CrossSection section({"...",
                          "MMM",
                          "SSS"});
    VtsOxidation2D model(3, 3, section.cells.data(), 0.01f, 0.001f, 0.01f, 1.0f);
    EXPECT_TRUE(model.getFront().empty());
    model.step();
    model.step();
    EXPECT_EQ(model.getTime(), 0.0);
    EXPECT_EQ(model.getTimeStep(), 0.0f);
    for (std::size_t i = 0; i < section.cells.size(); ++i) {
        EXPECT_EQ(model.getCells()[i].type, section.cells[i].type);
        EXPECT_EQ(model.getCells()[i].value, 1.0f);
    }
}
