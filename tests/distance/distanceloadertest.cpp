#include <limits>

#include <QDir>
#include <QDoubleSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/distancecountingfilmdeposition2d.h"
#include "Automata/FilmDeposition/distancecountingfilmdeposition3d.h"
#include "Automata/FilmDeposition/heightcountingfilmdeposition2d.h"
#include "Input/catalogue.h"
#include "Input/distancecountingfilmdeposition2dloader.h"
#include "Input/distancecountingfilmdeposition3dloader.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

const int heightEntry = 33;
const int distance2DEntry = 34;
const int distance3DEntry = 35;

} // namespace

TEST(DistanceCountingLoaders, TwoDimensionalLoaderRemembersItsFileAndReadsRedAsSourceInPlainOrder)
{
    // The remembered file outlives a model: start from the first run's folder.
    Input::DistanceCountingFilmDeposition2DLoader::rememberedPath() = QDir::homePath();
    QTemporaryDir dir;
    const QString picture = TestSupport::writePicture(dir, {"r..", "..x"},
        {{'r', qRgb(255, 0, 0)}, {'x', qRgb(254, 0, 0)}, {'.', qRgb(255, 255, 255)}});
    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(picture);
    const auto model = TestSupport::buildEntry<DistanceCountingFilmDeposition2D>(distance2DEntry);
    ASSERT_TRUE(model);
    ASSERT_EQ(std::make_pair(3, 2), std::make_pair(model->getWidth(), model->getHeight()));
    for (int i = 0; i < 6; ++i) {
        const DistState& cell = model->getCells()[i];
        EXPECT_EQ(i == 0 ? 1u : 0u, cell.state) << i;
        EXPECT_EQ(i == 0 ? 0.0f : std::numeric_limits<float>::max(), cell.dx) << i;
    }
    // A cancelled dialog, then an unreadable file: no model, the plain
    // message without a title, and the dialog opens at the last picture.
    EXPECT_EQ(nullptr, TestSupport::buildEntry(distance2DEntry));
    scope->queueOpenFile(dir.filePath(QStringLiteral("missing.png")));
    EXPECT_EQ(nullptr, TestSupport::buildEntry(distance2DEntry));
    EXPECT_EQ((QStringList{"(warning) : Could not open input file!", "(warning) : Could not open input file!"}),
              TestSupport::shown(scope->messages()));
    ASSERT_EQ(3, scope->fileDialogFolders().size());
    EXPECT_EQ(QDir::homePath(), scope->fileDialogFolders()[0]);
    EXPECT_EQ(picture, scope->fileDialogFolders()[1]);
    EXPECT_EQ(picture, scope->fileDialogFolders()[2]);
}

TEST(DistanceCountingLoaders, HeightMapIsCutAtDepthHundredAndTheFormStartsAtTheModelsThickness)
{
    Input::DistanceCountingFilmDeposition3DLoader::rememberedPath() = QDir::homePath();
    QTemporaryDir dir;
    const QString map = TestSupport::writePicture(dir, {"ab"}, {{'a', qRgb(3, 9, 9)}, {'b', qRgb(150, 0, 0)}});
    TestSupport::ScriptedScope scope;
    TestSupport::FakeView view;
    scope->queueOpenFile(map);
    const auto model = TestSupport::buildEntry<DistanceCountingFilmDeposition3D>(distance3DEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(100, model->getDepth());
    const int* a = model->getCells();
    const int* b = model->getCells() + 100;
    EXPECT_TRUE(a[2] == 1 && a[3] == 0 && b[99] == 1);
    EXPECT_TRUE(model->surfacesFresh());
    EXPECT_EQ(" steps", model->getTimeInfo());

    // The form shows the thickness in force; 10 is a change, as is a colour.
    ASSERT_EQ(1, scope->openForms().size());
    auto* box = scope->openForms()[0]->findChild<QDoubleSpinBox*>(QStringLiteral("dsbThickness"));
    ASSERT_TRUE(box);
    EXPECT_EQ(20.0, box->value());
    EXPECT_EQ(20.0f, model->getThickness());
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied, scope->setFormWidget("dsbThickness", "10"));
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied, scope->setFormWidget("cbxFilm", "Blue Film"));
    EXPECT_EQ(10.0f, model->getThickness());
    EXPECT_EQ(4, model->getFilmState());
    model->step();
    EXPECT_FALSE(model->surfacesFresh());
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied, scope->setFormWidget("btnGenerateSurface", "click"));
    EXPECT_TRUE(model->surfacesFresh());
    EXPECT_EQ(1, view.requests);
    scope->closeForms();

    // Too large for memory: refused before anything is built.
    {
        TestSupport::BudgetScope budget(1000);
        scope->queueOpenFile(map);
        EXPECT_EQ(nullptr, Input::AutomatonFactory(distance3DEntry, nullptr));
    }
    ASSERT_EQ(1, scope->messages().size());
    EXPECT_TRUE(scope->messages()[0].text.startsWith(QStringLiteral("A model of 2 x 1 x 100 voxels needs ")));
    EXPECT_TRUE(scope->openForms().isEmpty());
    EXPECT_EQ(QDir::homePath(), scope->fileDialogFolders().value(0));
    EXPECT_EQ(map, scope->fileDialogFolders().value(1));
}

TEST(DistanceCountingExamples, EachEntryRunsItsExample)
{
    const auto height = TestSupport::buildExample<HeightCountingFilmDeposition2D>(heightEntry);
    ASSERT_TRUE(height);
    height->step();
    EXPECT_GT(height->getCells()[height->index(100, 174)], 0.0);

    const auto flat = TestSupport::buildExample<DistanceCountingFilmDeposition2D>(distance2DEntry);
    ASSERT_TRUE(flat);
    for (int step = 0; step < 12; ++step)
        flat->step();
    // The trench (columns 60 to 99 above row 2) is filled from its walls.
    EXPECT_EQ(2u, flat->getCells()[flat->index(80, 20)].state);
    EXPECT_EQ(0u, flat->getCells()[flat->index(20, 100)].state);

    const auto volume = TestSupport::buildExample<DistanceCountingFilmDeposition3D>(distance3DEntry);
    ASSERT_TRUE(volume);
    for (int step = 0; step < 12; ++step)
        volume->step();
    // Film right above the base, none high above it.
    EXPECT_EQ(2, volume->getCells()[volume->index(36, 0, 20)]);
    EXPECT_EQ(0, volume->getCells()[volume->index(36, 0, 60)]);
}
