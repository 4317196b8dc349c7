#include <memory>
#include <random>
#include <vector>

#include <QImage>
#include <QThreadPool>

#include "Automata/MixedAutomata/isotropicfilmetchdeposimulator.h"
#include "Input/simplefilmetchdeposimulatorloader.h"
#include "Ui/filmdepositionetchoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::MixedAutomata;
using Automata::FilmDeposition::Empty;
using Automata::FilmDeposition::Film;
using Automata::FilmDeposition::FilmCell;
using Automata::FilmDeposition::Substrate;

namespace {

constexpr int simpleEntry = 26;
constexpr int isotropicEntry = 27;

std::vector<FilmCell> flatSubstrate(int w, int h, int d, int level)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(w) * h * d);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (static_cast<int>(i % d) < level)
            cells[i] = FilmCell(Substrate, 100.0f, SimpleFilmEtchDepoSimulator3D::substrateNumber);
    return cells;
}

// The film number of every voxel of column (x, y), bottom up.
std::vector<std::uint32_t> column(SimpleFilmEtchDepoSimulator3D& model, int x, int y)
{
    std::vector<std::uint32_t> numbers;
    for (int z = 0; z < model.getDepth(); ++z)
        numbers.push_back(model.getCells()[model.index(x, y, z)].stamp);
    return numbers;
}

// The rules as stated, voxel by voxel: within the ball of radius r, or within
// the cube of side 2r + 1 (for r = 1 the 26-neighbourhood of the simple model).
std::vector<FilmCell> ballScan(const std::vector<FilmCell>& cells, int w, int h, int d, int r, bool etch,
                               std::uint32_t film, const std::vector<unsigned char>& mask, bool cube = false)
{
    std::vector<FilmCell> out = cells;
    auto at = [&](int x, int y, int z) { return (static_cast<std::size_t>(x) * h + y) * d + z; };
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            for (int z = 0; z < d; ++z) {
                const FilmCell& cell = cells[at(x, y, z)];
                const bool candidate = etch ? cell.type == Film && cell.stamp == film && !mask[x * h + y]
                                            : cell.type == Empty;
                bool reached = false;
                for (int dx = -r; dx <= r; ++dx)
                    for (int dy = -r; dy <= r; ++dy)
                        for (int dz = -r; dz <= r; ++dz) {
                            const int nx = x + dx, ny = y + dy, nz = z + dz;
                            if ((!cube && dx * dx + dy * dy + dz * dz > r * r) || nx < 0 || ny < 0 || nz < 0 || nx >= w
                                || ny >= h || nz >= d)
                                continue;
                            reached |= (cells[at(nx, ny, nz)].type == Empty) == etch;
                        }
                if (candidate && reached)
                    out[at(x, y, z)] = etch ? FilmCell(Empty, cell.value, 0) : FilmCell(Film, cell.value, film);
            }
    return out;
}

bool sameVolume(const FilmCell* a, const std::vector<FilmCell>& b)
{
    for (std::size_t i = 0; i < b.size(); ++i)
        if (a[i].type != b[i].type || a[i].stamp != b[i].stamp)
            return false;
    return true;
}

} // namespace

