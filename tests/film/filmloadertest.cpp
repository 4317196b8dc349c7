#include <cstdlib>
#include <cstring>
#include <vector>

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Automata/colorplanes.h"
#include "Input/catalogue.h"
#include "Persistence/imagefiles.h"
#include "filmtesthelpers.h"
#include "testsupport.h"
#include "viewrenderer.h"

using namespace Automata::FilmDeposition;

namespace {

const int film2DEntry = 7;
const int film3DEntry = 8;
const int cvdEntry = 15;
const int isotropicGaEntry = 16;

// 2 x 3, white but for red in the top-left pixel and a slightly different
// red that must not count.
QString cornerPicture(const QTemporaryDir& dir)
{
    return TestSupport::writePicture(dir, {"r.", ".x", ".."},
                                     {{'r', qRgb(255, 0, 0)}, {'x', qRgb(254, 0, 0)}, {'.', qRgb(255, 255, 255)}});
}

} // namespace

TEST(FilmLoaders, EachAsksForOneImageWithoutOptionDialogAndMapsRedPixelsInPlainOrder)
{
    QTemporaryDir dir;
    const QString path = cornerPicture(dir);
    for (int entry : {film2DEntry, film3DEntry, cvdEntry, isotropicGaEntry}) {
        SCOPED_TRACE(entry);
        TestSupport::ScriptedScope scope;
        scope->queueOpenFile(path);
        const auto model = TestSupport::buildEntry(entry);
        scope->closeForms();
        ASSERT_NE(nullptr, model);
        EXPECT_EQ(QStringList{QStringLiteral("Open Image")}, scope->fileDialogCaptions());
        // The CVD loader starts in the current folder, the others in the examples.
        EXPECT_EQ(entry == cvdEntry ? QDir::currentPath() : Persistence::ImageFiles::examplesFolder(),
                  scope->fileDialogFolders().value(0));
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

TEST(FilmLoaders, HeightMapVolumeIsTwiceAsDeepAsItsTallestColumnAtLeastTwoAndWithinTheBudget)
{
    QTemporaryDir dir;
    // Heights are the red components; only red counts.
    const QString map = TestSupport::writePicture(dir, {".3.", ".21"},
        {{'.', qRgb(0, 200, 200)}, {'3', qRgb(3, 0, 0)}, {'2', qRgb(2, 0, 0)}, {'1', qRgb(1, 255, 255)}}, "map.png");
    const QString flat = TestSupport::writePicture(dir, {"....", "....", "....", "...."}, {{'.', qRgb(0, 0, 0)}});

    TestSupport::ScriptedScope scope;
    scope->queueOpenFile(map);
    const auto model = TestSupport::buildEntry<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(std::make_pair(3, 2), std::make_pair(model->getWidth(), model->getHeight()));
    ASSERT_EQ(6, model->getDepth()); // twice the tallest column
    EXPECT_EQ(Substrate, model->getCells()[(1 * 2 + 0) * 6 + 2].type);
    EXPECT_EQ(Empty, model->getCells()[(1 * 2 + 0) * 6 + 3].type);
    scope->closeForms();

    // A map of zeros: depth 2 and no material, so no surfaces.
    scope->queueOpenFile(flat);
    const auto empty = TestSupport::buildEntry<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(empty);
    EXPECT_EQ(2, empty->getDepth());
    empty->regenerateSurfaces();
    EXPECT_TRUE(empty->filmSurface().isEmpty() && empty->substrateSurface().isEmpty());
    scope->closeForms();

    // A volume beyond the memory budget is refused before it is built.
    {
        TestSupport::BudgetScope budget(100);
        scope->queueOpenFile(map);
        EXPECT_EQ(nullptr, Input::AutomatonFactory(film3DEntry, nullptr));
    }
    ASSERT_EQ(1, scope->messages().size());
    const QString text = scope->messages()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("A model of 3 x 2 x 6 voxels needs "))
                && text.endsWith(QStringLiteral("more than the 100 bytes that can be used.")))
        << text.toStdString();
    EXPECT_TRUE(scope->openForms().isEmpty());
}

