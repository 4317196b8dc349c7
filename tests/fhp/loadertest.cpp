#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/fhpdeposition.h"
#include "Automata/FhpAutomata/multifhpautomaton.h"
#include "Ui/multifhpautomatonoptions.h"
#include "fhptestlattice.h"
#include "testsupport.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::FhpAutomata::FhpDeposition;
using Automata::FhpAutomata::MultiFhpAutomaton;
using TestSupport::ScriptedScope;

namespace {

FhpCell cell(unsigned bits, float level = FhpCell::defaultSourceLevel)
{
    FhpCell c;
    c.setBits(static_cast<std::uint16_t>(bits));
    c.setSourceLevel(level);
    return c;
}

// Builds an entry from the picture; the ensemble's loader gets there through
// the "..." button of its dialog.
template <typename Model>
std::unique_ptr<Model> loadWith(int entry, const QString& path)
{
    ScriptedScope script;
    script->addSetting(QStringLiteral("initialStateButton"), QStringLiteral("click"));
    script->queueOpenFile(path);
    std::unique_ptr<Model> model = TestSupport::buildEntry<Model>(entry);
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_NE(model, nullptr);
    return model;
}

} // namespace

TEST(FhpLoaders, ColoursBecomeFullSitesSolidsAndSources)
{
    const unsigned O = FhpCell::ObstacleBit, S = FhpCell::SourceBit;
    const FhpCell empty;
    struct Pixel { QRgb colour; FhpCell fhp, deposition; };
    const Pixel pixels[] = {{qRgb(0, 0, 0), cell(ALL), cell(ALL)},
                            {qRgb(255, 0, 0), cell(O), cell(O)},
                            {qRgb(255, 0, 255), cell(S, 1.0f), cell(S)},
                            {qRgb(128, 0, 128), cell(S, 128.0f / 255.0f), empty},
                            {qRgb(1, 0, 1), cell(S, 1.0f / 255.0f), empty},
                            {qRgb(0, 128, 0), empty, cell(FhpCell::SubstrateBit)},
                            {qRgb(255, 0, 254), empty, empty},
                            {qRgb(128, 128, 0), empty, empty},
                            {qRgb(128, 128, 128), empty, empty},
                            {qRgb(255, 255, 255), empty, empty}};
    // The bottom row stays white, so a loader that turned the picture over is caught.
    QImage image(10, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 10; ++x)
        image.setPixel(x, 0, pixels[x].colour);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.png"));
    ASSERT_TRUE(image.save(path));
    auto gas = loadWith<FhpAutomaton>(4, path);
    auto grower = loadWith<FhpDeposition>(5, path);
    auto ensemble = loadWith<MultiFhpAutomaton>(18, path);
    ASSERT_TRUE(gas && grower && ensemble);
    ASSERT_TRUE(gas->getWidth() == 10 && gas->getHeight() == 2);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(site(*gas, x, 0), pixels[x].fhp) << "pixel " << x;
        EXPECT_EQ(site(*grower, x, 0), pixels[x].deposition) << "pixel " << x;
        EXPECT_EQ(site(*gas, x, 1), empty) << "pixel " << x;
    }
    // The ensemble reads its image exactly as the plain loader does.
    EXPECT_EQ(cellsOf(*ensemble->getMember(0)), cellsOf(*gas));
}

// The gas's own pictures reload as the two tables above say; in the
// deposition model's picture the substrate reloads, the deposit does not.
TEST(FhpLoaders, DepositionPicturesReloadTheirSubstrateButNotTheirDeposit)
{
    Lattice seeded(5, 1);
    seeded.substrate(0, 0).obstacle(2, 0).source(3, 0, 0.5f).particles(4, 0, W).at(1, 0).setDeposit(true);
    FhpDeposition saved(5, 1, seeded.data());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("state.png"));
    TestSupport::savedPicture(saved).save(file);
    auto grower = loadWith<FhpDeposition>(5, file);
    ASSERT_NE(grower, nullptr);
    EXPECT_TRUE(site(*grower, 0, 0).isSubstrate() && site(*grower, 2, 0).isObstacle()
                && site(*grower, 3, 0).isSource());
    EXPECT_EQ(site(*grower, 1, 0), FhpCell());
}

// The "..." button fills in the chosen path and remembers its folder.
TEST(MultiFhpAutomatonOptions, BrowseButtonFillsInThePathAndRemembersItsFolder)
{
    Ui::MultiFhpAutomatonOptions dialog;
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("flow.png"));
    ScriptedScope script;
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("initialStateLineEdit"));
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("initialStateButton"));
    ASSERT_TRUE(edit && button);
    script->queueOpenFile(chosen);
    button->click();
    button->click(); // cancelled: the path stays
    EXPECT_EQ(edit->text(), chosen);
    EXPECT_EQ(script->fileDialogCaptions(), (QStringList{QStringLiteral("Select image"), QStringLiteral("Select image")}));
    EXPECT_EQ(script->fileDialogFolders()[1], dir.path());
}

TEST(MultiFhpAutomatonLoader, BuildsTheEnsembleFromTheDialogsValues)
{
    const QString image = TestSupport::examplePath(QStringLiteral("fhp/channel.png"));
    ScriptedScope script;
    script->addSetting(QStringLiteral("initialStateLineEdit"), image);
    script->addSetting(QStringLiteral("automataToRunSpinBox"), QStringLiteral("3"));
    script->addSetting(QStringLiteral("scaleFactorSpinBox"), QStringLiteral("2"));
    script->addSetting(QStringLiteral("stepsToAverageSpinBox"), QStringLiteral("4"));
    script->addSetting(QStringLiteral("stripWidthSpinBox"), QStringLiteral("7"));
    const auto m = TestSupport::buildEntry<MultiFhpAutomaton>(18);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(script->unusedSettings().isEmpty());
    EXPECT_TRUE(m->getMemberCount() == 3 && m->getScaleFactor() == 2 && m->getStepsToAverage() == 4);
    auto* member = dynamic_cast<AccelerationFhp*>(m->getMember(2));
    ASSERT_NE(member, nullptr);
    EXPECT_TRUE(member->getStripWidth() == 7 && member->getSwitchProbability() == 0.5f);
}
