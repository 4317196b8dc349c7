#include <memory>
#include <random>
#include <vector>

#include <QDir>
#include <QThreadPool>
#include <QWidget>

#include "Automata/MixedAutomata/basiccellularautomaton.h"
#include "Automata/MixedAutomata/mixedautomatonmanager.h"
#include "Ui/mixedautomatonoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::MixedAutomata;
using Codes = std::vector<MaterialCode>;

namespace {

constexpr int microfabrication = 28;

struct Extent {
    int w, l, d;
    std::size_t at(int x, int y, int z) const { return (static_cast<std::size_t>(x) * l + y) * d + z; }
    bool inside(int x, int y, int z) const { return x >= 0 && y >= 0 && z >= 0 && x < w && y < l && z < d; }
};

Codes codesOf(MixedAutomatonManager& manager)
{
    VoxelLattice& lattice = manager.getLattice();
    const MaterialCode* codes = lattice.lockCurrent();
    Codes copy(codes, codes + lattice.voxelCount());
    lattice.unlockCurrent();
    return copy;
}

Codes stepped(const Extent& e, const Codes& codes, unsigned operation, MaterialCode film,
              const VoxelMask& bottom = {}, const VoxelMask& top = {})
{
    MixedAutomatonManager manager(e.w, e.l, e.d, codes.data());
    manager.setOperation(operation);
    manager.setCurrentFilm(film);
    manager.processState().setBottomMask(bottom.bytes.data(), bottom.width, bottom.height);
    manager.processState().setTopMask(top.bytes.data(), top.width, top.height);
    manager.step();
    return codesOf(manager);
}

// The rules as stated, voxel by voxel.
Codes reference(const Extent& e, const Codes& c, unsigned operation, MaterialCode film,
                const VoxelMask& bottom, const VoxelMask& top)
{
    auto code = [&](int x, int y, int z) { return e.inside(x, y, z) ? c[e.at(x, y, z)] : outsideCode; };
    auto first = [&](int x, int y, int z) {
        int count = 4;
        for (const auto& b : BasicCellularAutomaton::bondTable[4 * (x & 1) + 2 * (y & 1) + (z & 1)])
            count -= code(x + b[0], y + b[1], z + b[2]) == emptyCode;
        return count;
    };
    Codes out = c;
    for (int x = 0; x < e.w; ++x)
        for (int y = 0; y < e.l; ++y)
            for (int z = 0; z < e.d; ++z) {
                const MaterialCode self = c[e.at(x, y, z)];
                bool mooreEmpty = false, mooreFull = false;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dz = -1; dz <= 1; ++dz)
                            if ((dx || dy || dz) && e.inside(x + dx, y + dy, z + dz)) {
                                mooreEmpty |= code(x + dx, y + dy, z + dz) == emptyCode;
                                mooreFull |= code(x + dx, y + dy, z + dz) != emptyCode;
                            }
                MaterialCode& result = out[e.at(x, y, z)];
                if (operation == 0 && self == siliconCode) {
                    int second = 0;
                    for (const auto& b : BasicCellularAutomaton::bondTable[4 * (x & 1) + 2 * (y & 1) + (z & 1)]) {
                        const MaterialCode n = code(x + b[0], y + b[1], z + b[2]);
                        second += n == emptyCode ? 0 : n == siliconCode ? first(x + b[0], y + b[1], z + b[2]) - 1 : 3;
                    }
                    if (first(x, y, z) < 3 || (first(x, y, z) == 3 && second < 9))
                        result = emptyCode;
                } else if (operation == 1 && self == emptyCode && mooreFull) {
                    result = film;
                } else if (operation == 2 && self == film && mooreEmpty) {
                    result = emptyCode;
                } else if (operation == 3 && self == film) {
                    if ((z > 0 && code(x, y, z - 1) == emptyCode && !bottom.protects(x, y))
                        || (z + 1 < e.d && code(x, y, z + 1) == emptyCode && !top.protects(x, y)))
                        result = emptyCode;
                }
            }
    return out;
}

VoxelMask randomMask(std::mt19937& random, std::uint32_t w, std::uint32_t h)
{
    VoxelMask mask;
    mask.width = w;
    mask.height = h;
    for (std::uint32_t i = 0; i < w * h; ++i)
        mask.bytes.push_back(random() % 2);
    return mask;
}

} // namespace

