#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/oxidationautomaton2d.h"
#include "Automata/painter.h"
#include "crosssection.h"

using namespace Automata::FilmDeposition;
using OxidationTest::CrossSection;

namespace {

// Dialog defaults: growth 0.01 um/h, cells of 0.001 um, steps of 0.01 h.
std::unique_ptr<OxidationAutomaton2D> withDefaults(const CrossSection& section,
                                                   float lateralSpeedup = 1.0f)
{
    return std::make_unique<OxidationAutomaton2D>(section.width, section.height,
                                                  section.cells.data(), 0.01f, 0.001f, 0.01f,
                                                  lateralSpeedup);
}

const FilmCell& cellAt(OxidationAutomaton2D& model, int x, int y)
{
    return model.getCells()[x * model.getHeight() + y];
}

// What one oxide neighbour of weight w takes from a cell per step at the
// default rate: time step 0.01 h times rate 0.1 times the material's share.
constexpr double siliconLoss = 0.01 * 0.1 * 0.56;
constexpr double ambientLoss = 0.01 * 0.1 * 0.44;
constexpr double diagonal = 0.7071067811865476;

} // namespace

TEST(OxidationRule, DefaultsGiveRateOneTenthAndSiliconLosesPoint00056PerStep)
{
    CrossSection section({"...",
                          ".O.",
                          "SSS"});
    auto model = withDefaults(section);
    EXPECT_NEAR(model->getRate(), 0.1, 1e-6);
    EXPECT_FLOAT_EQ(model->getLateralFactor(), 1.25f);
    model->step();

    EXPECT_NEAR(cellAt(*model, 1, 2).value, 1.0 - siliconLoss, 1e-7); // straight below
    EXPECT_NEAR(cellAt(*model, 0, 2).value, 1.0 - siliconLoss * diagonal, 1e-7);
    EXPECT_NEAR(cellAt(*model, 1, 0).value, 1.0 - ambientLoss, 1e-7); // straight above
    EXPECT_NEAR(cellAt(*model, 0, 1).value, 1.0 - ambientLoss, 1e-7); // beside, speedup 1
    EXPECT_NEAR(cellAt(*model, 2, 0).value, 1.0 - ambientLoss * diagonal, 1e-7);
    EXPECT_EQ(cellAt(*model, 1, 2).type, Silicon);
    EXPECT_EQ(cellAt(*model, 1, 0).type, Empty);
    EXPECT_EQ(cellAt(*model, 1, 1).type, Oxide);
    EXPECT_FLOAT_EQ(cellAt(*model, 1, 1).value, 1.0f);

    model->step();
    EXPECT_NEAR(cellAt(*model, 1, 2).value, 1.0 - 2 * siliconLoss, 1e-6);
}

TEST(OxidationRule, LateralSpeedupWeighsOnlyTheNeighboursAlongTheImageRows)
{
    CrossSection section({"...",
                          ".O.",
                          "..."});
    auto tripled = withDefaults(section, 3.0f);
    tripled->step();
    EXPECT_NEAR(cellAt(*tripled, 0, 1).value, 1.0 - 3 * ambientLoss, 1e-6);
    EXPECT_NEAR(cellAt(*tripled, 2, 1).value, 1.0 - 3 * ambientLoss, 1e-6);
    EXPECT_NEAR(cellAt(*tripled, 1, 0).value, 1.0 - ambientLoss, 1e-7);
    EXPECT_NEAR(cellAt(*tripled, 1, 2).value, 1.0 - ambientLoss, 1e-7);
    EXPECT_NEAR(cellAt(*tripled, 0, 0).value, 1.0 - ambientLoss * diagonal, 1e-7);

    auto without = withDefaults(section, 0.0f);
    without->step();
    EXPECT_EQ(cellAt(*without, 0, 1).value, 1.0f);
    EXPECT_EQ(cellAt(*without, 2, 1).value, 1.0f);
    EXPECT_NEAR(cellAt(*without, 1, 0).value, 1.0 - ambientLoss, 1e-7);
}

TEST(OxidationRule, CellAtOrBelowOneMillionthTurnsIntoOxide)
{
    CrossSection section({"SSS",
                          "...",
                          "O.."});
    section(0, 0).value = 1e-6f;                          // no oxide neighbour at all
    section(1, 0).value = std::nextafter(1e-6f, 1.0f);    // just above the threshold
    section(1, 1).value = 0.0003f;                        // less than one step's loss
    section(2, 1).value = 1e-6f;                          // ambient at the threshold
    auto model = withDefaults(section);
    model->step();

    EXPECT_EQ(cellAt(*model, 0, 0).type, Oxide);
    EXPECT_EQ(cellAt(*model, 0, 0).value, 0.0f);
    EXPECT_EQ(cellAt(*model, 1, 0).type, Silicon);
    EXPECT_EQ(cellAt(*model, 1, 0).value, std::nextafter(1e-6f, 1.0f));
    EXPECT_EQ(cellAt(*model, 1, 1).type, Oxide);
    EXPECT_EQ(cellAt(*model, 1, 1).value, 0.0f);
    EXPECT_EQ(cellAt(*model, 2, 1).type, Oxide);
    EXPECT_EQ(cellAt(*model, 2, 1).value, 0.0f);
}