// As in the example, "Generate Surface" is pressed on the form the loader
// shows without waiting: each surface encloses its own material, the view is
// asked for a frame and shows lit surfaces on white until the next step, then
// points on black, film in its material colour (0.7, 0.7, 0) whichever way
// the driver rounds 0.7.
TEST(FilmLoaders, ThreeDimensionalExampleShowsLitSurfacesUntilTheNextStepThenPoints)
{
    const TestSupport::Recipe recipe = TestSupport::exampleRecipe(film3DEntry);
    TestSupport::ScriptedScope scope;
    TestSupport::FakeView view;
    scope->queueOpenFile(recipe.inputs.value(0));
    const auto model = TestSupport::buildEntry<SimpleFilmDeposition3D>(film3DEntry);
    ASSERT_TRUE(model);
    ASSERT_EQ(1, scope->openForms().size());
    for (int k = 0; k < recipe.steps; ++k)
        model->step();
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied,
              scope->setFormWidget(QStringLiteral("btnGenerateSurface"), QStringLiteral("click")));
    EXPECT_EQ(1, view.requests);
    for (const FilmDepositionCell material : {Film, Substrate}) {
        const auto expected = Automata::Surfaces::CellSurface::closed(
            model->getWidth(), model->getHeight(), model->getDepth(), model->getCells(),
            [material](const FilmCell& c) { return c.type == material; });
        const auto& shown = material == Film ? model->filmSurface() : model->substrateSurface();
        ASSERT_EQ(expected.triangleCount(), shown.triangleCount()) << material;
        EXPECT_EQ(0, std::memcmp(expected.getTriangles().data(), shown.getTriangles().data(),
                                 shown.triangleCount() * sizeof(shown.getTriangles()[0])));
    }
    ViewCamera camera;
    camera.setAngles(60, 0, 30);
    QString error;
    const QImage lit = ViewRenderer::renderOffscreen(model->getPainter(), camera, 200, 160, &error);
    if (lit.isNull())
        GTEST_SKIP() << error.toStdString();
    model->step();
    const QImage points = ViewRenderer::renderOffscreen(model->getPainter(), camera, 200, 160);
    scope->closeForms();
    EXPECT_EQ(qRgb(255, 255, 255), lit.pixel(0, 0) | 0xFF000000);
    EXPECT_EQ(qRgb(0, 0, 0), points.pixel(0, 0) | 0xFF000000);
    QSet<QRgb> tones; // shading gives the surfaces more than two tones
    int film = 0;
    for (int y = 0; y < lit.height(); ++y)
        for (int x = 0; x < lit.width(); ++x) {
            if ((lit.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                tones.insert(lit.pixel(x, y));
            const QRgb p = points.pixel(x, y);
            film += qRed(p) == qGreen(p) && std::abs(qRed(p) - 178) <= 1 && qBlue(p) == 0;
        }
    EXPECT_GT(tones.size(), 2);
    EXPECT_GT(film, 0);
}

TEST(FilmCell, ByteColoursAreTheFloatColoursAsSavedAndValuesWithoutColourReadAsEmpty)
{
    for (const FilmDepositionCell material : {Substrate, Film, Empty, Silicon, Oxide})
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(Automata::ColorPlanes::toByte(filmDepositionColor(material)[c]),
                      filmDepositionByteColor(material)[c]) << "material " << material;
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(Void));
    EXPECT_EQ(filmDepositionColor(Empty), filmDepositionColor(static_cast<FilmDepositionCell>(-1)));
    EXPECT_EQ(filmDepositionByteColor(Empty), filmDepositionByteColor(Void));
}

// The 2D film and CVD models save their materials' colours, the Isotropic GA
// black film on white; pixel (x, y) is cell (x, y).
TEST(FilmSaving, TwoDimensionalModelsSaveTheirOwnColours)
{
    std::vector<FilmCell> cells = FilmTest::emptyLattice(2, 2);
    cells[1].type = Substrate;
    const std::vector<FilmDepositionCell> sites = {Empty, Film, Empty, Empty};
    const bool grown[4] = {false, true, false, false};
    SimpleFilmDeposition2D film(2, 2, cells.data());
    ChemicalVaporDeposition cvd(2, 2, sites.data());
    BinaryIsotropicFilmDeposition ga(2, 2, grown);
    const unsigned char* olive = filmDepositionByteColor(Film);
    const struct {
        QImage picture;
        QRgb filled;
    } saved[] = {{TestSupport::savedPicture(film), qRgb(255, 0, 0)},
                 {TestSupport::savedPicture(cvd), qRgb(olive[0], olive[1], olive[2])},
                 {TestSupport::savedPicture(ga), qRgb(0, 0, 0)}};
    for (const auto& s : saved) {
        ASSERT_EQ(s.picture.size(), QSize(2, 2));
        // Saved pictures keep five or six bits of each component.
        for (int shift : {16, 8, 0})
            EXPECT_EQ(s.picture.pixel(0, 1) >> shift & 0xF8, s.filled >> shift & 0xF8) << std::hex << s.filled;
        EXPECT_EQ(s.picture.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(s.picture.pixel(1, 1), qRgb(255, 255, 255));
    }
}
