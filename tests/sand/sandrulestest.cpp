#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Automata/ProbabilisticSandAutomata/probabilisticesandautomaton.h"
#include "Automata/SandAutomata/sandautomaton.h"

using namespace Automata::SandAutomata;
using Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton;

namespace {

// A lattice drawn as text, one string per row from the top: '#' sand,
// 'W' wall, '.' empty. Gravity points down the strings.
std::vector<SandAutomatonParticles> lattice(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows[0].size());
    std::vector<SandAutomatonParticles> cells(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            cells[static_cast<std::size_t>(x * height + y)] = c == '#' ? Sand : c == 'W' ? Wall : Empty;
        }
    return cells;
}

std::vector<std::string> rows(SandAutomaton& sand)
{
    std::vector<std::string> text(static_cast<std::size_t>(sand.getHeight()),
                                  std::string(static_cast<std::size_t>(sand.getWidth()), '.'));
    for (int x = 0; x < sand.getWidth(); ++x)
        for (int y = 0; y < sand.getHeight(); ++y) {
            const SandAutomatonParticles c = sand.getCells()[x * sand.getHeight() + y];
            text[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] =
                c == Sand ? '#' : c == Wall ? 'W' : '.';
        }
    return text;
}

template <typename Model = SandAutomaton>
Model* build(const std::vector<std::string>& text)
{
    const std::vector<SandAutomatonParticles> cells = lattice(text);
    return new Model(static_cast<int>(text[0].size()), static_cast<int>(text.size()), cells.data());
}

int count(SandAutomaton& sand, SandAutomatonParticles value)
{
    int n = 0;
    for (long long i = 0; i < sand.getSiteCount(); ++i)
        n += sand.getCells()[i] == value;
    return n;
}

// Records which block origins a step visits instead of moving anything.
class BlockRecorder : public SandAutomaton {
public:
    using SandAutomaton::SandAutomaton;
    void updateBlock(int x, int y) override { origins.emplace_back(x, y); }
    std::vector<std::pair<int, int>> origins;
};

} // namespace

TEST(SandPartition, OddSizedLatticesAreCoveredExactlyOnceByBothPartitions)
{
    for (const auto& size : {std::make_pair(5, 7), std::make_pair(1, 1), std::make_pair(4, 3),
                             std::make_pair(2, 2)}) {
        const int width = size.first;
        const int height = size.second;
        std::vector<SandAutomatonParticles> cells(static_cast<std::size_t>(width * height), Empty);
        BlockRecorder recorder(width, height, cells.data());
        for (int partition = 0; partition < 2; ++partition) {
            const int offset = recorder.isOddPartition() ? -1 : 0;
            recorder.origins.clear();
            recorder.step();
            std::vector<int> covered(static_cast<std::size_t>(width * height), 0);
            for (const auto& origin : recorder.origins) {
                EXPECT_EQ((origin.first - offset) % 2, 0);
                EXPECT_EQ((origin.second - offset) % 2, 0);
                for (int dx = 0; dx < 2; ++dx)
                    for (int dy = 0; dy < 2; ++dy) {
                        const int x = origin.first + dx, y = origin.second + dy;
                        if (x >= 0 && y >= 0 && x < width && y < height)
                            ++covered[static_cast<std::size_t>(x * height + y)];
                    }
            }
            for (int c : covered)
                EXPECT_EQ(c, 1) << width << "x" << height << " offset " << offset;
        }
    }
}

TEST(SandPartition, FirstStepUsesTheShiftedPartitionThenAlternates)
{
    std::vector<SandAutomatonParticles> cells(6, Empty);
    BlockRecorder recorder(2, 3, cells.data());
    EXPECT_TRUE(recorder.isOddPartition());
    recorder.step();
    EXPECT_EQ(recorder.origins.front(), std::make_pair(-1, -1));
    EXPECT_FALSE(recorder.isOddPartition());
    recorder.origins.clear();
    recorder.step();
    EXPECT_EQ(recorder.origins.front(), std::make_pair(0, 0));
    EXPECT_TRUE(recorder.isOddPartition());
}

TEST(SandRule, AGrainFallsOneSitePerStepAndLeavesThroughTheBottom)
{
    std::unique_ptr<SandAutomaton> sand(build({".", "#", ".", ".", ".", "."}));
    for (int y = 2; y < 6; ++y) {
        sand->step();
        std::vector<std::string> expected(6, ".");
        expected[static_cast<std::size_t>(y)] = "#";
        EXPECT_EQ(rows(*sand), expected) << "after falling to row " << y;
    }
    sand->step();
    EXPECT_EQ(count(*sand, Sand), 0);
}

