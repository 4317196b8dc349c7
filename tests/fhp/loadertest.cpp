#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/fhpdeposition.h"
#include "Automata/FhpAutomata/multifhpautomaton.h"
#include "Input/catalogue.h"
#include "Input/fhpdepositionloader.h"
#include "Input/fhploader.h"
#include "Input/multifhpautomatonloader.h"
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

// Builds a model through a loader whose open-file dialog answers path; the
// ensemble's loader gets there through the "..." button of its dialog.
template <typename Loader, typename Model>
std::unique_ptr<Model> loadWith(const QString& path)
{
    ScriptedScope script;
    script->addSetting(QStringLiteral("initialStateButton"), QStringLiteral("click"));
    script->queueOpenFile(path);
    std::unique_ptr<Automata::Automaton> model(Loader(nullptr).load());
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_NE(dynamic_cast<Model*>(model.get()), nullptr);
    return std::unique_ptr<Model>(dynamic_cast<Model*>(model.release()));
}

// Saves the model built from l through its save dialog; returns the file.
template <typename Model>
QString saveOf(const QTemporaryDir& dir, const Lattice& l)
{
    ScriptedScope script;
    script->queueSaveFile(dir.filePath(QStringLiteral("state.png")));
    Model(l.width, l.height, l.data()).save();
    return dir.filePath(QStringLiteral("state.png"));
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
    auto gas = loadWith<Input::FhpLoader, FhpAutomaton>(path);
    auto grower = loadWith<Input::FhpDepositionLoader, FhpDeposition>(path);
    auto ensemble = loadWith<Input::MultiFhpAutomatonLoader, MultiFhpAutomaton>(path);
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

TEST(FhpLoaders, SavedStatesReloadWithTheirSolidsFullSitesAndSources)
{
    // Partly filled sites come back empty and sources at level 1.0.
    QTemporaryDir dir;
    Lattice l(5, 2);
    l.obstacle(0, 0).particles(1, 0, ALL).particles(2, 0, E | NW | SW).source(3, 0, 0.3f).particles(4, 0, W);
    auto gas = loadWith<Input::FhpLoader, FhpAutomaton>(saveOf<FhpAutomaton>(dir, l));
    ASSERT_NE(gas, nullptr);
    const FhpCell expected[] = {cell(FhpCell::ObstacleBit), cell(ALL), FhpCell(), cell(FhpCell::SourceBit, 1.0f),
                                FhpCell()};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(site(*gas, x, 0), expected[x]) << "site " << x;
    EXPECT_EQ(site(*gas, 4, 1), FhpCell());

    // The deposition model shows substrate dark green and deposit olive; the
    // substrate reloads, the deposit does not.
    Lattice seeded(5, 1);
    seeded.substrate(0, 0).obstacle(2, 0).source(3, 0, 0.5f).particles(4, 0, W).at(1, 0).setDeposit(true);
    unsigned char r[5], g[5], b[5];
    FhpDeposition(5, 1, seeded.data()).exportImage(r, g, b);
    const int shown[5][3] = {{0, 128, 0}, {128, 128, 0}, {255, 0, 0}, {255, 0, 255}, {212, 212, 212}};
    for (int x = 0; x < 5; ++x)
        EXPECT_TRUE(r[x] == shown[x][0] && g[x] == shown[x][1] && b[x] == shown[x][2]) << "site " << x;
    auto grower = loadWith<Input::FhpDepositionLoader, FhpDeposition>(saveOf<FhpDeposition>(dir, seeded));
    ASSERT_NE(grower, nullptr);
    EXPECT_TRUE(site(*grower, 0, 0).isSubstrate() && site(*grower, 2, 0).isObstacle()
                && site(*grower, 3, 0).isSource());
    EXPECT_EQ(site(*grower, 1, 0), FhpCell());
}

TEST(MultiFhpAutomatonOptions, FieldRangesDefaultsAndTheBrowseButton)
{
    Ui::MultiFhpAutomatonOptions dialog;
    struct Spin { const char* name; double minimum, maximum, step, value; };
    const Spin spins[] = {{"scaleFactorSpinBox", 1, 1000, 1, 10},
                          {"automataToRunSpinBox", 1, 200, 1, 1},
                          {"stepsToAverageSpinBox", 1, 200, 1, 10},
                          {"stripWidthSpinBox", 1, 999999999, 1, 50},
                          {"switchProbabilitySpinBox", 0, 1, 0.0001, 0.5}};
    for (const Spin& s : spins) {
        auto* box = dialog.findChild<QAbstractSpinBox*>(QString::fromLatin1(s.name));
        ASSERT_NE(box, nullptr) << s.name;
        auto is = [box](const char* property, double value) { return box->property(property).toDouble() == value; };
        EXPECT_TRUE(is("minimum", s.minimum) && is("maximum", s.maximum) && is("singleStep", s.step)
                    && is("value", s.value))
            << s.name;
    }
    EXPECT_EQ(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("switchProbabilitySpinBox"))->decimals(), 4);

    // The "..." button fills in the chosen path and remembers its folder.
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("flow.png"));
    ScriptedScope script;
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("initialStateLineEdit"));
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("initialStateButton"));
    ASSERT_TRUE(edit && button);
    EXPECT_TRUE(button->text() == QStringLiteral("...") && edit->text().isEmpty());
    script->queueOpenFile(chosen);
    button->click();
    button->click(); // cancelled: the path stays
    EXPECT_EQ(edit->text(), chosen);
    ASSERT_EQ(script->fileDialogCaptions().size(), 2);
    EXPECT_EQ(script->fileDialogCaptions()[0], QStringLiteral("Select image"));
    EXPECT_EQ(script->fileDialogFolders()[1], dir.path());
}

