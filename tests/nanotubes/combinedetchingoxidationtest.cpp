#include <gtest/gtest.h>

#include "Automata/NanoTubes/combinedetchingoxidation.h"
#include "particlemodels.h"

using namespace Automata::NanoTubes;
namespace Rules = Automata::NanoTubes::ParticleRules;

namespace {

struct Totals {
    long long oxygen = 0, fluorine = 0, ti = 0, units = 0;
};

Totals totals(CombinedEtchingOxidation& model)
{
    Totals t;
    const CombinedCell* cells = model.getCells();
    for (std::size_t i = 0; i < std::size_t(model.getWidth()) * model.getHeight(); ++i) {
        t.oxygen += cells[i].total(Oxygen);
        t.fluorine += cells[i].total(Fluorine);
        t.ti += cells[i].atoms[0];
        t.units += cells[i].atoms[1];
    }
    return t;
}

// A closed box whose cells all hold the given particles of each species.
std::unique_ptr<CombinedEtchingOxidation> box(const Lattice& lattice, std::uint32_t oxygen, std::uint32_t fluorine)
{
    ParticleParameters parameters;
    parameters.sides = {Rules::Reflective, Rules::Reflective, Rules::Periodic, Rules::Periodic};
    parameters.reactionProbability = 0.5;
    ParticleResults::Data data = lattice.data(CombinedEtchingOxidation::fileLayout(), parameters, 0, 20);
    for (std::size_t i = 0; i < lattice.codes.size(); ++i) {
        data.grids[1][i] = lattice.codes[i] == 0 ? oxygen : 0;
        data.grids[2][i] = lattice.codes[i] == 0 ? fluorine : 0;
    }
    return std::make_unique<CombinedEtchingOxidation>(data);
}

} // namespace

// Oxygen turns two particles and a Ti atom into an oxide unit, fluorine six
// particles and a unit into nothing: O - 2 Ti and F - 6 (Ti + units) stay.
TEST(CombinedEtchingOxidationRules, ClosedBoxesKeepBothSpeciesBalances)
{
    const Lattice lattice({"....", "..O.", "TTOT", "TTTT"});
    const auto model = box(lattice, 300, 240);
    const Totals start = totals(*model);
    for (int s = 0; s < 25; ++s) {
        model->step();
        const Totals now = totals(*model);
        ASSERT_EQ(now.oxygen - 2 * now.ti, start.oxygen - 2 * start.ti) << s;
        ASSERT_EQ(now.fluorine - 6 * (now.ti + now.units), start.fluorine - 6 * (start.ti + start.units)) << s;
    }
    EXPECT_LT(totals(*model).ti, start.ti);
}

// One species at a time: fluorine dissolves oxide and leaves Ti alone,
// oxygen oxidises Ti.
TEST(CombinedEtchingOxidationRules, EachSpeciesAloneDoesOnlyItsOwnReaction)
{
    const Lattice lattice({"....", "OOOO", "TTTT"});
    const Totals before = totals(*box(lattice, 0, 0));

    const auto etched = box(lattice, 0, 600);
    for (int s = 0; s < 40; ++s)
        etched->step();
    const Totals afterEtch = totals(*etched);
    EXPECT_EQ(afterEtch.ti, before.ti);
    EXPECT_LT(afterEtch.units, before.units);
    EXPECT_EQ(afterEtch.fluorine, 4 * 600 - 6 * (before.units - afterEtch.units));
    const CombinedCell* cells = etched->getCells();
    EXPECT_EQ(std::count_if(cells, cells + 12, [](const CombinedCell& c) { return c.phase == Electrolyte; }),
              4 + (before.units - afterEtch.units) / 20) << "oxide cells etched through";

    const auto oxidised = box(lattice, 400, 0);
    for (int s = 0; s < 40; ++s)
        oxidised->step();
    const Totals afterOxygen = totals(*oxidised);
    EXPECT_LT(afterOxygen.ti, before.ti);
    EXPECT_EQ(afterOxygen.units - before.units, before.ti - afterOxygen.ti);
    // A Ti cell holding oxide units is drawn as covered.
    CombinedCell partial;
    partial.phase = Ti;
    partial.atoms[0] = 3;
    partial.atoms[1] = 1;
    EXPECT_EQ(oxidised->getColor(partial)[2], 1.0f);
}
