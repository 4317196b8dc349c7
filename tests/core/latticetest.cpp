#include <gtest/gtest.h>

#include "Automata/automaton2d.h"
#include "Automata/automaton3d.h"
#include "Automata/painter2d.h"

namespace {

// Counts the pictures handed to the archiver.
class CountingArchiver : public Persistence::Archiver {
public:
    void save(const unsigned char*, const unsigned char*, const unsigned char*, int, int) override
    {
        ++saves;
    }
    void saveStep(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w,
                  int h) override
    {
        ++steps;
        lastRed.assign(r, r + w * h);
        lastGreen.assign(g, g + w * h);
        lastBlue.assign(b, b + w * h);
    }
    int saves = 0;
    int steps = 0;
    std::vector<unsigned char> lastRed, lastGreen, lastBlue;
};

// A 2D lattice whose step copies cells and adds one, keeping the base's saving.
class CountingLattice : public Automata::Automaton2D<int> {
public:
    CountingLattice(int w, int h) : Automaton2D<int>(w, h)
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            cells[i] = static_cast<int>(i);
        painter = new Automata::Painter2D<int>(this);
        archiver = countingArchiver = new CountingArchiver;
    }
    ~CountingLattice() override
    {
        delete painter;
        delete archiver;
    }
    void step() override
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            nextCells[i] = cells[i] + 1;
        swapCells();
        saveStepIfEnabled();
    }
    void save() override { saveImage(); }
    const float* getColor(const int& cell) override { return palette[cell % 3]; }
    int* next() { return nextCells; }

    CountingArchiver* countingArchiver;
    float palette[3][3] = {{0.7f, 0.1f, 0.4f}, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};
};

class Volume : public Automata::Automaton3D<int> {
public:
    Volume() : Automaton3D<int>(2, 3, 4) {}
    void step() override { swapCells(); }
    void save() override {}
};

} // namespace

TEST(Lattice, CellAddressingFollowsColumnsThenRows)
{
    CountingLattice lattice(3, 2);
    EXPECT_EQ(lattice.index(2, 1), 5);
    EXPECT_EQ(lattice.getCells()[5], 5);
    Volume volume;
    EXPECT_EQ(volume.index(1, 2, 3), 23);
    EXPECT_EQ(volume.getSiteCount(), 24);
}

TEST(Lattice, StepExchangesTheBuffers)
{
    CountingLattice lattice(3, 2);
    int* before = lattice.getCells();
    int* next = lattice.next();
    lattice.step();
    EXPECT_EQ(lattice.getCells(), next);
    EXPECT_EQ(lattice.next(), before);
    EXPECT_EQ(lattice.getCells()[4], 5);
}

TEST(Lattice, DefaultsReportNoTimeAndNoSaving)
{
    CountingLattice lattice(3, 2);
    EXPECT_EQ(lattice.getTime(), 0.0);
    EXPECT_EQ(lattice.getTimeInfo(), std::string());
    lattice.step();
    EXPECT_EQ(lattice.countingArchiver->steps, 0);
    Volume volume;
    EXPECT_EQ(volume.getColor(0), nullptr);
}

TEST(Lattice, SaveAllHandsOnePicturePerStep)
{
    CountingLattice lattice(3, 2);
    lattice.setSaveAll(true, 4);
    for (int k = 0; k < 5; ++k)
        lattice.step();
    EXPECT_EQ(lattice.countingArchiver->steps, 5);
    lattice.setSaveAll(false, 4);
    lattice.step();
    EXPECT_EQ(lattice.countingArchiver->steps, 5);
}

TEST(Lattice, ColourPlanesTruncateComponents)
{
    CountingLattice lattice(3, 1);
    lattice.setSaveAll(true, 1);
    lattice.step(); // cells become 1, 2, 3 -> palette 1, 2, 0
    const CountingArchiver& a = *lattice.countingArchiver;
    ASSERT_EQ(a.lastRed.size(), 3u);
    EXPECT_EQ(a.lastRed[2], 178);
    EXPECT_EQ(a.lastGreen[2], 25);
    EXPECT_EQ(a.lastBlue[2], 102);
    EXPECT_EQ(a.lastRed[0], 255);
    EXPECT_EQ(a.lastBlue[1], 255);
}
