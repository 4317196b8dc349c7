#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "Automata/FilmDeposition/binaryisotropicfilmdeposition.h"
#include "Automata/FilmDeposition/chemicalvapordeposition.h"
#include "Automata/FilmDeposition/simplefilmdeposition2d.h"
#include "Persistence/archiver.h"
#include "filmtesthelpers.h"

using namespace Automata::FilmDeposition;

namespace {

using Rgb = std::array<int, 3>;

// Keeps every picture handed over (element by element) and whether it was a
// series frame; stands in for a model's own archiver.
template <typename Model>
class Recorded : public Model, public Persistence::Archiver {
public:
    template <typename... Args>
    explicit Recorded(Args... args) : Model(args...)
    {
        delete this->archiver;
        this->archiver = this;
    }
    ~Recorded() override { this->archiver = nullptr; }
    void save(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w,
              int h) override
    {
        keep(false, r, g, b, w * h);
    }
    void saveStep(const unsigned char* r, const unsigned char* g, const unsigned char* b, int w,
                  int h) override
    {
        keep(true, r, g, b, w * h);
    }
    void keep(bool series, const unsigned char* r, const unsigned char* g, const unsigned char* b,
              int n)
    {
        pictures.emplace_back(series, std::vector<Rgb>());
        for (int i = 0; i < n; ++i)
            pictures.back().second.push_back({r[i], g[i], b[i]});
    }
    // Saves, then steps twice with Save All on (any interval) and once with it off.
    void saveAndStep()
    {
        Model::save();
        Model::setSaveAll(true, 5);
        Model::step();
        Model::step();
        Model::setSaveAll(false, 1);
        Model::step();
        ASSERT_EQ(3u, pictures.size());
        EXPECT_FALSE(pictures[0].first);
        EXPECT_TRUE(pictures[1].first && pictures[2].first);
    }
    std::vector<std::pair<bool, std::vector<Rgb>>> pictures;
};

} // namespace

TEST(FilmSaving, TwoDimensionalModelsSaveTheirColoursAndOneSeriesPicturePerStep)
{
    const Rgb white = {255, 255, 255};
    std::vector<FilmCell> cells = FilmTest::emptyLattice(5, 3);
    cells[2 * 3 + 1].type = Substrate;
    Recorded<SimpleFilmDeposition2D> film(5, 3, cells.data());
    film.saveAndStep();
    EXPECT_EQ(15u, film.pictures.at(0).second.size());
    EXPECT_EQ((Rgb{255, 0, 0}), film.pictures.at(0).second[2 * 3 + 1]);
    EXPECT_EQ(white, film.pictures.at(0).second[0]);
    EXPECT_EQ((Rgb{178, 178, 0}), film.pictures.at(1).second[1 * 3 + 0]);

    const std::vector<FilmDepositionCell> sites = {Film, Empty, Empty, Empty};
    Recorded<ChemicalVaporDeposition> cvd(2, 2, sites.data());
    cvd.saveAndStep();
    EXPECT_EQ((std::vector<Rgb>{{178, 178, 0}, white, white, white}), cvd.pictures.at(0).second);

    const bool film4[4] = {true, false, false, false};
    Recorded<BinaryIsotropicFilmDeposition> ga(2, 2, film4);
    ga.saveAndStep();
    EXPECT_EQ((std::vector<Rgb>{{0, 0, 0}, white, white, white}), ga.pictures.at(0).second);
}
