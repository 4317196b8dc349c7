#include <gtest/gtest.h>

#include "Automata/NanoTubes/nanotubeanodization.h"
#include "Automata/NanoTubes/nanotubeoxidationautomaton.h"
#include "particlemodels.h"

using namespace Automata::NanoTubes;
namespace Rules = Automata::NanoTubes::ParticleRules;

// Without a field the anodization model is the oxidation model: the same
// engines give the same lattices step by step.
TEST(NanotubeAnodizationRules, WithoutAFieldItStepsAsTheOxidationModel)
{
    const Lattice lattice({".....", ".OOO.", "TTOTT", "TTTTT"});
    ParticleParameters parameters;
    parameters.electricField = 0.0;
    parameters.sides = {Rules::Constant, Rules::Reflective, Rules::Periodic, Rules::Periodic};
    parameters.boundaryDensity = 4000.0;
    parameters.atomDensity = 30.0;
    const auto oxidation = [&] {
        SeedScope seed(11);
        return std::make_unique<NanotubeOxidationAutomaton>(
            lattice.data(NanotubeOxidationAutomaton::fileLayout(), parameters, 250, 30));
    }();
    const auto anodization = [&] {
        SeedScope seed(11);
        return std::make_unique<NanotubeAnodization>(
            lattice.data(NanotubeAnodization::fileLayout(), parameters, 250, 30));
    }();
    for (int s = 0; s < 15; ++s) {
        oxidation->step();
        anodization->step();
        for (std::size_t i = 0; i < lattice.codes.size(); ++i) {
            const ExpTiCell& a = oxidation->getCells()[i];
            const TiAnodizationCell& b = anodization->getCells()[i];
            ASSERT_EQ(a.phase, b.phase) << "step " << s << " cell " << i;
            ASSERT_EQ(a.atoms, b.atoms);
            ASSERT_TRUE(std::equal(a.out, a.out + 5, b.out));
        }
    }
}

// The field drives the oxide's movers south; from d = m/2 on none goes north.
// The thickness counts the oxide run from the top row, and the oxide cells
// carry the field.
TEST(NanotubeAnodizationRules, AStrongFieldSendsNoParticleNorthAndTheMeasureStartsAtTheTop)
{
    ParticleParameters parameters;
    parameters.oxideStay = 0.2;
    parameters.cellSize = 1e-9;
    for (double field : {6.3e7, 1e9}) {
        parameters.electricField = field;
        const Rules::Shares shares = NanotubeAnodization::sharesOf(parameters, TiOxide);
        EXPECT_EQ(shares.north, 0.0);
        EXPECT_DOUBLE_EQ(shares.south, 0.4);
        Rules::Engine engine(3);
        Rules::EngineDraws draws(engine);
        std::uint32_t out[5];
        for (std::uint64_t n : {150, 5000}) {
            Rules::split(draws, n, shares, out, "test");
            EXPECT_EQ(out[1], 0u) << n;
        }
    }
    parameters.electricField = -5.0;
    EXPECT_EQ(NanotubeAnodization::sharesOf(parameters, TiOxide).north, 0.2);

    const Lattice lattice({"OO.O", "OOOO", "TOTT", "TOTT"});
    parameters.electricField = 2.0;
    NanotubeAnodization model(lattice.width, lattice.height, lattice.codes.data(), parameters);
    model.step();
    // Runs from the top: 2, 4, 0, 2 cells.
    EXPECT_EQ(model.thicknessHistory(), std::vector<double>{2.0 * 1e-9});
    EXPECT_EQ(model.thicknessRecord(), 2);
    EXPECT_EQ(model.getCells()[lattice.at(1, 0)].field[1], 2.0);
    EXPECT_EQ(model.getCells()[lattice.at(0, 0)].field[1], 0.0);
}