TEST(MixedAutomatonManager, EveryOperationMatchesTheRulesOnRandomVolumesWithOneOrThreeWorkers)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    std::mt19937 random(14);
    for (int trial = 0; trial < 12; ++trial) {
        const Extent e{3 + int(random() % 6), 2 + int(random() % 6), 1 + int(random() % 7)};
        Codes codes(static_cast<std::size_t>(e.w) * e.l * e.d);
        const MaterialCode palette[] = {emptyCode, siliconCode, siliconCode, 3, 4, 5};
        for (MaterialCode& code : codes)
            code = palette[random() % 6];
        // Masks smaller and larger than the volume.
        const VoxelMask bottom = randomMask(random, 1 + random() % 9, 1 + random() % 9);
        const VoxelMask top = randomMask(random, 1 + random() % 9, 1 + random() % 9);
        for (unsigned operation = 0; operation < 4; ++operation) {
            const MaterialCode film = 3 + random() % 3;
            const Codes expected = reference(e, codes, operation, film, bottom, top);
            for (int workers : {1, 3}) {
                pool->setMaxThreadCount(workers);
                EXPECT_EQ(stepped(e, codes, operation, film, bottom, top), expected)
                    << "operation " << operation << ", trial " << trial << ", workers " << workers;
            }
        }
    }
    pool->setMaxThreadCount(threads);
}

TEST(BasicCellularAutomaton, SecondNeighbourSumOfNineKeepsAnAtomEightRemovesItAndTheOutsideCovers)
{
    const Extent e{9, 9, 9};
    Codes silicon(9 * 9 * 9, siliconCode);
    // Everything outside is covered: a full block never etches.
    EXPECT_EQ(stepped(e, silicon, 0, 3), silicon);

    // (4, 4, 4) bonds to (3, 5, 3), (4, 3, 3), (3, 3, 4), (5, 4, 4).
    silicon[e.at(3, 5, 3)] = emptyCode;
    EXPECT_EQ(stepped(e, silicon, 0, 3)[e.at(4, 4, 4)], siliconCode);
    // (4, 2, 3) is bonded to (4, 3, 3) only: 3 + 3 + 2 = 8.
    silicon[e.at(4, 2, 3)] = emptyCode;
    EXPECT_EQ(stepped(e, silicon, 0, 3)[e.at(4, 4, 4)], emptyCode);

    // A block filling the volume's sides under open space: columns on the
    // faces etch like those inside, so every depth below the top two layers stays whole.
    const Extent slab{6, 6, 8};
    Codes block(6 * 6 * 8, emptyCode);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y)
            for (int z = 0; z < 5; ++z)
                block[slab.at(x, y, z)] = siliconCode;
    const Codes after = stepped(slab, block, 0, 3);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y)
            for (int z = 0; z < 3; ++z)
                EXPECT_EQ(after[slab.at(x, y, z)], siliconCode) << x << "," << y << "," << z;
}

TEST(MixedAutomatonManager, StepsWithoutAnythingToActOnChangeNothingAndBadChoicesAreIgnored)
{
    const Extent e{5, 4, 6};
    const Codes empty(5 * 4 * 6, emptyCode), full(5 * 4 * 6, siliconCode);
    EXPECT_EQ(stepped(e, empty, 1, 3), empty);
    EXPECT_EQ(stepped(e, full, 1, 3), full);
    Codes films = empty;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            films[e.at(x, y, 0)] = 4;
    EXPECT_EQ(stepped(e, films, 2, 3), films);

    // Photolithography: no mask opens every column from above; a top mask
    // 2 x 9 protects columns x < 2 and leaves the rest open.
    const Codes opened = stepped(e, films, 3, 4);
    EXPECT_EQ(opened, empty);
    VoxelMask top{std::vector<unsigned char>(18, 1), 2, 9};
    const Codes masked = stepped(e, films, 3, 4, VoxelMask{}, top);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ(masked[e.at(x, y, 0)], x < 2 ? 4 : emptyCode);

    MixedAutomatonManager manager(e.w, e.l, e.d, films.data());
    manager.setCurrentFilm(1);
    manager.setCurrentFilm(0);
    EXPECT_EQ(manager.currentFilm(), firstFilmCode);
    manager.setOperation(2);
    manager.setOperation(4);
    EXPECT_EQ(manager.getOperation(), 2u);
    manager.setCurrentFilm(5);
    manager.processState().setTopMask(top.bytes.data(), 2, 9);
    manager.processState().clearTopMask();
    EXPECT_EQ(manager.processState().topMask().width, 2u);
    EXPECT_FALSE(manager.processState().topMask().protects(0, 0));

    // A second model starts afresh.
    MixedAutomatonManager second(e.w, e.l, e.d, films.data());
    EXPECT_EQ(second.currentFilm(), firstFilmCode);
    EXPECT_EQ(second.processState().topMask().width, 0u);
    EXPECT_EQ(second.processState().bottomMask().width, 0u);
}

