#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/fhpautomaton.h"
#include "Automata/FhpAutomata/fhpdeposition.h"
#include "Automata/FhpAutomata/multifhpautomaton.h"
#include "Input/catalogue.h"
#include "Input/fhpdepositionloader.h"
#include "Input/fhploader.h"
#include "Input/imageinput.h"
#include "Input/multifhpautomatonloader.h"
#include "Ui/multifhpautomatonoptions.h"
#include "fhptestlattice.h"
#include "testsupport.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::FhpAutomata::FhpAutomaton;
using Automata::FhpAutomata::FhpDeposition;
using Automata::FhpAutomata::MultiFhpAutomaton;
using TestSupport::ScriptedScope;

namespace {

// Writes a one-row image of the given colours.
QString writeRow(const QTemporaryDir& dir, const QString& name, const std::vector<QRgb>& colours)
{
    QImage image(static_cast<int>(colours.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, colours[static_cast<std::size_t>(x)]);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

template <typename Model>
Model* loaded(Automata::Automaton* automaton)
{
    auto* model = dynamic_cast<Model*>(automaton);
    EXPECT_NE(model, nullptr);
    return model;
}

const FhpCell& site(FhpAutomaton& a, int x, int y)
{
    return cellAt(a.getCells(), a.getHeight(), x, y);
}

} // namespace

TEST(FhpLoader, ColoursBecomeFullSitesObstaclesAndSources)
{
    QTemporaryDir dir;
    const QString path = writeRow(dir, QStringLiteral("row.png"),
                                  {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 0, 255), qRgb(128, 0, 128),
                                   qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(0, 255, 0),
                                   qRgb(255, 0, 254), qRgb(1, 0, 1)});
    ScriptedScope script;
    script->queueOpenFile(path);
    Input::FhpLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    FhpAutomaton* a = loaded<FhpAutomaton>(model.get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
    EXPECT_EQ(script->fileDialogFolders().value(0), Input::ImageInput::examplesFolder());
    ASSERT_EQ(a->getWidth(), 9);
    ASSERT_EQ(a->getHeight(), 1);
    EXPECT_EQ(site(*a, 0, 0).particleCount(), 6);
    EXPECT_FALSE(site(*a, 0, 0).isSource());
    EXPECT_TRUE(site(*a, 1, 0).isObstacle());
    EXPECT_EQ(site(*a, 1, 0).particleCount(), 0);
    EXPECT_TRUE(site(*a, 2, 0).isSource());
    EXPECT_FLOAT_EQ(site(*a, 2, 0).getSourceLevel(), 1.0f);
    EXPECT_TRUE(site(*a, 3, 0).isSource());
    EXPECT_FLOAT_EQ(site(*a, 3, 0).getSourceLevel(), 128.0f / 255.0f);
    EXPECT_TRUE(site(*a, 8, 0).isSource());
    for (int x = 4; x < 8; ++x)
        EXPECT_EQ(site(*a, x, 0), FhpCell()) << "pixel " << x;
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST(FhpLoader, PixelsKeepTheirPlace)
{
    QTemporaryDir dir;
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("corner.png"));
    ASSERT_TRUE(image.save(path));
    ScriptedScope script;
    script->queueOpenFile(path);
    Input::FhpLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    FhpAutomaton* a = loaded<FhpAutomaton>(model.get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(site(*a, 0, 0).particleCount(), 6);
    EXPECT_EQ(site(*a, 0, 2).particleCount(), 0);
}

TEST(FhpLoader, UnreadableOrCancelledImageGivesTheWarningAndNoModel)
{
    for (const QString& answer : {QString(), QStringLiteral("/no/such/image.png")}) {
        ScriptedScope script;
        script->queueOpenFile(answer);
        Input::FhpLoader loader(nullptr);
        EXPECT_EQ(loader.load(), nullptr);
        ASSERT_EQ(script->messages().size(), 1);
        EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
        EXPECT_EQ(script->messages()[0].title, QString());
        EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
    }
    ScriptedScope script;
    Input::FhpDepositionLoader deposition(nullptr);
    EXPECT_EQ(deposition.load(), nullptr);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
}

TEST(FhpLoader, SavedStateReloadsWithObstaclesFullSitesAndSources)
{
    QTemporaryDir dir;
    Lattice l(6, 2);
    l.obstacle(0, 0).particles(1, 0, FhpCell::ChannelBits).particles(2, 0, E | NW | SW);
    l.source(3, 0, 0.3f).particles(4, 0, W);
    const QString path = dir.filePath(QStringLiteral("state.png"));
    {
        ScriptedScope script;
        FhpAutomaton a(6, 2, l.data());
        script->queueSaveFile(path);
        a.save();
    }
    ScriptedScope script;
    script->queueOpenFile(path);
    Input::FhpLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    FhpAutomaton* b = loaded<FhpAutomaton>(model.get());
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(site(*b, 0, 0).isObstacle());
    EXPECT_EQ(site(*b, 1, 0).particleCount(), 6);
    EXPECT_EQ(site(*b, 2, 0), FhpCell());
    EXPECT_TRUE(site(*b, 3, 0).isSource());
    EXPECT_FLOAT_EQ(site(*b, 3, 0).getSourceLevel(), 1.0f);
    EXPECT_EQ(site(*b, 4, 0), FhpCell());
    EXPECT_EQ(site(*b, 5, 1), FhpCell());
}

TEST(FhpLoader, SaveAllWritesEveryStepWhateverTheInterval)
{
    QTemporaryDir dir;
    ScriptedScope script;
    Lattice l(4, 3);
    FhpAutomaton a(4, 3, l.data());
    script->queueSaveFile(dir.filePath(QStringLiteral("run.png")));
    a.setSaveAll(true, 5);
    for (int i = 0; i < 3; ++i)
        a.step();
    a.setSaveAll(false, 5);
    a.step();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("run00000.png"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("run00002.png"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("run00003.png"))));
}

TEST(FhpDepositionLoader, ColoursBecomeGasSolidsAndSources)
{
    QTemporaryDir dir;
    const QString path = writeRow(dir, QStringLiteral("row.png"),
                                  {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 0, 255), qRgb(0, 128, 0),
                                   qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(255, 255, 255)});
    ScriptedScope script;
    script->queueOpenFile(path);
    Input::FhpDepositionLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    FhpDeposition* a = loaded<FhpDeposition>(model.get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(site(*a, 0, 0).particleCount(), 6);
    EXPECT_TRUE(site(*a, 1, 0).isObstacle());
    EXPECT_TRUE(site(*a, 2, 0).isSource());
    EXPECT_TRUE(site(*a, 3, 0).isSubstrate());
    for (int x = 4; x < 7; ++x)
        EXPECT_EQ(site(*a, x, 0), FhpCell()) << "pixel " << x;
}

TEST(FhpDepositionLoader, SavedStateKeepsTheSubstrateButNotTheDeposit)
{
    QTemporaryDir dir;
    Lattice l(4, 1);
    l.substrate(0, 0).obstacle(2, 0).source(3, 0, 0.5f);
    l.at(1, 0).setDeposit(true);
    const QString path = dir.filePath(QStringLiteral("grown.png"));
    {
        ScriptedScope script;
        FhpDeposition a(4, 1, l.data());
        script->queueSaveFile(path);
        a.save();
    }
    ScriptedScope script;
    script->queueOpenFile(path);
    Input::FhpDepositionLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    FhpDeposition* b = loaded<FhpDeposition>(model.get());
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(site(*b, 0, 0).isSubstrate());
    EXPECT_EQ(site(*b, 1, 0), FhpCell());
    EXPECT_TRUE(site(*b, 2, 0).isObstacle());
    EXPECT_TRUE(site(*b, 3, 0).isSource());
}

TEST(MultiFhpAutomatonOptions, FieldsHaveTheirRangesAndDefaults)
{
    Ui::MultiFhpAutomatonOptions dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("MultiFhpAutomatonOptionsDialog"));
    struct Spin {
        const char* name;
        int minimum, maximum, value;
    };
    const Spin spins[] = {{"scaleFactorSpinBox", 1, 1000, 10},
                          {"automataToRunSpinBox", 1, 200, 1},
                          {"stepsToAverageSpinBox", 1, 200, 10},
                          {"stripWidthSpinBox", 1, 999999999, 50}};
    for (const Spin& s : spins) {
        auto* box = dialog.findChild<QSpinBox*>(QString::fromLatin1(s.name));
        ASSERT_NE(box, nullptr) << s.name;
        EXPECT_EQ(box->minimum(), s.minimum) << s.name;
        EXPECT_EQ(box->maximum(), s.maximum) << s.name;
        EXPECT_EQ(box->value(), s.value) << s.name;
    }
    auto* probability = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("switchProbabilitySpinBox"));
    ASSERT_NE(probability, nullptr);
    EXPECT_EQ(probability->decimals(), 4);
    EXPECT_DOUBLE_EQ(probability->minimum(), 0.0);
    EXPECT_DOUBLE_EQ(probability->maximum(), 1.0);
    EXPECT_DOUBLE_EQ(probability->singleStep(), 0.0001);
    EXPECT_DOUBLE_EQ(probability->value(), 0.5);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("initialStateLineEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->text().isEmpty());
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("initialStateButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("..."));
}

TEST(MultiFhpAutomatonOptions, BrowseButtonFillsThePathAndRemembersItsFolder)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("flow.png"));
    ScriptedScope script;
    Ui::MultiFhpAutomatonOptions dialog;
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("initialStateLineEdit"));
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("initialStateButton"));
    script->queueOpenFile(chosen);
    button->click();
    EXPECT_EQ(edit->text(), chosen);
    button->click(); // cancelled: the path stays
    EXPECT_EQ(edit->text(), chosen);
    ASSERT_EQ(script->fileDialogCaptions().size(), 2);
    EXPECT_EQ(script->fileDialogCaptions()[0], QStringLiteral("Select image"));
    EXPECT_EQ(script->fileDialogFolders()[1], dir.path());
}

