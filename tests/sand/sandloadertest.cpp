#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <QImage>
#include <QTemporaryDir>

#include "Automata/ProbabilisticSandAutomata/probabilisticesandautomaton.h"
#include "Automata/SandAutomata/sandautomaton.h"
#include "Automata/painter.h"
#include "Input/sandautomatonloader.h"
#include "testsupport.h"
#include "viewrenderer.h"

using namespace Automata::SandAutomata;
using Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton;

namespace {

std::vector<SandAutomatonParticles> cellsOf(SandAutomaton& sand)
{
    return std::vector<SandAutomatonParticles>(sand.getCells(), sand.getCells() + sand.getSiteCount());
}

} // namespace

TEST(SandLoader, BlackIsSandWhiteIsEmptyAnyOtherColourAtAnyAlphaIsWall)
{
    const std::pair<QRgb, SandAutomatonParticles> cases[] = {
        {qRgba(0, 0, 0, 255), Sand}, {qRgba(0, 0, 0, 0), Sand}, {qRgba(255, 255, 255, 17), Empty},
        {qRgb(255, 0, 0), Wall},     {qRgba(1, 0, 0, 0), Wall}, {qRgb(254, 255, 255), Wall},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Input::SandAutomatonLoader::convertColor(c.first), c.second) << std::hex << c.first;
    // Both entries take pixel (x, y) as site (x, y), unflipped.
    QTemporaryDir folder;
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 2, qRgb(0, 0, 255));
    ASSERT_TRUE(image.save(folder.filePath(QStringLiteral("tiny.png"))));
    for (int index : {0, 1}) {
        auto sand = TestSupport::buildEntry<SandAutomaton>(index, folder.filePath(QStringLiteral("tiny.png")));
        ASSERT_TRUE(sand);
        EXPECT_EQ(dynamic_cast<ProbabilisticeSandAutomaton*>(sand.get()) != nullptr, index == 1);
        EXPECT_EQ(cellsOf(*sand), (std::vector<SandAutomatonParticles>{Sand, Empty, Empty, Empty, Empty, Wall}));
    }
}

TEST(SandEndToEnd, SavedPicturesOfTheExamplesLoadBack)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("now.png"));
    for (const int index : {0, 1}) {
        auto sand = TestSupport::buildExample<SandAutomaton>(index);
        ASSERT_TRUE(sand);
        for (int k = 0; k < 150; ++k)
            sand->step();
        const std::vector<SandAutomatonParticles> after = cellsOf(*sand);
        ASSERT_TRUE(TestSupport::savedPicture(*sand).save(file));
        EXPECT_EQ(cellsOf(*TestSupport::buildEntry<SandAutomaton>(index, file)), after);
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
