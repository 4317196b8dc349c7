#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QLocale>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
#include "Automata/FilmDeposition/vtsoxidation2d.h"
#include "Ui/dealgroveoxidationoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

// A small cross-section drawn as text, one string per row y, one character per
// column x: '.' ambient, 'S' silicon, 'O' oxide, 'M' mask. The cells come out
// in lattice order (x * height + y), whole (value 1) with stamp 0.
struct CrossSection {
    explicit CrossSection(const std::vector<std::string>& rows)
        : width(static_cast<int>(rows.at(0).size())), height(static_cast<int>(rows.size())),
          cells(static_cast<std::size_t>(width) * height)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const char c = rows[y].at(x);
                const FilmDepositionCell type =
                    c == 'S' ? Silicon : c == 'O' ? Oxide : c == 'M' ? Film : Empty;
                cells[at(x, y)] = FilmCell(type, 1.0f, 0);
            }
    }

    std::size_t at(int x, int y) const { return static_cast<std::size_t>(x) * height + y; }
    FilmCell& operator()(int x, int y) { return cells[at(x, y)]; }

    int width;
    int height;
    std::vector<FilmCell> cells;
};

// Dialog defaults (growth 0.01 um/h, cells of 0.001 um, steps of 0.01 h) or,
// with fast set, a loss of several cells per step.
template <typename M = OxidationAutomaton2D>
M make(const CrossSection& section, float lateralSpeedup = 1.0f, bool fast = false)
{
    typename M::Parameters parameters;
    parameters.lateralSpeedup = lateralSpeedup;
    if (fast) {
        parameters.growthRate = 100.0f;
        parameters.cellSize = 1.0f;
        parameters.timeStep = 1.0f;
    }
    return M(section.width, section.height, section.cells.data(), parameters);
}

const FilmCell& cellAt(OxidationAutomaton2D& model, int x, int y)
{
    return model.getCells()[x * model.getHeight() + y];
}

// What one oxide neighbour of weight 1 takes from a cell per step at the
// default rate: time step 0.01 h times rate 0.1 times the material's share.
constexpr double siliconLoss = 0.01 * 0.1 * 0.56;
constexpr double ambientLoss = 0.01 * 0.1 * 0.44;
constexpr double diagonal = 0.7071067811865476;

// The Deal-Grove growth rate (um/h) after t hours, from the textbook form
// x^2 + A x = B (t + tau): dx/dt = B / sqrt(A^2 + 4 B (t + tau)).
double dealGrove(const DealGroveOxidation2D::Parameters& p, double t)
{
    const double kT = 8.62e-5 * p.temperature;
    const double b = p.parabolicPrefactor * std::exp(-p.parabolicActivationEnergy / kT);
    const double a = b / (p.linearPrefactor * std::exp(-p.linearActivationEnergy / kT));
    return b / std::sqrt(a * a + 4.0 * b * (t + p.initialTime));
}

bool consumable(const FilmCell& cell)
{
    return cell.type == Empty || cell.type == Silicon;
}

// Weighted oxide neighbours as the time estimate sees them: 1 straight up or
// down, 1/sqrt(2) diagonally and 1.25 to the sides.
double estimateWeight(const FilmCell* cells, int w, int h, int x, int y)
{
    double sum = 0.0;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int nx = x + dx;
            const int ny = y + dy;
            if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= w || ny >= h
                || cells[nx * h + ny].type != Oxide)
                continue;
            sum += dx == 0 ? 1.0 : (dy == 0 ? 1.25 : 1.0 / std::sqrt(2.0));
        }
    }
    return sum;
}

const int plainEntry = 19;
const int dealGroveEntry = 20;
const int variableStepEntry = 21;

// Builds an entry from a 3 x 2 picture with every colour of the table, one
// pixel each, answering the option dialog with the given settings. The
// silicon cell (1, 0), element 2, has the oxide (2, 0) beside it.
template <typename M = OxidationAutomaton2D>
std::unique_ptr<M> load(TestSupport::ScriptedScope& script, int entry,
                        const QList<QPair<QString, QString>>& settings = {})
{
    QTemporaryDir dir;
    // Alpha plays no part; a grey just off silicon's is ambient.
    script->queueOpenFile(TestSupport::writePicture(dir, {"MSO", ".sm"},
        {{'M', qRgb(255, 0, 0)}, {'S', qRgb(192, 192, 192)}, {'O', qRgb(0, 0, 255)}, {'.', qRgb(255, 255, 255)},
         {'s', qRgb(191, 192, 192)}, {'m', qRgba(255, 0, 0, 60)}}));
    for (const auto& setting : settings)
        script->addSetting(setting.first, setting.second);
    return TestSupport::buildEntry<M>(entry);
}

} // namespace

