#include <gtest/gtest.h>

#include "Automata/automaton2d.h"
#include "Automata/automaton3d.h"
#include "Automata/painter2d.h"

namespace {

int released = 0; // painters and archivers deleted so far

// Keeps the last picture handed over and counts single saves and series pictures.
class CountingArchiver : public Persistence::Archiver {
public:
    ~CountingArchiver() override { ++released; }
    void save(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w, int h) override
    {
        keep(saves, r, g, b, w, h);
    }
    void saveStep(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w, int h) override
    {
        keep(steps, r, g, b, w, h);
    }
    void keep(int& count, const unsigned char* r, const unsigned char* g, const unsigned char* b, int w, int h)
    {
        ++count;
        size = {w, h};
        red.assign(r, r + w * h);
        green.assign(g, g + w * h);
        blue.assign(b, b + w * h);
    }
    int saves = 0, steps = 0;
    std::pair<int, int> size;
    std::vector<unsigned char> red, green, blue;
};

class TrackedPainter : public Automata::Painter2D<int> {
public:
    using Painter2D<int>::Painter2D;
    ~TrackedPainter() override { ++released; }
};

// A 2D lattice whose cell i starts at i and whose step adds one to every cell,
// keeping the base's ending, saving and picture.
class CountingLattice : public Automata::Automaton2D<int> {
public:
    CountingLattice(int w, int h) : Automaton2D<int>(w, h)
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            cells[i] = static_cast<int>(i);
        painter = new TrackedPainter(this);
        archiver = pictures = new CountingArchiver;
    }
    void step() override
    {
        for (std::size_t i = 0; i < cellCount(); ++i)
            nextCells[i] = cells[i] + 1;
        finishStep();
    }
    void save() override { saveImage(); }
    const float* getColor(const int& cell) override { return palette[cell % 3]; }

    CountingArchiver* pictures;
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

// Voxel (x, y, z), element (x * height + y) * depth + z, is coloured so that a
// picture shows where each pixel came from: red for odd z, green for x = 1,
// blue for y other than 0.
class Volume : public Automata::Automaton3D<int> {
public:
    Volume(int w, int h, int d) : Automaton3D<int>(w, h, d)
    {
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                for (int z = 0; z < d; ++z)
                    cells[(x * h + y) * d + z] = x * 100 + y * 10 + z;
        archiver = pictures = new CountingArchiver;
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
    CountingArchiver* pictures;
    float colour[3] = {};
};

} // namespace

// Whatever the interval, Save All hands over every step's new state, its
// colour components scaled by 255 and truncated.
TEST(Lattice, StepsExchangeTheBuffersAndSaveAllHandsOverEveryStep)
{
    CountingLattice lattice(3, 1);
    lattice.setSaveAll(true, 4);
    for (int k = 0; k < 5; ++k)
        lattice.step();
    const CountingArchiver& a = *lattice.pictures;
    EXPECT_EQ(a.steps, 5);
    // The cells are now 5, 6 and 7: palette entries 2, 0 and 1.
    EXPECT_EQ(a.red, (std::vector<unsigned char>{0, 178, 255}));
    EXPECT_EQ(a.green, (std::vector<unsigned char>{0, 25, 0}));
    EXPECT_EQ(a.blue, (std::vector<unsigned char>{255, 102, 0}));
    lattice.setSaveAll(false, 4);
    lattice.step();
    EXPECT_EQ(a.steps, 5);
    EXPECT_EQ(a.saves, 0);
}

TEST(Lattice, AModelsOwnPictureGoesToSaveAndToTheSeries)
{
    GreyLattice lattice(2, 2);
    lattice.save();
    const CountingArchiver& a = *lattice.pictures;
    EXPECT_EQ(a.saves, 1);
    EXPECT_EQ(a.red, (std::vector<unsigned char>{0, 10, 20, 30}));
    lattice.setSaveAll(true, 1);
    lattice.step();
    EXPECT_EQ(a.steps, 1);
    EXPECT_EQ(a.blue, (std::vector<unsigned char>{10, 20, 30, 40}));
    EXPECT_EQ(a.size, std::make_pair(2, 2));
}

TEST(Lattice, PainterAndArchiverGoWithTheModel)
{
    const int before = released;
    delete new CountingLattice(2, 2);
    EXPECT_EQ(released, before + 2);
}

TEST(Volume, PictureIsTheFrontFaceSeenFromTheSideTopUpAndSaveAllHandsOverEveryStep)
{
    Volume volume(2, 3, 4);
    volume.save();
    const CountingArchiver& a = *volume.pictures;
    ASSERT_EQ(a.saves, 1);
    EXPECT_EQ(a.size, std::make_pair(2, 4));
    // Pixel (x, row) is element x * depth + row and shows voxel (x, 0, depth - 1 - row).
    for (int x = 0; x < 2; ++x) {
        for (int row = 0; row < 4; ++row) {
            const std::size_t pixel = static_cast<std::size_t>(x * 4 + row);
            EXPECT_EQ(a.red[pixel], (3 - row) % 2 == 1 ? 255 : 0) << x << "," << row;
            EXPECT_EQ(a.green[pixel], x == 1 ? 255 : 0) << x << "," << row;
            EXPECT_EQ(a.blue[pixel], 0) << x << "," << row;
        }
    }
    volume.setSaveAll(true, 2);
    volume.step();
    volume.step();
    EXPECT_EQ(a.steps, 2);
}
