#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmEtching/photolithographicetcher.h"
#include "Input/catalogue.h"
#include "Persistence/imagefiles.h"
#include "testsupport.h"

using namespace Automata::FilmEtching;

namespace {

const int etcherEntry = 17;

const PhotoresistCell& cellAt(PhotolithographicEtcher& model, int x, int y, int z)
{
    return model.getCells()[(static_cast<std::size_t>(x) * model.getHeight() + y) * model.getDepth() + z];
}

} // namespace

TEST(PhotolithographicEtcher, MaskAndPolarityChooseTheRateOfWholeColumnsInBothBuffers)
{
    // 3 x 2 columns, the mask set at column (1, 0) only.
    const unsigned char mask[6] = {0, 0, 1, 0, 0, 0};
    const unsigned char unexposed[6] = {};
    for (int polarity : {1, 0}) {
        PhotolithographicEtcher model(3, 2, 4, polarity, mask);
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 2; ++y)
                for (int z = 0; z < 4; ++z) {
                    const bool fast = (x == 1 && y == 0) == (polarity == 1);
                    EXPECT_EQ(fast ? 1.0f : 0.1f, cellAt(model, x, y, z).rate) << polarity;
                }
        // Both buffers: after a step the other one is current.
        model.step();
        EXPECT_EQ(polarity ? 1.0f : 0.1f, cellAt(model, 1, 0, 0).rate);
    }
    PhotolithographicEtcher slow(3, 2, 4, 1, unexposed);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(0.1f, slow.getCells()[i].rate);
}

TEST(PhotolithographicEtcher, FastColumnsDevelopDownwardsLayerByLayerAndSlowOnesStay)
{
    // The resist setter: developed and blocked go together.
    PhotoresistCell cell;
    cell.setDeveloped(0.5f);
    EXPECT_TRUE(cell.developed == 0.0f && !cell.blocked);
    cell.setDeveloped(1.0f);
    EXPECT_TRUE(cell.developed == 1.0f && cell.blocked);

    // Depth 1: the whole layer is the first front and fully developed.
    const unsigned char one[4] = {1, 1, 1, 1};
    PhotolithographicEtcher thin(2, 2, 1, 1, one);
    EXPECT_EQ(4u, thin.getFront().size());
    thin.step();
    EXPECT_TRUE(thin.getFront().empty());

    // All fast: the layer under the top develops in 130 to 190 steps, and the
    // next one later, down the whole column.
    const int n = 6, depth = 4;
    std::vector<unsigned char> fast(n * n, 1);
    PhotolithographicEtcher model(n, n, depth, 1, fast.data());
    EXPECT_EQ(static_cast<std::size_t>(n * n), model.getFront().size());
    int firstLayer = 0;
    int secondLayer = 0;
    for (int step = 1; step <= 600 && !secondLayer; ++step) {
        model.step();
        if (!firstLayer && cellAt(model, 2, 2, depth - 2).blocked)
            firstLayer = step;
        if (cellAt(model, 2, 2, depth - 3).blocked)
            secondLayer = step;
        for (int i = 0; i < n * n * depth; ++i)
            ASSERT_EQ(model.getCells()[i].blocked, model.getCells()[i].developed == 1.0f);
    }
    EXPECT_GE(firstLayer, 130);
    EXPECT_LE(firstLayer, 190);
    EXPECT_GT(secondLayer, firstLayer);

    // A fast block under a positive resist develops; the slow resist around
    // it never does below the top.
    const int m = 12;
    std::vector<unsigned char> square(m * m, 0);
    for (int x = 3; x < 9; ++x)
        for (int y = 3; y < 9; ++y)
            square[x * m + y] = 1;
    PhotolithographicEtcher masked(m, m, 3, 1, square.data());
    for (int step = 0; step < 400; ++step)
        masked.step();
    EXPECT_TRUE(cellAt(masked, 5, 5, 1).blocked);
    for (int x = 0; x < m; ++x)
        for (int y = 0; y < m; ++y)
            if (!square[x * m + y]) {
                EXPECT_FALSE(cellAt(masked, x, y, 1).blocked) << x << "," << y;
            }
    // The surface, kept up to date step by step, is the one a fresh
    // extraction makes around the undeveloped resist.
    PhotoresistCell developed;
    developed.setDeveloped(1.0f);
    const auto fresh = Automata::Surfaces::CellSurface::closed(
        m, m, 3, masked.getCells(), [](const PhotoresistCell& c) { return !(c.developed > 0.0f); }, developed);
    ASSERT_FALSE(fresh.isEmpty());
    ASSERT_EQ(fresh.triangleCount(), masked.surface().triangleCount());
    for (std::size_t t = 0; t < fresh.triangleCount(); ++t)
        for (int v = 0; v < 3; ++v)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(fresh.getTriangles()[t].vertices[v].position[c],
                          masked.surface().getTriangles()[t].vertices[v].position[c]);
}

