#include <cstdlib>

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

bool batchAvailable()
{
    return QFileInfo(TestSupport::batchProgram()).isExecutable();
}

int countColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

} // namespace

TEST(FilmBatch, TwoDimensionalExamplesSaveTheirGrownState)
{
    if (!batchAvailable())
        GTEST_SKIP() << "lithoscope-batch is not built";
    QTemporaryDir dir;
    struct Case {
        const char* label;
        int steps;
    };
    for (const Case& c : {Case{"2D Film Deposition", 3}, Case{"CVD Binary 2D Automaton", 5},
                          Case{"Isotropic GA", 3}}) {
        const QString out = dir.filePath(QStringLiteral("%1.png").arg(c.steps));
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {QString::fromUtf8(c.label), QStringLiteral("--example"), QStringLiteral("--steps"),
             QString::number(c.steps), QStringLiteral("--save"), out, QStringLiteral("--quiet")},
            dir.path());
        ASSERT_EQ(0, result.exitCode) << c.label << ": " << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QStringLiteral("Current time: 0"))) << c.label;
        const QImage saved(out);
        ASSERT_FALSE(saved.isNull()) << c.label;
        const QImage input(TestSupport::examplePath(
            QString::fromUtf8(c.label).toLower().replace(QRegularExpression("[^a-z0-9]+"), "-")
            + (QString::fromUtf8(c.label) == "2D Film Deposition" ? "/profile.png" : "/seeds.png")));
        ASSERT_FALSE(input.isNull()) << c.label;
        EXPECT_EQ(input.size(), saved.size()) << c.label;
        // Every model grew: more non-white pixels than red seeds in the input.
        const int seeds = countColour(input, qRgb(255, 0, 0));
        const int white = countColour(saved, qRgb(255, 255, 255));
        EXPECT_GT(saved.width() * saved.height() - white, seeds) << c.label;
    }
}

TEST(FilmBatch, ThreeDimensionalExampleShowsLitSurfacesOnWhite)
{
    if (!batchAvailable())
        GTEST_SKIP() << "lithoscope-batch is not built";
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    QTemporaryDir dir;
    const QString view = dir.filePath(QStringLiteral("view.png"));
    const TestSupport::BatchResult result = TestSupport::runBatch(
        {QStringLiteral("3D Film Deposition"), QStringLiteral("--example"), QStringLiteral("--view"),
         view, QStringLiteral("--view-size"), QStringLiteral("200x160"),
         QStringLiteral("--view-angle"), QStringLiteral("60,0,30"), QStringLiteral("--quiet")},
        dir.path());
    ASSERT_EQ(0, result.exitCode) << result.err.toStdString();
    const QImage image(view);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(QSize(200, 160), image.size());
    // The surfaces are drawn on white: the corner is background, and shading
    // gives the film more than one tone.
    EXPECT_EQ(qRgb(255, 255, 255), image.pixel(0, 0) | 0xFF000000);
    QSet<QRgb> tones;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                tones.insert(image.pixel(x, y));
    EXPECT_GT(tones.size(), 2);
}

TEST(FilmBatch, MissingInputGivesTheLoaderMessage)
{
    if (!batchAvailable())
        GTEST_SKIP() << "lithoscope-batch is not built";
    for (const char* label :
         {"2D Film Deposition", "3D Film Deposition", "CVD Binary 2D Automaton", "Isotropic GA"}) {
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {QString::fromUtf8(label), QStringLiteral("--input"), QString(),
             QStringLiteral("--quiet")});
        EXPECT_EQ(3, result.exitCode) << label;
        EXPECT_EQ(QStringLiteral("Could not open input file!"), result.err.trimmed()) << label;
    }
}

TEST(FilmBatch, GrowthDoesNotDependOnTheThreadCount)
{
    if (!batchAvailable())
        GTEST_SKIP() << "lithoscope-batch is not built";
    QTemporaryDir dir;
    QImage pictures[2];
    for (int i = 0; i < 2; ++i) {
        const QString out = dir.filePath(QStringLiteral("t%1.png").arg(i));
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {QStringLiteral("2D Film Deposition"), QStringLiteral("--example"),
             QStringLiteral("--threads"), i == 0 ? QStringLiteral("1") : QStringLiteral("4"),
             QStringLiteral("--save"), out, QStringLiteral("--quiet")},
            dir.path());
        ASSERT_EQ(0, result.exitCode) << result.err.toStdString();
        pictures[i] = QImage(out);
    }
    ASSERT_FALSE(pictures[0].isNull());
    EXPECT_EQ(pictures[0], pictures[1]);
}

TEST(FilmBatch, WithoutFreshSurfacesTheVolumeIsDrawnAsPointsOnBlack)
{
    if (!batchAvailable())
        GTEST_SKIP() << "lithoscope-batch is not built";
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    QTemporaryDir dir;
    const QString view = dir.filePath(QStringLiteral("points.png"));
    // Surfaces generated after step 1 are stale again after step 2.
    const TestSupport::BatchResult result = TestSupport::runBatch(
        {QStringLiteral("3D Film Deposition"), QStringLiteral("--input"),
         TestSupport::examplePath(QStringLiteral("3d-film-deposition/heightmap.png")),
         QStringLiteral("--steps"), QStringLiteral("2"), QStringLiteral("--at"),
         QStringLiteral("1"), QStringLiteral("btnGenerateSurface=click"), QStringLiteral("--view"),
         view, QStringLiteral("--view-size"), QStringLiteral("200x160"), QStringLiteral("--quiet")},
        dir.path());
    ASSERT_EQ(0, result.exitCode) << result.err.toStdString();
    const QImage image(view);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(qRgb(0, 0, 0), image.pixel(0, 0) | 0xFF000000);
    // Film points show in their material colour (0.7, 0.7, 0), whichever way
    // the driver rounds 0.7 to a byte.
    int film = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            film += qRed(p) == qGreen(p) && std::abs(qRed(p) - 178) <= 1 && qBlue(p) == 0;
        }
    }
    EXPECT_GT(film, 0);
}
