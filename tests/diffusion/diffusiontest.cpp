#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "Automata/SimpleDiffusionAutomata/simplediffusionanalyzer.h"
#include "Automata/SimpleDiffusionAutomata/simplediffusionautomaton.h"
#include "Automata/painter.h"
#include "Automata/random.h"
#include "Input/catalogue.h"
#include "Input/simplediffusionloader.h"
#include "testsupport.h"

using namespace Automata::SimpleDiffusionAutomata;
namespace Random = Automata::Random;

namespace {

template <typename Model = SimpleDiffusionAutomaton>
std::unique_ptr<Model> row(const std::vector<Particles>& right, std::vector<Particles> left = {})
{
    if (left.empty())
        left.assign(right.size(), NoParticle);
    return std::make_unique<Model>(static_cast<std::uint32_t>(right.size()), right.data(), left.data());
}

int particles(const SimpleDiffusionAutomaton& model)
{
    int n = 0;
    for (std::uint32_t i = 0; i < model.getSize(); ++i)
        n += (model.getRightMovers()[i] == Particle) + (model.getLeftMovers()[i] == Particle);
    return n;
}

QImage saved(Automata::Automaton& model)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("row.png"));
    TestSupport::ScriptedScope script;
    script->queueSaveFile(name);
    model.save();
    return QImage(name);
}

} // namespace

TEST(Diffusion, EachSiteSwapsItsChannelsWhenItsDrawIsBelowTheProbability)
{
    // Particles every third site, so no two meet in one step.
    const std::uint32_t n = 3000;
    std::vector<Particles> right(n, NoParticle);
    for (std::uint32_t i = 1; i < n - 1; i += 3)
        right[i] = Particle;
    auto model = row(right);

    Random::seed(77);
    std::vector<int> draws(n);
    Random::drawInto(draws.data(), n);
    Random::seed(77);
    model->step();

    int movedRight = 0, movers = 0;
    for (std::uint32_t i = 1; i < n - 1; i += 3) {
        const bool swap = 0.4 > draws[i] / 32767.0;
        ++movers;
        if (swap) {
            EXPECT_EQ(model->getLeftMovers()[i - 1], Particle) << i;
            EXPECT_EQ(model->getRightMovers()[i + 1], NoParticle) << i;
        } else {
            EXPECT_EQ(model->getRightMovers()[i + 1], Particle) << i;
            EXPECT_EQ(model->getLeftMovers()[i - 1], NoParticle) << i;
            ++movedRight;
        }
    }
    EXPECT_EQ(particles(*model), movers);
    // Moving right with probability 0.6.
    EXPECT_NEAR(movedRight / double(movers), 0.6, 0.05);
}

TEST(Diffusion, SwapThresholdMatchesTheProbabilityTestForEveryDraw)
{
    for (double p : {0.0, 0.4, 0.5, 1.0, 13107 / 32767.0, 1e-9, -1.0, 2.0}) {
        const int threshold = SimpleDiffusionAutomaton::swapThreshold(p);
        for (int d = 0; d <= 32767; ++d)
            ASSERT_EQ(d < threshold, p > d / 32767.0) << "p " << p << " draw " << d;
    }
}

TEST(Diffusion, ChunkedDrawsAreTheNumbersOfSingleDraws)
{
    Random::seed(123);
    std::vector<int> single(5000);
    for (int& d : single)
        d = Random::draw();
    Random::seed(123);
    std::vector<int> chunked(5000);
    Random::drawInto(chunked.data(), chunked.size());
    EXPECT_EQ(chunked, single);
}

TEST(Diffusion, DrawsDoNotDependOnTheParticles)
{
    // An empty row uses up one draw per site just as a full one does.
    Random::seed(5);
    auto empty = row(std::vector<Particles>(100, NoParticle));
    empty->step();
    const int afterEmpty = Random::draw();
    Random::seed(5);
    auto full = row(std::vector<Particles>(100, Particle));
    full->step();
    EXPECT_EQ(Random::draw(), afterEmpty);
}

