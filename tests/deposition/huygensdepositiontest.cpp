#include <algorithm>
#include <mutex>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition.h"
#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition3d.h"
#include "Automata/FilmDeposition/anisotropichuygensdepositionautomaton.h"
#include "Automata/FilmDeposition/huygensdepositionautomaton.h"
#include "depositiontesthelpers.h"
#include "../film/filmtesthelpers.h"

using namespace Automata::FilmDeposition;
using DepositionTest::flat;
using DepositionTest::lattice;

namespace {

HuygensParameters withRate(float rate, float timeStep)
{
    HuygensParameters parameters;
    parameters.rate = rate;
    parameters.timeStep = timeStep;
    return parameters;
}

template <typename Model>
int count(Model& model, FilmDepositionCell type)
{
    const FilmCell* cells = model.getCells();
    return static_cast<int>(std::count_if(cells, cells + model.getSiteCount(),
                                          [type](const FilmCell& c) { return c.type == type; }));
}

// The film rows above the surface row `surface` in column x.
template <typename Model>
int filmAbove(Model& model, int x, int surface)
{
    int rows = 0;
    while (surface + rows < model.getHeight()
           && model.getCells()[model.index(x, surface + rows)].type == Film)
        ++rows;
    return rows;
}

// Records which sites a step treats as sources.
template <typename Base>
class SourceRecorder : public Base {
public:
    using Base::Base;
    std::set<std::pair<int, int>> sources;

protected:
    long long reach(int x, int y) const override
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const_cast<SourceRecorder*>(this)->sources.insert({x, y});
        return Base::reach(x, y);
    }

private:
    mutable std::mutex mutex;
};

} // namespace

TEST(HuygensDeposition, LoneSeedGrowsADiscAndBorderSubstrateEmits)
{
    // Rate 5, time step 3: every cell within 15 of the seed, 709 with the seed.
    std::vector<FilmCell> cells(41 * 41, FilmCell(Empty, 0.0f));
    cells[20 * 41 + 20] = FilmCell(Substrate, 1.0f);
    HuygensDepositionAutomaton seed(41, 41, cells.data(), HuygensParameters{});
    seed.step();
    EXPECT_EQ(708, count(seed, Film));
    EXPECT_EQ(Film, seed.getCells()[seed.index(20, 35)].type);
    EXPECT_EQ(Empty, seed.getCells()[seed.index(20, 36)].type);
    EXPECT_EQ(Empty, seed.getCells()[seed.index(31, 31)].type);
    EXPECT_EQ(" minutes", seed.getTimeInfo());

    // Substrate whose lattice neighbours are all solid emits from the border.
    const auto block = lattice({"...", "###", "###", "###"});
    SourceRecorder<HuygensDepositionAutomaton> border(3, 4, block.data(), withRate(1, 1));
    border.step();
    EXPECT_EQ(1u, border.sources.count({0, 0}));
    EXPECT_EQ(0u, border.sources.count({1, 1}));
}

TEST(AnisotropicHuygensDeposition, ClosedPocketsStayEmptyOpenTrenchesFillAndFlatSubstrateGetsTheFullRadius)
{
    const auto profile = lattice({"................",
                                  "................",
                                  "##...#####..####",
                                  "##...#####..####",
                                  "##...#####..####",
                                  "##...#####..####",
                                  "######..########",
                                  "################"});
    AnisotropicHuygensDepositionAutomaton model(16, 8, profile.data(), withRate(2, 1));
    for (int step = 0; step < 6; ++step)
        model.step();
    EXPECT_EQ(Empty, model.getCells()[model.index(6, 1)].type);
    EXPECT_EQ(Empty, model.getCells()[model.index(7, 1)].type);
    EXPECT_EQ(0, count(model, Void));
    EXPECT_EQ(Film, model.getCells()[model.index(3, 2)].type);
    EXPECT_EQ(Film, model.getCells()[model.index(10, 2)].type);

    // Occupation 63 / 113 around a flat surface source is below 0.6.
    const auto surface = flat(40, 30, 10);
    AnisotropicHuygensDepositionAutomaton wide(40, 30, surface.data(), withRate(2, 1));
    wide.step();
    EXPECT_EQ(2, filmAbove(wide, 20, 10));
}

