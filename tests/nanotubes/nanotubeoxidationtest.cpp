#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/NanoTubes/nanotubeoxidationautomaton.h"
#include "particlemodels.h"
#include "testsupport.h"

using namespace Automata::NanoTubes;
namespace Rules = Automata::NanoTubes::ParticleRules;

namespace {

// Engine draws that count how they were drawn.
struct CountingDraws {
    Rules::Engine engine{7};
    int uniforms = 0;
    int normals = 0;
    double uniform()
    {
        ++uniforms;
        return Rules::EngineDraws(engine).uniform();
    }
    double normal(double mean, double deviation)
    {
        ++normals;
        return Rules::EngineDraws(engine).normal(mean, deviation);
    }
};

// Reactions of n particles with m atoms; left is what remains of n.
std::uint32_t reacted(std::uint64_t n, std::uint32_t m, double p, std::uint32_t consumes, std::uint64_t& left)
{
    CountingDraws draws;
    const std::uint32_t reactions = Rules::react(draws, n, m, p, consumes);
    left = n;
    return reactions;
}

long long conserved(NanotubeOxidationAutomaton& m)
{
    return sumOver(m.getCells(), std::size_t(m.getWidth()) * m.getHeight(),
                   [](const ExpTiCell& c) { return static_cast<long long>(c.total()) - 2LL * c.atoms; });
}

} // namespace

TEST(NanotubeOxidationRules, ReactionsNeedTheirParticlesAndAtomsAndStopAtTheTrialLimit)
{
    std::uint64_t left = 0;
    EXPECT_EQ(reacted(0, 10, 1.0, 2, left) + reacted(1, 10, 1.0, 2, left) + reacted(500, 10, 0.0, 2, left), 0u);
    // One atom reacts once, whatever the particles.
    EXPECT_EQ(reacted(500, 1, 1.0, 2, left), 1u);
    EXPECT_EQ(left, 498u);
    // With p = 1 every trial reacts while particles and atoms last.
    EXPECT_EQ(reacted(10, 3, 1.0, 2, left), 3u);
    EXPECT_EQ(left, 4u);
    // Pairs times atoms beyond 32 bits still allow every reaction.
    EXPECT_EQ(reacted(262145, 32768, 1.0, 2, left), 32768u);
    // Fluorine takes six a reaction and never more than there are.
    EXPECT_EQ(reacted(14, 5, 1.0, 6, left), 2u);
    EXPECT_EQ(left, 2u);
    // A probability in between reacts about as often as it says, cheaply:
    // 1000 particles and 2000 atoms are 10^9 trials.
    CountingDraws draws;
    std::uint64_t n = 1000;
    std::uint32_t m = 2000;
    const std::uint32_t reactions = Rules::react(draws, n, m, 1e-7, 2);
    EXPECT_EQ(reactions, 2000 - m);
    EXPECT_EQ(n, 1000 - 2 * reactions);
    EXPECT_NEAR(reactions, 100, 40);
    EXPECT_LT(draws.uniforms, 500);
}

TEST(NanotubeOxidationRules, SplittingDrawsEachParticleUpTo200AndKeepsEveryParticle)
{
    std::uint32_t out[5];
    for (std::uint64_t n : {200, 201}) {
        CountingDraws draws;
        Rules::split(draws, n, Rules::Shares::even(0.5), out, "test");
        EXPECT_EQ(out[0] + out[1] + out[2] + out[3] + out[4], n);
        EXPECT_EQ(draws.normals > 0, n == 201) << n;
    }
    CountingDraws draws;
    for (std::uint64_t n : {1, 150, 201, 5000, 1000000}) {
        Rules::split(draws, n, Rules::Shares::even(0.0), out, "test");
        EXPECT_EQ(out[0], 0u) << "stay probability 0, " << n;
        EXPECT_EQ(out[1] + out[2] + out[3] + out[4], n);
        Rules::split(draws, n, Rules::Shares::even(1.0), out, "test");
        EXPECT_EQ(out[0], n) << "stay probability 1";
    }
}