TEST(Diffusion, ParticlesLeaveAtTheEndsAndNothingEnters)
{
    // Both channels of both end sites are full: whatever the draws, one
    // particle of each end moves inwards and the other leaves the row.
    std::vector<Particles> full(5, NoParticle);
    full[0] = full[4] = Particle;
    auto model = row(full, full);
    model->step();
    EXPECT_EQ(particles(*model), 2);
    EXPECT_EQ(model->getRightMovers()[1], Particle);
    EXPECT_EQ(model->getLeftMovers()[3], Particle);
    EXPECT_EQ(model->getRightMovers()[0], NoParticle);
    EXPECT_EQ(model->getLeftMovers()[4], NoParticle);
    // The row empties completely and stays empty.
    int steps = 0;
    while (particles(*model) > 0 && steps < 10000) {
        model->step();
        ++steps;
    }
    EXPECT_EQ(particles(*model), 0);
    model->step();
    EXPECT_EQ(particles(*model), 0);
}

TEST(Diffusion, AWidthOneRowEmptiesAfterTheFirstStep)
{
    auto model = row({Particle}, {Particle});
    model->step();
    EXPECT_EQ(model->getRightMovers()[0], NoParticle);
    EXPECT_EQ(model->getLeftMovers()[0], NoParticle);
    EXPECT_EQ(model->getSiteCount(), 1);
}

TEST(Diffusion, OtherValuesTravelButAreNotDrawnAsParticles)
{
    std::vector<Particles> right(6, NoParticle);
    right[2] = Other;
    auto model = row(right);
    model->step();
    const bool movedRight = model->getRightMovers()[3] == Other;
    const bool movedLeft = model->getLeftMovers()[1] == Other;
    EXPECT_NE(movedRight, movedLeft);
    EXPECT_FALSE(model->occupied(movedRight ? 3 : 1));
}

