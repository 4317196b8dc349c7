#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/SiEtch/deterministicetchautomaton.h"
#include "Automata/SiEtch/drieatomisticsimulator.h"
#include "Automata/SiEtch/isotropicatomisticsimulator.h"
#include "Automata/SiEtch/multiautomataetcher.h"
#include "Automata/SiEtch/simpleatomisticsimulator.h"
#include "Automata/SiEtch/siwetetch.h"
#include "Interaction/widgetscript.h"
#include "Persistence/imagefiles.h"
#include "testsupport.h"

using namespace Automata::SiEtch;
using TestSupport::ScriptedScope;
using TestSupport::shown;

namespace {

const int siEtchEntry = 6, octreeEntry = 9, atomisticEntry = 10, isotropicEntry = 11,
          simpleEntry = 12, drieEntry = 13, etcherEntry = 14;

// 8 x 8 white with one red pixel at (5, 3), which is on an atom site of the top face.
QString maskPicture(const QTemporaryDir& dir, int width = 8, const QString& name = "mask.png")
{
    QStringList rows;
    for (int y = 0; y < 8; ++y)
        rows << QString(width, '.');
    rows[3][5] = 'r';
    return TestSupport::writePicture(dir, rows, {{'r', qRgb(255, 0, 0)}, {'.', qRgb(255, 255, 255)}}, name);
}

// Builds an atomistic entry through its substrate dialog: the settings in
// order, then the files its browse buttons ask for.
std::unique_ptr<Automata::Automaton> buildAtomistic(ScriptedScope& script, int entry,
                                                    const QList<QPair<QString, QString>>& settings,
                                                    const QStringList& files)
{
    for (const auto& setting : settings)
        script->addSetting(setting.first, setting.second);
    for (const QString& file : files)
        script->queueOpenFile(file);
    return TestSupport::buildEntry(entry);
}

} // namespace

TEST(SiEtchLoaders, RedPixelsMaskTheVolumeTopAndTheOctree)
{
    QTemporaryDir dir;
    const QString path = maskPicture(dir);
    ScriptedScope script;
    script->queueOpenFile(path);
    const auto volume = TestSupport::buildEntry<DeterministicEtchAutomaton>(siEtchEntry);
    ASSERT_TRUE(volume);
    EXPECT_EQ(Persistence::ImageFiles::examplesFolder(), script->fileDialogFolders().value(0));
    EXPECT_EQ(300, volume->getDepth());
    const SiEtchCell* cells = volume->currentCells();
    EXPECT_EQ(Mask, cells[volume->voxel(5, 3, 299)]);
    EXPECT_EQ(Silicon, cells[volume->voxel(1, 3, 299)]); // open top sites hold silicon
    EXPECT_EQ(Mask, cells[volume->voxel(0, 0, 0)]);
    EXPECT_EQ(Silicon, cells[volume->voxel(4, 4, 4)]);
    EXPECT_EQ(Empty, cells[volume->voxel(4, 4, 5)]);

    const auto octree = TestSupport::buildEntry<SiWetEtch>(octreeEntry, path);
    ASSERT_TRUE(octree);
    EXPECT_EQ(Mask, octree->getRoot()->find(5.5, 3.5, 7.5)->value);
    EXPECT_EQ(Empty, octree->getRoot()->find(3.5, 5.5, 7.5)->value);
}

