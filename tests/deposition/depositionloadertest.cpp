#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition.h"
#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition3d.h"
#include "Automata/FilmDeposition/anisotropichuygensdepositionautomaton.h"
#include "Automata/FilmDeposition/continuousfilmdepositionvts2d.h"
#include "Automata/FilmDeposition/isotropicfilmdeposition.h"
#include "Input/huygensdepositionautomatonloader.h"
#include "Persistence/imagefiles.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

const int ftsEntry = 22, vtsEntry = 23, envelopeEntry = 24, huygensEntry = 25;
const int anisotropicEntry = 37, directionalEntry = 38, directional3DEntry = 39;

// 3 x 2: red in the bottom-left pixel, a near-red that must not count.
QString profile(const QTemporaryDir& dir)
{
    return TestSupport::writePicture(dir, {"..x", "r.."},
                                     {{'r', qRgb(255, 0, 0)}, {'x', qRgb(255, 0, 1)}, {'.', qRgb(255, 255, 255)}});
}

} // namespace

TEST(DepositionLoaders, ContinuousAndEnvelopeModelsTakeThePictureAsItStandsWithoutDialog)
{
    QTemporaryDir dir;
    const QString path = profile(dir);
    for (int entry : {ftsEntry, vtsEntry, envelopeEntry}) {
        SCOPED_TRACE(entry);
        TestSupport::ScriptedScope scope;
        scope->queueOpenFile(path);
        const auto model = TestSupport::buildEntry<Automata::Automaton2D<FilmCell>>(entry);
        ASSERT_TRUE(model);
        EXPECT_TRUE(scope->dialogTitles().isEmpty());
        EXPECT_EQ(entry == envelopeEntry ? QDir::currentPath() : Persistence::ImageFiles::examplesFolder(),
                  scope->fileDialogFolders().value(0));
        // Pixel (0, 1) is cell (0, 1): element 1, full substrate.
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(i == 1 ? Substrate : Empty, model->getCells()[i].type) << i;
            EXPECT_EQ(i == 1 ? 1.0f : 0.0f, model->getCells()[i].value) << i;
        }
        EXPECT_EQ(entry == vtsEntry, dynamic_cast<ContinuousFilmDepositionVts2D*>(model.get()) != nullptr);
        const QImage saved = TestSupport::savedPicture(*model);
        if (entry == envelopeEntry) {
            EXPECT_TRUE(saved.isNull());
            continue;
        }
        EXPECT_EQ(qRgb(255, 0, 0), saved.pixel(0, 1));
        EXPECT_EQ(qRgb(255, 255, 255), saved.pixel(2, 0));
    }
}

TEST(DepositionLoaders, HuygensModelsStandThePictureUprightAskTheOptionsAndRememberTheFile)
{
    QTemporaryDir dir;
    const QString path = profile(dir);
    Input::HuygensDepositionAutomatonLoader::rememberedPath() = QDir::homePath();
    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(path);
    scope->addSetting(QStringLiteral("dsbRate"), QStringLiteral("2"));
    scope->addSetting(QStringLiteral("dsbOccupationThreshold"), QStringLiteral("0.25"));
    const auto model = TestSupport::buildEntry<AnisotropicHuygensDepositionAutomaton>(anisotropicEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(QDir::homePath(), scope->fileDialogFolders().value(0));
    EXPECT_EQ(QStringList{QStringLiteral("Dialog")}, scope->dialogTitles());
    EXPECT_EQ(2.0f, model->getRate());
    EXPECT_EQ(3.0f, model->getTimeStep());
    EXPECT_EQ(0.25f, model->getOccupationThreshold());
    // The bottom-left pixel is site (0, 0); the saved picture stands as loaded.
    EXPECT_EQ(Substrate, model->getCells()[0].type);
    EXPECT_EQ(Empty, model->getCells()[1].type);
    const QImage saved = TestSupport::savedPicture(*model);
    EXPECT_EQ(qRgb(255, 0, 0), saved.pixel(0, 1));
    EXPECT_EQ(qRgb(255, 255, 255), saved.pixel(0, 0));

    // The next dialog opens at the file; a cancelled option dialog builds nothing.
    scope->queueOpenFile(path);
    scope->rejectNextDialog();
    EXPECT_FALSE(TestSupport::buildEntry(huygensEntry));
    EXPECT_EQ(path, scope->fileDialogFolders().value(1));
    scope->queueOpenFile(path);
    EXPECT_TRUE(TestSupport::buildEntry<AnisotropicDirectionalHuygensDeposition>(directionalEntry));
    EXPECT_TRUE(scope->messages().isEmpty());

    // A picture that cannot be read shows the warning and no option dialog.
    scope->queueOpenFile(dir.filePath(QStringLiteral("missing.png")));
    EXPECT_FALSE(TestSupport::buildEntry(huygensEntry));
    EXPECT_EQ(QStringList{QStringLiteral("(warning) : Could not open input file!")},
              TestSupport::shown(scope->messages()));
    EXPECT_EQ(3, scope->dialogTitles().size());
}

TEST(DepositionLoaders, DirectionalVolumeComesFromTheHeightMapAndTheSameOptions)
{
    QTemporaryDir dir;
    const QString map = TestSupport::writePicture(dir, {"12", "30"},
                                                  {{'0', qRgb(0, 0, 0)}, {'1', qRgb(1, 0, 0)},
                                                   {'2', qRgb(2, 0, 0)}, {'3', qRgb(3, 0, 0)}});
    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(map);
    scope->rejectNextDialog();
    EXPECT_FALSE(TestSupport::buildEntry(directional3DEntry));
    scope->queueOpenFile(map);
    const auto model = TestSupport::buildEntry<AnisotropicDirectionalHuygensDeposition3D>(directional3DEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(2, scope->dialogTitles().size());
    ASSERT_EQ(6, model->getDepth());
    EXPECT_EQ(Substrate, model->getCells()[model->index(0, 1, 2)].type);
    EXPECT_EQ(Empty, model->getCells()[model->index(0, 1, 3)].type);
    EXPECT_EQ(" minutes", model->getTimeInfo());
    // Save writes the slice y = 1 from the side: 2 x 6, top row first.
    const QImage saved = TestSupport::savedPicture(*model);
    ASSERT_EQ(QSize(2, 6), saved.size());
    EXPECT_EQ(qRgb(255, 0, 0), saved.pixel(0, 3));
    EXPECT_EQ(qRgb(255, 255, 255), saved.pixel(0, 2));
    EXPECT_EQ(qRgb(255, 255, 255), saved.pixel(1, 5));
}