TEST(AnisotropicHuygensDeposition, ThresholdAtOrAboveTheMaximumIsAStepLaw)
{
    const auto surface = flat(40, 30, 10);
    const struct {
        float threshold, maximum;
        int rows;
    } cases[] = {{0.6f, 0.6f, 2}, {0.5f, 0.5f, 0}, {0.6f, 0.3f, 2}, {0.5f, 0.3f, 0}};
    for (const auto& c : cases) {
        HuygensParameters parameters = withRate(2, 1);
        parameters.occupationThreshold = c.threshold;
        parameters.maximumOccupation = c.maximum;
        AnisotropicHuygensDepositionAutomaton model(40, 30, surface.data(), parameters);
        model.step();
        EXPECT_EQ(c.rows, filmAbove(model, 20, 10)) << c.threshold << " " << c.maximum;
        AnisotropicDirectionalHuygensDeposition directional(40, 30, surface.data(), parameters);
        directional.step();
        EXPECT_EQ(c.rows, filmAbove(directional, 20, 10)) << c.threshold << " " << c.maximum;
    }
}

TEST(DirectionalHuygensDeposition, FlatSubstrateSeesHalfAndDepositsTheFullRadius)
{
    const auto surface = flat(120, 100, 40);
    AnisotropicDirectionalHuygensDeposition model(120, 100, surface.data(), HuygensParameters{});
    EXPECT_NEAR(0.497, model.visibleFraction(60, 39), 0.01);
    model.step();
    EXPECT_EQ(15, filmAbove(model, 60, 40));

    const auto volume = FilmTest::heightVolume(40, 40, 30, std::vector<int>(40 * 40, 10));
    AnisotropicDirectionalHuygensDeposition3D model3D(40, 40, 30, volume.data(), withRate(2, 1));
    EXPECT_NEAR(0.5, model3D.visibleFraction(20, 20, 9), 0.05);
    model3D.step();
    EXPECT_EQ(Film, model3D.getCells()[model3D.index(20, 20, 11)].type);
    EXPECT_EQ(Empty, model3D.getCells()[model3D.index(20, 20, 12)].type);
}

TEST(DirectionalHuygensDeposition, NarrowTrenchBottomGetsNothingAndTheBorderIsClosed)
{
    std::vector<std::string> rows(6, std::string(30, '.'));
    rows.resize(36, std::string(14, '#') + ".." + std::string(14, '#'));
    rows.resize(46, std::string(30, '#'));
    const auto trench = lattice(rows);
    HuygensParameters parameters = withRate(2, 1);
    parameters.maximumOccupation = 0.9f;
    AnisotropicDirectionalHuygensDeposition model(30, 46, trench.data(), parameters);
    EXPECT_GT(1.0 - model.visibleFraction(14, 9), 0.9);
    model.step();
    EXPECT_EQ(Empty, model.getCells()[model.index(14, 10)].type);
    EXPECT_EQ(Film, model.getCells()[model.index(5, 40)].type);

    // Substrate up to the top row: beyond it is void for the directional
    // model, open space for the occupation model.
    const auto full = lattice({"####", "####"});
    SourceRecorder<AnisotropicDirectionalHuygensDeposition> closed(4, 2, full.data(), withRate(1, 1));
    closed.step();
    EXPECT_TRUE(closed.sources.empty());
    SourceRecorder<AnisotropicHuygensDepositionAutomaton> open(4, 2, full.data(), withRate(1, 1));
    open.step();
    EXPECT_EQ(4u, open.sources.size());
}

TEST(HuygensDeposition, HugeRadiiFinishAtOnce)
{
    const auto profile = flat(64, 48, 10);
    HuygensParameters parameters = withRate(100000.0f, 9.1e6f);
    parameters.radiusMultiplier = 100000.0f;
    HuygensDepositionAutomaton plain(64, 48, profile.data(), parameters);
    plain.step();
    AnisotropicHuygensDepositionAutomaton anisotropic(64, 48, profile.data(), parameters);
    anisotropic.step();
    // The line-of-sight window stops at the lattice diagonal.
    AnisotropicDirectionalHuygensDeposition directional(64, 48, profile.data(), parameters);
    directional.step();
    EXPECT_EQ(0, count(plain, Empty));
    EXPECT_EQ(0, count(anisotropic, Empty));
    EXPECT_EQ(0, count(directional, Empty));
}
