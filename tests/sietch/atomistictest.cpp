#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include "Automata/SiEtch/atomisticvariableratesimulator.h"
#include "Automata/SiEtch/drieatomisticsimulator.h"
#include "Automata/SiEtch/isotropicatomisticsimulator.h"
#include "Automata/SiEtch/multiautomataetcher.h"
#include "Automata/SiEtch/simpleatomisticsimulator.h"
#include "Automata/random.h"

using namespace Automata::SiEtch;

namespace {

const float a = 5.43f;

int quarter(float coordinate)
{
    return static_cast<int>(std::lround(coordinate * 4 / a));
}

std::vector<unsigned char> mask(int w, int h, const std::function<bool(int, int)>& masked)
{
    std::vector<unsigned char> bytes(static_cast<std::size_t>(w) * h);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            bytes[x * h + y] = masked(x, y) ? 1 : 0;
    return bytes;
}

std::vector<unsigned char> openMask(int w, int h)
{
    return mask(w, h, [](int, int) { return false; });
}

// Removes every atom of the block outside the region, as etching would.
void carve(SiliconBlock& block, const std::function<bool(int, int, int)>& keep)
{
    std::vector<Atom*> exposed;
    for (UnitCell& cell : block.cells)
        for (Atom& atom : cell.atoms)
            if (!keep(quarter(atom.x), quarter(atom.y), quarter(atom.z)))
                block.removeAtom(atom, exposed);
}

Atom& atomAt(SiliconBlock& block, int qx, int qy, int qz)
{
    return block.cell(qx / 4, qy / 4, qz / 4).atoms[UnitCell::atomAt(qx % 4, qy % 4, qz % 4)];
}

std::vector<bool> removedFlags(const SiliconBlock& block)
{
    std::vector<bool> flags;
    for (const UnitCell& cell : block.cells)
        for (const Atom& atom : cell.atoms)
            flags.push_back(atom.removed);
    return flags;
}

// What every step must keep true: masks stay, silicon only goes, and the
// surface list holds each live atom once.
void expectSound(const SiliconBlock& block, long long& lastLeft)
{
    for (const Atom* maskAtom : block.maskAtoms)
        EXPECT_FALSE(maskAtom->removed);
    long long left = 0;
    for (const UnitCell& cell : block.cells)
        for (const Atom& atom : cell.atoms)
            left += !atom.removed;
    EXPECT_EQ(left, block.siliconLeft);
    EXPECT_LE(left, lastLeft);
    lastLeft = left;
    const std::set<const Atom*> distinct(block.surfaceAtoms.begin(), block.surfaceAtoms.end());
    EXPECT_EQ(distinct.size(), block.surfaceAtoms.size());
    for (const Atom* atom : block.surfaceAtoms)
        EXPECT_FALSE(atom->removed);
}

} // namespace

TEST(AtomisticCrystal, BondsArePairedAlongTheirDirectionsAndCounted)
{
    SiliconBlock block(3, 3, 3, a);
    for (UnitCell& cell : block.cells)
        for (int i = 0; i < 8; ++i) {
            Atom& atom = cell.atoms[i];
            unsigned bonds = 0;
            for (int b = 0; b < 4; ++b) {
                const Atom* other = atom.bonds[b];
                if (!other)
                    continue;
                ++bonds;
                EXPECT_EQ(&atom, other->bonds[3 - b]);
                const int* d = UnitCell::bondDirection(i, b);
                EXPECT_EQ(d[0], quarter(other->x) - quarter(atom.x));
                EXPECT_EQ(d[1], quarter(other->y) - quarter(atom.y));
                EXPECT_EQ(d[2], quarter(other->z) - quarter(atom.z));
                EXPECT_EQ(b < 2 ? 1 : -1, d[2]);
            }
            EXPECT_EQ(bonds, atom.bondCount);
        }
    for (const Atom& atom : block.cell(1, 1, 1).atoms)
        EXPECT_EQ(4u, atom.bondCount);
}

TEST(AtomisticRules, BasicKeepsOnlyFlat111AndSimpleTakesTheWholeSurfaceLayer)
{
    struct Face {
        std::function<bool(int, int, int)> keep;
        int first, second;
        bool removed;
    };
    const Face faces[] = {
        {[](int x, int y, int z) { return x + y + z <= 24; }, 3, 9, false}, // (111)
        {[](int x, int y, int) { return x + y <= 16; }, 3, 7, true},        // (110)
        {[](int, int, int z) { return z <= 8; }, 2, 6, true},               // (001)
    };
    for (const Face& face : faces) {
        SiliconBlock block(4, 4, 4, a);
        carve(block, face.keep);
        const Atom& atom = atomAt(block, 8, 8, 8);
        EXPECT_EQ(face.first, atom.firstNeighbourCount());
        EXPECT_EQ(face.second, atom.secondNeighbourCount());
        EXPECT_EQ(face.removed, AtomisticSimulator::byNeighbours(atom));
    }

    SimpleAtomisticSimulator simple(16, 16, 16, a, openMask(16, 16));
    for (int step = 0; step < 3; ++step) {
        const std::vector<Atom*> layer = simple.getBlock().surfaceAtoms;
        simple.step();
        for (const Atom* atom : layer)
            EXPECT_TRUE(atom->removed);
        ASSERT_FALSE(simple.getBlock().surfaceAtoms.empty());
        for (const Atom* atom : simple.getBlock().surfaceAtoms)
            EXPECT_EQ(quarter(layer.front()->z) - 1, quarter(atom->z));
    }
}

