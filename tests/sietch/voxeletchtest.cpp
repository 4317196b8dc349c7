#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/SiEtch/deterministicetchautomaton.h"
#include "Automata/SiEtch/siwetetch.h"
#include "Input/deterministicetchautomatonloader.h"

using namespace Automata::SiEtch;

namespace {

// A volume whose silicon can be carved after the crystal structure filled it.
struct CarvedVolume : DeterministicEtchAutomaton {
    using DeterministicEtchAutomaton::DeterministicEtchAutomaton;
    void clear(int x, int y, int z) { cells[voxel(x, y, z)] = Empty; }
};

// A size^3 crystal, silicon where inside(x, y, z), empty elsewhere.
std::unique_ptr<DeterministicEtchAutomaton> volume(int size,
                                                   const std::function<bool(int, int, int)>& inside)
{
    const std::vector<SiEtchCell> cells(static_cast<std::size_t>(size) * size * size, Silicon);
    auto model = std::make_unique<CarvedVolume>(size, size, size, cells.data());
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            for (int z = 0; z < size; ++z)
                if (!inside(x, y, z))
                    model->clear(x, y, z);
    return model;
}

bool keptAfterOneStep(DeterministicEtchAutomaton& model, int x, int y, int z)
{
    model.step();
    return model.currentCells()[model.voxel(x, y, z)] == Silicon;
}

// An octree of a width x height picture, red only at the given pixels.
std::unique_ptr<SiWetEtch> octree(int width, int height, const std::vector<std::pair<int, int>>& red)
{
    std::vector<SiEtchCell> cells(static_cast<std::size_t>(width) * height, Empty);
    for (const auto& pixel : red)
        cells[pixel.first * height + pixel.second] = Mask;
    return std::make_unique<SiWetEtch>(width, height, 1, cells.data());
}

} // namespace

TEST(SiEtchVoxelRule, FlatFacesAndNeighbourThresholds)
{
    // Atom (8, 8, 8) sits on the first sublattice; the region's surface runs through it.
    const int c = 24;
    auto face001 = volume(16, [](int, int, int z) { return z <= 8; });
    EXPECT_EQ(2, face001->countFirstNeighbours(8, 8, 8));
    EXPECT_FALSE(keptAfterOneStep(*face001, 8, 8, 8));

    auto face110 = volume(16, [](int x, int y, int) { return x + y <= 16; });
    EXPECT_EQ(3, face110->countFirstNeighbours(8, 8, 8));
    EXPECT_EQ(7, face110->countSecondNeighbours(8, 8, 8));
    EXPECT_TRUE(keptAfterOneStep(*face110, 8, 8, 8));

    auto face111 = volume(16, [c](int x, int y, int z) { return x + y + z <= c; });
    EXPECT_EQ(3, face111->countFirstNeighbours(8, 8, 8));
    EXPECT_EQ(9, face111->countSecondNeighbours(8, 8, 8));
    EXPECT_TRUE(keptAfterOneStep(*face111, 8, 8, 8));

    // The (110) atom without its second neighbour (6, 6, 8): six left, removed.
    auto six = volume(16, [](int x, int y, int) { return x + y <= 16 && !(x == 6 && y == 6); });
    EXPECT_EQ(6, six->countSecondNeighbours(8, 8, 8));
    EXPECT_FALSE(keptAfterOneStep(*six, 8, 8, 8));
}

TEST(SiEtchVoxelRule, CrystalStructureAndLayerByLayerEtchUnderAnOpenTop)
{
    auto full = volume(12, [](int, int, int) { return true; });
    int silicon = 0;
    for (int x = 4; x < 8; ++x)
        for (int y = 4; y < 8; ++y)
            for (int z = 4; z < 8; ++z)
                silicon += full->currentCells()[full->voxel(x, y, z)] == Silicon;
    EXPECT_EQ(8, silicon);

    // A picture without red: the open top (its atom sites silicon) loses one atomic layer per step,
    // the masked sides and bottom stay; the same with one worker or two.
    const int w = 12, d = 20;
    Persistence::Grid<SiEtchCell> mask(w, w);
    std::fill(mask.begin(), mask.end(), Empty);
    const Persistence::Grid<SiEtchCell> cells = Input::DeterministicEtchAutomatonLoader::convertImage(mask, d);
    std::vector<std::vector<SiEtchCell>> results;
    for (int workers : {1, 2}) {
        QThreadPool::globalInstance()->setMaxThreadCount(workers);
        DeterministicEtchAutomaton model(w, w, d, cells.data());
        const long long start = std::count(model.currentCells(), model.currentCells() + cells.size(), Silicon);
        const int steps = 3;
        for (int i = 0; i < steps; ++i)
            model.step();
        // Away from the masked walls, which hold the atoms beside them.
        for (int x = 3; x < w - 3; ++x)
            for (int y = 3; y < w - 3; ++y)
                for (int z = 1; z < d; ++z) {
                    const bool wanted = DeterministicEtchAutomaton::isAtomSite(x, y, z) && z < d - steps;
                    EXPECT_EQ(wanted, model.currentCells()[model.voxel(x, y, z)] == Silicon)
                        << x << "," << y << "," << z;
                }
        Automata::AtomCounts counts;
        ASSERT_TRUE(model.getAtomCounts(counts));
        const long long left = std::count(model.currentCells(), model.currentCells() + cells.size(), Silicon);
        EXPECT_EQ(left, counts.remaining);
        EXPECT_EQ(start - left, counts.removed);
        results.emplace_back(model.currentCells(), model.currentCells() + cells.size());
    }
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    EXPECT_EQ(results[0], results[1]);
}

TEST(OctreeView, NodeCountsAndLonePixelsInTheirOwnLeaves)
{
    EXPECT_EQ(1, octree(1, 1, {})->getSiteCount());
    EXPECT_EQ(5, octree(2, 2, {})->getSiteCount());
    EXPECT_EQ(21, octree(6, 6, {{0, 0}})->getSiteCount());
    EXPECT_EQ(85, octree(8, 16, {})->getSiteCount());
    EXPECT_EQ(8, octree(8, 16, {})->getRoot()->size);

    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            const auto model = octree(8, 8, {{x, y}});
            for (int u = 0; u < 8; ++u)
                for (int v = 0; v < 8; ++v) {
                    const OctreeNode* leaf = model->getRoot()->find(u + 0.5, v + 0.5, 7.5);
                    ASSERT_EQ(1.0, leaf->size);
                    EXPECT_EQ(u, leaf->x);
                    EXPECT_EQ(v, leaf->y);
                    EXPECT_EQ(u == x && v == y ? Mask : Empty, leaf->value) << x << "," << y;
                }
        }

    // A tall picture: only its top-left square counts.
    EXPECT_EQ(Empty, octree(8, 16, {{3, 12}})->getRoot()->find(3.5, 4.5, 7.5)->value);
    EXPECT_EQ(Mask, octree(8, 16, {{3, 5}})->getRoot()->find(3.5, 5.5, 7.5)->value);
}
