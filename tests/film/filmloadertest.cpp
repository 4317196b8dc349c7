#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Input/catalogue.h"
#include "Input/imageinput.h"
#include "Input/widgetscript.h"
#include "filmtesthelpers.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

const int film2DEntry = 7;
const int film3DEntry = 8;
const int cvdEntry = 15;
const int isotropicGaEntry = 16;

template <typename M>
std::unique_ptr<M> build(int entry)
{
    Automata::Automaton* built = Input::AutomatonFactory(entry, nullptr);
    M* model = dynamic_cast<M*>(built);
    if (!model)
        delete built;
    return std::unique_ptr<M>(model);
}

// 2 x 3 with red only in the top-left pixel (a slightly different red and a
// translucent red elsewhere must not count).
QImage cornerPicture()
{
    QImage image = FilmTest::whitePicture(2, 3);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 1, qRgb(254, 0, 0));
    return image;
}

} // namespace

TEST(FilmLoaders, CatalogueLabels)
{
    EXPECT_STREQ("2D Film Deposition", Input::Catalogue::entry(film2DEntry)->label);
    EXPECT_STREQ("3D Film Deposition", Input::Catalogue::entry(film3DEntry)->label);
    EXPECT_STREQ("CVD Binary 2D Automaton", Input::Catalogue::entry(cvdEntry)->label);
    EXPECT_STREQ("Isotropic GA", Input::Catalogue::entry(isotropicGaEntry)->label);
}

TEST(FilmLoaders, CancelledOrUnreadableImageWarnsAndBuildsNothing)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();

    for (int entry : {film2DEntry, film3DEntry, cvdEntry, isotropicGaEntry}) {
        for (const QString& answer : {QString(), broken}) {
            TestSupport::ScriptedScope scope;
            scope->queueOpenFile(answer);
            EXPECT_EQ(nullptr, Input::AutomatonFactory(entry, nullptr)) << entry;
            ASSERT_EQ(1, scope->messages().size()) << entry;
            EXPECT_EQ(QMessageBox::Warning, scope->messages()[0].icon);
            EXPECT_EQ(QString(), scope->messages()[0].title);
            EXPECT_EQ(QStringLiteral("Could not open input file!"), scope->messages()[0].text);
            EXPECT_TRUE(scope->openForms().isEmpty());
        }
    }
}

TEST(FilmLoaders, FileDialogsAndTheirFolders)
{
    QTemporaryDir dir;
    const QString path = FilmTest::savePicture(dir, QStringLiteral("c.png"), cornerPicture());
    for (int entry : {film2DEntry, film3DEntry, cvdEntry, isotropicGaEntry}) {
        TestSupport::ScriptedScope scope;
        scope->queueOpenFile(path);
        std::unique_ptr<Automata::Automaton> model(Input::AutomatonFactory(entry, nullptr));
        scope->closeForms();
        ASSERT_NE(nullptr, model) << entry;
        ASSERT_EQ(1, scope->fileDialogCaptions().size());
        EXPECT_EQ(QStringLiteral("Open Image"), scope->fileDialogCaptions()[0]);
        const QString expectedFolder = entry == cvdEntry ? QDir::currentPath()
                                                         : Input::ImageInput::examplesFolder();
        EXPECT_EQ(expectedFolder, scope->fileDialogFolders()[0]) << entry;
        EXPECT_TRUE(scope->dialogTitles().isEmpty()) << "no option dialog";
    }
}

TEST(FilmLoaders, RedPixelsBecomeSubstrateOrFilmInPlainOrder)
{
    QTemporaryDir dir;
    const QString path = FilmTest::savePicture(dir, QStringLiteral("c.png"), cornerPicture());

    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(path);
    scope->queueOpenFile(path);
    scope->queueOpenFile(path);
    const auto film = build<SimpleFilmDeposition2D>(film2DEntry);
    const auto cvd = build<ChemicalVaporDeposition>(cvdEntry);
    const auto ga = build<BinaryIsotropicFilmDeposition>(isotropicGaEntry);
    ASSERT_TRUE(film && cvd && ga);
    for (auto* size : {static_cast<Automata::Automaton2D<FilmCell>*>(film.get())}) {
        EXPECT_EQ(2, size->getWidth());
        EXPECT_EQ(3, size->getHeight());
    }
    EXPECT_EQ(2, cvd->getWidth());
    EXPECT_EQ(3, ga->getHeight());
    for (int i = 0; i < 6; ++i) {
        const bool red = i == 0; // pixel (0, 0) is cell (0, 0), element 0
        EXPECT_EQ(red ? Substrate : Empty, film->getCells()[i].type) << i;
        EXPECT_EQ(100.0f, film->getCells()[i].value);
        EXPECT_EQ(0u, film->getCells()[i].stamp);
        EXPECT_EQ(red ? Film : Empty, cvd->getCells()[i]) << i;
        EXPECT_EQ(red, ga->getCells()[i]) << i;
    }
}

