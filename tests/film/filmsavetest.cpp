#include <vector>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Persistence/archiver.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

// Keeps every picture handed over, so the planes can be checked exactly.
class RecordingArchiver : public Persistence::Archiver {
public:
    struct Picture {
        bool series;
        int width;
        int height;
        std::vector<unsigned char> red, green, blue;
    };

    void save(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w,
              int h) override
    {
        keep(false, r, g, b, w, h);
    }
    void saveStep(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w,
                  int h) override
    {
        keep(true, r, g, b, w, h);
    }

    std::vector<Picture> pictures;

private:
    void keep(bool series, const unsigned char* r, const unsigned char* g, const unsigned char* b,
              int w, int h)
    {
        const std::size_t n = static_cast<std::size_t>(w) * h;
        pictures.push_back({series, w, h, {r, r + n}, {g, g + n}, {b, b + n}});
    }
};

// Gives a model a recording archiver in place of its own.
template <typename Model>
class Recorded : public Model {
public:
    template <typename... Args>
    explicit Recorded(Args... args) : Model(args...)
    {
        delete this->archiver;
        this->archiver = recorder = new RecordingArchiver;
    }
    RecordingArchiver* recorder;
};

void expectPixel(const RecordingArchiver::Picture& p, std::size_t i, int r, int g, int b)
{
    EXPECT_EQ(r, p.red[i]) << "element " << i;
    EXPECT_EQ(g, p.green[i]) << "element " << i;
    EXPECT_EQ(b, p.blue[i]) << "element " << i;
}

} // namespace

TEST(FilmSaving, SimpleFilm2DSavesByteColoursAndOneSeriesPicturePerStep)
{
    std::vector<FilmCell> cells = FilmTest::emptyLattice(5, 3);
    cells[2 * 3 + 1].type = Substrate;
    Recorded<SimpleFilmDeposition2D> model(5, 3, cells.data());
    model.save();
    ASSERT_EQ(1u, model.recorder->pictures.size());
    const auto& first = model.recorder->pictures[0];
    EXPECT_FALSE(first.series);
    EXPECT_EQ(5, first.width);
    EXPECT_EQ(3, first.height);
    expectPixel(first, 2 * 3 + 1, 255, 0, 0);
    expectPixel(first, 0, 255, 255, 255);

    model.setSaveAll(true, 5);
    model.step();
    model.step();
    ASSERT_EQ(3u, model.recorder->pictures.size());
    const auto& grown = model.recorder->pictures[1];
    EXPECT_TRUE(grown.series);
    expectPixel(grown, 1 * 3 + 0, 178, 178, 0);
    expectPixel(grown, 0, 255, 255, 255);
    model.setSaveAll(false, 1);
    model.step();
    EXPECT_EQ(3u, model.recorder->pictures.size());
}

TEST(FilmSaving, CvdSavesMaterialColoursAndIsotropicGaBlackOnWhite)
{
    const std::vector<FilmDepositionCell> sites = {Film, Empty, Empty, Empty};
    Recorded<ChemicalVaporDeposition> cvd(2, 2, sites.data());
    cvd.save();
    cvd.setSaveAll(true, 1);
    cvd.step();
    ASSERT_EQ(2u, cvd.recorder->pictures.size());
    expectPixel(cvd.recorder->pictures[0], 0, 178, 178, 0);
    expectPixel(cvd.recorder->pictures[0], 3, 255, 255, 255);
    EXPECT_TRUE(cvd.recorder->pictures[1].series);

    const bool film[4] = {true, false, false, false};
    Recorded<BinaryIsotropicFilmDeposition> ga(2, 2, film);
    ga.save();
    ga.setSaveAll(true, 1);
    ga.step();
    ASSERT_EQ(2u, ga.recorder->pictures.size());
    expectPixel(ga.recorder->pictures[0], 0, 0, 0, 0);
    expectPixel(ga.recorder->pictures[0], 1, 255, 255, 255);
    EXPECT_TRUE(ga.recorder->pictures[1].series);
}

TEST(FilmSaving, ThreeDimensionalModelSavesNothing)
{
    std::vector<int> heights(4, 1);
    const std::vector<FilmCell> cells = FilmTest::heightVolume(2, 2, 2, heights);
    SimpleFilmDeposition3D model(2, 2, 2, cells.data());
    // No archiver at all: neither save nor Save All may touch one.
    model.save();
    model.setSaveAll(true, 1);
    model.step();
    EXPECT_EQ(0.0, model.getTime());
    EXPECT_EQ(std::string(), model.getTimeInfo());
}