TEST(OxidationRule, DefaultsGiveRateOneTenthAndSiliconLosesPoint00056PerStep)
{
    auto model = make(CrossSection({"...",
                                    ".O.",
                                    "SSS"}));
    EXPECT_NEAR(model.getRate(), 0.1, 1e-6);
    model.step();
    // Below, below diagonally, above, beside (speedup 1), above diagonally.
    const struct {
        int x, y;
        double loss;
    } neighbours[] = {{1, 2, siliconLoss}, {0, 2, siliconLoss * diagonal}, {1, 0, ambientLoss},
                      {0, 1, ambientLoss}, {2, 0, ambientLoss * diagonal}};
    for (const auto& n : neighbours) {
        EXPECT_NEAR(cellAt(model, n.x, n.y).value, 1.0 - n.loss, 1e-7) << n.x << "," << n.y;
        EXPECT_EQ(cellAt(model, n.x, n.y).type, n.y == 2 ? Silicon : Empty);
    }
    model.step();
    EXPECT_NEAR(cellAt(model, 1, 2).value, 1.0 - 2 * siliconLoss, 1e-6);
    EXPECT_NEAR(model.getTime(), 0.02, 1e-6);
    EXPECT_EQ(model.getTimeInfo(), " hours");
}

TEST(OxidationRule, OxideOnTheBordersActsLikeAnyOtherWithLateralSpeedupAlongTheRows)
{
    const CrossSection section({"OSS",
                                "SSS",
                                "SSO"});
    auto doubled = make(section, 2.0f);
    auto without = make(section, 0.0f); // no lateral growth at all
    doubled.step();
    without.step();
    // Beside (0, 0), below it, diagonal to both oxides, above (2, 2), beside it.
    const struct {
        int x, y;
        double lateral, other;
    } cells[] = {{1, 0, 1, 0}, {0, 1, 0, 1}, {1, 1, 0, 2 * diagonal}, {2, 1, 0, 1}, {1, 2, 1, 0}};
    for (const auto& c : cells) {
        EXPECT_NEAR(cellAt(doubled, c.x, c.y).value, 1.0 - (2 * c.lateral + c.other) * siliconLoss,
                    1e-7) << c.x << "," << c.y;
        EXPECT_NEAR(cellAt(without, c.x, c.y).value, 1.0 - c.other * siliconLoss, 1e-7);
    }
    // Outside the lattice counts for nothing: (2, 0) has no oxide neighbour.
    EXPECT_EQ(cellAt(doubled, 2, 0).value, 1.0f);
}

TEST(OxidationRule, CellAtOrBelowOneMillionthTurnsIntoOxide)
{
    CrossSection section({"SSS",
                          "...",
                          "O.."});
    section(0, 0).value = 1e-6f;                       // no oxide neighbour at all
    section(1, 0).value = std::nextafter(1e-6f, 1.0f); // just above the threshold
    section(1, 1).value = 0.0003f;                     // less than one step's loss
    section(2, 1).value = 1e-6f;                       // ambient at the threshold
    auto model = make(section);
    model.step();
    for (const auto& xy : {std::make_pair(0, 0), std::make_pair(1, 1), std::make_pair(2, 1)}) {
        EXPECT_EQ(cellAt(model, xy.first, xy.second).type, Oxide) << xy.first << "," << xy.second;
        EXPECT_EQ(cellAt(model, xy.first, xy.second).value, 0.0f);
    }
    EXPECT_EQ(cellAt(model, 1, 0).type, Silicon);
    EXPECT_EQ(cellAt(model, 1, 0).value, std::nextafter(1e-6f, 1.0f));
}

TEST(OxidationRule, MaskNeverChangesAndNeverOxidisesItsNeighbours)
{
    // Fast enough that a cell next to oxide converts in one step. The mask
    // column x = 4 and the mask row y = 2 fence off the right-hand corner.
    CrossSection section({"OOO.M.S",
                          "OMO.M..",
                          "MMMMMMM"});
    section(1, 1).value = 0.5f;
    auto model = make(section, 1.0f, true);
    for (int i = 0; i < 5; ++i)
        model.step();
    for (int x = 0; x < section.width; ++x) {
        for (int y = 0; y < section.height; ++y) {
            const FilmCell& cell = cellAt(model, x, y);
            if (section(x, y).type == Film || x >= 5) {
                EXPECT_EQ(cell.type, section(x, y).type) << x << "," << y;
                EXPECT_EQ(cell.value, section(x, y).value) << x << "," << y;
            } else if (x == 3) {
                EXPECT_EQ(cell.type, Oxide) << x << "," << y;
            }
        }
    }
}