TEST(MultiFhpAutomatonLoader, BuildsTheEnsembleFromTheDialogOrNothing)
{
    const QString names[] = {QStringLiteral("initialStateLineEdit"), QStringLiteral("automataToRunSpinBox"),
                             QStringLiteral("scaleFactorSpinBox"), QStringLiteral("stepsToAverageSpinBox"),
                             QStringLiteral("stripWidthSpinBox")};
    const QString values[] = {TestSupport::examplePath(QStringLiteral("fhp/channel.png")), QStringLiteral("3"),
                              QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("7")};
    ScriptedScope script;
    for (int i = 0; i < 5; ++i)
        script->addSetting(names[i], values[i]);
    std::unique_ptr<Automata::Automaton> model(Input::MultiFhpAutomatonLoader(nullptr).load());
    auto* m = dynamic_cast<MultiFhpAutomaton*>(model.get());
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(script->unusedSettings().isEmpty());
    EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("Dialog")});
    EXPECT_TRUE(m->getMemberCount() == 3 && m->getScaleFactor() == 2 && m->getStepsToAverage() == 4);
    auto* member = dynamic_cast<AccelerationFhp*>(m->getMember(2));
    ASSERT_NE(member, nullptr);
    EXPECT_TRUE(member->getStripWidth() == 7 && member->getSwitchProbability() == 0.5f);

    // A cancelled dialog builds nothing silently; a missing image says so.
    script->rejectNextDialog();
    EXPECT_EQ(Input::MultiFhpAutomatonLoader(nullptr).load(), nullptr);
    EXPECT_EQ(script->messages().size(), 0);
    script->addSetting(names[0], QStringLiteral("/no/such/flow.png"));
    EXPECT_EQ(Input::MultiFhpAutomatonLoader(nullptr).load(), nullptr);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));

    // Every member is a lattice of its own: with a thousand bytes a site to
    // spare the picture builds one member but not two hundred.
    const QImage channel(values[0]);
    TestSupport::BudgetScope budget(1000LL * channel.width() * channel.height());
    script->addSetting(names[0], values[0]);
    script->addSetting(names[1], QStringLiteral("200"));
    EXPECT_EQ(Input::MultiFhpAutomatonLoader(nullptr).load(), nullptr);
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_TRUE(script->messages()[1].text.startsWith(
        QStringLiteral("A model of %1 x %2 cells needs ").arg(channel.width()).arg(channel.height())));
    script->addSetting(names[0], values[0]);
    model.reset(Input::MultiFhpAutomatonLoader(nullptr).load());
    EXPECT_NE(model, nullptr);
}

TEST(FhpCatalogue, EntriesBuildFromTheirExamplesAndRun)
{
    auto build = [](const char* label, const char* image, int steps) {
        ScriptedScope script;
        script->addSetting(QStringLiteral("initialStateButton"), QStringLiteral("click"));
        script->queueOpenFile(TestSupport::examplePath(QString::fromLatin1(image)));
        std::unique_ptr<Automata::Automaton> model(
            Input::AutomatonFactory(Input::Catalogue::indexOf(QString::fromLatin1(label)), nullptr));
        EXPECT_TRUE(script->messages().isEmpty()) << label;
        for (int i = 0; model && i < steps; ++i)
            model->step();
        return model;
    };
    auto fhp = build("FHP", "fhp/channel.png", 30);
    auto* gas = dynamic_cast<FhpAutomaton*>(fhp.get());
    ASSERT_NE(gas, nullptr);
    EXPECT_EQ(gas->getStepCount(), 30);
    EXPECT_GT(particleTotal(*gas), 0);
    auto deposition = build("FHP Deposition", "fhp-deposition/seed.png", 60);
    auto* grower = dynamic_cast<FhpDeposition*>(deposition.get());
    ASSERT_NE(grower, nullptr);
    EXPECT_GT(depositCount(*grower), 0);
    auto multi = build("Multi FHP Automaton", "multi-fhp-automaton/shear.png", 3);
    auto* ensemble = dynamic_cast<MultiFhpAutomaton*>(multi.get());
    ASSERT_NE(ensemble, nullptr);
    EXPECT_EQ(ensemble->getFilledSlots(), 4);
}
