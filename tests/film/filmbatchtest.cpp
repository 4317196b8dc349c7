#include <cstdlib>

#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

// Runs lithoscope-batch in a fresh folder and returns the view it drew
// (a null image when the run failed).
QImage view(QStringList arguments)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("view.png"));
    const TestSupport::BatchResult result = TestSupport::runBatch(
        arguments << "--view" << out << "--view-size" << "200x160" << "--quiet", dir.path());
    EXPECT_EQ(0, result.exitCode) << result.err.toStdString();
    return QImage(out);
}

} // namespace

TEST(FilmBatch, ThreeDimensionalViewIsLitSurfacesOnWhiteUntilTheNextStepThenPointsOnBlack)
{
    if (!QFileInfo(TestSupport::batchProgram()).isExecutable())
        GTEST_SKIP() << "lithoscope-batch is not built";
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    // The example presses "Generate Surface" after its last step.
    const QImage lit = view({"3D Film Deposition", "--example", "--view-angle", "60,0,30"});
    ASSERT_EQ(QSize(200, 160), lit.size());
    EXPECT_EQ(qRgb(255, 255, 255), lit.pixel(0, 0) | 0xFF000000);
    QSet<QRgb> tones; // shading gives the surfaces more than two tones
    for (int y = 0; y < lit.height(); ++y)
        for (int x = 0; x < lit.width(); ++x)
            if ((lit.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                tones.insert(lit.pixel(x, y));
    EXPECT_GT(tones.size(), 2);

    // Surfaces generated after step 1 are stale again after step 2.
    const QImage points = view({"3D Film Deposition", "--input",
                                TestSupport::examplePath("3d-film-deposition/heightmap.png"),
                                "--steps", "2", "--at", "1", "btnGenerateSurface=click"});
    ASSERT_FALSE(points.isNull());
    EXPECT_EQ(qRgb(0, 0, 0), points.pixel(0, 0) | 0xFF000000);
    // Film points show in their material colour (0.7, 0.7, 0), whichever way
    // the driver rounds 0.7 to a byte.
    int film = 0;
    for (int y = 0; y < points.height(); ++y)
        for (int x = 0; x < points.width(); ++x) {
            const QRgb p = points.pixel(x, y);
            film += qRed(p) == qGreen(p) && std::abs(qRed(p) - 178) <= 1 && qBlue(p) == 0;
        }
    EXPECT_GT(film, 0);
}