TEST(OxidationRule, MaskNeverChangesAndNeverOxidisesItsNeighbours)
{
    CrossSection section({"OOO.",
                          "OMOM",
                          "OOOS",
                          "...M"});
    section(1, 1).value = 0.5f;
    // Fast enough that a silicon cell next to oxide converts in one step.
    OxidationAutomaton2D model(section.width, section.height, section.cells.data(), 100.0f, 1.0f,
                               1.0f, 1.0f);
    for (int i = 0; i < 5; ++i)
        model.step();
    EXPECT_EQ(cellAt(model, 1, 1).type, Film);
    EXPECT_EQ(cellAt(model, 1, 1).value, 0.5f);
    EXPECT_EQ(cellAt(model, 3, 1).type, Film);
    EXPECT_EQ(cellAt(model, 3, 3).type, Film);

    // Silicon whose only neighbours are mask and ambient never oxidises, and
    // neither does ambient that touches only mask.
    CrossSection shielded({"O.M.S",
                           "..M..",
                           "MMMMM"});
    OxidationAutomaton2D fenced(shielded.width, shielded.height, shielded.cells.data(), 100.0f,
                                1.0f, 1.0f, 1.0f);
    fenced.step();
    fenced.step();
    for (int x = 3; x < 5; ++x) {
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(cellAt(fenced, x, y).type, shielded(x, y).type) << x << "," << y;
            EXPECT_EQ(cellAt(fenced, x, y).value, 1.0f) << x << "," << y;
        }
    }
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(cellAt(fenced, x, 2).type, Film);
}

TEST(OxidationRule, OxideOnTheBordersOxidisesLikeAnyOtherAndOutsideCountsForNothing)
{
    CrossSection section({"OSS",
                          "SSS",
                          "SSO"});
    auto model = withDefaults(section, 2.0f);
    model->step();
    EXPECT_NEAR(cellAt(*model, 1, 0).value, 1.0 - 2 * siliconLoss, 1e-7); // beside (0, 0)
    EXPECT_NEAR(cellAt(*model, 0, 1).value, 1.0 - siliconLoss, 1e-7);     // below (0, 0)
    EXPECT_NEAR(cellAt(*model, 1, 1).value, 1.0 - 2 * siliconLoss * diagonal, 1e-7);
    EXPECT_NEAR(cellAt(*model, 2, 1).value, 1.0 - siliconLoss, 1e-7);     // above (2, 2)
    EXPECT_NEAR(cellAt(*model, 1, 2).value, 1.0 - 2 * siliconLoss, 1e-7); // beside (2, 2)
    EXPECT_EQ(cellAt(*model, 2, 0).value, 1.0f);

    // A lone silicon cell: everything around it is outside, which is ambient.
    CrossSection lone({"S"});
    auto single = withDefaults(lone);
    single->step();
    EXPECT_EQ(cellAt(*single, 0, 0).type, Silicon);
    EXPECT_EQ(cellAt(*single, 0, 0).value, 1.0f);
}

TEST(OxidationRule, StepIsSynchronousSoTheFrontMovesOneCellPerStepAtMost)
{
    // One step's loss is larger than a whole cell: every step converts exactly
    // the next silicon cell of the column, never more.
    CrossSection section({"O", "S", "S", "S", "S", "S"});
    OxidationAutomaton2D model(1, 6, section.cells.data(), 100.0f, 1.0f, 1.0f, 1.0f);
    for (int k = 1; k <= 5; ++k) {
        model.step();
        for (int y = 0; y < 6; ++y)
            EXPECT_EQ(cellAt(model, 0, y).type, y <= k ? Oxide : Silicon) << "step " << k;
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

TEST(OxidationRule, ClockColoursAndInertSaving)
{
    CrossSection section({"O", "S"});
    auto model = withDefaults(section);
    model->setSaveAll(true, 3);
    for (int k = 0; k < 4; ++k)
        model->step();
    model->save();
    EXPECT_NEAR(model->getTime(), 0.04, 1e-6);
    EXPECT_EQ(model->getTimeInfo(), " hours");

    const auto colour = [&](FilmDepositionCell type) {
        const float* c = model->getColor(FilmCell(type, 1.0f));
        return std::vector<float>(c, c + 3);
    };
    EXPECT_EQ(colour(Film), (std::vector<float>{1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(colour(Silicon), (std::vector<float>{0.75f, 0.75f, 0.75f}));
    EXPECT_EQ(colour(Oxide), (std::vector<float>{0.25f, 0.25f, 0.5f}));
    EXPECT_EQ(colour(Empty), (std::vector<float>{1.0f, 1.0f, 1.0f}));
    EXPECT_EQ(colour(Substrate), (std::vector<float>{1.0f, 1.0f, 1.0f}));

    ASSERT_NE(model->getPainter(), nullptr);
    EXPECT_EQ(model->getPainter()->getWidth(), 1);
    EXPECT_EQ(model->getPainter()->getHeight(), 2);
}
