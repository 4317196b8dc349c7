#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "Automata/Interpolation/annealingrulemooreneighborhood.h"
#include "Input/catalogue.h"
#include "testsupport.h"
#include "viewrenderer.h"

using Automata::Interpolation::AnnealingRuleMooreNeighborhood;

namespace {

// A lattice from text rows, row y = 0 first: '#' true, '.' false.
std::unique_ptr<AnnealingRuleMooreNeighborhood> build(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows[0].size());
    std::unique_ptr<bool[]> cells(new bool[static_cast<std::size_t>(width * height)]);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            cells[static_cast<std::size_t>(x * height + y)] =
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
    return std::make_unique<AnnealingRuleMooreNeighborhood>(width, height, cells.get());
}

bool at(AnnealingRuleMooreNeighborhood& model, int x, int y)
{
    return model.getCells()[x * model.getHeight() + y];
}

int trueCount(AnnealingRuleMooreNeighborhood& model)
{
    int n = 0;
    for (long long i = 0; i < model.getSiteCount(); ++i)
        n += model.getCells()[i];
    return n;
}

bool sameColor(const float* color, float r, float g, float b)
{
    return color && color[0] == r && color[1] == g && color[2] == b;
}

} // namespace

TEST(Annealing, TheTwistedMajorityTable)
{
    const bool expected[10] = {false, false, false, false, true, false, true, true, true, true};
    for (int s = 0; s <= 9; ++s)
        EXPECT_EQ(AnnealingRuleMooreNeighborhood::nextValue(s), expected[s]) << s;
}

TEST(Annealing, UniformLatticesStayUniform)
{
    auto empty = build({".....", ".....", "....."});
    auto full = build({"#####", "#####", "#####"});
    for (int k = 0; k < 3; ++k) {
        empty->step();
        full->step();
    }
    EXPECT_EQ(trueCount(*empty), 0);
    EXPECT_EQ(trueCount(*full), 15);
}

TEST(Annealing, AnIsolatedCellDies)
{
    auto model = build({".....", ".....", "..#..", ".....", "....."});
    model->step();
    EXPECT_EQ(trueCount(*model), 0);
}

TEST(Annealing, FourTrueCellsKeepACellFiveTurnItOff)
{
    // The centre (3, 3) with three true neighbours: four in its block.
    auto four = build({".......", ".......", "..##...", "..##...", ".......", ".......", "......."});
    four->step();
    EXPECT_TRUE(at(*four, 3, 3));
    // With four true neighbours: five in its block.
    auto five = build({".......", ".......", "..###..", "..##...", ".......", ".......", "......."});
    five->step();
    EXPECT_FALSE(at(*five, 3, 3));
}

TEST(Annealing, TheLatticeWrapsAtEveryEdge)
{
    // Cell (0, 2) counts column 0 rows 1..3 and, across the left edge, (5, 2):
    // four true cells, so it stays; without the wrap it would die.
    auto sideways = build({"......", "#.....", "#....#", "#.....", "......", "......"});
    sideways->step();
    EXPECT_TRUE(at(*sideways, 0, 2));
    // The same across the top and bottom edges.
    auto vertical = build({"..###.", "......", "......", "......", "......", "...#.."});
    vertical->step();
    EXPECT_TRUE(at(*vertical, 3, 0));
    // And through a corner: (0, 0) with (5, 5), (0, 5) and (5, 0).
    auto corner = build({"#....#", "......", "......", "......", "......", "#....#"});
    corner->step();
    EXPECT_TRUE(at(*corner, 0, 0));
    EXPECT_TRUE(at(*corner, 5, 5));
}

TEST(Annealing, CellsAreColouredByCurrentAndInitialValueInEveryPass)
{
    // (0, 0) stays false, the 2 x 2 block stays true, (4, 4) dies; after a
    // second model's cells have been coloured in between, every cell of the
    // first is still coloured by its own history, in any order.
    auto model = build({".....", ".##..", ".##..", ".....", "....#"});
    auto other = build({"#####", "#####", "#####", "#####", "#####"});
    model->step();
    const bool* cells = model->getCells();
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(sameColor(model->getColor(cells[4 * 5 + 4]), 0.5f, 0.0f, 0.0f));
        for (long long i = 0; i < other->getSiteCount(); ++i)
            other->getColor(other->getCells()[i]);
        EXPECT_TRUE(sameColor(model->getColor(cells[1 * 5 + 1]), 0.75f, 0.0f, 0.0f));
        EXPECT_TRUE(sameColor(model->getColor(cells[0]), 1.0f, 1.0f, 1.0f));
    }
    // A cell that became true is bright red.
    auto grows = build({".....", ".###.", ".#...", ".....", "....."});
    grows->step();
    ASSERT_TRUE(at(*grows, 2, 2));
    EXPECT_TRUE(sameColor(grows->getColor(grows->getCells()[2 * 5 + 2]), 1.0f, 0.0f, 0.0f));
}