TEST(OxidationRule, StepIsSynchronousAndCarriesOverTheStamp)
{
    // One step's loss is larger than a whole cell: every step converts exactly
    // the next silicon cell of the column, never more. The stamp, which the
    // rule does not compute, stays with every cell in both buffers.
    CrossSection section({"O", "S", "S", "S", "S", "S"});
    for (std::size_t i = 0; i < section.cells.size(); ++i)
        section.cells[i].stamp = 40 + static_cast<unsigned>(i);
    auto model = make(section, 1.0f, true);
    for (int k = 1; k <= 5; ++k) {
        model.step();
        for (int y = 0; y < 6; ++y) {
            EXPECT_EQ(cellAt(model, 0, y).type, y <= k ? Oxide : Silicon) << "step " << k;
            EXPECT_EQ(cellAt(model, 0, y).stamp, 40u + y) << "step " << k;
        }
    }
}

// Built with the dialog's defaults, so the law's rate also shows that every
// value reaches the model in its place.
TEST(DealGroveOxidation, FirstStepRunsAtTheDialogRateLaterStepsFollowTheLaw)
{
    TestSupport::ScriptedScope script;
    const auto model = load<DealGroveOxidation2D>(script, dealGroveEntry);
    ASSERT_TRUE(model);
    const DealGroveOxidation2D::Parameters p;
    model->step();
    const float afterFirst = model->getCells()[2].value;
    EXPECT_NEAR(afterFirst, 1.0 - siliconLoss, 1e-7);

    // Rate in cells per step: growth times step duration over cell size.
    const double expectedRate = dealGrove(p, 0.01) * 0.01 / 0.001;
    EXPECT_NEAR(model->getRate(), expectedRate, expectedRate * 1e-4);
    model->step();
    EXPECT_NEAR(model->getCells()[2].value, afterFirst - 0.01 * expectedRate * 0.56, 1e-7);

    for (int k = 2; k < 50; ++k)
        model->step();
    const double later = dealGrove(p, 0.5) * 0.01 / 0.001;
    EXPECT_NEAR(model->getRate(), later, later * 1e-3);
    EXPECT_LT(model->getRate(), expectedRate); // the parabolic law slows down
    EXPECT_NEAR(model->getTime(), 0.5, 1e-5);
}

TEST(VtsOxidation, FrontStartsAsTheAmbientAndSiliconAroundOxideAndStandsStillWithout)
{
    auto model = make<VtsOxidation2D>(CrossSection({".....",
                                                    ".MO..",
                                                    "SSSSS",
                                                    "SSSSS"}));
    // Around the oxide at (2, 1), without the mask at (1, 1); x * 4 + y.
    EXPECT_EQ(model.getFront(), (std::vector<int>{1 * 4 + 0, 1 * 4 + 2, 2 * 4 + 0, 2 * 4 + 2,
                                                  3 * 4 + 0, 3 * 4 + 1, 3 * 4 + 2}));

    const CrossSection bare({"...",
                             "MMM",
                             "SSS"});
    auto still = make<VtsOxidation2D>(bare);
    EXPECT_TRUE(still.getFront().empty());
    still.step();
    EXPECT_EQ(still.getTime(), 0.0);
    for (std::size_t i = 0; i < bare.cells.size(); ++i)
        EXPECT_TRUE(still.getCells()[i].type == bare.cells[i].type
                    && still.getCells()[i].value == 1.0f) << i;
}

