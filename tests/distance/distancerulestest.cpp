#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/distancecountingfilmdeposition2d.h"
#include "Automata/FilmDeposition/distancecountingfilmdeposition3d.h"
#include "Automata/FilmDeposition/heightcountingfilmdeposition2d.h"

using namespace Automata::FilmDeposition;

namespace {

// Sets the worker count the models read at construction, for the scope.
class WorkersScope {
public:
    explicit WorkersScope(int count) : previous(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(count);
    }
    ~WorkersScope() { QThreadPool::globalInstance()->setMaxThreadCount(previous); }

private:
    int previous;
};

// The 3D rule applied to every voxel at once: what the front update must match.
struct FullSweep {
    using Vector = DistanceCountingFilmDeposition3D::Vector;
    int w, h, d;
    std::vector<int> states;
    std::vector<Vector> vectors;
    float bound = 20.0f;
    int film = 2;

    FullSweep(int w, int h, int d, const std::vector<int>& initial)
        : w(w), h(h), d(d), states(initial), vectors(initial.size())
    {
        const float far = std::numeric_limits<float>::max();
        for (std::size_t i = 0; i < states.size(); ++i)
            vectors[i] = states[i] == 1 ? Vector{0, 0, 0} : Vector{far, far, far};
    }

    void step()
    {
        std::vector<int> nextStates = states;
        auto nextVectors = vectors;
        const auto at = [&](int x, int y, int z) {
            return static_cast<std::size_t>((((x + w) % w) * h + (y + h) % h) * d + z);
        };
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                for (int z = 0; z < d; ++z) {
                    const std::size_t i = at(x, y, z);
                    if (states[i] == 1)
                        continue;
                    auto v = vectors[i];
                    float best = v.x * v.x + v.y * v.y + v.z * v.z;
                    const int steps[6][3] = {{-1, 0, 0}, {0, -1, 0}, {0, 0, -1},
                                             {1, 0, 0},  {0, 1, 0},  {0, 0, 1}};
                    for (const auto& s : steps) {
                        if (z + s[2] < 0 || z + s[2] >= d)
                            continue;
                        auto c = vectors[at(x + s[0], y + s[1], z + s[2])];
                        c.x += s[0] != 0;
                        c.y += s[1] != 0;
                        c.z += s[2] != 0;
                        const float length = c.x * c.x + c.y * c.y + c.z * c.z;
                        if (c.x < bound && c.y < bound && c.z < bound && length < best
                            && length < bound * bound) {
                            v = c;
                            best = length;
                            nextStates[i] = film;
                        }
                    }
                    nextVectors[i] = v;
                }
        states.swap(nextStates);
        vectors.swap(nextVectors);
    }
};

std::vector<int> heightVolume(int w, int h, int d, const std::function<int(int, int)>& height)
{
    std::vector<int> states(static_cast<std::size_t>(w) * h * d, 0);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            for (int z = 0; z < height(x, y); ++z)
                states[(static_cast<std::size_t>(x) * h + y) * d + z] = 1;
    return states;
}

} // namespace

TEST(HeightCountingFilmDeposition2D, FilmIsExactlyTheCellsCloserThanHundredToTheSourceByChamferDistance)
{
    HeightCountingFilmDeposition2D model;
    const int n = HeightCountingFilmDeposition2D::size;
    // Chamfer distances from the sources over the free cells of the torus.
    std::vector<double> distance(static_cast<std::size_t>(n) * n, 1e9);
    using Entry = std::pair<double, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    for (int i = 0; i < n * n; ++i)
        if (model.getCells()[i] == HeightCountingFilmDeposition2D::source)
            queue.push({distance[static_cast<std::size_t>(i)] = 0.0, i});
    while (!queue.empty()) {
        const Entry e = queue.top();
        queue.pop();
        if (e.first > distance[static_cast<std::size_t>(e.second)])
            continue;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const int x = (e.second / n + dx + n) % n;
                const int y = (e.second % n + dy + n) % n;
                const double next = e.first + (dx && dy ? std::sqrt(2.0) : dx || dy ? 1.0 : 0.0);
                if (!model.isFixed(x, y) && next < distance[static_cast<std::size_t>(x * n + y)])
                    queue.push({distance[static_cast<std::size_t>(x * n + y)] = next, x * n + y});
            }
    }
    for (int step = 0; step < 120; ++step)
        model.step();
    for (int i = 0; i < n * n; ++i) {
        if (!model.isFixed(i / n, i % n)) {
            ASSERT_EQ(distance[static_cast<std::size_t>(i)] < 100.0, model.getCells()[i] > 0.0) << i;
        }
    }
    // Film grows no further.
    const std::vector<double> grown(model.getCells(), model.getCells() + n * n);
    model.step();
    EXPECT_EQ(grown, std::vector<double>(model.getCells(), model.getCells() + n * n));
}

