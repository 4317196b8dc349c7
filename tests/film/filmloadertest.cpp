#include <cstring>
#include <memory>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Input/catalogue.h"
#include "Persistence/imagefiles.h"
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

// 2 x 3, white but for red in the top-left pixel and a slightly different
// red that must not count.
QString cornerPicture(const QTemporaryDir& dir)
{
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 1, qRgb(254, 0, 0));
    const QString path = dir.filePath(QStringLiteral("c.png"));
    image.save(path);
    return path;
}

} // namespace

TEST(FilmLoaders, EachAsksForOneImageWithoutOptionDialogAndMapsRedPixelsInPlainOrder)
{
    QTemporaryDir dir;
    const QString path = cornerPicture(dir);
    for (int entry : {film2DEntry, film3DEntry, cvdEntry, isotropicGaEntry}) {
        SCOPED_TRACE(entry);
        TestSupport::ScriptedScope scope;
        scope->queueOpenFile(QString());
        EXPECT_EQ(nullptr, Input::AutomatonFactory(entry, nullptr));
        ASSERT_EQ(1, scope->messages().size());
        EXPECT_EQ(QMessageBox::Warning, scope->messages()[0].icon);
        EXPECT_EQ(QStringLiteral("Could not open input file!"), scope->messages()[0].text);
        EXPECT_TRUE(scope->openForms().isEmpty());

        scope->queueOpenFile(path);
        std::unique_ptr<Automata::Automaton> model(Input::AutomatonFactory(entry, nullptr));
        scope->closeForms();
        ASSERT_NE(nullptr, model);
        EXPECT_EQ(2, scope->fileDialogCaptions().count(QStringLiteral("Open Image")));
        // The CVD loader starts in the current folder, the others in the examples.
        EXPECT_EQ(entry == cvdEntry ? QDir::currentPath() : Persistence::ImageFiles::examplesFolder(),
                  scope->fileDialogFolders().value(1));
        EXPECT_TRUE(scope->dialogTitles().isEmpty()) << "no option dialog";
        if (entry == film3DEntry)
            continue; // a height map, below
        // Pixel (0, 0) is cell (0, 0), element 0: the only red one.
        for (int i = 0; i < 6; ++i) {
            if (auto* film = dynamic_cast<SimpleFilmDeposition2D*>(model.get())) {
                EXPECT_EQ(3, film->getHeight());
                EXPECT_EQ(i == 0 ? Substrate : Empty, film->getCells()[i].type) << i;
                EXPECT_TRUE(film->getCells()[i].value == 100.0f && film->getCells()[i].stamp == 0u);
            } else if (auto* cvd = dynamic_cast<ChemicalVaporDeposition*>(model.get())) {
                EXPECT_EQ(3, cvd->getHeight());
                EXPECT_EQ(i == 0 ? Film : Empty, cvd->getCells()[i]) << i;
            } else {
                auto& ga = dynamic_cast<BinaryIsotropicFilmDeposition&>(*model);
                EXPECT_EQ(3, ga.getHeight());
                EXPECT_EQ(i == 0, ga.getCells()[i]) << i;
            }
        }
    }
}