TEST(SandRule, FallingStraightHasPriorityOverSliding)
{
    // Upper-left grain with an empty site below it falls straight.
    const SandAutomaton::Block falls = SandAutomaton::fall({Sand, Empty, Empty, Empty});
    EXPECT_EQ(falls.ul, Empty);
    EXPECT_EQ(falls.ll, Sand);
    EXPECT_EQ(falls.lr, Empty);
    // With the site below occupied it slides to the lower right.
    const SandAutomaton::Block slides = SandAutomaton::fall({Sand, Empty, Sand, Empty});
    EXPECT_EQ(slides.ul, Empty);
    EXPECT_EQ(slides.ll, Sand);
    EXPECT_EQ(slides.lr, Sand);
    // The mirror image slides to the lower left.
    const SandAutomaton::Block mirrored = SandAutomaton::fall({Empty, Sand, Wall, Empty});
    EXPECT_EQ(mirrored.ur, Empty);
    EXPECT_EQ(mirrored.lr, Sand);
    const SandAutomaton::Block mirroredSlide = SandAutomaton::fall({Empty, Sand, Empty, Wall});
    EXPECT_EQ(mirroredSlide.ur, Empty);
    EXPECT_EQ(mirroredSlide.ll, Sand);
}

TEST(SandRule, AGrainOnARowOfGrainsSlidesDiagonallyAndFallsIntoAGapBelow)
{
    // The grain at (1, 1) is the upper-left site of a block of the first,
    // shifted partition; the bottom row is the lower row of its blocks.
    std::unique_ptr<SandAutomaton> slides(build({"....", ".#..", "##.#"}));
    slides->step();
    EXPECT_EQ(rows(*slides), (std::vector<std::string>{"....", "....", "####"}));

    std::unique_ptr<SandAutomaton> falls(build({"....", ".#..", "#..#"}));
    falls->step();
    EXPECT_EQ(rows(*falls), (std::vector<std::string>{"....", "....", "##.#"}));
}

TEST(SandRule, AGrainNeverSlidesPastAWallBesideIt)
{
    for (const SandAutomaton::Block& block :
         {SandAutomaton::Block{Sand, Wall, Sand, Empty}, SandAutomaton::Block{Wall, Sand, Empty, Sand},
          SandAutomaton::Block{Sand, Wall, Wall, Empty}, SandAutomaton::Block{Wall, Sand, Empty, Wall}}) {
        const SandAutomaton::Block next = SandAutomaton::fall(block);
        EXPECT_EQ(next.ul, block.ul);
        EXPECT_EQ(next.ur, block.ur);
        EXPECT_EQ(next.ll, block.ll);
        EXPECT_EQ(next.lr, block.lr);
    }
}

TEST(SandRule, EveryBlockKeepsItsGrainsAndWalls)
{
    const SandAutomatonParticles values[] = {Sand, Wall, Empty};
    for (auto ul : values)
        for (auto ur : values)
            for (auto ll : values)
                for (auto lr : values) {
                    const SandAutomaton::Block before{ul, ur, ll, lr};
                    const SandAutomaton::Block after = SandAutomaton::fall(before);
                    auto grains = [](const SandAutomaton::Block& b) {
                        return (b.ul == Sand) + (b.ur == Sand) + (b.ll == Sand) + (b.lr == Sand);
                    };
                    EXPECT_EQ(grains(after), grains(before)) << ul << ur << ll << lr;
                    EXPECT_EQ(after.ul == Wall, ul == Wall);
                    EXPECT_EQ(after.ur == Wall, ur == Wall);
                    EXPECT_EQ(after.ll == Wall, ll == Wall);
                    EXPECT_EQ(after.lr == Wall, lr == Wall);
                    // A grain in the lower row never moves up.
                    if (ll == Sand) {
                        EXPECT_EQ(after.ll, Sand);
                    }
                    if (lr == Sand) {
                        EXPECT_EQ(after.lr, Sand);
                    }
                }
}