TEST(DistanceCountingFilmDeposition2D, CentralSeedFillsTheDiscAndSourcesReachAcrossTheWrappedEdge)
{
    const int n = 200;
    std::vector<DistState> cells(static_cast<std::size_t>(n) * n);
    cells[100 * n + 100] = DistState::source();
    DistanceCountingFilmDeposition2D model(n, n, cells.data());
    EXPECT_EQ(5012, model.errorCount());
    EXPECT_EQ(" steps | Errors = 5012", model.getTimeInfo());
    model.step();
    EXPECT_EQ(4972, model.errorCount());
    for (int step = 2; step <= 14; ++step) {
        model.step();
        EXPECT_EQ(step >= 14, model.errorCount() == 0) << step;
    }
    EXPECT_EQ(14.0, model.getTime());
    // The film is the disc of radius 40 (on its rim, where a component
    // reaches 40, it is not).
    for (int i = 0; i < n * n; ++i) {
        const int r2 = (i / n - 100) * (i / n - 100) + (i % n - 100) * (i % n - 100);
        if (r2 != 1600) {
            ASSERT_EQ(r2 < 1600, model.getCells()[i].state != 0) << i;
        }
    }

    // A source at x = 0 reaches x = W - 1 in one step, with vector (-1, 0).
    std::vector<DistState> edge(static_cast<std::size_t>(8) * 5);
    edge[0 * 5 + 2] = DistState::source();
    DistanceCountingFilmDeposition2D wrapped(8, 5, edge.data());
    wrapped.step();
    const DistState& across = wrapped.getCells()[7 * 5 + 2];
    EXPECT_TRUE(across.state == 2u && across.dx == -1.0f && across.dy == 0.0f);
}

TEST(DistanceCountingFilmDeposition3D, FrontUpdateMatchesAFullSweepForAnyWorkerCountAcrossSlabFacesAndTheSeam)
{
    const int w = 14, h = 5, d = 24;
    // Pillars on the seam (x = 0 and 13) and on the slab faces of 2, 3 and 7 tasks.
    const std::vector<int> states = heightVolume(w, h, d, [](int x, int y) {
        if (x == 0 || x == 13 || x == 4 || x == 7)
            return y == 2 ? 9 : 4;
        return x == 1 || x == 8 ? 6 : 2;
    });
    const double thickness[] = {12, 3, 12};
    const int steps[] = {12, 6, 16};
    std::vector<std::vector<int>> results;
    for (int workers : {1, 2, 3, 7}) {
        SCOPED_TRACE(workers);
        WorkersScope scope(workers);
        DistanceCountingFilmDeposition3D model(w, h, d, states.data());
        ASSERT_EQ(workers, model.getTaskCount());
        FullSweep reference(w, h, d, states);
        for (int phase = 0; phase < 3; ++phase) {
            model.setThickness(thickness[phase]);
            reference.bound = static_cast<float>(thickness[phase]);
            for (int step = 0; step < steps[phase]; ++step) {
                model.step();
                reference.step();
                for (std::size_t i = 0; i < states.size(); ++i) {
                    const auto& v = model.vectorAt(static_cast<std::int64_t>(i));
                    const auto& r = reference.vectors[i];
                    ASSERT_TRUE(model.getCells()[i] == reference.states[i] && v.x == r.x
                                && v.y == r.y && v.z == r.z)
                        << "voxel " << i << " phase " << phase << " step " << step;
                }
            }
        }
        results.emplace_back(model.getCells(), model.getCells() + states.size());
        model.step();
        EXPECT_EQ(results.back(), std::vector<int>(model.getCells(), model.getCells() + states.size()))
            << "converged";
    }

    // Converged film does not depend on the thicknesses on the way.
    DistanceCountingFilmDeposition3D direct(w, h, d, states.data());
    direct.setThickness(12);
    for (int step = 0; step < 34; ++step)
        direct.step();
    EXPECT_EQ(results.front(), std::vector<int>(direct.getCells(), direct.getCells() + states.size()));
}

TEST(DistanceCountingFilmDeposition3D, FlatSubstrateGetsStackedFilmsBelowThicknessAndNoneFromTheTop)
{
    const int w = 6, h = 5, d = 40, base = 10;
    const std::vector<int> states = heightVolume(w, h, d, [](int, int) { return base; });
    DistanceCountingFilmDeposition3D model(w, h, d, states.data());
    model.setThickness(5);
    for (int step = 0; step < 10; ++step)
        model.step();
    model.setFilmState(3);
    model.setThickness(20);
    for (int step = 0; step < 30; ++step)
        model.step();
    EXPECT_EQ(30.0 + 10.0, model.getTime());
    // Film at z = h ... h + t - 2: olive up to h + 3, green from there to h + 18.
    for (int z = 0; z < d; ++z) {
        const int expected = z < base ? 1 : z <= base + 3 ? 2 : z <= base + 18 ? 3 : 0;
        for (int column = 0; column < w * h; ++column)
            ASSERT_EQ(expected, model.getCells()[column * d + z]) << "z " << z;
    }
    // One surface per state present.
    model.regenerateSurfaces();
    EXPECT_TRUE(!model.surface(3).isEmpty() && model.surface(4).isEmpty());
}
