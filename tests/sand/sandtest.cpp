#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/ProbabilisticSandAutomata/probabilisticesandautomaton.h"
#include "Automata/SandAutomata/sandautomaton.h"
#include "Automata/painter.h"
#include "Input/sandautomatonloader.h"
#include "testsupport.h"
#include "viewrenderer.h"

using namespace Automata::SandAutomata;
using Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton;
using Text = std::vector<std::string>;

namespace {

// A lattice drawn as text, one string per row from the top: '#' sand (0), 'W'
// wall (1), '.' empty (2). Gravity points down the strings.
const char symbols[] = "#W.";

template <typename Model = SandAutomaton>
std::unique_ptr<SandAutomaton> build(const Text& rows)
{
    const int height = static_cast<int>(rows.size()), width = static_cast<int>(rows[0].size());
    std::vector<SandAutomatonParticles> cells(static_cast<std::size_t>(width * height));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            cells[x * height + y] = static_cast<SandAutomatonParticles>(std::strchr(symbols, rows[y][x]) - symbols);
    return std::make_unique<Model>(width, height, cells.data());
}

Text rows(SandAutomaton& sand)
{
    Text text(static_cast<std::size_t>(sand.getHeight()), std::string(sand.getWidth(), '.'));
    for (int x = 0; x < sand.getWidth(); ++x)
        for (int y = 0; y < sand.getHeight(); ++y)
            text[y][x] = symbols[sand.getCells()[x * sand.getHeight() + y]];
    return text;
}

int count(SandAutomaton& sand, SandAutomatonParticles value)
{
    return static_cast<int>(std::count(sand.getCells(), sand.getCells() + sand.getSiteCount(), value));
}

// Records which block origins a step visits instead of moving anything.
class BlockRecorder : public SandAutomaton {
public:
    using SandAutomaton::SandAutomaton;
    void updateBlock(int x, int y) override { origins.emplace_back(x, y); }
    std::vector<std::pair<int, int>> origins;

protected:
    void sweep(int origin) override
    {
        sweepBlocks(origin, [this](int x, int y) { BlockRecorder::updateBlock(x, y); });
    }
};

} // namespace

TEST(SandPartition, StartsShiftedAlternatesAndCoversOddLatticesExactlyOnce)
{
    for (const auto& size : {std::make_pair(5, 7), std::make_pair(1, 1), std::make_pair(4, 3)}) {
        const int width = size.first, height = size.second;
        std::vector<SandAutomatonParticles> cells(static_cast<std::size_t>(width * height), Empty);
        BlockRecorder recorder(width, height, cells.data());
        for (int offset : {-1, 0, -1}) {
            EXPECT_EQ(recorder.isOddPartition(), offset == -1);
            recorder.origins.clear();
            recorder.step();
            EXPECT_EQ(recorder.origins.front(), std::make_pair(offset, offset));
            std::vector<int> covered(static_cast<std::size_t>(width * height), 0);
            for (const auto& origin : recorder.origins)
                for (int x = origin.first; x < origin.first + 2; ++x)
                    for (int y = origin.second; y < origin.second + 2; ++y)
                        if (x >= 0 && y >= 0 && x < width && y < height)
                            ++covered[static_cast<std::size_t>(x * height + y)];
            EXPECT_EQ(covered, std::vector<int>(covered.size(), 1)) << width << "x" << height << " offset " << offset;
        }
    }
}

TEST(SandRule, BlocksFallBeforeTheySlideAndNeverSlidePastAWall)
{
    // A block written as upper left, upper right, lower left, lower right; on a
    // 3 x 3 lattice the first, shifted partition has it at (1, 1) to (2, 2).
    auto lattice = [](const char* b) { return Text{"...", {'.', b[0], b[1]}, {'.', b[2], b[3]}}; };
    const std::pair<const char*, const char*> cases[] = {
        {"#...", "..#."}, // falls straight
        {"#.#.", "..##"}, // below occupied: slides to the lower right
        {".#W.", "..W#"}, // mirror image falls straight
        {".#.W", "..#W"}, // and slides to the lower left
        {"##..", "..##"}, // a pair falls together
        {"#W#.", "#W#."}, // never past a wall beside it
        {"W#.#", "W#.#"},
        {"#WW.", "#WW."},
        {"W#.W", "W#.W"},
        {"#.##", "#.##"}, // nothing below is free
    };
    for (const auto& c : cases) {
        auto sand = build(lattice(c.first));
        sand->step();
        EXPECT_EQ(rows(*sand), lattice(c.second)) << c.first;
    }
}

TEST(SandRule, AGrainFallsOneSitePerStepAndLeavesThroughTheBottom)
{
    auto sand = build({".", "#", ".", ".", ".", "."});
    for (int y = 2; y <= 6; ++y) {
        sand->step();
        Text expected(6, ".");
        if (y < 6)
            expected[y] = "#";
        EXPECT_EQ(rows(*sand), expected) << "step " << y - 1;
    }
}