TEST(PhotoresistEtcherLoader, DialogAsksForTheMaskAndRefusesCancelUnreadableAndOversizedInput)
{
    QTemporaryDir dir;
    const QString mask = TestSupport::writePicture(dir, {"r.", ".."}, {{'r', qRgb(255, 0, 0)}, {'.', qRgb(0, 0, 0)}});
    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(mask);
    scope->addSetting("tbtMask", "click");
    scope->addSetting("rbtNegative", "true");
    scope->addSetting("sbxDepth", "3");
    const auto model = TestSupport::buildEntry<PhotolithographicEtcher>(etcherEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(QStringList{QStringLiteral("Select Mask")}, scope->fileDialogCaptions());
    EXPECT_EQ(Persistence::ImageFiles::examplesFolder(), scope->fileDialogFolders().value(0));
    EXPECT_EQ(3, model->getDepth());
    // Negative: the red column at pixel (0, 0) is the slow one.
    EXPECT_EQ(0.1f, cellAt(*model, 0, 0, 0).rate);
    EXPECT_EQ(1.0f, cellAt(*model, 1, 0, 0).rate);
    EXPECT_EQ(0.0, model->getTime());
    EXPECT_TRUE(scope->messages().isEmpty());

    // Cancelled: nothing and no message. No mask named, or an unreadable one:
    // the plain message without a title.
    scope->rejectNextDialog();
    EXPECT_EQ(nullptr, TestSupport::buildEntry(etcherEntry));
    EXPECT_TRUE(scope->messages().isEmpty());
    EXPECT_EQ(nullptr, TestSupport::buildEntry(etcherEntry));
    scope->addSetting("lieMask", dir.filePath("missing.png"));
    EXPECT_EQ(nullptr, TestSupport::buildEntry(etcherEntry));
    EXPECT_EQ((QStringList{"(warning) : Could not open input file!", "(warning) : Could not open input file!"}),
              TestSupport::shown(scope->messages()));

    // 2000 x 2000 x 9999 voxels would not fit; the size warning names them.
    const QString huge = dir.filePath("huge.png");
    ASSERT_TRUE(QImage(2000, 2000, QImage::Format_RGB32).save(huge));
    scope->addSetting("lieMask", huge);
    scope->addSetting("sbxDepth", "9999");
    EXPECT_EQ(nullptr, TestSupport::buildEntry(etcherEntry));
    ASSERT_EQ(3, scope->messages().size());
    EXPECT_TRUE(scope->messages()[2].text.startsWith(QStringLiteral("A model of 2000 x 2000 x 9999 voxels needs ")))
        << scope->messages()[2].text.toStdString();
}

TEST(PhotoresistEtcherLoader, ExampleDevelopsTheExposedColumns)
{
    const auto model = TestSupport::buildExample<PhotolithographicEtcher>(etcherEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(10, model->getDepth());
    for (int step = 0; step < 200; ++step)
        model->step();
    // Inside a line (x = 12, y = 40) the second layer is through; covered
    // resist (x = 50) has not moved.
    EXPECT_TRUE(cellAt(*model, 12, 40, 8).blocked);
    EXPECT_FALSE(cellAt(*model, 50, 40, 8).blocked);
}
