#include <gtest/gtest.h>

#include <vector>

#include "Automata/NanoTubes/tiempiricnanotubeautomaton.h"
#include "testsupport.h"

using namespace Automata::NanoTubes;

namespace {

const int tiNanotubesEntry = 41;

// A model from text rows, the top row first: '.' electrolyte, 'T' Ti, 'O' oxide;
// set up with diameter d, wall w, depth 300 and cells of s.
struct Model {
    Model(const std::vector<std::string>& rows, float s, float d = 120.0f, float w = 25.0f)
        : width(static_cast<int>(rows[0].size())), height(static_cast<int>(rows.size()))
    {
        std::vector<int> codes(static_cast<std::size_t>(width * height));
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y) {
                const char c = rows[static_cast<std::size_t>(height - 1 - y)][static_cast<std::size_t>(x)];
                codes[static_cast<std::size_t>(x * height + y)] = c == 'T' ? Ti : c == 'O' ? TiOxide : Electrolyte;
            }
        model = std::make_unique<TiEmpiricNanotubeAutomaton>(width, height, codes.data());
        model->setBasicParameters(true);
        model->setNanotubeDiameter(d);
        model->setWallThickness(w);
        model->setNanotubeDepth(300.0f);
        model->setCellSize(s);
        model->setUp();
    }
    const TiCell& at(int x, int y) { return model->getCells()[x * height + y]; }

    int width, height;
    std::unique_ptr<TiEmpiricNanotubeAutomaton> model;
};

} // namespace

TEST(EmpiricNanotubes, PoresAreSeededEveryPitchAlongTheOxideDownToTheBottom)
{
    Model m({std::string(30, '.'), std::string(30, 'O'), std::string(30, 'T'), std::string(30, 'T')}, 10.0f);
    EXPECT_EQ(m.model->porePitch(), 12);
    EXPECT_EQ(m.model->squaredOxideRadius(), 3600.0f);
    EXPECT_EQ(m.model->squaredPoreRadius(), 1225.0f);
    for (int x = 0; x < 30; ++x) {
        const bool pore = x % 12 == 0;
        EXPECT_EQ(m.at(x, 2).phase, pore ? Electrolyte : TiOxide) << x;
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(m.at(x, y).source != 0, pore) << x << "," << y;
            if (pore) { // m = 0: every seed vector is (0, 0)
                EXPECT_EQ(m.at(x, y).distance[0], 0.0f);
            }
        }
    }
    // Electrolyte from the image is a source and never changes.
    for (int s = 0; s < 10; ++s)
        m.model->step();
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(m.at(x, 3).phase, Electrolyte);
        EXPECT_EQ(m.at(x, 3).distance[0], 3600.0f);
    }
}

TEST(EmpiricNanotubes, DistanceVectorsSpreadAndTiOxidisesWithinTheRadius)
{
    // Cells of 40: the first Ti is 40 from the oxide (1600 <= 3600), the second 80.
    Model row({"OTT"}, 40.0f);
    row.model->step();
    EXPECT_EQ(row.at(1, 0).phase, TiOxide);
    EXPECT_EQ(row.at(1, 0).distance[0], 40.0f);
    EXPECT_EQ(row.at(2, 0).phase, Ti);
    row.model->step();
    EXPECT_EQ(row.at(2, 0).phase, Ti);

    // Without oxide nothing is seeded and the electrolyte offers no vector within A.
    Model bare({"....", "TTTT", "TTTT"}, 10.0f);
    for (int s = 0; s < 5; ++s)
        bare.model->step();
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(bare.at(x, 1).phase, Ti);

    // An oxide cell whose only electrolyte neighbour lies east seeds a pore.
    Model east({"TTT", "O.T", "TTT"}, 10.0f);
    EXPECT_EQ(east.at(0, 1).phase, Electrolyte);
    EXPECT_TRUE(east.at(0, 0).source);

    // A wall thicker than the radius opens no pore.
    Model thick({"O"}, 10.0f, 120.0f, 70.0f);
    EXPECT_EQ(thick.model->squaredPoreRadius(), 0.0f);
}

TEST(EmpiricNanotubes, TheExampleBuildsAndUnusableOptionsAreRefused)
{
    auto model = TestSupport::buildExample<TiEmpiricNanotubeAutomaton>(tiNanotubesEntry);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->porePitch(), 12);
    model->step();
    EXPECT_EQ(model->getTime(), 1.0);

    const QString example = TestSupport::examplePath(QStringLiteral("ti-nanotubes/substrate.png"));
    const struct {
        const char* name;
        const char* value;
        const char* message;
    } refusals[] = {
        {"radComplexParameters", "true", "Complex Parameters are not supported; select Basic Parameters."},
        {"dblCellDimension", "121", "The cell dimension must be greater than 0 and at most the nanotube diameter."},
        {"dblCellDimension", "0", "The cell dimension must be greater than 0 and at most the nanotube diameter."},
    };
    for (const auto& refusal : refusals) {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(example);
        script->addSetting(QString::fromLatin1(refusal.name), QString::fromLatin1(refusal.value));
        EXPECT_FALSE(TestSupport::buildEntry(tiNanotubesEntry));
        EXPECT_EQ(TestSupport::shown(script->messages()),
                  QStringList(QStringLiteral("(warning) Ti Nanotube Options: ") + refusal.message));
    }
}
