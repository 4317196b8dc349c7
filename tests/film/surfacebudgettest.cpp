#include <random>

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/filmcelltypecomparer.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Automata/Surfaces/surfacebudget.h"
#include "Automata/painter3d.h"
#include "Input/catalogue.h"
#include "batch/batchrun.h"
#include "filmtesthelpers.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;
using Automata::SizeCheck;
using Automata::Surfaces::CellSurface;
using Automata::Surfaces::SurfaceBudget;
using Automata::Surfaces::SurfaceScan;

namespace {

// Substrate columns of 0 and 8 in squares of two pixels: the cubes of side 2
// sample alternating columns, so nearly every cube below the top is cut.
const int side = 16;
const int depth = 16;

std::vector<int> checkerboard()
{
    std::vector<int> heights(side * side);
    for (int i = 0; i < side * side; ++i)
        heights[i] = (i / side / 2 + i % side / 2) % 2 ? depth / 2 : 0;
    return heights;
}

// What the 3D film model holds beside its surfaces: two buffers and two
// bytes per voxel of neighbourhood tables.
const long long modelBytes =
    SizeCheck({side, side, depth}).perSite<FilmCell>(2).perSite<unsigned char>(2).bytes();

} // namespace

TEST(SurfaceBudget, CountsExactlyAndRefusesSurfacesShownTogetherWithoutAllocating)
{
    std::mt19937 random(7);
    std::vector<int> cells(9 * 10 * 11);
    for (int& cell : cells)
        cell = static_cast<int>(random() % 3);
    const auto isTwo = [](int cell) { return cell == 2; };
    const std::vector<SurfaceScan> scans = {SurfaceScan::closed(9, 10, 11, cells.data(), isTwo),
                                            SurfaceScan::open(9, 10, 11, cells.data(), isTwo)};
    const long long closedBytes = SurfaceBudget::bytes(scans[0].triangleCount());
    {
        TestSupport::BudgetScope budget(closedBytes);
        const CellSurface built = CellSurface::closed(9, 10, 11, cells.data(), isTwo);
        EXPECT_EQ(scans[0].triangleCount(), static_cast<long long>(built.triangleCount()));
        EXPECT_EQ(built.triangleCount(), built.getTriangles().capacity());
    }
    // Each fits beside the held bytes alone, both together do not: neither is made.
    const long long held = 1000;
    TestSupport::BudgetScope budget(held + closedBytes);
    const std::vector<CellSurface> together = CellSurface::build(scans, held);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(together[i].isRefused());
        EXPECT_EQ(0u, together[i].getTriangles().capacity());
        EXPECT_EQ(scans[i].triangleCount(), together[i].neededTriangles());
    }
    EXPECT_FALSE(CellSurface::build({scans[1]}, held)[0].isRefused());
    EXPECT_TRUE(CellSurface::build({scans[0]}, held + 1)[0].isRefused());
}

TEST(SurfaceBudget, FilmModelAndPainter3DWarnOnceDrawPointsAndBuildWhenALaterRequestFits)
{
    const std::vector<FilmCell> cells = FilmTest::heightVolume(side, side, depth, checkerboard());
    const long long triangles =
        SurfaceScan::open(side, side, depth, cells.data(),
                          Automata::Surfaces::ReferenceMatch<FilmCell, FilmCellTypeComparer>(
                              FilmCell::substrateReference()))
            .triangleCount();
    TestSupport::ScriptedScope scope;
    TestSupport::BudgetScope budget(modelBytes + SurfaceBudget::bytes(triangles) - 1);
    SimpleFilmDeposition3D model(side, side, depth, cells.data());
    ASSERT_EQ(1, scope->messages().size());
    const QString text = scope->messages()[0].text;
    EXPECT_EQ(SurfaceBudget::warningTitle(), scope->messages()[0].title);
    EXPECT_TRUE(text.contains(QStringLiteral("%1 triangles").arg(triangles))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(
        SizeCheck::memoryText(SurfaceBudget::bytes(triangles))))) << text.toStdString();
    EXPECT_TRUE(model.substrateSurface().isRefused() && model.substrateSurface().isEmpty());

    // The generic painter warns at its first refusal only and draws the
    // visible voxels meanwhile.
    Automata::Painter3D<FilmCell, FilmCellTypeComparer> painter(
        &model, {FilmCell::filmReference(), FilmCell::substrateReference()});
    model.step();
    painter.update();
    painter.update();
    EXPECT_EQ(Film, model.getCells()[(1 * side + 1) * depth].type);
    EXPECT_TRUE(painter.surfacesRefused() && !model.surfacesFresh());
    EXPECT_EQ(2, scope->messages().size());

    TestSupport::BudgetScope larger(1LL << 30);
    model.regenerateSurfaces();
    painter.update();
    EXPECT_TRUE(model.surfacesFresh());
    EXPECT_FALSE(model.filmSurface().isEmpty() || model.substrateSurface().isEmpty());
    EXPECT_FALSE(painter.surfacesRefused() || painter.getSurfaces()[0].isEmpty());
    EXPECT_EQ(2, scope->messages().size());

    // A solid 4 x 4 x 4 block shows every voxel but its 2 x 2 x 2 core.
    const std::vector<int> block(64, 1);
    int shown = 0;
    Automata::Surfaces::SurfacePainting::forEachBoundaryVoxel(
        4, 4, 4, block.data(), [](int cell) { return cell == 1; }, [&](int x, int y, int z) {
            EXPECT_FALSE(x % 3 && y % 3 && z % 3) << x << "," << y << "," << z;
            ++shown;
        });
    EXPECT_EQ(56, shown);
}

TEST(SurfaceBudget, BatchRunGoesOnAndDrawsPointsWhenGenerateSurfaceIsRefused)
{
    if (!Batch::OffscreenView::hasDisplay())
        GTEST_SKIP() << "drawing the view needs a display";
    QTemporaryDir dir;
    QImage map(side, side, QImage::Format_RGB32);
    for (int i = 0; i < side * side; ++i)
        map.setPixel(i / side, i % side, qRgb(checkerboard()[i], 0, 0));
    ASSERT_TRUE(map.save(dir.filePath(QStringLiteral("map.png"))));

    // Room for the loader's copy beside the model and for the open surfaces
    // built with it, not for the closed film and substrate after a step.
    TestSupport::BudgetScope budget(modelBytes * 3 / 2);
    Batch::BatchOptions options;
    options.modelIndex = Input::Catalogue::indexOf(QStringLiteral("3D Film Deposition"));
    options.inputs << dir.filePath(QStringLiteral("map.png"));
    options.steps = 1;
    options.actions << Batch::StepAction{1, {QStringLiteral("btnGenerateSurface"),
                                             QStringLiteral("click")}};
    options.viewFile = dir.filePath(QStringLiteral("view.png"));
    options.viewSize = QSize(64, 64);
    options.quiet = true;
    EXPECT_EQ(0, Batch::BatchRun(options).execute());
    // Points on black: fresh surfaces would be drawn on white.
    const QImage view(options.viewFile);
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(qRgb(0, 0, 0), view.pixel(0, 0) | 0xFF000000);
    int coloured = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x)
            coloured += (view.pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_GT(coloured, 0);
}
