#include <cmath>

#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/columnbands.h"
#include "Automata/FhpAutomata/multifhpautomaton.h"
#include "Automata/FhpAutomata/multifhpautomatonpainter.h"
#include "fhptestlattice.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::ColumnBands;
using Automata::FhpAutomata::FhpAutomaton;
using Automata::FhpAutomata::MultiFhpAutomaton;
using Automata::FhpAutomata::MultiFhpAutomatonPainter;

namespace {

// The momentum of one site read through the channel accessors, y growing south.
void momentumOf(const FhpCell& c, double& mx, double& my)
{
    const double h = 0.8660254;
    mx = (c.getEast() == 0) - (c.getWest() == 0) + 0.5 * ((c.getSouthEast() == 0) + (c.getNorthEast() == 0))
        - 0.5 * ((c.getSouthWest() == 0) + (c.getNorthWest() == 0));
    my = h * ((c.getSouthEast() == 0) + (c.getSouthWest() == 0) - (c.getNorthEast() == 0)
              - (c.getNorthWest() == 0));
}

// Mean momentum per site and member over the block with corner (x0, y0).
void blockMean(const MultiFhpAutomaton& m, int x0, int y0, double& vx, double& vy)
{
    const int s = m.getScaleFactor();
    vx = vy = 0.0;
    for (int k = 0; k < m.getMemberCount(); ++k) {
        const FhpCell* cells = m.getMember(k)->getCells();
        for (int x = x0; x < std::min(x0 + s, m.getWidth()); ++x) {
            for (int y = y0; y < std::min(y0 + s, m.getHeight()); ++y) {
                double mx, my;
                momentumOf(cellAt(cells, m.getHeight(), x, y), mx, my);
                vx += mx;
                vy += my;
            }
        }
    }
    vx /= static_cast<double>(s) * s * m.getMemberCount();
    vy /= static_cast<double>(s) * s * m.getMemberCount();
}

Lattice flowLattice(int width, int height)
{
    Lattice l(width, height);
    unsigned pattern = 7;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            pattern = pattern * 1103515245u + 12345u;
            if (y == 0 || y == height - 1)
                l.obstacle(x, y);
            else
                l.particles(x, y, ((pattern >> 16) & FhpCell::ChannelBits) | E);
        }
    }
    return l;
}

} // namespace

TEST(MultiFhpAutomaton, MembersFollowTheSwitchProbability)
{
    const Lattice l = flowLattice(12, 10);
    MultiFhpAutomaton plain(12, 10, l.data(), 3, 4, 5, 0.0f, 2);
    ASSERT_EQ(plain.getMemberCount(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(dynamic_cast<AccelerationFhp*>(plain.getMember(k)), nullptr);
        EXPECT_EQ(std::vector<FhpCell>(plain.getMember(k)->getCells(), plain.getMember(k)->getCells() + 120),
                  l.cells);
    }
    MultiFhpAutomaton driven(12, 10, l.data(), 2, 4, 5, 0.25f, 2);
    auto* member = dynamic_cast<AccelerationFhp*>(driven.getMember(1));
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->getStripWidth(), 5);
    EXPECT_FLOAT_EQ(member->getSwitchProbability(), 0.25f);
    EXPECT_EQ(driven.getSiteCount(), 240);
}

TEST(MultiFhpAutomaton, RingFillsThenOverwritesItsOldestSlot)
{
    const Lattice l = flowLattice(8, 8);
    MultiFhpAutomaton m(8, 8, l.data(), 1, 2, 3, 0.0f, 3);
    const int expected[][2] = {{0, 1}, {1, 2}, {2, 3}, {0, 3}, {1, 3}, {2, 3}};
    for (const auto& e : expected) {
        EXPECT_EQ(m.getRingSlot(), e[0]);
        EXPECT_EQ(m.getFilledSlots(), e[1]);
        m.step();
    }
    MultiFhpAutomaton single(8, 8, l.data(), 1, 2, 3, 0.0f, 1);
    single.step();
    EXPECT_EQ(single.getRingSlot(), 0);
    EXPECT_EQ(single.getFilledSlots(), 1);
}

