#include <gtest/gtest.h>

#include <memory>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "Automata/ProbabilisticSandAutomata/probabilisticesandautomaton.h"
#include "Automata/SandAutomata/sandautomaton.h"
#include "Input/catalogue.h"
#include "Input/imageinput.h"
#include "Input/sandautomatonloader.h"
#include "testsupport.h"

using namespace Automata::SandAutomata;

namespace {

std::vector<SandAutomatonParticles> cellsOf(SandAutomaton& sand)
{
    return std::vector<SandAutomatonParticles>(sand.getCells(), sand.getCells() + sand.getSiteCount());
}

int grains(SandAutomaton& sand)
{
    int n = 0;
    for (SandAutomatonParticles c : cellsOf(sand))
        n += c == Sand;
    return n;
}

SandAutomaton* loadEntry(int index, const QString& file)
{
    TestSupport::ScriptedScope script;
    script->queueOpenFile(file);
    return dynamic_cast<SandAutomaton*>(Input::AutomatonFactory(index, nullptr));
}

} // namespace

TEST(SandLoader, BlackIsSandWhiteIsEmptyEverythingElseIsWall)
{
    using Input::SandAutomatonLoader;
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgba(0, 0, 0, 255)), Sand);
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgba(0, 0, 0, 0)), Sand);
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgba(255, 255, 255, 17)), Empty);
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgb(255, 0, 0)), Wall);
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgba(1, 0, 0, 0)), Wall);
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgb(254, 255, 255)), Wall);
    EXPECT_EQ(SandAutomatonLoader::convertColor(qRgb(128, 128, 128)), Wall);
}

TEST(SandLoader, CancelledImageGivesTheWarningAndNoModel)
{
    for (int index : {0, 1}) {
        TestSupport::ScriptedScope script;
        EXPECT_EQ(Input::AutomatonFactory(index, nullptr), nullptr);
        ASSERT_EQ(script->messages().size(), 1);
        EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(script->messages()[0].title.isEmpty());
        EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
        ASSERT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
        EXPECT_EQ(script->fileDialogFolders()[0], Input::ImageInput::examplesFolder());
        EXPECT_TRUE(script->dialogTitles().isEmpty());
    }
}

TEST(SandLoader, PixelsMapToLatticeSitesWithoutFlipping)
{
    QTemporaryDir folder;
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 2, qRgb(0, 0, 255));
    const QString name = folder.filePath(QStringLiteral("tiny.png"));
    ASSERT_TRUE(image.save(name));
    std::unique_ptr<SandAutomaton> sand(loadEntry(0, name));
    ASSERT_TRUE(sand);
    EXPECT_EQ(sand->getWidth(), 2);
    EXPECT_EQ(sand->getHeight(), 3);
    EXPECT_EQ(sand->stateAt(0, 0), Sand);
    EXPECT_EQ(sand->stateAt(1, 2), Wall);
    EXPECT_EQ(sand->stateAt(0, 2), Empty);
}

TEST(SandLoader, EntriesBuildTheirModels)
{
    const QString pile = TestSupport::examplePath(QStringLiteral("sand-automaton/pile.png"));
    std::unique_ptr<SandAutomaton> plain(loadEntry(0, pile));
    ASSERT_TRUE(plain);
    EXPECT_EQ(dynamic_cast<Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton*>(plain.get()),
              nullptr);
    std::unique_ptr<SandAutomaton> friction(loadEntry(1, pile));
    ASSERT_TRUE(dynamic_cast<Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton*>(friction.get()));
    EXPECT_DOUBLE_EQ(static_cast<Automata::ProbabilisticSandAutomata::ProbabilisticeSandAutomaton*>(friction.get())
                         ->getStickProbability(),
                     0.5);
    EXPECT_EQ(friction->getTime(), 0.0);
    EXPECT_EQ(friction->getTimeInfo(), std::string());
}

TEST(SandSave, ASavedPictureLoadsBackToTheSameLattice)
{
    QTemporaryDir folder;
    std::unique_ptr<SandAutomaton> sand(
        loadEntry(0, TestSupport::examplePath(QStringLiteral("sand-automaton/pile.png"))));
    ASSERT_TRUE(sand);
    for (int k = 0; k < 40; ++k)
        sand->step();
    const QString saved = folder.filePath(QStringLiteral("pile.png"));
    {
        TestSupport::ScriptedScope script;
        script->queueSaveFile(saved);
        sand->save();
    }
    const QImage image(saved);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), sand->getWidth());
    EXPECT_EQ(image.height(), sand->getHeight());
    std::unique_ptr<SandAutomaton> reloaded(loadEntry(0, saved));
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(cellsOf(*reloaded), cellsOf(*sand));
}

TEST(SandSave, SaveAllWritesOnePicturePerStepIgnoringTheInterval)
{
    QTemporaryDir folder;
    std::unique_ptr<SandAutomaton> sand(
        loadEntry(0, TestSupport::examplePath(QStringLiteral("sand-automaton/pile.png"))));
    ASSERT_TRUE(sand);
    TestSupport::ScriptedScope script;
    script->queueSaveFile(folder.filePath(QStringLiteral("run.png")));
    sand->setSaveAll(true, 5);
    for (int k = 0; k < 3; ++k)
        sand->step();
    sand->setSaveAll(false, 5);
    sand->step();
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("run00000.png"))));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("run00002.png"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("run00003.png"))));
    // The last picture shows the lattice after the third step.
    const QImage last(folder.filePath(QStringLiteral("run00002.png")));
    ASSERT_FALSE(last.isNull());
}

TEST(SandEndToEnd, TheExamplePilesUpWithoutGainingGrains)
{
    for (int index : {0, 1}) {
        const QString input = TestSupport::examplePath(
            index == 0 ? QStringLiteral("sand-automaton/pile.png")
                       : QStringLiteral("probabilistic-sand-automaton/hopper.png"));
        std::unique_ptr<SandAutomaton> sand(loadEntry(index, input));
        ASSERT_TRUE(sand);
        const int initial = grains(*sand);
        const std::vector<SandAutomatonParticles> before = cellsOf(*sand);
        EXPECT_GT(initial, 100);
        for (int k = 0; k < 150; ++k)
            sand->step();
        EXPECT_LE(grains(*sand), initial);
        EXPECT_NE(cellsOf(*sand), before);
        // The example keeps its grains inside walls: nearly all of them remain.
        EXPECT_GT(grains(*sand), initial * 9 / 10);
    }
}

TEST(SandEndToEnd, BatchRunsTheExampleAndSavesThePicture)
{
    if (!QFile::exists(TestSupport::batchProgram()))
        GTEST_SKIP() << "lithoscope-batch is not built";
    QTemporaryDir folder;
    for (const QString& model : {QStringLiteral("Sand Automaton"), QStringLiteral("1")}) {
        const QString out = folder.filePath(QStringLiteral("sand%1.png").arg(model.size()));
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {model, QStringLiteral("--example"), QStringLiteral("--steps"), QStringLiteral("20"),
             QStringLiteral("--save"), out, QStringLiteral("--quiet")},
            folder.path());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QImage image(out);
        ASSERT_FALSE(image.isNull()) << result.err.toStdString();
        EXPECT_EQ(image.size(), QImage(TestSupport::examplePath(
                                           model == QStringLiteral("1")
                                               ? QStringLiteral("probabilistic-sand-automaton/hopper.png")
                                               : QStringLiteral("sand-automaton/pile.png")))
                                    .size());
    }
}