TEST(MixedAutomatonOptionsDialog, BuildsALayerStackAndKeepsMasksThatCannotBeRead)
{
    using namespace TestSupport;
    QTemporaryDir folder;
    const QString mask = writePicture(folder, {"R.", ".."}, {{'R', qRgb(255, 0, 0)}, {'.', qRgb(0, 0, 0)}});
    ScriptedScope script;
    for (const auto& setting : QList<QPair<QString, QString>>{{"sbxTotalWidth", "4"}, {"sbxTotalLength", "3"},
                                                             {"sbxTotalHeight", "6"}, {"sbxSiHeight", "2"}})
        script->addSetting(setting.first, setting.second);
    std::unique_ptr<MixedAutomatonManager> manager = buildEntry<MixedAutomatonManager>(microfabrication);
    ASSERT_TRUE(manager);
    const Extent e{4, 3, 6};
    auto set = [&](const char* name, const QString& value) {
        EXPECT_EQ(script->setFormWidget(QString::fromLatin1(name), value), Interaction::WidgetScript::Result::Applied) << name;
    };
    manager->step(); // the block's top edges etch
    set("cbxOperation", "1");
    set("cbxFilm", "2"); // Film 03
    manager->step();
    EXPECT_EQ(codesOf(*manager)[e.at(1, 1, 2)], 5);

    script->queueOpenFile(mask);
    set("tbtTopMask", "click");
    set("btnApplyTopMask", "click");
    script->queueOpenFile(folder.filePath("missing.png"));
    set("tbtTopMask", "click");
    set("btnApplyTopMask", "click");
    set("lieBottomMask", folder.filePath("missing.png"));
    set("btnApplyBottomMask", "click");
    EXPECT_EQ(shown(script->messages()),
              QStringList({"(warning) : " + Ui::MixedAutomatonOptionsDialog::topMaskFailure(),
                           "(warning) : " + Ui::MixedAutomatonOptionsDialog::bottomMaskFailure()}));
    EXPECT_TRUE(manager->processState().topMask().protects(0, 0));
    EXPECT_FALSE(manager->processState().topMask().protects(1, 0));

    // Patterning removes the film from the top down in the open columns only.
    set("cbxOperation", "3");
    manager->step();
    const Codes patterned = codesOf(*manager);
    EXPECT_EQ(patterned[e.at(0, 0, 2)], 5);
    EXPECT_EQ(patterned[e.at(1, 1, 2)], emptyCode);
    set("cbxFilm", "0");
    set("cbxOperation", "1");
    manager->step();
    EXPECT_EQ(codesOf(*manager)[e.at(1, 1, 2)], firstFilmCode);
    set("chkRenderSiAtoms", "true");
    EXPECT_TRUE(manager->getManagerPainter().rendersSiAtoms());
    script->closeForms();
}

TEST(MixedAutomataManagerLoader, BuildsTheExampleBlockRefusesAVolumeBeyondMemoryAndBuildsNothingOnCancel)
{
    using namespace TestSupport;
    {
        std::unique_ptr<MixedAutomatonManager> example = buildExample<MixedAutomatonManager>(microfabrication);
        ASSERT_TRUE(example);
        const Extent e{64, 64, 48};
        const Codes codes = codesOf(*example);
        EXPECT_EQ(codes.size(), 64u * 64 * 48);
        EXPECT_EQ(codes[e.at(63, 63, 23)], siliconCode);
        EXPECT_EQ(codes[e.at(0, 0, 24)], emptyCode);
        example->step();
        EXPECT_NE(codesOf(*example), codes);
    }
    {
        ScriptedScope script;
        script->rejectNextDialog();
        EXPECT_FALSE(buildEntry(microfabrication));
        EXPECT_TRUE(script->messages().isEmpty());
    }
    const BudgetScope budget(1 << 20);
    ScriptedScope script;
    script->addSetting("sbxTotalWidth", "10000");
    script->addSetting("sbxTotalLength", "10000");
    script->addSetting("sbxTotalHeight", "10000");
    EXPECT_FALSE(buildEntry(microfabrication));
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages().front().icon, QMessageBox::Warning);
}