TEST(SimpleFilmEtchDepoSimulator3D, DepositsAndEtchesOneLayerPerStepNeverBelowTheFilmOrThroughTheMask)
{
    const std::vector<FilmCell> cells = flatSubstrate(5, 4, 10, 3);
    SimpleFilmEtchDepoSimulator3D model(5, 4, 10, cells.data());
    model.step();
    model.step();
    model.setCurrentFilm(3);
    model.step();
    model.step();
    const std::vector<std::uint32_t> stack{1, 1, 1, 2, 2, 3, 3, 0, 0, 0};
    EXPECT_EQ(column(model, 2, 1), stack);
    EXPECT_EQ(column(model, 0, 3), stack);

    // The oxide is buried: etching it changes nothing.
    model.setEtching(true);
    model.setCurrentFilm(2);
    model.step();
    EXPECT_EQ(column(model, 2, 1), stack);

    // A 2 x 2 mask covers only its own columns.
    const unsigned char covered[4] = {1, 1, 1, 1};
    model.setMask(covered, 2, 2);
    model.setCurrentFilm(3);
    model.step();
    EXPECT_EQ(column(model, 4, 3), (std::vector<std::uint32_t>{1, 1, 1, 2, 2, 3, 0, 0, 0, 0}));
    model.step();
    model.step();
    EXPECT_EQ(column(model, 4, 3), (std::vector<std::uint32_t>{1, 1, 1, 2, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(column(model, 1, 1), stack);
    // Columns beside the masked ones etch like all the others.
    EXPECT_EQ(column(model, 2, 1)[5], 0u);
}

TEST(IsotropicFilmEtchDepoSimulator, DistanceTransformMatchesTheBallScanForShortAndLongReachesAndTheSimpleRuleItsCube)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    std::mt19937 random(27);
    for (int r : {0, 1, 2, 3, 5, 8, 9, 12}) {
        // Diagonals of 10 or more, so reaches up to 9 are not cut to the volume.
        const int w = 8 + random() % 4, h = 6 + random() % 5, d = 4 + random() % 7;
        std::vector<FilmCell> cells(static_cast<std::size_t>(w) * h * d);
        for (FilmCell& cell : cells) {
            const int pick = random() % 10;
            if (pick == 0)
                cell = FilmCell(Substrate, 100.0f, 1);
            else if (pick < 4)
                cell = FilmCell(Film, 100.0f, 2 + random() % 2);
        }
        std::vector<unsigned char> mask(static_cast<std::size_t>(w) * h);
        for (unsigned char& m : mask)
            m = random() % 4 == 0;
        for (bool etch : {false, true}) {
            const std::vector<FilmCell> expected = ballScan(cells, w, h, d, r, etch, 3, mask);
            for (int workers : {1, 3}) {
                pool->setMaxThreadCount(workers);
                IsotropicFilmEtchDepoSimulator model(w, h, d, cells.data(), 0.5f, static_cast<float>(r), 0.5f);
                model.setCurrentFilm(3);
                model.setEtching(etch);
                model.setMask(mask.data(), w, h);
                if (r <= 9) {
                    EXPECT_EQ(model.reach(), r);
                }
                model.step();
                EXPECT_TRUE(sameVolume(model.getCells(), expected))
                    << "reach " << r << (etch ? " etching" : " depositing") << ", workers " << workers;
                SimpleFilmEtchDepoSimulator3D simple(w, h, d, cells.data());
                simple.setCurrentFilm(3);
                simple.setEtching(etch);
                simple.setMask(mask.data(), w, h);
                simple.step();
                EXPECT_TRUE(sameVolume(simple.getCells(), ballScan(cells, w, h, d, 1, etch, 3, mask, true)))
                    << "simple model" << (etch ? " etching" : " depositing") << ", workers " << workers;
            }
        }
    }
    pool->setMaxThreadCount(threads);

    // A reach far beyond the volume is its diagonal: one step fills every empty voxel.
    std::vector<FilmCell> lone(6 * 5 * 40);
    lone[0] = FilmCell(Substrate, 100.0f, 1);
    IsotropicFilmEtchDepoSimulator far(6, 5, 40, lone.data(), 1e-6f, 1e9f, 1e9f);
    EXPECT_EQ(far.reach(), 40);
    far.step();
    for (std::size_t i = 1; i < lone.size(); ++i)
        ASSERT_EQ(far.getCells()[i].type, Film) << i;
}

TEST(SimpleFilmEtchDepoSimulatorLoader, ReadsHeightMapsAndRefusesWhatCannotBeUsed)
{
    using namespace TestSupport;
    QImage black(3, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    const Persistence::Grid<FilmCell> flat = Input::SimpleFilmEtchDepoSimulatorLoader::volumeFrom(
        black, &SimpleFilmEtchDepoSimulator3D::memoryCheck);
    EXPECT_EQ(flat.depth(), 2);
    for (const FilmCell& cell : flat)
        EXPECT_EQ(cell.type, Empty);

    QTemporaryDir folder;
    const QString map = writePicture(folder, {"ab", "ba"}, {{'a', qRgb(3, 0, 0)}, {'b', qRgb(1, 9, 9)}});
    {
        ScriptedScope script;
        script->queueOpenFile(map);
        script->rejectNextDialog();
        EXPECT_FALSE(buildEntry(isotropicEntry));
    }
    {
        ScriptedScope script;
        script->queueOpenFile(map);
        std::unique_ptr<SimpleFilmEtchDepoSimulator3D> model = buildEntry<SimpleFilmEtchDepoSimulator3D>(simpleEntry);
        ASSERT_TRUE(model);
        EXPECT_EQ(model->getDepth(), 6);
        EXPECT_EQ(column(*model, 0, 0), (std::vector<std::uint32_t>{1, 1, 1, 0, 0, 0}));
        EXPECT_EQ(column(*model, 1, 0), (std::vector<std::uint32_t>{1, 0, 0, 0, 0, 0}));
        // An unreadable mask is refused and the one in place stays.
        const QString mask = writePicture(folder, {"R"}, {{'R', qRgb(255, 0, 0)}}, "mask.png");
        script->queueOpenFile(mask);
        EXPECT_EQ(script->setFormWidget("tbtMaskingMaterial", "click"), Interaction::WidgetScript::Result::Applied);
        script->setFormWidget("btnApplyMask", "click");
        script->setFormWidget("lieMaskingMaterial", folder.filePath("none.png"));
        script->setFormWidget("btnApplyMask", "click");
        EXPECT_EQ(shown(script->messages()),
                  QStringList("(warning) : " + Ui::FilmDepositionEtchOptionsDialog::maskFailure()));
        EXPECT_EQ(model->getMask(), (std::vector<unsigned char>{1, 0, 0, 0}));
        script->setFormWidget("cbxFilmType", "2");
        script->setFormWidget("rbtEtch", "true");
        script->setFormWidget("btnMakeFilmTransparent", "click");
        EXPECT_EQ(model->getCurrentFilm(), 4u);
        EXPECT_TRUE(model->isEtching());
        EXPECT_FALSE(model->isOpaque(4));
        EXPECT_TRUE(model->isOpaque(3));
        script->closeForms();
    }
    const BudgetScope budget(1000);
    ScriptedScope script;
    script->queueOpenFile(map);
    EXPECT_FALSE(buildEntry(simpleEntry));
    EXPECT_EQ(script->messages().size(), 1);
}

TEST(FilmStackAndMicrofabricationExamples, BuildFromTheirRecipesAndChangeTheirVolumesAsTheyRun)
{
    using namespace TestSupport;
    auto count = [](SimpleFilmEtchDepoSimulator3D& model, std::uint32_t number) {
        int n = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(model.getSiteCount()); ++i)
            n += model.getCells()[i].stamp == number;
        return n;
    };
    std::unique_ptr<SimpleFilmEtchDepoSimulator3D> simple = buildExample<SimpleFilmEtchDepoSimulator3D>(simpleEntry);
    ASSERT_TRUE(simple);
    simple->step();
    simple->regenerateSurfaces();
    EXPECT_EQ(count(*simple, 2), 64 * 64 + 16 * (26 * 26 - 24 * 24)); // over base and mesa, the ring around the mesa
    EXPECT_FALSE(simple->surface(2).isEmpty());
    std::unique_ptr<IsotropicFilmEtchDepoSimulator> isotropic =
        buildExample<IsotropicFilmEtchDepoSimulator>(isotropicEntry);
    ASSERT_TRUE(isotropic);
    EXPECT_EQ(isotropic->reach(), 3);
    isotropic->step();
    EXPECT_GT(count(*isotropic, 2), 3 * 64 * 64);
}