TEST(MultiFhpAutomatonLoader, BuildsTheEnsembleFromTheDialog)
{
    QTemporaryDir dir;
    const QString path = writeRow(dir, QStringLiteral("row.png"),
                                  {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 0, 255), qRgb(255, 255, 255)});
    ScriptedScope script;
    script->addSetting(QStringLiteral("initialStateButton"), QStringLiteral("click"));
    script->addSetting(QStringLiteral("automataToRunSpinBox"), QStringLiteral("3"));
    script->addSetting(QStringLiteral("scaleFactorSpinBox"), QStringLiteral("2"));
    script->addSetting(QStringLiteral("stepsToAverageSpinBox"), QStringLiteral("4"));
    script->addSetting(QStringLiteral("stripWidthSpinBox"), QStringLiteral("7"));
    script->queueOpenFile(path);
    Input::MultiFhpAutomatonLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    MultiFhpAutomaton* m = loaded<MultiFhpAutomaton>(model.get());
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(script->unusedSettings().isEmpty());
    EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("Dialog")});
    EXPECT_EQ(m->getMemberCount(), 3);
    EXPECT_EQ(m->getScaleFactor(), 2);
    EXPECT_EQ(m->getStepsToAverage(), 4);
    auto* member = dynamic_cast<AccelerationFhp*>(m->getMember(2));
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->getStripWidth(), 7);
    EXPECT_FLOAT_EQ(member->getSwitchProbability(), 0.5f);
    EXPECT_EQ(site(*member, 0, 0).particleCount(), 6);
    EXPECT_TRUE(site(*member, 1, 0).isObstacle());
    EXPECT_TRUE(site(*member, 2, 0).isSource());
}

