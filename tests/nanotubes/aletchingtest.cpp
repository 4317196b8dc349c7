#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QDoubleSpinBox>
#include <QSlider>

#include "Automata/NanoTubes/aletching.h"
#include "Ui/aletchingoptionsdialog.h"
#include "testsupport.h"

using Automata::NanoTubes::AlCell;
using Automata::NanoTubes::AlEtching;

namespace {

const int alEtchingEntry = 40;

// A lattice from text rows, the top row first: '#' wall, 'A' aluminium, '.' electrolyte.
std::vector<int> codes(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size()), width = static_cast<int>(rows[0].size());
    std::vector<int> result(static_cast<std::size_t>(width * height));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const char c = rows[static_cast<std::size_t>(height - 1 - y)][static_cast<std::size_t>(x)];
            result[static_cast<std::size_t>(x * height + y)] =
                c == '#' ? AlCell::Wall : c == 'A' ? AlCell::Aluminium : AlCell::Electrolyte;
        }
    return result;
}

struct Lattice {
    Lattice(const std::vector<std::string>& rows, const AlEtching::Parameters& parameters)
        : width(static_cast<int>(rows[0].size())), height(static_cast<int>(rows.size())),
          model(width, height, codes(rows).data(), parameters)
    {
        model.seedParticles();
    }

    const AlCell& at(int x, int y) { return model.getCells()[x * height + y]; }
    // The cells of a phase, and the particles in all slots of all cells.
    static int count(AlEtching& model, int phase, int* particles = nullptr)
    {
        int cells = 0;
        for (int i = 0; i < model.getWidth() * model.getHeight(); ++i) {
            cells += model.getCells()[i].phase == phase;
            for (int particle : model.getCells()[i].particles)
                if (particles)
                    *particles += particle != AlCell::None;
        }
        return cells;
    }

    int width, height;
    AlEtching model;
};

} // namespace

TEST(AlEtching, WithoutEtchingAClosedBoxKeepsItsAluminiumAndItsParticles)
{
    AlEtching::Parameters parameters;
    parameters.etchProbability = 0.0;
    parameters.fractionA = 0.4;
    parameters.fractionB = 0.4;
    parameters.electroMigration = 0.3;
    Lattice box({"########", "#......#", "#..AA..#", "#.AAAA.#", "#......#", "########"}, parameters);
    int particles = 0;
    Lattice::count(box.model, AlCell::Aluminium, &particles);
    EXPECT_GT(particles, 10);
    for (int s = 0; s < 50; ++s) {
        box.model.step();
        int now = 0;
        ASSERT_EQ(Lattice::count(box.model, AlCell::Aluminium, &now), 6);
        ASSERT_EQ(now, particles) << "step " << s;
    }
}

TEST(AlEtching, TheOhmicDropStopsTheEtchWhereRTimesHeightReachesTheScale)
{
    AlEtching::Parameters parameters;
    parameters.etchProbability = 1.0;
    parameters.fractionA = 1.0;
    parameters.ohmicFactor = 1.0;
    parameters.scaleConstant = 8;
    std::vector<std::string> rows(16, "..AA");
    Lattice lattice(rows, parameters);
    for (int s = 0; s < 40; ++s)
        lattice.model.step();
    for (int y = 8; y < 16; ++y)
        EXPECT_EQ(lattice.at(2, y).phase, AlCell::Aluminium) << y;
    EXPECT_EQ(lattice.at(2, 0).phase, AlCell::Electrolyte);

    // A scale below 1 counts as 1: with r = 0.5 the second row still etches.
    parameters.scaleConstant = 0;
    parameters.ohmicFactor = 0.5;
    Lattice small({".A", ".A", ".A"}, parameters);
    for (int s = 0; s < 40; ++s)
        small.model.step();
    EXPECT_EQ(small.at(1, 1).phase, AlCell::Electrolyte);
    EXPECT_EQ(small.at(1, 2).phase, AlCell::Aluminium);
}

TEST(AlEtching, FullElectromigrationSendsOneArrivingParticleOfEachKindDownOrUp)
{
    AlEtching::Parameters parameters;
    parameters.fractionA = 0.5;
    parameters.fractionB = 0.4;
    parameters.electroMigration = 1.0;
    Lattice lattice(std::vector<std::string>(10, ".........."), parameters);
    const std::vector<AlCell> before(lattice.model.getCells(), lattice.model.getCells() + 100);
    lattice.model.step();
    int checked = 0;
    for (int x = 1; x < 9; ++x) {
        for (int y = 1; y < 9; ++y) {
            const int arrivals[] = {before[x * 10 + y + 1].particles[AlCell::Down],
                                    before[x * 10 + y - 1].particles[AlCell::Up],
                                    before[(x + 1) * 10 + y].particles[AlCell::Left],
                                    before[(x - 1) * 10 + y].particles[AlCell::Right]};
            for (int kind : {AlCell::KindA, AlCell::KindB}) {
                if (std::count(arrivals, arrivals + 4, kind) == 0)
                    continue;
                const int slot = kind == AlCell::KindA ? AlCell::Down : AlCell::Up;
                EXPECT_EQ(lattice.at(x, y).particles[slot], kind) << x << "," << y;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 40);
}

TEST(AlEtchingOptionsDialog, RatiosStayWithinAHundredAndScalesBelowOneCountAsOne)
{
    Ui::AlEtchingOptionsDialog dialog;
    auto* corrosive = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("dblCorrosiveCells"));
    auto* nonCorrosive = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("dblNonCorrosiveCells"));
    auto* slider = dialog.findChild<QSlider*>(QStringLiteral("sldCorrosiveCells"));
    corrosive->setValue(12.34);
    EXPECT_EQ(slider->value(), 12);
    EXPECT_EQ(corrosive->value(), 12.34);
    nonCorrosive->setValue(95.0);
    EXPECT_EQ(corrosive->value(), 5.0);
    dialog.findChild<QSlider*>(QStringLiteral("sldNonCorrosiveCells"))->setValue(40);
    EXPECT_EQ(nonCorrosive->value(), 40.0);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("dblScaleConstant"))->setValue(0.5);
    const AlEtching::Parameters p = dialog.parameters();
    EXPECT_EQ(p.fractionA, 0.05); // the corrosive kind dissolves aluminium
    EXPECT_EQ(p.fractionB, 0.4);
    EXPECT_EQ(p.scaleConstant, 1);
}

TEST(AlEtching, TheExampleBuildsThroughTheFactoryAndEtches)
{
    auto model = TestSupport::buildExample<AlEtching>(alEtchingEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->getParameters().ohmicFactor, 0.5);
    const int aluminium = Lattice::count(*model, AlCell::Aluminium);
    for (int s = 0; s < 20; ++s)
        model->step();
    EXPECT_LT(Lattice::count(*model, AlCell::Aluminium), aluminium);
    EXPECT_EQ(model->getTime(), 20.0);
}
