#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QImage>

#include "Automata/SandAutomata/sandautomaton.h"
#include "Automata/painter.h"
#include "viewrenderer.h"

using namespace Automata::SandAutomata;

namespace {

// Pixels of exactly one colour in a frame.
std::vector<QPoint> pixelsOf(const QImage& frame, QRgb colour)
{
    std::vector<QPoint> found;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if ((frame.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                found.emplace_back(x, y);
    return found;
}

} // namespace

TEST(SandPainter, DrawsGrainsAndWallsWithLatticeRowZeroAtTheTop)
{
    // A grain near lattice row 0 (the top of the seeding picture) and a wall
    // near the last row; empty sites are not drawn.
    const int size = 16;
    std::vector<SandAutomatonParticles> cells(size * size, Empty);
    cells[2 * size + 1] = Sand;  // (2, 1)
    cells[13 * size + 14] = Wall; // (13, 14)
    SandAutomaton sand(size, size, cells.data());
    EXPECT_EQ(sand.getPainter()->getWidth(), size);
    EXPECT_EQ(sand.getPainter()->getHeight(), size);
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(sand.getPainter(), ViewCamera(), size, size, &error);
    if (frame.isNull())
        GTEST_SKIP() << error.toStdString();
    const std::vector<QPoint> grains = pixelsOf(frame, qRgb(204, 204, 153));
    const std::vector<QPoint> walls = pixelsOf(frame, qRgb(255, 0, 0));
    ASSERT_EQ(grains.size(), 1u);
    ASSERT_EQ(walls.size(), 1u);
    // Screen y runs downwards like the picture's rows.
    EXPECT_NEAR(grains[0].x(), 2, 1);
    EXPECT_NEAR(grains[0].y(), 1, 1);
    EXPECT_NEAR(walls[0].x(), 13, 1);
    EXPECT_NEAR(walls[0].y(), 14, 1);
    const std::vector<QPoint> background = pixelsOf(frame, qRgb(0, 0, 0));
    EXPECT_EQ(background.size(), static_cast<std::size_t>(size * size - 2));
}