TEST(Diffusion, SavedPictureIsOneRowColouredByChannel)
{
    auto model = row({Particle, Particle, NoParticle, NoParticle, Other},
                     {Particle, NoParticle, Particle, NoParticle, NoParticle});
    const QImage image = saved(*model);
    ASSERT_EQ(image.size(), QSize(5, 1));
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(2, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.pixel(3, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(4, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(DiffusionAnalyzer, AveragesOfAlwaysEmptyAndAlwaysFullSitesStayZeroAndOne)
{
    // A full band in the middle of a long row: emptiness enters the band at
    // most one site per step from each side, so its centre stays occupied.
    const std::uint32_t n = 200;
    std::vector<Particles> full(n, NoParticle);
    for (std::uint32_t i = 60; i < 140; ++i)
        full[i] = Particle;
    auto analyzer = row<SimpleDiffusionAnalyzer>(full, full);
    EXPECT_EQ(analyzer->getSampleCount(), 1);
    EXPECT_EQ(analyzer->getOccupancyAverage()[100], 1.0);
    EXPECT_EQ(analyzer->getOccupancyAverage()[5], 0.0);
    for (int k = 0; k < 20; ++k) {
        analyzer->step();
        EXPECT_EQ(analyzer->getOccupancyAverage()[100], 1.0);
        EXPECT_EQ(analyzer->getOccupancyAverage()[5], 0.0);
    }
    EXPECT_EQ(analyzer->getSampleCount(), 21);
}

TEST(DiffusionAnalyzer, AverageIsTheFractionOfSamplesOccupied)
{
    // A single particle at site 1 of a 3-site row: after one step it has
    // moved to site 0 or 2, so site 1 was occupied in one of two samples.
    auto analyzer = row<SimpleDiffusionAnalyzer>({NoParticle, Particle, NoParticle});
    analyzer->step();
    EXPECT_DOUBLE_EQ(analyzer->getOccupancyAverage()[1], 0.5);
    const double ends = analyzer->getOccupancyAverage()[0] + analyzer->getOccupancyAverage()[2];
    EXPECT_DOUBLE_EQ(ends, 0.5);
}

TEST(DiffusionAnalyzer, PicturesShowTheAveragesAsGreyIncludingTheLastStep)
{
    QTemporaryDir folder;
    auto analyzer = row<SimpleDiffusionAnalyzer>({NoParticle, Particle, NoParticle, NoParticle});
    {
        TestSupport::ScriptedScope script;
        script->queueSaveFile(folder.filePath(QStringLiteral("avg.png")));
        analyzer->setSaveAll(true, 1);
        analyzer->step();
    }
    const QImage frame(folder.filePath(QStringLiteral("avg00000.png")));
    ASSERT_EQ(frame.size(), QSize(4, 1));
    // Site 1: occupied in one of two samples: floor(0.5 * 255) = 127, which
    // the 16-bit picture keeps to within its 5-bit red step.
    EXPECT_NEAR(qRed(frame.pixel(1, 0)), 127, 8);
    EXPECT_EQ(qRed(frame.pixel(3, 0)), 0);
    const QImage single = saved(*analyzer);
    EXPECT_EQ(single.pixel(1, 0), frame.pixel(1, 0));
}

TEST(DiffusionLoader, TheFirstPixelRowSeedsTheRightMovers)
{
    using Input::SimpleDiffusionLoader;
    EXPECT_EQ(SimpleDiffusionLoader::convertColor(qRgba(0, 0, 0, 0)), Particle);
    EXPECT_EQ(SimpleDiffusionLoader::convertColor(qRgb(255, 255, 255)), NoParticle);
    EXPECT_EQ(SimpleDiffusionLoader::convertColor(qRgb(0, 0, 1)), Other);

    QTemporaryDir folder;
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(1, 0, qRgb(0, 0, 0));
    image.setPixel(3, 0, qRgb(9, 9, 9));
    image.setPixel(2, 1, qRgb(0, 0, 0)); // below the first row: ignored
    const QString name = folder.filePath(QStringLiteral("row.png"));
    ASSERT_TRUE(image.save(name));
    for (int index : {2, 3}) {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(name);
        std::unique_ptr<Automata::Automaton> built(Input::AutomatonFactory(index, nullptr));
        auto* model = dynamic_cast<SimpleDiffusionAutomaton*>(built.get());
        ASSERT_TRUE(model);
        EXPECT_EQ(dynamic_cast<SimpleDiffusionAnalyzer*>(model) != nullptr, index == 3);
        ASSERT_EQ(model->getSize(), 4u);
        EXPECT_EQ(model->getRightMovers()[0], NoParticle);
        EXPECT_EQ(model->getRightMovers()[1], Particle);
        EXPECT_EQ(model->getRightMovers()[2], NoParticle);
        EXPECT_EQ(model->getRightMovers()[3], Other);
        for (std::uint32_t i = 0; i < 4; ++i)
            EXPECT_EQ(model->getLeftMovers()[i], NoParticle);
        EXPECT_DOUBLE_EQ(model->getReversalProbability(), 0.4);
        EXPECT_EQ(model->getPainter()->getWidth(), 8);
        EXPECT_EQ(model->getPainter()->getHeight(), 2);
    }
}

TEST(DiffusionLoader, CancelledImageGivesTheWarningAndNoModel)
{
    for (int index : {2, 3}) {
        TestSupport::ScriptedScope script;
        EXPECT_EQ(Input::AutomatonFactory(index, nullptr), nullptr);
        ASSERT_EQ(script->messages().size(), 1);
        EXPECT_TRUE(script->messages()[0].title.isEmpty());
        EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
        EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
    }
}

TEST(DiffusionEndToEnd, TheExampleSpreadsAndLosesParticlesAtTheEnds)
{
    TestSupport::ScriptedScope script;
    script->queueOpenFile(TestSupport::examplePath(QStringLiteral("1d-diffusion/row.png")));
    std::unique_ptr<Automata::Automaton> built(Input::AutomatonFactory(2, nullptr));
    auto* model = dynamic_cast<SimpleDiffusionAutomaton*>(built.get());
    ASSERT_TRUE(model);
    const int initial = particles(*model);
    EXPECT_GT(initial, 10);
    for (int k = 0; k < 400; ++k) {
        const int before = particles(*model);
        model->step();
        ASSERT_LE(particles(*model), before);
    }
    EXPECT_LT(particles(*model), initial);
}

TEST(DiffusionEndToEnd, BatchRunsBothExamples)
{
    if (!QFile::exists(TestSupport::batchProgram()))
        GTEST_SKIP() << "lithoscope-batch is not built";
    QTemporaryDir folder;
    for (const QString& model : {QStringLiteral("1D Diffusion"), QStringLiteral("1D Diffusion Analysis")}) {
        const QString out = folder.filePath(QStringLiteral("out%1.png").arg(model.size()));
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {model, QStringLiteral("--example"), QStringLiteral("--steps"), QStringLiteral("30"),
             QStringLiteral("--save"), out, QStringLiteral("--quiet")},
            folder.path());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(QImage(out).size(), QSize(200, 1)) << result.err.toStdString();
    }
}