TEST(MultiFhpAutomatonLoader, CancelledDialogOrMissingImageBuildsNothing)
{
    {
        ScriptedScope script;
        script->rejectNextDialog();
        Input::MultiFhpAutomatonLoader loader(nullptr);
        EXPECT_EQ(loader.load(), nullptr);
        EXPECT_TRUE(script->messages().isEmpty());
    }
    ScriptedScope script;
    script->addSetting(QStringLiteral("initialStateLineEdit"), QStringLiteral("/no/such/flow.png"));
    Input::MultiFhpAutomatonLoader loader(nullptr);
    EXPECT_EQ(loader.load(), nullptr);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
}

namespace {

// Builds a catalogue entry from its bundled example and runs it.
std::unique_ptr<Automata::Automaton> buildExample(const char* label, const QString& image, bool viaDialog)
{
    ScriptedScope script;
    if (viaDialog)
        script->addSetting(QStringLiteral("initialStateButton"), QStringLiteral("click"));
    script->queueOpenFile(TestSupport::examplePath(image));
    std::unique_ptr<Automata::Automaton> model(
        Input::AutomatonFactory(Input::Catalogue::indexOf(QString::fromLatin1(label)), nullptr));
    EXPECT_TRUE(script->messages().isEmpty()) << label;
    return model;
}

} // namespace

