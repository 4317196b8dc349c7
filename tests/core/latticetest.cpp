#include <gtest/gtest.h>

#include "Automata/automaton2d.h"
#include "Automata/automaton3d.h"
#include "Automata/painter2d.h"

namespace {

int paintersReleased = 0;
int archiversReleased = 0;

// Keeps the last picture handed over and counts single saves and series pictures.
class CountingArchiver : public Persistence::Archiver {
public:
    ~CountingArchiver() override { ++archiversReleased; }
    void save(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w, int h) override
    {
        ++saves;
        keep(r, g, b, w, h);
    }
    void saveStep(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w,
                  int h) override
    {
        ++steps;
        keep(r, g, b, w, h);
    }
    void keep(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w, int h)
    {
        lastWidth = w;
        lastHeight = h;
        lastRed.assign(r, r + w * h);
        lastGreen.assign(g, g + w * h);
        lastBlue.assign(b, b + w * h);
    }
    int saves = 0;
    int steps = 0;
    int lastWidth = 0, lastHeight = 0;
    std::vector<unsigned char> lastRed, lastGreen, lastBlue;
};

class TrackedPainter : public Automata::Painter2D<int> {
public:
    using Painter2D<int>::Painter2D;
    ~TrackedPainter() override { ++paintersReleased; }
};

// A 2D lattice whose step adds one to every cell, keeping the base's ending,
// saving and picture.
class CountingLattice : public Automata::Automaton2D<int> {
public:
    CountingLattice(int w, int h) : Automaton2D<int>(w, h)
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            cells[i] = static_cast<int>(i);
        painter = new TrackedPainter(this);
        archiver = countingArchiver = new CountingArchiver;
    }
    void step() override
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            nextCells[i] = cells[i] + 1;
        finishStep();
    }
    void save() override { saveImage(); }
    const float* getColor(const int& cell) override { return palette[cell % 3]; }
    int* next() { return nextCells; }
    int stepsCounted() const { return currentStep; }

    CountingArchiver* countingArchiver;
    float palette[3][3] = {{0.7f, 0.1f, 0.4f}, {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};
};

// Saves its cells' values as grey levels instead of their colours.
class GreyLattice : public CountingLattice {
public:
    using CountingLattice::CountingLattice;
    void exportImage(unsigned char* r, unsigned char* g, unsigned char* b) override
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            r[i] = g[i] = b[i] = static_cast<unsigned char>(cells[i] * 10);
    }
};

// Voxel (x, y, z) holds x * 100 + y * 10 + z and is coloured so that a
// picture shows where each pixel came from: red for odd z, green for x = 1,
// blue for y other than 0.
class Volume : public Automata::Automaton3D<int> {
public:
    Volume(int w, int h, int d) : Automaton3D<int>(w, h, d)
    {
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                for (int z = 0; z < d; ++z)
                    cells[index(x, y, z)] = x * 100 + y * 10 + z;
        archiver = countingArchiver = new CountingArchiver;
    }
    void step() override
    {
        std::copy(cells, cells + cellCount(), nextCells);
        finishStep();
    }
    void save() override { saveImage(); }
    const float* getColor(const int& cell) override
    {
        colour[0] = cell % 2 == 1 ? 1.0f : 0.0f;
        colour[1] = cell / 100 == 1 ? 1.0f : 0.0f;
        colour[2] = cell / 10 % 10 != 0 ? 1.0f : 0.0f;
        return colour;
    }
    CountingArchiver* countingArchiver;
    float colour[3] = {};
};

} // namespace

TEST(Lattice, CellAddressingFollowsColumnsThenRows)
{
    CountingLattice lattice(3, 2);
    EXPECT_EQ(lattice.index(2, 1), 5);
    EXPECT_EQ(lattice.getCells()[5], 5);
    Volume volume(2, 3, 4);
    EXPECT_EQ(volume.index(1, 2, 3), 23);
    EXPECT_EQ(volume.getSiteCount(), 24);
}

TEST(Lattice, StepExchangesTheBuffersAndCountsItself)
{
    CountingLattice lattice(3, 2);
    int* before = lattice.getCells();
    int* next = lattice.next();
    lattice.step();
    EXPECT_EQ(lattice.getCells(), next);
    EXPECT_EQ(lattice.next(), before);
    EXPECT_EQ(lattice.getCells()[4], 5);
    lattice.setSaveAll(true, 3);
    lattice.step();
    lattice.step();
    EXPECT_EQ(lattice.stepsCounted(), 3);
}

TEST(Lattice, SaveAllHandsOnePicturePerStepWhateverTheInterval)
{
    CountingLattice lattice(3, 2);
    lattice.setSaveAll(true, 4);
    for (int k = 0; k < 5; ++k)
        lattice.step();
    EXPECT_EQ(lattice.countingArchiver->steps, 5);
    lattice.setSaveAll(false, 4);
    lattice.step();
    EXPECT_EQ(lattice.countingArchiver->steps, 5);
    EXPECT_EQ(lattice.countingArchiver->saves, 0);
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

TEST(Lattice, AModelsOwnPictureGoesToSaveAndToTheSeries)
{
    GreyLattice lattice(2, 2);
    lattice.save();
    const CountingArchiver& a = *lattice.countingArchiver;
    EXPECT_EQ(a.saves, 1);
    EXPECT_EQ(a.lastRed, (std::vector<unsigned char>{0, 10, 20, 30}));
    lattice.setSaveAll(true, 1);
    lattice.step();
    EXPECT_EQ(a.steps, 1);
    EXPECT_EQ(a.lastBlue, (std::vector<unsigned char>{10, 20, 30, 40}));
    EXPECT_EQ(a.lastWidth, 2);
    EXPECT_EQ(a.lastHeight, 2);
}

TEST(Lattice, PainterAndArchiverGoWithTheModel)
{
    const int painters = paintersReleased;
    const int archivers = archiversReleased;
    delete new CountingLattice(2, 2);
    EXPECT_EQ(paintersReleased, painters + 1);
    EXPECT_EQ(archiversReleased, archivers + 1);
}

TEST(Volume, PictureIsTheFrontFaceSeenFromTheSideTopUp)
{
    Volume volume(2, 3, 4);
    volume.save();
    const CountingArchiver& a = *volume.countingArchiver;
    ASSERT_EQ(a.saves, 1);
    EXPECT_EQ(a.lastWidth, 2);
    EXPECT_EQ(a.lastHeight, 4);
    // Pixel (x, row) is element x * depth + row and shows voxel (x, 0, depth - 1 - row).
    for (int x = 0; x < 2; ++x) {
        for (int row = 0; row < 4; ++row) {
            const std::size_t pixel = static_cast<std::size_t>(x * 4 + row);
            EXPECT_EQ(a.lastRed[pixel], (3 - row) % 2 == 1 ? 255 : 0) << x << "," << row;
            EXPECT_EQ(a.lastGreen[pixel], x == 1 ? 255 : 0) << x << "," << row;
            EXPECT_EQ(a.lastBlue[pixel], 0) << x << "," << row;
        }
    }
    volume.setSaveAll(true, 2);
    volume.step();
    volume.step();
    EXPECT_EQ(a.steps, 2);
}
