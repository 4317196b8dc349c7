#include <functional>
#include <memory>
#include <random>

#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition.h"
#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition3d.h"
#include "Automata/FilmDeposition/anisotropichuygensdepositionautomaton.h"
#include "Automata/FilmDeposition/continuousfilmdeposition2d.h"
#include "Automata/FilmDeposition/continuousfilmdepositionvts2d.h"
#include "Automata/FilmDeposition/huygensdepositionautomaton.h"
#include "Automata/FilmDeposition/isotropicfilmdeposition.h"
#include "depositiontesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

// A rough profile of random column heights with floating blocks that make
// overhangs and closed pockets; depth 1 for a 2D lattice.
std::vector<FilmCell> randomProfile(int width, int height, int depth, unsigned seed)
{
    std::mt19937 random(seed);
    const int up = depth > 1 ? depth : height;
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height * depth, FilmCell(Empty, 0.0f));
    const auto set = [&](int x, int y, int z) {
        cells[(static_cast<std::size_t>(x) * height + y) * depth + z] = FilmCell(Substrate, 1.0f);
    };
    const int rows = depth > 1 ? height : 1;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < rows; ++y) {
            const int top = static_cast<int>(random() % (up / 2)) + 1;
            for (int z = 0; z < top; ++z)
                depth > 1 ? set(x, y, z) : set(x, z, 0);
            if (random() % 4 == 0) {
                const int block = top + 2 + static_cast<int>(random() % 3);
                if (block < up)
                    depth > 1 ? set(x, y, block) : set(x, block, 0);
            }
        }
    return cells;
}

using Model = Automata::Automaton;
using Cells = std::function<const FilmCell*(Model&)>;

// Runs a model for some steps, checking that substrate never changes, film
// never reverts, no void is left in the lattice and fills of empty cells stay
// in [0, fillLimit); returns the final cells.
std::vector<FilmCell> run(const std::function<Model*()>& make, const Cells& cells, std::size_t count,
                          int steps, float fillLimit = 1.0f)
{
    std::unique_ptr<Model> model(make());
    std::vector<FilmCell> before(cells(*model), cells(*model) + count);
    for (int step = 0; step < steps; ++step) {
        model->step();
        const FilmCell* after = cells(*model);
        for (std::size_t i = 0; i < count; ++i) {
            const FilmDepositionCell was = before[i].type;
            const FilmDepositionCell is = after[i].type;
            EXPECT_EQ(was == Substrate, is == Substrate) << i;
            EXPECT_TRUE(was != Film || is == Film) << i;
            EXPECT_NE(Void, is) << i;
            if (is == Empty) {
                EXPECT_GE(after[i].value, 0.0f) << i;
                EXPECT_LT(after[i].value, fillLimit) << i;
            }
        }
        before.assign(after, after + count);
    }
    return before;
}

} // namespace

TEST(FilmDepositionModels, KeepSubstrateAndFilmLeaveNoVoidAndDoNotDependOnTheWorkerCount)
{
    const int w = 41, h = 30, d = 14;
    const auto profile = randomProfile(w, h, 1, 7);
    const auto volume = randomProfile(17, 12, d, 11);
    HuygensParameters huygens;
    huygens.rate = 1.0f;
    huygens.timeStep = 2.0f;
    HuygensParameters huygens3D = huygens;
    huygens3D.timeStep = 1.0f;
    const Cells lattice = [](Model& m) -> const FilmCell* {
        return dynamic_cast<Automata::Automaton2D<FilmCell>&>(m).getCells();
    };
    const Cells volumeCells = [](Model& m) -> const FilmCell* {
        return dynamic_cast<Automata::Automaton3D<FilmCell>&>(m).getCells();
    };
    // The envelope model keeps a fill of exactly 1 (and up to 1e-6 above) empty.
    const struct {
        std::function<Model*()> make;
        int steps;
        float fillLimit;
        bool flat;
    } models[] = {
        {[&] { return new ContinuousFilmDeposition2D(w, h, profile.data()); }, 60, 1.0f, true},
        {[&] { return new ContinuousFilmDepositionVts2D(w, h, profile.data()); }, 20, 1.0f, true},
        {[&] { return new IsotropicFilmDeposition(w, h, profile.data(), 0.5f, 1.0f, 0.05f); }, 60, 1.0f + 2e-6f, true},
        {[&] { return new HuygensDepositionAutomaton(w, h, profile.data(), huygens); }, 5, 1.0f, true},
        {[&] { return new AnisotropicHuygensDepositionAutomaton(w, h, profile.data(), huygens); }, 5, 1.0f, true},
        {[&] { return new AnisotropicDirectionalHuygensDeposition(w, h, profile.data(), huygens); }, 5, 1.0f, true},
        {[&] { return new AnisotropicDirectionalHuygensDeposition3D(17, 12, d, volume.data(), huygens3D); }, 3, 1.0f, false},
    };
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    for (const auto& m : models) {
        SCOPED_TRACE(&m - models);
        const std::size_t count = m.flat ? profile.size() : volume.size();
        pool->setMaxThreadCount(1);
        const auto single = run(m.make, m.flat ? lattice : volumeCells, count, m.steps, m.fillLimit);
        pool->setMaxThreadCount(3);
        const auto several = run(m.make, m.flat ? lattice : volumeCells, count, m.steps, m.fillLimit);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(single[i].type, several[i].type) << i;
            EXPECT_EQ(single[i].value, several[i].value) << i;
        }
    }
    pool->setMaxThreadCount(threads);
}