TEST(Annealing, SavedPictureIsBlackForTrueAndWhiteForFalse)
{
    QTemporaryDir folder;
    auto model = build({"#..", "..."});
    const QString name = folder.filePath(QStringLiteral("a.png"));
    {
        TestSupport::ScriptedScope script;
        script->queueSaveFile(name);
        model->save();
    }
    const QImage image(name);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(2, 1) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(AnnealingLoader, TheImageStandsUprightAndOnlyBlackIsTrue)
{
    EXPECT_TRUE(AnnealingRuleMooreNeighborhood::convertColor(0, 0, 0));
    EXPECT_FALSE(AnnealingRuleMooreNeighborhood::convertColor(0, 0, 1));
    EXPECT_FALSE(AnnealingRuleMooreNeighborhood::convertColor(255, 255, 255));

    QTemporaryDir folder;
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    const QString name = folder.filePath(QStringLiteral("tiny.png"));
    ASSERT_TRUE(image.save(name));
    TestSupport::ScriptedScope script;
    script->queueOpenFile(name);
    std::unique_ptr<Automata::Automaton> built(Input::AutomatonFactory(29, nullptr));
    auto* model = dynamic_cast<AnnealingRuleMooreNeighborhood*>(built.get());
    ASSERT_TRUE(model);
    EXPECT_TRUE(at(*model, 0, 2));
    EXPECT_FALSE(at(*model, 0, 0));
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST(AnnealingLoader, FailuresFollowTheUprightLoader)
{
    {
        TestSupport::ScriptedScope script;
        EXPECT_EQ(Input::AutomatonFactory(29, nullptr), nullptr);
        EXPECT_TRUE(script->messages().isEmpty());
    }
    TestSupport::ScriptedScope script;
    script->queueOpenFile(QStringLiteral("/nonexistent/noise.png"));
    EXPECT_EQ(Input::AutomatonFactory(29, nullptr), nullptr);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].title, QStringLiteral("Loader error"));
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("The image could not be opened!"));
}

TEST(AnnealingEndToEnd, TheExampleNoiseCoarsens)
{
    TestSupport::ScriptedScope script;
    script->queueOpenFile(TestSupport::examplePath(QStringLiteral("annealing-rule/noise.png")));
    std::unique_ptr<Automata::Automaton> built(Input::AutomatonFactory(29, nullptr));
    auto* model = dynamic_cast<AnnealingRuleMooreNeighborhood*>(built.get());
    ASSERT_TRUE(model);
    // Boundary length: neighbouring pairs of unequal cells, which coarsening shortens.
    auto boundary = [](AnnealingRuleMooreNeighborhood& m) {
        int n = 0;
        const int w = m.getWidth(), h = m.getHeight();
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                n += (at(m, x, y) != at(m, (x + 1) % w, y)) + (at(m, x, y) != at(m, x, (y + 1) % h));
        return n;
    };
    const int before = boundary(*model);
    for (int k = 0; k < 30; ++k)
        model->step();
    EXPECT_LT(boundary(*model), before / 3);
}

TEST(AnnealingEndToEnd, BatchRunsTheExample)
{
    if (!QFile::exists(TestSupport::batchProgram()))
        GTEST_SKIP() << "lithoscope-batch is not built";
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("annealed.png"));
    const TestSupport::BatchResult result = TestSupport::runBatch(
        {QStringLiteral("Annealing Rule"), QStringLiteral("--example"), QStringLiteral("--steps"),
         QStringLiteral("5"), QStringLiteral("--save"), out, QStringLiteral("--quiet")},
        folder.path());
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QImage(out).size(), QSize(128, 128));
}

TEST(AnnealingPainter, TheGenericPainterShowsEachCellsHistory)
{
    // Column 0 dies, the 2 x 2 block at (2, 2) stays: dark and darker red on white.
    auto model = build({"#.....", "......", "..##..", "..##..", "......", "......"});
    model->step();
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(model->getPainter(), ViewCamera(), 6, 6, &error);
    if (frame.isNull())
        GTEST_SKIP() << error.toStdString();
    // Painter2D draws lattice row 0 at the bottom of the frame.
    // 0.5 and 0.75 red, within the frame buffer's rounding.
    EXPECT_NEAR(qRed(frame.pixel(0, 5)), 127.5, 1);
    EXPECT_EQ(frame.pixel(0, 5) & 0xFFFF, 0u);
    EXPECT_NEAR(qRed(frame.pixel(2, 3)), 191.25, 1);
    EXPECT_EQ(frame.pixel(2, 3) & 0xFFFF, 0u);
    EXPECT_EQ(frame.pixel(5, 0) & 0xFFFFFF, 0xFFFFFFu);
    // A second frame shows the same: nothing counts across passes.
    const QImage again = ViewRenderer::renderOffscreen(model->getPainter(), ViewCamera(), 6, 6);
    EXPECT_EQ(again, frame);
}