TEST(NanotubeOxidationRules, ClosedBoxesKeepParticlesLessTwoPerConsumedAtomUnderEverySideCombination)
{
    const Lattice lattice({"......", "..OO..", "TTTTTT", "TTTBTT"});
    for (std::uint32_t combination = 0; combination < 16; ++combination) {
        ParticleParameters parameters;
        for (int s = 0; s < 4; ++s)
            parameters.sides[s] = (combination >> s) & 1 ? Rules::Reflective : Rules::Periodic;
        parameters.reactionProbability = 0.3;
        SeedScope seed(combination);
        NanotubeOxidationAutomaton model(
            lattice.data(NanotubeOxidationAutomaton::fileLayout(), parameters, 300, 40));
        const long long start = conserved(model);
        for (int s = 0; s < 20; ++s)
            model.step();
        EXPECT_EQ(conserved(model), start) << "sides " << combination;
        EXPECT_LT(sumOver(model.getCells(), lattice.codes.size(), [](const ExpTiCell& c) { return c.atoms; }),
                  11 * 40) << "no reaction";
    }
}

TEST(NanotubeOxidationRules, ConstantSidesInjectAndTheThicknessWalkCountsOxideBelowTheTop)
{
    ParticleParameters parameters;
    parameters.sides = {Rules::Constant, Rules::Reflective, Rules::Periodic, Rules::Periodic};
    parameters.boundaryDensity = 0.0;
    const Lattice lattice({"..", "OO", "OO", "OT"});
    NanotubeOxidationAutomaton empty(lattice.width, lattice.height, lattice.codes.data(), parameters);
    empty.step();
    EXPECT_EQ(empty.largestParticleTotal(), 0u) << "density 0 draws nothing";
    // Column 0 has no Ti: the walk goes down to the bottom.
    EXPECT_EQ(empty.thicknessRecord(), 3);
    EXPECT_EQ(empty.thicknessHistory(), std::vector<double>{3.0});
    EXPECT_EQ(empty.timeHistory(), std::vector<double>{1.0});

    parameters.boundaryDensity = 5000.0;
    NanotubeOxidationAutomaton fed(lattice.width, lattice.height, lattice.codes.data(), parameters);
    fed.step();
    EXPECT_GT(sumOver(fed.getCells(), 8, [](const ExpTiCell& c) { return c.total(); }), 0);
}

// Save writes a table that loads into the same model: saving that again
// gives the same bytes, in any locale, for each model's layout.
TEST(NanotubeOxidationFiles, SavedTablesLoadBackAndSaveTheSameBytes)
{
    QTemporaryDir folder;
    const TestSupport::LocaleScope comma(QLocale(QLocale::German));
    const QString picture = TestSupport::writePicture(
        folder, {"....", ".RR.", "GGGG", "GBGG"},
        {{'.', qRgb(255, 255, 255)}, {'R', qRgb(255, 0, 0)}, {'G', qRgb(128, 128, 128)}, {'B', qRgb(0, 0, 255)}});
    const auto saved = [&](Automata::Automaton& m, const QString& name) {
        TestSupport::ScriptedScope script;
        script->queueSaveFile(folder.filePath(name));
        m.save();
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (int entry : {43, 44, 45}) {
        std::unique_ptr<Automata::Automaton> model;
        {
            TestSupport::ScriptedScope script;
            script->queueOpenFile(picture);
            script->addSetting(QStringLiteral("linCellSize"), QStringLiteral("3e-9"));
            script->addSetting(QStringLiteral("linStepDuration"), QStringLiteral("0.3333333333333333"));
            script->addSetting(entry == 45 ? QStringLiteral("linOxygenBoundaryDensity")
                                           : QStringLiteral("linMeanParticlesPerCell"),
                               QStringLiteral("1.234567891e28"));
            script->addSetting(QStringLiteral("radTopConstant"), QStringLiteral("true"));
            model = TestSupport::buildEntry(entry);
        }
        ASSERT_TRUE(model) << entry;
        for (int s = 0; s < 30; ++s)
            model->step();
        const QString first = QStringLiteral("first-%1.txt").arg(entry);
        const QByteArray bytes = saved(*model, first);
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.contains("1.234567891e+28;")) << bytes.left(400).constData();
        const auto restored = TestSupport::buildEntry(entry, folder.filePath(first));
        ASSERT_TRUE(restored) << entry;
        EXPECT_EQ(saved(*restored, QStringLiteral("second.txt")), bytes) << entry;
        EXPECT_EQ(restored->getTimeInfo().find("Duration 0 MLUPS 0 "), 7u);
    }
}
