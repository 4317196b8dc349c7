#include <cstdio>
#include <random>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/filmcelltypecomparer.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Automata/Surfaces/cellsurface.h"
#include "Automata/Surfaces/surfacebudget.h"
#include "Automata/Surfaces/surfacepainting.h"
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

using SameMaterial = Automata::Surfaces::ReferenceMatch<FilmCell, FilmCellTypeComparer>;

// Substrate columns of 0 and 8 in squares of two pixels, so that the cubes of
// side 2 sample alternating columns and nearly every cube below the top is cut.
const int side = 16;
const int depth = 16;

std::vector<int> checkerboardHeights()
{
    std::vector<int> heights(side * side);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            heights[x * side + y] = (x / 2 + y / 2) % 2 ? depth / 2 : 0;
    return heights;
}

// What the 3D film model holds beside its surfaces: two buffers and two
// bytes per voxel of neighbourhood tables.
long long filmModelBytes()
{
    return SizeCheck({side, side, depth}).perSite<FilmCell>(2).perSite<unsigned char>(2).bytes();
}

// Triangles of the closed film and substrate surfaces after one growth step.
long long closedTrianglesAfterOneStep()
{
    const std::vector<FilmCell> cells =
        FilmTest::heightVolume(side, side, depth, checkerboardHeights());
    SimpleFilmDeposition3D model(side, side, depth, cells.data());
    model.step();
    long long triangles = 0;
    for (const FilmCell& reference : {FilmCell::filmReference(), FilmCell::substrateReference()})
        triangles += SurfaceScan::closed(side, side, depth, model.getCells(),
                                         SameMaterial(reference), FilmCell::outsideCell())
                         .triangleCount();
    return triangles;
}

// Runs the batch runner in this process and returns what it wrote to
// standard error.
QString runBatchCapturingErrors(const Batch::BatchOptions& options, int& exitCode)
{
    QTemporaryDir dir;
    QFile errors(dir.filePath(QStringLiteral("stderr")));
    errors.open(QIODevice::ReadWrite);
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(errors.handle(), STDERR_FILENO);
    exitCode = Batch::BatchRun(options).execute();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    errors.seek(0);
    return QString::fromUtf8(errors.readAll());
}

} // namespace

TEST(SurfaceBudget, CountsBeforeBuildingAndRefusesWithoutAllocating)
{
    std::mt19937 random(7);
    std::vector<int> cells(9 * 10 * 11);
    for (int& cell : cells)
        cell = static_cast<int>(random() % 3);
    const auto isTwo = [](int cell) { return cell == 2; };
    const SurfaceScan open = SurfaceScan::open(9, 10, 11, cells.data(), isTwo);
    const SurfaceScan closed = SurfaceScan::closed(9, 10, 11, cells.data(), isTwo);
    ASSERT_GT(open.triangleCount(), 0);
    ASSERT_GT(closed.triangleCount(), open.triangleCount());

    // The count is exact, and the list holds exactly what was counted.
    const CellSurface built = CellSurface::closed(9, 10, 11, cells.data(), isTwo);
    EXPECT_FALSE(built.isRefused());
    EXPECT_EQ(closed.triangleCount(), static_cast<long long>(built.triangleCount()));
    EXPECT_EQ(built.triangleCount(), built.getTriangles().capacity());

    const long long needed = SurfaceBudget::bytes(closed.triangleCount());
    {
        TestSupport::BudgetScope budget(needed);
        EXPECT_EQ(built.triangleCount(),
                  CellSurface::closed(9, 10, 11, cells.data(), isTwo).triangleCount());
    }
    {
        TestSupport::BudgetScope budget(needed - 1);
        const CellSurface refused = CellSurface::closed(9, 10, 11, cells.data(), isTwo);
        EXPECT_TRUE(refused.isRefused());
        EXPECT_TRUE(refused.isEmpty());
        EXPECT_EQ(0u, refused.getTriangles().capacity());
        EXPECT_EQ(closed.triangleCount(), refused.neededTriangles());
        EXPECT_TRUE(refused.isClosed());
    }

    // Surfaces shown together share what the volume leaves: each would fit
    // alone, both together do not, so neither is made.
    const long long held = 1000;
    TestSupport::BudgetScope budget(held + needed);
    std::vector<SurfaceScan> scans = {closed, open};
    const std::vector<CellSurface> together = CellSurface::build(scans, held);
    ASSERT_EQ(2u, together.size());
    for (const CellSurface& surface : together) {
        EXPECT_TRUE(surface.isRefused());
        EXPECT_EQ(0u, surface.getTriangles().capacity());
    }
    EXPECT_EQ(open.triangleCount(), together[1].neededTriangles());
    scans.pop_back();
    EXPECT_FALSE(CellSurface::build(scans, held)[0].isRefused());
    EXPECT_TRUE(CellSurface::build(scans, held + 1)[0].isRefused());
}