TEST(FhpCatalogue, EntriesBuildFromTheirExamplesAndRun)
{
    EXPECT_EQ(Input::Catalogue::indexOf(QStringLiteral("FHP")), 4);
    EXPECT_EQ(Input::Catalogue::indexOf(QStringLiteral("FHP Deposition")), 5);
    EXPECT_EQ(Input::Catalogue::indexOf(QStringLiteral("Multi FHP Automaton")), 18);

    auto fhp = buildExample("FHP", QStringLiteral("fhp/channel.png"), false);
    auto* gas = dynamic_cast<FhpAutomaton*>(fhp.get());
    ASSERT_NE(gas, nullptr);
    const int sites = gas->getWidth() * gas->getHeight();
    for (int i = 0; i < 30; ++i)
        gas->step();
    EXPECT_EQ(gas->getStepCount(), 30);
    EXPECT_GT(particleTotal(gas->getCells(), sites), 0);

    auto deposition = buildExample("FHP Deposition", QStringLiteral("fhp-deposition/seed.png"), false);
    auto* grower = dynamic_cast<FhpDeposition*>(deposition.get());
    ASSERT_NE(grower, nullptr);
    for (int i = 0; i < 60; ++i)
        grower->step();
    int grown = 0;
    for (int i = 0; i < grower->getWidth() * grower->getHeight(); ++i)
        grown += grower->getCells()[i].isDeposit();
    EXPECT_GT(grown, 0);

    auto multi = buildExample("Multi FHP Automaton", QStringLiteral("multi-fhp-automaton/shear.png"), true);
    auto* ensemble = dynamic_cast<MultiFhpAutomaton*>(multi.get());
    ASSERT_NE(ensemble, nullptr);
    for (int i = 0; i < 3; ++i)
        ensemble->step();
    EXPECT_EQ(ensemble->getFilledSlots(), 4);
}

TEST(FhpCatalogue, BatchRunnerRunsEachExample)
{
    if (!QFile::exists(TestSupport::batchProgram()))
        GTEST_SKIP() << "lithoscope-batch is not built";
    for (const char* label : {"FHP", "FHP Deposition", "Multi FHP Automaton"}) {
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {QString::fromLatin1(label), QStringLiteral("--example"), QStringLiteral("--steps"),
             QStringLiteral("5"), QStringLiteral("--quiet")});
        EXPECT_EQ(result.exitCode, 0) << label << ": " << result.err.toStdString();
    }
}