TEST(FilmLoaders, HeightMapBuildsAVolumeTwiceAsDeepAsItsTallestColumn)
{
    QTemporaryDir dir;
    QImage map(3, 2, QImage::Format_RGB32);
    map.fill(qRgb(0, 200, 200)); // only red counts
    map.setPixel(1, 0, qRgb(3, 0, 0));
    map.setPixel(2, 1, qRgb(1, 255, 255));
    const QString path = FilmTest::savePicture(dir, QStringLiteral("map.png"), map);

    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(path);
    const auto model = build<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(3, model->getWidth());
    EXPECT_EQ(2, model->getHeight());
    ASSERT_EQ(6, model->getDepth());
    auto columnHeight = [&](int x, int y) {
        int substrate = 0;
        for (int z = 0; z < 6; ++z) {
            const FilmDepositionCell type = model->getCells()[(x * 2 + y) * 6 + z].type;
            EXPECT_TRUE(type == Substrate || type == Empty);
            if (type == Substrate) {
                EXPECT_EQ(substrate, z) << "substrate fills a column from the bottom";
                ++substrate;
            }
        }
        return substrate;
    };
    EXPECT_EQ(3, columnHeight(1, 0));
    EXPECT_EQ(1, columnHeight(2, 1));
    EXPECT_EQ(0, columnHeight(0, 0));
    scope->closeForms();

    // A map of zeros: depth 2, all empty, nothing grows, no surfaces.
    QImage flat(4, 4, QImage::Format_RGB32);
    flat.fill(qRgb(0, 0, 0));
    scope->queueOpenFile(FilmTest::savePicture(dir, QStringLiteral("flat.png"), flat));
    const auto empty = build<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(empty);
    EXPECT_EQ(2, empty->getDepth());
    empty->step();
    for (int i = 0; i < 4 * 4 * 2; ++i)
        EXPECT_EQ(Empty, empty->getCells()[i].type);
    ASSERT_EQ(1, scope->openForms().size());
    EXPECT_EQ(Input::WidgetScript::Result::Applied,
              scope->setFormWidget(QStringLiteral("btnGenerateSurface"), QStringLiteral("click")));
    EXPECT_TRUE(empty->surfacesFresh());
    EXPECT_TRUE(empty->filmSurface().isEmpty());
    EXPECT_TRUE(empty->substrateSurface().isEmpty());
    scope->closeForms();
}

TEST(FilmLoaders, GenerateSurfaceFormActsOnItsModel)
{
    QTemporaryDir dir;
    QImage map(6, 6, QImage::Format_RGB32);
    map.fill(qRgb(2, 0, 0));
    map.setPixel(2, 2, qRgb(4, 0, 0));
    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(FilmTest::savePicture(dir, QStringLiteral("m.png"), map));
    const auto model = build<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(model);
    ASSERT_EQ(1, scope->openForms().size());
    QWidget* form = scope->openForms().first();
    EXPECT_EQ(QStringLiteral("SimpleFilmDeposition3DDialog"), form->objectName());
    EXPECT_EQ(QStringLiteral("Dialog"), form->windowTitle());
    EXPECT_EQ(QSize(237, 70), form->size());
    QWidget* button = Input::WidgetScript::find(form, QStringLiteral("btnGenerateSurface"));
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(QRect(30, 20, 210, 50), button->geometry());

    model->step();
    EXPECT_FALSE(model->surfacesFresh());
    EXPECT_EQ(Input::WidgetScript::Result::Applied,
              scope->setFormWidget(QStringLiteral("btnGenerateSurface"), QStringLiteral("click")));
    EXPECT_TRUE(model->surfacesFresh());
    EXPECT_FALSE(model->filmSurface().isEmpty());
    EXPECT_FALSE(model->substrateSurface().isEmpty());
    model->step();
    EXPECT_FALSE(model->surfacesFresh());
    scope->closeForms();
}