TEST(MultiFhpAutomaton, OneStepToAverageShowsTheCurrentMomentum)
{
    const Lattice l = flowLattice(20, 14);
    MultiFhpAutomaton m(20, 14, l.data(), 2, 4, 50, 0.0f, 1);
    for (int step = 0; step < 3; ++step) {
        m.step();
        for (int x0 = 0; x0 < 20; x0 += 4) {
            for (int y0 = 0; y0 < 14; y0 += 4) {
                double vx, vy;
                blockMean(m, x0, y0, vx, vy);
                EXPECT_NEAR(m.getVelocityX(x0, y0), vx, 1e-5) << x0 << "," << y0;
                EXPECT_NEAR(m.getVelocityY(x0, y0), vy, 1e-5) << x0 << "," << y0;
            }
        }
    }
}

TEST(MultiFhpAutomaton, AveragesOverTheFilledSlots)
{
    const Lattice l = flowLattice(12, 12);
    MultiFhpAutomaton m(12, 12, l.data(), 1, 3, 50, 0.0f, 4);
    double sumX = 0.0, sumY = 0.0;
    for (int step = 1; step <= 3; ++step) {
        m.step();
        double vx, vy;
        blockMean(m, 3, 6, vx, vy);
        sumX += vx;
        sumY += vy;
        EXPECT_NEAR(m.getVelocityX(3, 6), sumX / step, 1e-5);
        EXPECT_NEAR(m.getVelocityY(3, 6), sumY / step, 1e-5);
    }
    // Away from block corners the averaged arrays stay zero.
    EXPECT_FLOAT_EQ(m.getVelocityX(4, 6), 0.0f);
}

TEST(MultiFhpAutomaton, BlocksNeverStraddleBands)
{
    for (int width : {30, 31, 100}) {
        for (int block : {1, 7, 10, 40}) {
            for (int workers : {1, 2, 3, 16}) {
                for (const ColumnBands::Band& band : ColumnBands::splitBlocks(width, block, workers)) {
                    EXPECT_EQ(band.first % block, 0);
                    EXPECT_TRUE(band.second % block == 0 || band.second == width);
                }
            }
        }
    }
}

TEST(MultiFhpAutomaton, ThreadCountDoesNotChangeTheAverages)
{
    const Lattice l = flowLattice(45, 30);
    auto run = [&](int threads) {
        PoolSize pool(threads);
        MultiFhpAutomaton m(45, 30, l.data(), 3, 7, 6, 0.5f, 3);
        for (int i = 0; i < 6; ++i)
            m.step();
        std::vector<float> v;
        for (int x = 0; x < 45; ++x)
            for (int y = 0; y < 30; ++y)
                v.push_back(m.getVelocityX(x, y) + 3.0f * m.getVelocityY(x, y));
        return v;
    };
    const std::vector<float> one = run(1);
    EXPECT_EQ(one, run(4));
    EXPECT_EQ(one, run(16));
}

TEST(MultiFhpAutomaton, MembersDifferFromTheFirstStep)
{
    const Lattice l = flowLattice(30, 20);
    MultiFhpAutomaton m(30, 20, l.data(), 2, 5, 6, 0.5f, 2);
    m.step();
    const FhpCell* a = m.getMember(0)->getCells();
    const FhpCell* b = m.getMember(1)->getCells();
    EXPECT_NE(std::vector<FhpCell>(a, a + 600), std::vector<FhpCell>(b, b + 600));
}

TEST(MultiFhpAutomaton, ShearDriveMovesEvenStripsSouthAndOddStripsNorth)
{
    Lattice l(40, 40);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 40; ++y)
            l.particles(x, y, (x + 2 * y) % 3 == 0 ? E | W : 0u);
    MultiFhpAutomaton m(40, 40, l.data(), 2, 20, 20, 1.0f, 1);
    m.step();
    EXPECT_GT(m.getVelocityY(0, 20), 0.05f);  // south in the even strip
    EXPECT_LT(m.getVelocityY(20, 20), -0.05f); // north in the odd strip
}

namespace {

void expectStillArrows(MultiFhpAutomaton& m)
{
    auto* painter = static_cast<MultiFhpAutomatonPainter*>(m.getPainter());
    const auto arrows = painter->arrows();
    ASSERT_EQ(arrows.size(), 4u);
    for (const auto& a : arrows) {
        EXPECT_FLOAT_EQ(a.tailX, a.tipX);
        EXPECT_FLOAT_EQ(a.tailY, a.tipY);
        EXPECT_FLOAT_EQ(a.barbAX, a.tipX);
        EXPECT_FLOAT_EQ(a.barbBY, a.tipY);
        EXPECT_TRUE(a.color[0] == 1.0f && a.color[1] == 0.0f && a.color[2] == 0.0f);
    }
    EXPECT_FLOAT_EQ(arrows[0].tipX, 1.0f);
    EXPECT_FLOAT_EQ(arrows[3].tipY, 4.0f);
}

} // namespace