TEST(AtomisticLoaders, EachEntryItsFormsTheMessagesACancelAndTooLargeASubstrate)
{
    QTemporaryDir dir;
    const QString path = maskPicture(dir);
    const QString narrow = maskPicture(dir, 6, "narrow.png");
    const QList<QPair<QString, QString>> chooseTop = {{"btnTopMask", "click"}};
    {
        ScriptedScope script;
        const auto model = buildAtomistic(script, atomisticEntry, chooseTop, {path});
        ASSERT_TRUE(dynamic_cast<AtomisticSimulator*>(model.get()));
        ASSERT_EQ(1, script->openForms().size());
        EXPECT_EQ("Atomistic Wet Etch Simulator", script->openForms().front()->windowTitle());
        script->closeForms();
    }
    for (int entry : {isotropicEntry, simpleEntry, drieEntry}) {
        ScriptedScope script;
        const auto model = buildAtomistic(script, entry, chooseTop, {path});
        EXPECT_TRUE(entry != isotropicEntry || dynamic_cast<IsotropicAtomisticSimulator*>(model.get()));
        EXPECT_TRUE(entry != simpleEntry || dynamic_cast<SimpleAtomisticSimulator*>(model.get()));
        EXPECT_TRUE(entry != drieEntry || dynamic_cast<DrieAtomisticSimulator*>(model.get()));
        EXPECT_TRUE(script->openForms().isEmpty());
    }
    {
        // A cancelled dialog builds nothing, even with a mask chosen.
        ScriptedScope script;
        script->rejectNextDialog();
        EXPECT_FALSE(buildAtomistic(script, atomisticEntry, chooseTop, {path}));
        EXPECT_TRUE(script->messages().isEmpty());
        EXPECT_TRUE(script->openForms().isEmpty());
    }
    {
        ScriptedScope script;
        const auto sphere = buildAtomistic(script, atomisticEntry, {{"rbSphere", "true"}, {"sbDiameter", "8"}}, {});
        ASSERT_TRUE(dynamic_cast<AtomisticSimulator*>(sphere.get()));
        EXPECT_EQ(4, static_cast<AtomisticSimulator&>(*sphere).getBlock().cellsX);
        EXPECT_TRUE(script->openForms().isEmpty());
        // The other entries build from the top mask only.
        EXPECT_FALSE(buildAtomistic(script, simpleEntry, {{"rbSphere", "true"}}, {}));
    }
    const QString missing = dir.filePath("missing.png");
    const struct {
        QList<QPair<QString, QString>> settings;
        QStringList files;
        QString message;
    } refusals[] = {
        {{}, {}, "(warning) : Could not open input file!"},
        {{{"rbDoubleSided", "true"}, {"btnTopMask", "click"}, {"btnBottomMask", "click"}},
         {path, missing},
         "(warning) : Could not open input file " + missing + "!"},
        {{{"rbDoubleSided", "true"}, {"btnTopMask", "click"}, {"btnBottomMask", "click"}},
         {path, narrow},
         "(warning) : Images must have the same size!"},
    };
    for (const auto& refusal : refusals) {
        ScriptedScope script;
        EXPECT_FALSE(buildAtomistic(script, atomisticEntry, refusal.settings, refusal.files));
        EXPECT_EQ(QStringList{refusal.message}, shown(script->messages()));
    }
    for (const auto& tooLarge : {QList<QPair<QString, QString>>{{"btnTopMask", "click"}, {"sbDepth", "999999999"}},
                                 QList<QPair<QString, QString>>{{"rbSphere", "true"}, {"sbDiameter", "999999999"}}}) {
        ScriptedScope script;
        EXPECT_FALSE(buildAtomistic(script, atomisticEntry, tooLarge, {path}));
        ASSERT_EQ(1, script->messages().size());
        EXPECT_TRUE(script->messages().front().text.contains("of memory"));
    }
}

TEST(AtomisticForms, NewTopMaskOfAnotherSizeAndTheEtcherSwitch)
{
    QTemporaryDir dir;
    const QString path = maskPicture(dir);
    {
        ScriptedScope script;
        const auto model = buildAtomistic(script, atomisticEntry, {{"btnTopMask", "click"}}, {path});
        auto& simulator = dynamic_cast<AtomisticSimulator&>(*model);
        script->queueOpenFile(maskPicture(dir, 12, "wide.png"));
        EXPECT_EQ(Interaction::WidgetScript::Result::Applied, script->setFormWidget("btnSetNewTopMask", "click"));
        ASSERT_EQ(1, script->messages().size());
        EXPECT_EQ("Mask size", script->messages().front().title);
        EXPECT_EQ(64u, simulator.getBlock().topMask.size());
        EXPECT_EQ(1, simulator.getBlock().topMask[5 * 8 + 3]);
        script->closeForms();
    }
    ScriptedScope script;
    script->queueOpenFile(path);
    const auto etcher = TestSupport::buildEntry<MultiAutomataEtcher>(etcherEntry);
    ASSERT_TRUE(etcher);
    EXPECT_EQ(QString(), script->fileDialogFolders().value(0));
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied, script->setFormWidget("cmbAutomaton", "1"));
    EXPECT_EQ(1, etcher->getActiveSimulator());
    EXPECT_EQ(Interaction::WidgetScript::Result::Applied, script->setFormWidget("btnRemoveMask", "click"));
    const auto* button = script->openForms().front()->findChild<QPushButton*>("btnRemoveMask");
    EXPECT_FALSE(button->isEnabled());
    const std::vector<unsigned char>& top = etcher->getSimulator(0)->getBlock().topMask;
    EXPECT_EQ(0, std::count(top.begin(), top.end(), 1));
    script->closeForms();
}
