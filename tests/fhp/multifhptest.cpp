#include <algorithm>

#include <gtest/gtest.h>

#include "Automata/FhpAutomata/accelerationfhp.h"
#include "Automata/FhpAutomata/multifhpautomaton.h"
#include "Automata/FhpAutomata/multifhpautomatonpainter.h"
#include "fhptestlattice.h"

using namespace FhpTest;
using Automata::FhpAutomata::AccelerationFhp;
using Automata::FhpAutomata::MultiFhpAutomaton;
using Automata::FhpAutomata::MultiFhpAutomatonPainter;

namespace {

// Appends, for every block corner (x0 outer, y0 inner), both velocity
// components the model shows there and both means of the momentum per site
// and member over the block, read through the channel accessors with y
// growing south.
void corners(MultiFhpAutomaton& m, std::vector<double>& shown, std::vector<double>& means)
{
    const int s = m.getScaleFactor();
    for (int x0 = 0; x0 < m.getWidth(); x0 += s) {
        for (int y0 = 0; y0 < m.getHeight(); y0 += s) {
            shown.insert(shown.end(), {m.getVelocityX(x0, y0), m.getVelocityY(x0, y0)});
            double vx = 0.0, vy = 0.0;
            for (int k = 0; k < m.getMemberCount(); ++k) {
                for (int x = x0; x < std::min(x0 + s, m.getWidth()); ++x) {
                    for (int y = y0; y < std::min(y0 + s, m.getHeight()); ++y) {
                        const FhpCell& c = site(*m.getMember(k), x, y);
                        const int e = !c.getEast(), w = !c.getWest(), ne = !c.getNorthEast(),
                                  nw = !c.getNorthWest(), se = !c.getSouthEast(), sw = !c.getSouthWest();
                        vx += e - w + 0.5 * (se + ne - sw - nw);
                        vy += 0.8660254 * (se + sw - ne - nw);
                    }
                }
            }
            means.insert(means.end(), {vx / (s * s * m.getMemberCount()), vy / (s * s * m.getMemberCount())});
        }
    }
}

// Random gas drifting east between obstacle walls at the top and bottom.
Lattice flowLattice(int width, int height)
{
    Lattice l = randomGas(width, height, 7, E);
    for (int x = 0; x < width; ++x)
        l.obstacle(x, 0).particles(x, 0, 0u).obstacle(x, height - 1).particles(x, height - 1, 0u);
    return l;
}

MultiFhpAutomatonPainter& painterOf(MultiFhpAutomaton& m)
{
    return *static_cast<MultiFhpAutomatonPainter*>(m.getPainter());
}

} // namespace

TEST(MultiFhpAutomaton, CornersHoldTheBlockMeanOverTheFilledRingSlots)
{
    // One step to average shows the current momentum; three average the
    // steps so far until the ring is full, then overwrite its oldest slot.
    const Lattice l = flowLattice(20, 14);
    for (int average : {1, 3}) {
        MultiFhpAutomaton m(20, 14, l.data(), 2, 4, 50, 0.0f, average);
        // Probability 0 gives plain members, each a copy of the image.
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(dynamic_cast<AccelerationFhp*>(m.getMember(k)), nullptr);
            EXPECT_EQ(cellsOf(*m.getMember(k)), l.cells);
        }
        EXPECT_TRUE(m.getRingSlot() == 0 && m.getFilledSlots() == 1);
        std::vector<std::vector<double>> means; // per step
        for (int step = 1; step <= 5; ++step) {
            m.step();
            EXPECT_EQ(m.getRingSlot(), step % average) << average << ": step " << step;
            EXPECT_EQ(m.getFilledSlots(), std::min(step + 1, average)) << average << ": step " << step;
            std::vector<double> shown;
            means.emplace_back();
            corners(m, shown, means.back());
            // Members started from one image part from the first step.
            EXPECT_NE(cellsOf(*m.getMember(0)), cellsOf(*m.getMember(1)));
            const int filled = std::min(step, average);
            for (std::size_t i = 0; i < shown.size(); ++i) {
                double mean = 0.0;
                for (int j = 1; j <= filled; ++j)
                    mean += means[means.size() - j][i] / filled;
                EXPECT_NEAR(shown[i], mean, 1e-5) << average << ": step " << step << ", value " << i;
            }
        }
    }
}

TEST(MultiFhpAutomatonPainter, ArrowsPointAlongTheFlowAndSkipSolidCorners)
{
    Lattice l(8, 8);
    for (FhpCell& c : l.cells)
        c.setParticles(E);
    MultiFhpAutomaton m(8, 8, l.obstacle(4, 0).source(0, 4, 0.5f).data(), 1, 4, 5, 0.0f, 1);
    m.step();
    const auto arrows = painterOf(m).arrows();
    ASSERT_EQ(arrows.size(), 2u); // corners (4, 0) and (0, 4) are solid
    const auto& a = arrows[0];
    const float v = m.getVelocityX(0, 0);
    ASSERT_GT(v, 0.0f);
    EXPECT_TRUE(a.tipX == 2.0f && a.tipY == 2.0f && a.tailY == 2.0f);
    EXPECT_FLOAT_EQ(a.tailX, 2.0f - 2.0f * v);
    // Barbs a tenth of the shaft, 30 degrees either side.
    EXPECT_NEAR(a.barbAX, 2.0f - 2.0f * 0.0866025f * v, 1e-6);
    EXPECT_NEAR(a.barbAY, 2.0f - 2.0f * 0.05f * v, 1e-6);
    EXPECT_NEAR(a.barbBY, 2.0f + 2.0f * 0.05f * v, 1e-6);
    // Colour by speed: red when still, through green at 1, to blue at 2.
    const float speeds[][4] = {{0.0f, 1.0f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.5f, 0.0f}, {1.0f, 0.0f, 1.0f, 0.0f},
                               {2.0f, 0.0f, 0.0f, 1.0f}};
    for (const auto& s : speeds) {
        float c[3];
        painterOf(m).arrowColor(s[0], c);
        EXPECT_TRUE(c[0] == s[1] && c[1] == s[2] && c[2] == s[3]) << "speed " << s[0];
    }
    // A block larger than the lattice gives one arrow, at its corner plus half
    // the scale rounded down.
    MultiFhpAutomaton one(6, 5, Lattice(6, 5).data(), 2, 9, 5, 0.0f, 2);
    one.step();
    ASSERT_EQ(painterOf(one).arrows().size(), 1u);
    EXPECT_TRUE(painterOf(one).arrows()[0].tipX == 4.0f && painterOf(one).arrows()[0].tipY == 4.0f);
}