TEST(VtsOxidation, EveryStepConvertsExactlyTheFrontCellsClosestToCompletion)
{
    // The lateral speedup equals the estimate's lateral factor, so that the
    // cells the estimate picks are exactly those that complete.
    auto model = make<VtsOxidation2D>(CrossSection({".........",
                                                    ".........",
                                                    "....O....",
                                                    "SSSSSSSSS",
                                                    "SSSSSSSSS",
                                                    "SSSSSSSSS",
                                                    "SSSSSSSSS"}),
                                      1.25f);
    const int w = 9;
    const int h = 7;
    const double rate = model.getRate();
    for (int step = 0; step < 25; ++step) {
        SCOPED_TRACE(step);
        const std::vector<FilmCell> before(model.getCells(), model.getCells() + w * h);
        const std::vector<int> front = model.getFront();
        ASSERT_FALSE(front.empty());
        double smallest = std::numeric_limits<double>::infinity();
        std::vector<double> completion(w * h, smallest);
        for (const int i : front) {
            if (!consumable(before[i]))
                continue;
            const double share = before[i].type == Empty ? 0.44 : 0.56;
            completion[i] = before[i].value
                            / (rate * share * estimateWeight(before.data(), w, h, i / h, i % h));
            smallest = std::min(smallest, completion[i]);
        }
        const double timeBefore = model.getTime();
        model.step();
        const FilmCell* after = model.getCells();
        EXPECT_NEAR(model.getTimeStep(), smallest, smallest * 1e-5);
        EXPECT_NEAR(model.getTime(), timeBefore + smallest, (timeBefore + smallest) * 1e-6);

        int converted = 0;
        for (int i = 0; i < w * h; ++i) {
            if (!std::binary_search(front.begin(), front.end(), i) || !consumable(before[i])) {
                EXPECT_EQ(after[i].type, before[i].type) << "cell " << i;
                EXPECT_EQ(after[i].value, before[i].value) << "cell " << i;
            } else if (completion[i] <= smallest * (1.0 + 1e-6)) {
                EXPECT_EQ(after[i].type, Oxide) << "cell " << i;
                ++converted;
            } else if (completion[i] > smallest * (1.0 + 1e-3)) {
                EXPECT_EQ(after[i].type, before[i].type) << "cell " << i;
                EXPECT_LT(after[i].value, before[i].value) << "cell " << i;
            }
        }
        EXPECT_GE(converted, 1);

        // The new front is sorted and holds every ambient or silicon cell
        // touching oxide.
        const std::vector<int>& next = model.getFront();
        ASSERT_TRUE(std::is_sorted(next.begin(), next.end()));
        for (int i = 0; i < w * h; ++i)
            if (consumable(after[i]) && estimateWeight(after, w, h, i / h, i % h) > 0.0) {
                EXPECT_TRUE(std::binary_search(next.begin(), next.end(), i)) << "cell " << i;
            }
    }
}

TEST(OxidationLoaders, EveryEntryMapsTheColoursWithoutFlipAndPassesTheDialogValuesInOrder)
{
    for (const int entry : {plainEntry, dealGroveEntry, variableStepEntry}) {
        SCOPED_TRACE(entry);
        TestSupport::ScriptedScope script;
        const auto model = load(script, entry,
                                {{"growthRateSpinBox", "0.5"}, {"cellSizeSpinBox", "0.02"},
                                 {"stepDurationSpinBox", "0.2"}, {"lateralSpeedupSpinBox", "3"}});
        ASSERT_NE(model, nullptr);
        ASSERT_EQ(model->getWidth(), 3);
        ASSERT_EQ(model->getHeight(), 2);
        // Cell (x, y) is element x * 2 + y and pixel (x, y).
        const FilmDepositionCell expected[] = {Film, Empty, Silicon, Empty, Oxide, Film};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(model->getCells()[i].type, expected[i]) << "cell " << i;
            EXPECT_TRUE(model->getCells()[i].value == 1.0f && model->getCells()[i].stamp == 0u);
        }
        EXPECT_NEAR(model->getRate(), 0.5 / (0.02 / 0.2), 1e-5);
        EXPECT_TRUE(model->getCellSize() == 0.02f && model->getTimeStep() == 0.2f
                    && model->getLateralSpeedup() == 3.0f);
        EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
        EXPECT_EQ(script->fileDialogFolders(), QStringList{QDir::currentPath()});
        EXPECT_TRUE(script->unusedSettings().isEmpty() && script->settingErrors().isEmpty());
    }
}

TEST(OxidationLoaders, DealGroveNumbersReadInTheirLocaleOrCFormAndAnEmptyB0KeepsTheDialogRate)
{
    TestSupport::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    {
        Ui::DealGroveOxidationOptionsDialog dialog;
        const QString a0 = dialog.findChild<QLineEdit*>(QStringLiteral("a0LineEdit"))->text();
        EXPECT_TRUE(a0.startsWith(QStringLiteral("3,71"))) << a0.toStdString();
    }
    TestSupport::ScriptedScope script;
    const auto cForm = load<DealGroveOxidation2D>(script, dealGroveEntry, {{"a0LineEdit", "2.5e6"}, {"b0LineEdit", "1.234"}});
    // Text that does not parse reads as 0, and B0 = 0 keeps the dialog's rate.
    const auto unparsable = load<DealGroveOxidation2D>(script, dealGroveEntry, {{"b0LineEdit", ""}});
    ASSERT_TRUE(cForm && unparsable);
    EXPECT_FLOAT_EQ(cForm->getLinearPrefactor(), 2.5e6f);
    EXPECT_FLOAT_EQ(cForm->getParabolicPrefactor(), 1.234f);
    EXPECT_EQ(unparsable->getParabolicPrefactor(), 0.0f);
    unparsable->step();
    unparsable->step();
    EXPECT_NEAR(unparsable->getRate(), 0.1, 1e-6);
    EXPECT_NEAR(unparsable->getCells()[2].value, 1.0 - 2 * siliconLoss, 1e-6);
}
