#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <QImage>
#include <QTemporaryDir>

#include "Automata/SimpleDiffusionAutomata/simplediffusionanalyzer.h"
#include "Automata/SimpleDiffusionAutomata/simplediffusionautomaton.h"
#include "Automata/painter.h"
#include "Automata/random.h"
#include "testsupport.h"

using namespace Automata::SimpleDiffusionAutomata;
namespace Random = Automata::Random;

namespace {

template <typename Model = SimpleDiffusionAutomaton>
std::unique_ptr<Model> row(const std::vector<Particles>& right, std::vector<Particles> left = {})
{
    left.resize(right.size(), NoParticle);
    return std::make_unique<Model>(static_cast<std::uint32_t>(right.size()), right.data(), left.data());
}

std::vector<Particles> channel(const Particles* values, std::uint32_t n)
{
    return std::vector<Particles>(values, values + n);
}

int particles(const SimpleDiffusionAutomaton& model)
{
    const auto count = [&](const Particles* c) { return std::count(c, c + model.getSize(), Particle); };
    return static_cast<int>(count(model.getRightMovers()) + count(model.getLeftMovers()));
}

// The picture Save All writes for the next step.
QImage nextFrame(Automata::Automaton& model)
{
    QTemporaryDir folder;
    TestSupport::ScriptedScope script;
    script->queueSaveFile(folder.filePath(QStringLiteral("row.png")));
    model.setSaveAll(true, 1);
    model.step();
    model.setSaveAll(false, 1);
    return QImage(folder.filePath(QStringLiteral("row00000.png")));
}

} // namespace

TEST(Diffusion, EverySiteUsesOneDrawOfTheSequenceAndSwapsWhenItIsBelowTheProbability)
{
    // Particles every third site, so no two meet; more sites than one chunk of draws.
    const std::uint32_t n = 5000;
    std::vector<Particles> right(n, NoParticle);
    for (std::uint32_t i = 1; i < n - 1; i += 3)
        right[i] = Particle;
    auto model = row(right);
    Random::seed(77);
    std::vector<int> draws(n + 1);
    for (int& d : draws)
        d = Random::draw();
    Random::seed(77);
    model->step();
    EXPECT_EQ(Random::draw(), draws[n]) << "one draw per site, occupied or not";
    int movedRight = 0, movers = 0;
    for (std::uint32_t i = 1; i < n - 1; i += 3, ++movers) {
        const bool swap = 0.4 > draws[i] / 32767.0;
        EXPECT_EQ(model->getLeftMovers()[i - 1], swap ? Particle : NoParticle) << i;
        EXPECT_EQ(model->getRightMovers()[i + 1], swap ? NoParticle : Particle) << i;
        movedRight += !swap;
    }
    EXPECT_EQ(particles(*model), movers);
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

TEST(Diffusion, ParticlesLeaveAtTheEndsNothingEntersAndOtherValuesTravelUndrawn)
{
    // Both channels of the end sites hold particles, of the middle site Other
    // values: whatever the draws, one of each pair moves on each way and
    // what passes an end leaves the row.
    std::vector<Particles> full(5, NoParticle);
    full[0] = full[4] = Particle;
    full[2] = Other;
    auto model = row(full, full);
    model->step();
    EXPECT_EQ(channel(model->getRightMovers(), 5), (std::vector<Particles>{NoParticle, Particle, NoParticle, Other, NoParticle}));
    EXPECT_EQ(channel(model->getLeftMovers(), 5), (std::vector<Particles>{NoParticle, Other, NoParticle, Particle, NoParticle}));
    for (int k = 0; k < 10000 && particles(*model) > 0; ++k)
        model->step();
    EXPECT_EQ(particles(*model), 0);
    // A row of width 1 empties after its first step.
    auto single = row({Particle}, {Particle});
    single->step();
    EXPECT_EQ(particles(*single), 0);
}

TEST(Diffusion, PictureColoursSitesByTheirChannels)
{
    auto model = row({Particle, Particle, NoParticle, NoParticle, Other},
                     {Particle, NoParticle, Particle, NoParticle, NoParticle});
    const std::vector<QRgb> expected{0xFFFF00u, 0xFF0000u, 0x00FF00u, 0xFFFFFFu, 0xFFFFFFu};
    const QImage image = TestSupport::savedPicture(*model);
    ASSERT_EQ(image.size(), QSize(5, 1));
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFF, expected[x]) << x;
    // Two points per site.
    EXPECT_EQ(model->getPainter()->getWidth(), 10);
    EXPECT_EQ(model->getPainter()->getHeight(), 2);
}

TEST(DiffusionAnalyzer, TheAverageIsTheFractionOfSamplesOccupiedSavedInGrey)
{
    // After one step the particle at site 1 has moved to site 0 or 2, so
    // site 1 was occupied in one of two samples.
    auto analyzer = row<SimpleDiffusionAnalyzer>({NoParticle, Particle, NoParticle, NoParticle});
    const QImage frame = nextFrame(*analyzer);
    const double* average = analyzer->getOccupancyAverage();
    EXPECT_DOUBLE_EQ(average[1], 0.5);
    EXPECT_DOUBLE_EQ(average[0] + average[2], 0.5);
    // The step writes its series picture before it takes its sample, so the
    // frame still shows the initial occupancy; Save shows the new average,
    // floor(0.5 * 255) = 127, kept by the 16-bit picture to within its 5-bit red step.
    ASSERT_EQ(frame.size(), QSize(4, 1));
    EXPECT_EQ(qRed(frame.pixel(1, 0)), 255);
    EXPECT_EQ(qRed(frame.pixel(3, 0)), 0);
    const QImage now = TestSupport::savedPicture(*analyzer);
    EXPECT_NEAR(qRed(now.pixel(1, 0)), 127, 8);
    EXPECT_EQ(qRed(now.pixel(3, 0)), 0);
}

TEST(DiffusionEntries, TheFirstPixelRowSeedsTheRightMovers)
{
    // Black at any alpha is a particle; the second row is ignored.
    QTemporaryDir folder;
    const QString picture = TestSupport::writePicture(folder, {".p.o", "..#."},
        {{'.', qRgb(255, 255, 255)}, {'p', qRgba(0, 0, 0, 0)}, {'o', qRgb(0, 0, 1)}, {'#', qRgb(0, 0, 0)}});
    for (int index : {2, 3}) {
        const auto model = TestSupport::buildEntry<SimpleDiffusionAutomaton>(index, picture);
        ASSERT_TRUE(model);
        EXPECT_EQ(dynamic_cast<SimpleDiffusionAnalyzer*>(model.get()) != nullptr, index == 3);
        ASSERT_EQ(model->getSize(), 4u);
        EXPECT_EQ(channel(model->getRightMovers(), 4), (std::vector<Particles>{NoParticle, Particle, NoParticle, Other}));
        EXPECT_EQ(channel(model->getLeftMovers(), 4), std::vector<Particles>(4, NoParticle));
    }
}
