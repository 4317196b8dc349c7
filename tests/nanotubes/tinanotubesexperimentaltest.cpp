#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/NanoTubes/tinanotubesexperimentalautomaton.h"
#include "particlemodels.h"

using namespace Automata::NanoTubes;

namespace {

long long particles(const ExpTiCell* cells, std::size_t count)
{
    return sumOver(cells, count, [](const ExpTiCell& c) { return static_cast<long long>(c.total()); });
}

struct PoolScope {
    explicit PoolScope(int threads) : previous(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
    }
    ~PoolScope() { QThreadPool::globalInstance()->setMaxThreadCount(previous); }
    int previous;
};

} // namespace

// Every replica keeps its 40 000 particles a Ti cell; one replica is its own
// mean with no deviation; a single column or row turns moves back on itself.
TEST(TiNanotubesExperimentalRules, ReplicasKeepTheirParticlesAndOneReplicaIsItsOwnMean)
{
    for (const std::vector<std::string>& rows :
         {std::vector<std::string>{"..T.", ".TT.", "B..."}, {"T", ".", "T"}, {"T.T.B"}}) {
        const Lattice lattice(rows);
        const long long ti = std::count(lattice.codes.begin(), lattice.codes.end(), 1);
        for (int replicas : {1, 3}) {
            TiNanotubesExperimentalAutomaton::Parameters parameters;
            parameters.replicas = replicas;
            parameters.tiStay = 0.3;
            TiNanotubesExperimentalAutomaton model(lattice.width, lattice.height, lattice.codes.data(), parameters);
            for (int s = 0; s < 6; ++s)
                model.step();
            for (int r = 0; r < replicas; ++r)
                EXPECT_EQ(particles(model.replica(r), lattice.codes.size()), 40000 * ti) << rows[0];
            if (replicas > 1)
                continue;
            EXPECT_EQ(particles(model.getCells(), lattice.codes.size()), 40000 * ti);
            for (std::size_t i = 0; i < lattice.codes.size(); ++i) {
                EXPECT_EQ(model.means()[i], model.getCells()[i].total());
                EXPECT_EQ(model.deviations()[i], 0.0);
            }
        }
    }
}

// The replicas' draws are keyed by the run's seed and the replica, never by
// the pool thread that runs them.
TEST(TiNanotubesExperimentalRules, FourReplicasGiveTheSameMeansOnOneOrFourPoolThreads)
{
    const Lattice lattice({"........", "..TTT...", "..TTT..B", "........"});
    TiNanotubesExperimentalAutomaton::Parameters parameters;
    parameters.replicas = 4;
    std::vector<double> means[2];
    for (int threads : {1, 4}) {
        PoolScope pool(threads);
        SeedScope seed(21);
        TiNanotubesExperimentalAutomaton model(lattice.width, lattice.height, lattice.codes.data(), parameters);
        for (int s = 0; s < 8; ++s)
            model.step();
        means[threads == 4] = model.deviations();
        means[threads == 4].insert(means[threads == 4].end(), model.means().begin(), model.means().end());
        EXPECT_EQ(model.getSiteCount(), 32 * 4);
    }
    EXPECT_EQ(means[0], means[1]);
}