TEST(AtomisticRules, DrieRemovesExactlyTheAtomsUnderOpenPixels)
{
    DrieAtomisticSimulator drie(16, 16, 16, a, mask(16, 16, [](int x, int) { return x < 8; }));
    const int steps = 3;
    for (int i = 0; i < steps; ++i)
        drie.step();
    // Atoms on the far faces of the block have no bonds upward and are never exposed.
    for (const UnitCell& cell : drie.getBlock().cells)
        for (const Atom& atom : cell.atoms) {
            if (quarter(atom.x) > 13 || quarter(atom.y) > 13)
                continue;
            const bool open = quarter(atom.x) >= 8 && quarter(atom.z) > 15 - steps;
            EXPECT_EQ(open, atom.removed) << atom.x << "," << atom.y << "," << atom.z;
        }
}

TEST(IsotropicAtomisticSimulator, AnAtomGoesOnItsHundredAndFirstHitAndASeedRepeatsARun)
{
    // One cell; only its top atom at pixel (3, 1) is open, so every pick takes it.
    IsotropicAtomisticSimulator single(4, 4, 4, a, mask(4, 4, [](int x, int) { return x == 1; }));
    ASSERT_EQ(1u, single.getBlock().surfaceAtoms.size());
    Atom* atom = single.getBlock().surfaceAtoms.front();
    for (int i = 0; i < 100; ++i)
        single.step();
    EXPECT_FALSE(atom->removed);
    EXPECT_EQ(0, atom->hitsLeft);
    single.step();
    EXPECT_TRUE(atom->removed);

    std::vector<std::vector<bool>> runs;
    for (int run = 0; run < 2; ++run) {
        Automata::Random::setSeedOverride(5);
        std::mt19937 pattern(3);
        IsotropicAtomisticSimulator model(16, 16, 8, a, mask(16, 16, [&](int, int) { return pattern() % 3 == 0; }));
        for (int i = 0; i < 250; ++i)
            model.step();
        long long left = model.getBlock().siliconLeft + 1;
        expectSound(model.getBlock(), left);
        runs.push_back(removedFlags(model.getBlock()));
    }
    Automata::Random::clearSeedOverride();
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_NE(std::count(runs[0].begin(), runs[0].end(), true), 0);
}

TEST(AtomisticSimulator, RandomMasksKeepMasksListsAndCountsSoundWhateverTheOrderOrWorkers)
{
    std::mt19937 random(11);
    for (int kind = 0; kind < 3; ++kind) {
        const std::vector<unsigned char> top = mask(16, 16, [&](int, int) { return random() % 2 == 0; });
        std::unique_ptr<AtomisticSimulator> model;
        if (kind == 0)
            model = std::make_unique<AtomisticSimulator>(16, 16, 16, a, top);
        else if (kind == 1)
            model = std::make_unique<SimpleAtomisticSimulator>(16, 16, 16, a, top);
        else
            model = std::make_unique<DrieAtomisticSimulator>(16, 16, 16, a, top);
        long long left = model->getBlock().siliconLeft;
        for (int i = 0; i < 12; ++i) {
            model->step();
            expectSound(model->getBlock(), left);
        }
    }

    // All decisions see the crystal as it was: the order of the list does not matter.
    const std::vector<unsigned char> top = mask(16, 16, [&](int, int) { return random() % 2 == 0; });
    AtomisticSimulator listed(16, 16, 16, a, top), shuffled(16, 16, 16, a, top);
    for (int i = 0; i < 6; ++i) {
        std::vector<Atom*>& list = shuffled.getBlock().surfaceAtoms;
        std::shuffle(list.begin(), list.end(), random);
        listed.step();
        shuffled.step();
        EXPECT_EQ(removedFlags(listed.getBlock()), removedFlags(shuffled.getBlock()));
    }

    // A surface long enough to be decided in bands.
    std::vector<std::vector<bool>> byWorkers;
    for (int workers : {1, 2}) {
        QThreadPool::globalInstance()->setMaxThreadCount(workers);
        AtomisticSimulator wide(520, 520, 8, a, mask(520, 520, [](int x, int y) { return (x / 16 + y / 16) % 2; }));
        for (int i = 0; i < 3; ++i)
            wide.step();
        byWorkers.push_back(removedFlags(wide.getBlock()));
    }
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    EXPECT_EQ(byWorkers[0], byWorkers[1]);
}