TEST(MultiFhpAutomatonPainter, StillFluidGivesRedZeroLengthArrows)
{
    // A full lattice before any step has been averaged.
    Lattice full(6, 6);
    for (FhpCell& c : full.cells)
        c.setParticles(FhpCell::ChannelBits);
    MultiFhpAutomaton dense(6, 6, full.data(), 1, 3, 5, 0.0f, 2);
    EXPECT_EQ(dense.getPainter()->getWidth(), 6);
    EXPECT_EQ(dense.getPainter()->getHeight(), 6);
    expectStillArrows(dense);

    // An empty lattice after steps.
    Lattice empty(6, 6);
    MultiFhpAutomaton still(6, 6, empty.data(), 2, 3, 5, 0.0f, 2);
    still.step();
    still.step();
    expectStillArrows(still);
}

TEST(MultiFhpAutomatonPainter, ArrowsPointAlongTheFlowAndSkipSolidCorners)
{
    Lattice l(8, 8);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            l.particles(x, y, E);
    l.obstacle(4, 0).source(0, 4, 0.5f);
    MultiFhpAutomaton m(8, 8, l.data(), 1, 4, 5, 0.0f, 1);
    m.step();
    auto* painter = static_cast<MultiFhpAutomatonPainter*>(m.getPainter());
    const auto arrows = painter->arrows();
    ASSERT_EQ(arrows.size(), 2u); // corners (4, 0) and (0, 4) are solid
    EXPECT_FLOAT_EQ(painter->getArrowScale(), 2.0f);
    const auto& a = arrows[0];
    EXPECT_FLOAT_EQ(a.tipX, 2.0f);
    EXPECT_FLOAT_EQ(a.tipY, 2.0f);
    const float v = m.getVelocityX(0, 0);
    ASSERT_GT(v, 0.0f);
    EXPECT_FLOAT_EQ(a.tailX, 2.0f - 2.0f * v);
    EXPECT_FLOAT_EQ(a.tailY, 2.0f);
    // Barbs a tenth of the shaft, 30 degrees either side.
    EXPECT_NEAR(a.barbAX, 2.0f - 2.0f * 0.0866025f * v, 1e-6);
    EXPECT_NEAR(a.barbAY, 2.0f - 2.0f * 0.05f * v, 1e-6);
    EXPECT_NEAR(a.barbBY, 2.0f + 2.0f * 0.05f * v, 1e-6);
}

TEST(MultiFhpAutomatonPainter, ColourRunsFromRedThroughGreenToBlue)
{
    const Lattice l = flowLattice(4, 4);
    MultiFhpAutomaton m(4, 4, l.data(), 1, 2, 5, 0.0f, 1);
    auto* painter = static_cast<MultiFhpAutomatonPainter*>(m.getPainter());
    float c[3];
    painter->arrowColor(0.5f, c);
    EXPECT_TRUE(c[0] == 0.5f && c[1] == 0.5f && c[2] == 0.0f);
    painter->arrowColor(1.0f, c);
    EXPECT_TRUE(c[0] == 0.0f && c[1] == 1.0f && c[2] == 0.0f);
    painter->arrowColor(2.0f, c);
    EXPECT_TRUE(c[0] == 0.0f && c[1] == 0.0f && c[2] == 1.0f);
}

TEST(MultiFhpAutomatonPainter, ScaleLargerThanTheLatticeGivesOneArrow)
{
    Lattice open(6, 5);
    MultiFhpAutomaton single(6, 5, open.data(), 1, 9, 5, 0.0f, 1);
    single.step();
    const auto arrows = static_cast<MultiFhpAutomatonPainter*>(single.getPainter())->arrows();
    ASSERT_EQ(arrows.size(), 1u);
    EXPECT_FLOAT_EQ(arrows[0].tipX, 4.0f);
    EXPECT_FLOAT_EQ(arrows[0].tipY, 4.0f);
}
