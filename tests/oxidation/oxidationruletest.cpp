#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/oxidationautomaton2d.h"
#include "crosssection.h"

using namespace Automata::FilmDeposition;
using OxidationTest::CrossSection;

namespace {

// Dialog defaults (growth 0.01 um/h, cells of 0.001 um, steps of 0.01 h) or,
// with fast set, a loss of several cells per step.
std::unique_ptr<OxidationAutomaton2D> build(const CrossSection& section,
                                            float lateralSpeedup = 1.0f, bool fast = false)
{
    return std::make_unique<OxidationAutomaton2D>(
        section.width, section.height, section.cells.data(), fast ? 100.0f : 0.01f,
        fast ? 1.0f : 0.001f, fast ? 1.0f : 0.01f, lateralSpeedup);
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

} // namespace

TEST(OxidationRule, DefaultsGiveRateOneTenthAndSiliconLosesPoint00056PerStep)
{
    auto model = build(CrossSection({"...",
                                     ".O.",
                                     "SSS"}));
    EXPECT_NEAR(model->getRate(), 0.1, 1e-6);
    EXPECT_FLOAT_EQ(model->getLateralFactor(), 1.25f);
    model->step();
    // Below, below diagonally, above, beside (speedup 1), above diagonally.
    const struct {
        int x, y;
        double loss;
    } neighbours[] = {{1, 2, siliconLoss}, {0, 2, siliconLoss * diagonal}, {1, 0, ambientLoss},
                      {0, 1, ambientLoss}, {2, 0, ambientLoss * diagonal}};
    for (const auto& n : neighbours) {
        EXPECT_NEAR(cellAt(*model, n.x, n.y).value, 1.0 - n.loss, 1e-7) << n.x << "," << n.y;
        EXPECT_EQ(cellAt(*model, n.x, n.y).type, n.y == 2 ? Silicon : Empty);
    }
    EXPECT_EQ(cellAt(*model, 1, 1).type, Oxide);
    EXPECT_EQ(cellAt(*model, 1, 1).value, 1.0f);
    model->step();
    EXPECT_NEAR(cellAt(*model, 1, 2).value, 1.0 - 2 * siliconLoss, 1e-6);
    EXPECT_NEAR(model->getTime(), 0.02, 1e-6);
    EXPECT_EQ(model->getTimeInfo(), " hours");
}

TEST(OxidationRule, OxideOnTheBordersActsLikeAnyOtherWithLateralSpeedupAlongTheRows)
{
    const CrossSection section({"OSS",
                                "SSS",
                                "SSO"});
    auto doubled = build(section, 2.0f);
    auto without = build(section, 0.0f); // no lateral growth at all
    doubled->step();
    without->step();
    // Beside (0, 0), below it, diagonal to both oxides, above (2, 2), beside it.
    const struct {
        int x, y;
        double lateral, other;
    } cells[] = {{1, 0, 1, 0}, {0, 1, 0, 1}, {1, 1, 0, 2 * diagonal}, {2, 1, 0, 1}, {1, 2, 1, 0}};
    for (const auto& c : cells) {
        EXPECT_NEAR(cellAt(*doubled, c.x, c.y).value, 1.0 - (2 * c.lateral + c.other) * siliconLoss,
                    1e-7) << c.x << "," << c.y;
        EXPECT_NEAR(cellAt(*without, c.x, c.y).value, 1.0 - c.other * siliconLoss, 1e-7);
    }
    EXPECT_EQ(cellAt(*doubled, 2, 0).value, 1.0f);

    // A lone silicon cell: everything around it is outside, which never counts.
    auto single = build(CrossSection({"S"}));
    single->step();
    EXPECT_EQ(cellAt(*single, 0, 0).type, Silicon);
    EXPECT_EQ(cellAt(*single, 0, 0).value, 1.0f);
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
    auto model = build(section);
    model->step();
    for (const auto& xy : {std::make_pair(0, 0), std::make_pair(1, 1), std::make_pair(2, 1)}) {
        EXPECT_EQ(cellAt(*model, xy.first, xy.second).type, Oxide) << xy.first << "," << xy.second;
        EXPECT_EQ(cellAt(*model, xy.first, xy.second).value, 0.0f);
    }
    EXPECT_EQ(cellAt(*model, 1, 0).type, Silicon);
    EXPECT_EQ(cellAt(*model, 1, 0).value, std::nextafter(1e-6f, 1.0f));
}

TEST(OxidationRule, MaskNeverChangesAndNeverOxidisesItsNeighbours)
{
    // Fast enough that a cell next to oxide converts in one step. The mask
    // column x = 4 and the mask row y = 2 fence off the right-hand corner.
    CrossSection section({"OOO.M.S",
                          "OMO.M..",
                          "MMMMMMM"});
    section(1, 1).value = 0.5f;
    auto model = build(section, 1.0f, true);
    for (int i = 0; i < 5; ++i)
        model->step();
    for (int x = 0; x < section.width; ++x) {
        for (int y = 0; y < section.height; ++y) {
            const FilmCell& cell = cellAt(*model, x, y);
            if (section(x, y).type == Film || x >= 5) {
                EXPECT_EQ(cell.type, section(x, y).type) << x << "," << y;
                EXPECT_EQ(cell.value, section(x, y).value) << x << "," << y;
            } else if (x == 3) {
                EXPECT_EQ(cell.type, Oxide) << x << "," << y;
            }
        }
    }
}

TEST(OxidationRule, StepIsSynchronousSoTheFrontMovesOneCellPerStepAtMost)
{
    // One step's loss is larger than a whole cell: every step converts exactly
    // the next silicon cell of the column, never more.
    auto model = build(CrossSection({"O", "S", "S", "S", "S", "S"}), 1.0f, true);
    for (int k = 1; k <= 5; ++k) {
        model->step();
        for (int y = 0; y < 6; ++y)
            EXPECT_EQ(cellAt(*model, 0, y).type, y <= k ? Oxide : Silicon) << "step " << k;
    }
}

TEST(OxidationRule, FieldsTheRuleDoesNotComputeAreCarriedOver)
{
    CrossSection section({"...",
                          ".O.",
                          "SSS"});
    for (std::size_t i = 0; i < section.cells.size(); ++i)
        section.cells[i].stamp = 40 + static_cast<unsigned>(i);
    // Converting cells, partly consumed ones and untouched ones, both buffers.
    OxidationAutomaton2D model(3, 3, section.cells.data(), 1.0f, 1.0f, 1.0f, 1.0f);
    for (int k = 0; k < 3; ++k) {
        model.step();
        for (std::size_t i = 0; i < section.cells.size(); ++i)
            EXPECT_EQ(model.getCells()[i].stamp, 40u + i) << "cell " << i << " step " << k;
    }
}

TEST(OxidationRule, OwnColours)
{
    auto model = build(CrossSection({"O"}));
    const std::pair<FilmDepositionCell, std::vector<float>> table[] = {
        {Film, {1.0f, 0.0f, 0.0f}}, {Silicon, {0.75f, 0.75f, 0.75f}}, {Oxide, {0.25f, 0.25f, 0.5f}},
        {Empty, {1.0f, 1.0f, 1.0f}}, {Substrate, {1.0f, 1.0f, 1.0f}}};
    for (const auto& row : table) {
        const float* c = model->getColor(FilmCell(row.first, 1.0f));
        EXPECT_EQ(std::vector<float>(c, c + 3), row.second) << row.first;
    }
}