TEST(SandRule, GrainCountNeverGrowsOnRandomLatticesWithWalls)
{
    std::mt19937 engine(2024);
    for (int trial = 0; trial < 300; ++trial) {
        const int width = 1 + static_cast<int>(engine() % 9);
        const int height = 1 + static_cast<int>(engine() % 9);
        std::vector<SandAutomatonParticles> cells(static_cast<std::size_t>(width * height));
        for (auto& cell : cells)
            cell = static_cast<SandAutomatonParticles>(engine() % 3);
        std::unique_ptr<SandAutomaton> sand;
        if (trial % 2)
            sand.reset(new ProbabilisticeSandAutomaton(width, height, cells.data()));
        else
            sand.reset(new SandAutomaton(width, height, cells.data()));
        const int walls = count(*sand, Wall);
        int grains = count(*sand, Sand);
        for (int step = 0; step < 25; ++step) {
            sand->step();
            const int now = count(*sand, Sand);
            ASSERT_LE(now, grains) << "trial " << trial << " step " << step;
            ASSERT_EQ(count(*sand, Wall), walls);
            grains = now;
        }
    }
}

TEST(SandRule, GrainsInsideAClosedBoxAreConserved)
{
    std::unique_ptr<SandAutomaton> sand(
        build({"WWWWWWW", "W#.#.#W", "W.#W#.W", "W#..W.W", "W.#...W", "WWWWWWW"}));
    const int grains = count(*sand, Sand);
    for (int step = 0; step < 40; ++step)
        sand->step();
    EXPECT_EQ(count(*sand, Sand), grains);
    // Everything has settled: another two steps change nothing.
    const std::vector<std::string> settled = rows(*sand);
    sand->step();
    sand->step();
    EXPECT_EQ(rows(*sand), settled);
}

TEST(SandAccessors, OutsideReadsEmptyAndWritesAreDropped)
{
    std::unique_ptr<SandAutomaton> sand(build({"#W", ".."}));
    EXPECT_EQ(sand->stateAt(0, 0), Sand);
    EXPECT_EQ(sand->stateAt(1, 0), Wall);
    EXPECT_EQ(sand->stateAt(-1, 0), Empty);
    EXPECT_EQ(sand->stateAt(0, 2), Empty);
    EXPECT_EQ(sand->stateAt(2, 1), Empty);
    sand->setNextState(5, 5, Sand);
    sand->setNextState(-1, 0, Sand);
}

TEST(ProbabilisticSand, SideBySideGrainsFallOrStayTogether)
{
    // Many pairs, each in the upper row of a block of the first (shifted)
    // partition: columns 4k+1 and 4k+2, row 1.
    const int pairs = 200;
    std::vector<std::string> text(4, std::string(4 * pairs, '.'));
    for (int k = 0; k < pairs; ++k)
        text[1][static_cast<std::size_t>(4 * k + 1)] = text[1][static_cast<std::size_t>(4 * k + 2)] = '#';
    std::unique_ptr<SandAutomaton> sand(build<ProbabilisticeSandAutomaton>(text));
    sand->step();
    const std::vector<std::string> after = rows(*sand);
    int fell = 0;
    for (int k = 0; k < pairs; ++k) {
        const auto left = static_cast<std::size_t>(4 * k + 1);
        const bool leftFell = after[2][left] == '#';
        const bool rightFell = after[2][left + 1] == '#';
        EXPECT_EQ(leftFell, rightFell) << "pair " << k;
        EXPECT_NE(after[1][left] == '#', leftFell);
        fell += leftFell;
    }
    // An even chance: both outcomes happen, in roughly equal numbers.
    EXPECT_GT(fell, pairs / 4);
    EXPECT_LT(fell, 3 * pairs / 4);
}

TEST(ProbabilisticSand, ASingleGrainAlwaysFalls)
{
    std::vector<std::string> text(4, std::string(40, '.'));
    for (int k = 0; k < 10; ++k)
        text[1][static_cast<std::size_t>(4 * k + 1)] = '#';
    std::unique_ptr<SandAutomaton> sand(build<ProbabilisticeSandAutomaton>(text));
    sand->step();
    const std::vector<std::string> after = rows(*sand);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(after[2][static_cast<std::size_t>(4 * k + 1)], '#');
}

TEST(ProbabilisticSand, RunsRepeatExactly)
{
    std::vector<std::string> text(12, std::string(30, '.'));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 30; ++x)
            text[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = (x * 7 + y * 3) % 5 < 3 ? '#' : '.';
    std::unique_ptr<SandAutomaton> first(build<ProbabilisticeSandAutomaton>(text));
    for (int k = 0; k < 10; ++k)
        first->step();
    const std::vector<std::string> firstRun = rows(*first);
    std::unique_ptr<SandAutomaton> second(build<ProbabilisticeSandAutomaton>(text));
    for (int k = 0; k < 10; ++k)
        second->step();
    EXPECT_EQ(rows(*second), firstRun);
}