TEST(AtomisticSimulator, SphereMaskRemovalAndANewMaskOfAnotherSize)
{
    AtomisticSimulator sphere(AtomisticSimulator::Sphere{4}, a);
    const SiliconBlock& ball = sphere.getBlock();
    EXPECT_EQ(3, ball.cellsX);
    EXPECT_EQ(27LL * 8, sphere.getSiteCount());
    const float centre = 1.5f * a, radius = a / 2;
    EXPECT_FALSE(ball.surfaceAtoms.empty());
    for (const UnitCell& cell : ball.cells)
        for (const Atom& atom : cell.atoms) {
            const float r2 = (atom.x - centre) * (atom.x - centre) + (atom.y - centre) * (atom.y - centre)
                             + (atom.z - centre) * (atom.z - centre);
            if (std::abs(r2 - radius * radius) > 0.001f) {
                EXPECT_EQ(r2 > radius * radius, atom.removed);
            }
        }

    AtomisticSimulator covered(8, 8, 8, a, mask(8, 8, [](int, int) { return true; }));
    EXPECT_TRUE(covered.getBlock().surfaceAtoms.empty());
    covered.removeSubstrateMask();
    EXPECT_EQ(8u, covered.getBlock().surfaceAtoms.size());
    for (const Atom* atom : covered.getBlock().surfaceAtoms) {
        EXPECT_EQ(7, quarter(atom->z));
        for (const Atom* bonded : atom->bonds)
            EXPECT_TRUE(!bonded || bonded->atomType == Atom::SiliconAtom);
    }
    EXPECT_EQ(0, std::count(covered.getBlock().topMask.begin(), covered.getBlock().topMask.end(), 1));

    // A 3 x 2 picture on a 2 x 3 mask: cropped along x, padded open along y.
    EXPECT_EQ((std::vector<unsigned char>{1, 0, 0, 0, 1, 0}),
              AtomisticSimulator::fitMask({1, 0, 0, 1, 1, 1}, 3, 2, 2, 3));
    AtomisticSimulator open(8, 8, 8, a, openMask(8, 8));
    open.setNewTopMask(mask(8, 8, [](int x, int) { return x < 4; }));
    EXPECT_EQ(4u, open.getBlock().surfaceAtoms.size());
    for (const Atom* atom : open.getBlock().surfaceAtoms)
        EXPECT_GE(quarter(atom->x), 4);
    // Every atom under the new mask is capped at each free bond.
    for (const Atom* capped : open.getBlock().maskAtoms) {
        const Atom* const* bond = std::find_if(std::begin(capped->bonds), std::end(capped->bonds),
                                               [](const Atom* b) { return b != nullptr; });
        ASSERT_NE(std::end(capped->bonds), bond);
        EXPECT_EQ(4u, (*bond)->bondCount);
        EXPECT_LT(quarter((*bond)->x), 4);
    }
}

TEST(AtomisticVariableRateSimulator, Class20AloneTakesAHundredAndThenGoesWhole)
{
    AtomisticSimulator owner(16, 16, 16, a, openMask(16, 16));
    SiliconBlock& block = owner.getBlock();
    carve(block, [](int x, int y, int z) { return x + y + z <= 28; });
    block.surfaceAtoms.clear();
    for (UnitCell& cell : block.cells)
        for (Atom& atom : cell.atoms)
            if (!atom.removed && AtomisticVariableRateSimulator::atomClass(atom) == 20
                && atom.firstNeighbourCount() == 3)
                block.surfaceAtoms.push_back(&atom);
    const std::vector<Atom*> plane = block.surfaceAtoms;
    ASSERT_FALSE(plane.empty());
    AtomisticVariableRateSimulator rates(16, 16, 16, a, &block);
    rates.step();
    EXPECT_DOUBLE_EQ(100.0, rates.getTime());
    for (const Atom* atom : plane)
        EXPECT_TRUE(atom->removed);
    Atom loose;
    loose.bondCount = 0;
    EXPECT_EQ(-1, AtomisticVariableRateSimulator::atomClass(loose));
}

TEST(MultiAutomataEtcher, DrieTrenchThenBcaWetEtchOnOneCrystal)
{
    MultiAutomataEtcher etcher(16, 16, 40, mask(16, 16, [](int x, int y) { return x < 4 || x >= 12 || y < 4 || y >= 12; }));
    const SiliconBlock& block = etcher.getSimulator(0)->getBlock();
    etcher.select(1);
    etcher.select(7);
    EXPECT_EQ(1, etcher.getActiveSimulator());
    for (int i = 0; i < 8; ++i)
        etcher.step();
    const auto deepest = [&block] {
        int z = 1 << 30;
        for (const Atom* atom : block.surfaceAtoms)
            z = std::min(z, quarter(atom->z));
        return z;
    };
    const int trench = deepest();
    EXPECT_EQ(39 - 8, trench);
    etcher.select(0);
    const long long before = block.removed;
    etcher.step();
    EXPECT_GT(block.removed, before);
    EXPECT_LE(deepest(), trench);
    etcher.removeMask();
    EXPECT_EQ(0, std::count(block.topMask.begin(), block.topMask.end(), 1));
}