TEST(FilmLoaders, HeightMapVolumeAndItsGenerateSurfaceForm)
{
    QTemporaryDir dir;
    QImage map(3, 2, QImage::Format_RGB32);
    map.fill(qRgb(0, 200, 200)); // only red counts
    map.setPixel(1, 0, qRgb(3, 0, 0));
    map.setPixel(1, 1, qRgb(2, 0, 0));
    map.setPixel(2, 1, qRgb(1, 255, 255));
    QImage flat(4, 4, QImage::Format_RGB32);
    flat.fill(qRgb(0, 0, 0));
    map.save(dir.filePath(QStringLiteral("map.png")));
    flat.save(dir.filePath(QStringLiteral("flat.png")));

    TestSupport::ScriptedScope scope;
    TestSupport::FakeView view;
    scope->queueOpenFile(dir.filePath(QStringLiteral("map.png")));
    const auto model = build<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(3, model->getWidth());
    EXPECT_EQ(2, model->getHeight());
    ASSERT_EQ(6, model->getDepth()); // twice the tallest column
    const int heights[3][2] = {{0, 0}, {3, 2}, {0, 1}};
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            for (int z = 0; z < 6; ++z)
                EXPECT_EQ(z < heights[x][y] ? Substrate : Empty,
                          model->getCells()[(x * 2 + y) * 6 + z].type)
                    << x << "," << y << "," << z;

    // The form is shown without waiting; its button regenerates the surfaces,
    // which are fresh until the next step, and asks the view to show them.
    EXPECT_FALSE(model->surfacesFresh());
    EXPECT_FALSE(model->substrateSurface().isClosed());
    ASSERT_EQ(1, scope->openForms().size());
    EXPECT_EQ(QStringLiteral("SimpleFilmDeposition3DDialog"), scope->openForms()[0]->objectName());
    EXPECT_EQ(QStringLiteral("Dialog"), scope->openForms()[0]->windowTitle());
    model->step();
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied,
              scope->setFormWidget(QStringLiteral("btnGenerateSurface"), QStringLiteral("click")));
    EXPECT_EQ(1, view.requests);
    // Closed surfaces from cubes of side 2 from -1, which sample odd
    // coordinates only: column (1, 1) shows both materials.
    EXPECT_TRUE(model->surfacesFresh());
    EXPECT_TRUE(model->filmSurface().isClosed() && model->substrateSurface().isClosed());
    // Each surface encloses its own material.
    for (const FilmDepositionCell material : {Film, Substrate}) {
        const auto expected = Automata::Surfaces::CellSurface::closed(
            3, 2, 6, model->getCells(), [material](const FilmCell& c) { return c.type == material; });
        const auto& shown = material == Film ? model->filmSurface() : model->substrateSurface();
        ASSERT_EQ(expected.triangleCount(), shown.triangleCount()) << material;
        EXPECT_EQ(0, std::memcmp(expected.getTriangles().data(), shown.getTriangles().data(),
                                 shown.triangleCount() * sizeof(shown.getTriangles()[0])));
    }
    EXPECT_FALSE(model->filmSurface().isEmpty());
    EXPECT_FALSE(model->substrateSurface().isEmpty());
    model->step();
    EXPECT_FALSE(model->surfacesFresh());
    scope->closeForms();

    // A map of zeros: depth 2, all empty, nothing grows, no surfaces.
    scope->queueOpenFile(dir.filePath(QStringLiteral("flat.png")));
    const auto empty = build<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(empty);
    EXPECT_EQ(2, empty->getDepth());
    empty->step();
    for (int i = 0; i < 4 * 4 * 2; ++i)
        EXPECT_EQ(Empty, empty->getCells()[i].type);
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied,
              scope->setFormWidget(QStringLiteral("btnGenerateSurface"), QStringLiteral("click")));
    EXPECT_TRUE(empty->surfacesFresh());
    EXPECT_TRUE(empty->filmSurface().isEmpty());
    EXPECT_TRUE(empty->substrateSurface().isEmpty());
    scope->closeForms();
}

TEST(FilmLoaders, HeightMapVolumeBeyondTheMemoryBudgetIsRefusedBeforeItIsBuilt)
{
    QTemporaryDir dir;
    QImage map(4, 2, QImage::Format_RGB32);
    map.fill(qRgb(0, 0, 0));
    map.setPixel(3, 1, qRgb(3, 0, 0)); // 4 x 2 x 6 voxels
    map.save(dir.filePath(QStringLiteral("map.png")));
    TestSupport::ScriptedScope scope;
    TestSupport::BudgetScope budget(100);
    scope->queueOpenFile(dir.filePath(QStringLiteral("map.png")));
    EXPECT_EQ(nullptr, Input::AutomatonFactory(film3DEntry, nullptr));
    ASSERT_EQ(1, scope->messages().size());
    const QString text = scope->messages()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("A model of 4 x 2 x 6 voxels needs ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("more than the 100 bytes that can be used.")))
        << text.toStdString();
    EXPECT_TRUE(scope->openForms().isEmpty());
}