TEST(SurfaceBudget, FilmModelWarnsOnceStepsAsPointsAndBuildsOnALaterRequestThatFits)
{
    const std::vector<FilmCell> cells =
        FilmTest::heightVolume(side, side, depth, checkerboardHeights());
    const long long openTriangles =
        SurfaceScan::open(side, side, depth, cells.data(), SameMaterial(FilmCell::substrateReference()))
            .triangleCount();
    ASSERT_GT(openTriangles, 0);

    TestSupport::ScriptedScope scope;
    TestSupport::BudgetScope budget(filmModelBytes() + SurfaceBudget::bytes(openTriangles) - 1);
    SimpleFilmDeposition3D model(side, side, depth, cells.data());
    ASSERT_EQ(1, scope->messages().size());
    const auto& warning = scope->messages()[0];
    EXPECT_EQ(QMessageBox::Warning, warning.icon);
    EXPECT_EQ(SurfaceBudget::warningTitle(), warning.title);
    EXPECT_EQ(SurfaceBudget::warningText(openTriangles, filmModelBytes()), warning.text);
    EXPECT_TRUE(warning.text.contains(QStringLiteral("%1 triangles").arg(openTriangles)));
    EXPECT_TRUE(warning.text.contains(
        QString::fromStdString(SizeCheck::memoryText(SurfaceBudget::bytes(openTriangles)))));
    EXPECT_TRUE(model.substrateSurface().isRefused() && model.filmSurface().isRefused());
    EXPECT_EQ(0u, model.substrateSurface().getTriangles().capacity());

    // The model grows on, drawn as points, without further warnings.
    model.step();
    model.step();
    EXPECT_EQ(1, scope->messages().size());
    EXPECT_FALSE(model.surfacesFresh());
    EXPECT_EQ(Film, model.getCells()[(1 * side + 1) * depth + 0].type);

    // A request within a larger budget builds both surfaces.
    TestSupport::BudgetScope larger(1LL << 30);
    model.regenerateSurfaces();
    EXPECT_TRUE(model.surfacesFresh());
    EXPECT_FALSE(model.filmSurface().isRefused() || model.filmSurface().isEmpty());
    EXPECT_FALSE(model.substrateSurface().isEmpty());
    EXPECT_EQ(1, scope->messages().size());
}

TEST(SurfaceBudget, Painter3DDrawsBoundaryVoxelsWhenRefusedAndWarnsOnlyOnce)
{
    // A solid 4 x 4 x 4 block shows every voxel but the 2 x 2 x 2 core.
    const std::vector<int> block(64, 1);
    int shown = 0;
    Automata::Surfaces::SurfacePainting::forEachBoundaryVoxel(
        4, 4, 4, block.data(), [](int cell) { return cell == 1; },
        [&shown](int x, int y, int z) {
            const bool core = x > 0 && x < 3 && y > 0 && y < 3 && z > 0 && z < 3;
            EXPECT_FALSE(core) << x << "," << y << "," << z;
            ++shown;
        });
    EXPECT_EQ(56, shown);

    const std::vector<FilmCell> cells =
        FilmTest::heightVolume(side, side, depth, checkerboardHeights());
    SimpleFilmDeposition3D model(side, side, depth, cells.data());
    TestSupport::ScriptedScope scope;
    {
        TestSupport::BudgetScope budget(SizeCheck({side, side, depth}).perSite<FilmCell>(2).bytes());
        Automata::Painter3D<FilmCell, FilmCellTypeComparer> painter(
            &model, {FilmCell::filmReference(), FilmCell::substrateReference()});
        EXPECT_TRUE(painter.surfacesRefused());
        model.step();
        painter.update();
        EXPECT_TRUE(painter.surfacesRefused());
        ASSERT_EQ(1, scope->messages().size());
        EXPECT_EQ(SurfaceBudget::warningTitle(), scope->messages()[0].title);

        TestSupport::BudgetScope larger(1LL << 30);
        painter.update();
        EXPECT_FALSE(painter.surfacesRefused());
        EXPECT_FALSE(painter.getSurfaces()[1].isEmpty());
    }
}

TEST(SurfaceBudget, BatchRunPrintsTheRefusalAndGoesOnDrawingPoints)
{
    if (!Batch::OffscreenView::hasDisplay())
        GTEST_SKIP() << "drawing the view needs a display";
    QTemporaryDir dir;
    QImage map(side, side, QImage::Format_RGB32);
    const std::vector<int> heights = checkerboardHeights();
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            map.setPixel(x, y, qRgb(heights[x * side + y], 0, 0));
    const QString mapFile = dir.filePath(QStringLiteral("checkerboard.png"));
    ASSERT_TRUE(map.save(mapFile));

    // Room for the model and its first surfaces, not for those after a step.
    const long long triangles = closedTrianglesAfterOneStep();
    TestSupport::BudgetScope budget(filmModelBytes() + SurfaceBudget::bytes(triangles) - 1);
    Batch::BatchOptions options;
    options.modelIndex = Input::Catalogue::indexOf(QStringLiteral("3D Film Deposition"));
    options.inputs << mapFile;
    options.steps = 2;
    options.actions << Batch::StepAction{1, {QStringLiteral("btnGenerateSurface"),
                                             QStringLiteral("click")}};
    options.viewFile = dir.filePath(QStringLiteral("view.png"));
    options.viewSize = QSize(64, 64);
    options.quiet = true;
    int exitCode = -1;
    const QString errors = runBatchCapturingErrors(options, exitCode);
    EXPECT_EQ(0, exitCode) << errors.toStdString();
    EXPECT_EQ(1, errors.count(SurfaceBudget::warningTitle())) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("%1 triangles").arg(triangles)))
        << errors.toStdString();

    // Points on black: the surfaces were never shown.
    const QImage view(options.viewFile);
    ASSERT_EQ(QSize(64, 64), view.size());
    EXPECT_EQ(qRgb(0, 0, 0), view.pixel(0, 0) | 0xFF000000);
    int coloured = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x)
            coloured += (view.pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_GT(coloured, 0);
}