TEST(SandRule, GrainCountNeverGrowsOnRandomLatticesWithWallsAndHoldsInClosedOnes)
{
    std::mt19937 engine(2024);
    for (int trial = 0; trial < 300; ++trial) {
        const int width = 1 + static_cast<int>(engine() % 9);
        const int height = 1 + static_cast<int>(engine() % 9);
        Text text(static_cast<std::size_t>(height), std::string(width, '.'));
        // Half the lattices are closed by walls at the sides and bottom: there
        // no grain can leave, so none may vanish either.
        const bool closed = trial % 4 < 2;
        for (auto& row : text)
            for (std::size_t x = 0; x < row.size(); ++x)
                row[x] = closed && (x == 0 || x + 1 == row.size() || &row == &text.back()) ? 'W' : "#W."[engine() % 3];
        auto sand = trial % 2 ? build<ProbabilisticeSandAutomaton>(text) : build(text);
        const int walls = count(*sand, Wall);
        int grains = count(*sand, Sand);
        for (int step = 0; step < 25; ++step) {
            sand->step();
            const int now = count(*sand, Sand);
            ASSERT_TRUE(closed ? now == grains : now <= grains)
                << now << " grains from " << grains << (closed ? ", closed" : ", open") << " trial " << trial;
            ASSERT_EQ(count(*sand, Wall), walls);
            grains = now;
        }
    }
}

TEST(ProbabilisticSand, PairsFallOrStayTogetherSingleGrainsFallAndRunsRepeat)
{
    // Blocks of the first (shifted) partition span columns 4k+1 and 4k+2: 200
    // of them hold a pair of grains in their upper row, 50 a single grain.
    Text text(4, std::string(1000, '.'));
    for (int k = 0; k < 250; ++k) {
        text[1][4 * k + 1] = '#';
        text[1][4 * k + 2] = k % 5 ? '#' : '.';
    }
    auto sand = build<ProbabilisticeSandAutomaton>(text);
    sand->step();
    const Text after = rows(*sand);
    int fell = 0;
    for (int k = 0; k < 250; ++k) {
        const std::string upper = after[1].substr(4 * k + 1, 2), lower = after[2].substr(4 * k + 1, 2);
        if (k % 5 == 0)
            EXPECT_EQ(upper + lower, "..#.") << "single grain " << k;
        else
            EXPECT_TRUE(upper + lower == "##.." || upper + lower == "..##") << upper + lower << " pair " << k;
        fell += k % 5 && lower == "##";
    }
    // An even chance: both outcomes happen, in roughly equal numbers.
    EXPECT_GT(fell, 50);
    EXPECT_LT(fell, 150);
    auto again = build<ProbabilisticeSandAutomaton>(text);
    again->step();
    EXPECT_EQ(rows(*again), after);
}

TEST(SandLoader, BlackIsSandWhiteIsEmptyAnyOtherColourAtAnyAlphaIsWallAndSavedPicturesLoadBack)
{
    const std::pair<QRgb, SandAutomatonParticles> cases[] = {
        {qRgba(0, 0, 0, 255), Sand}, {qRgba(0, 0, 0, 0), Sand}, {qRgba(255, 255, 255, 17), Empty},
        {qRgb(255, 0, 0), Wall},     {qRgba(1, 0, 0, 0), Wall}, {qRgb(254, 255, 255), Wall},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Input::SandAutomatonLoader::convertColor(c.first), c.second) << std::hex << c.first;
    // Both entries take pixel (x, y) as site (x, y), unflipped, and read back
    // what their Save wrote after a run of their example.
    QTemporaryDir folder;
    const QString tiny = TestSupport::writePicture(
        folder, {"#.", "..", ".b"}, {{'#', qRgb(0, 0, 0)}, {'.', qRgb(255, 255, 255)}, {'b', qRgb(0, 0, 255)}});
    const QString now = folder.filePath(QStringLiteral("now.png"));
    for (int index : {0, 1}) {
        auto sand = TestSupport::buildEntry<SandAutomaton>(index, tiny);
        ASSERT_TRUE(sand);
        EXPECT_EQ(dynamic_cast<ProbabilisticeSandAutomaton*>(sand.get()) != nullptr, index == 1);
        EXPECT_EQ(rows(*sand), (Text{"#.", "..", ".W"}));
        auto example = TestSupport::buildExample<SandAutomaton>(index);
        ASSERT_TRUE(example);
        for (int k = 0; k < 150; ++k)
            example->step();
        ASSERT_TRUE(TestSupport::savedPicture(*example).save(now));
        EXPECT_EQ(rows(*TestSupport::buildEntry<SandAutomaton>(index, now)), rows(*example));
    }
}

TEST(SandPainter, DrawsGrainsAndWallsWithLatticeRowZeroAtTheTop)
{
    std::vector<SandAutomatonParticles> cells(16 * 16, Empty);
    cells[2 * 16 + 1] = Sand;   // (2, 1), near the top of the seeding picture
    cells[13 * 16 + 14] = Wall; // (13, 14)
    SandAutomaton sand(16, 16, cells.data());
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(sand.getPainter(), ViewCamera(), 16, 16, &error);
    if (frame.isNull())
        GTEST_SKIP() << error.toStdString();
    // Screen y runs downwards like the picture's rows; empty sites are not drawn.
    std::vector<QPoint> grains, walls;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb c = frame.pixel(x, y) & 0xFFFFFF;
            if (c == 0xCCCC99u || c == 0xFF0000u)
                (c == 0xFF0000u ? walls : grains).push_back(QPoint(x, y));
            else
                EXPECT_EQ(c, 0u) << x << "," << y;
        }
    ASSERT_EQ(grains.size(), 1u);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_TRUE(std::abs(grains[0].x() - 2) <= 1 && std::abs(grains[0].y() - 1) <= 1) << grains[0].x() << "," << grains[0].y();
    EXPECT_TRUE(std::abs(walls[0].x() - 13) <= 1 && std::abs(walls[0].y() - 14) <= 1) << walls[0].x() << "," << walls[0].y();
}
