#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

#include "Automata/FilmDeposition/oxidationautomaton2d.h"
#include "Input/catalogue.h"
#include "crosssection.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

namespace {

struct Example {
    const char* label;
    const char* folder;
};

const Example examples[] = {
    {"2D Oxidation", "2d-oxidation"},
    {"2D Oxidation (Deal-Grove)", "2d-oxidation-deal-grove"},
    {"2D Variable Step Oxidation", "2d-variable-step-oxidation"},
};

// The parts of a recipe these models use: the input, dialog settings, steps.
struct Recipe {
    QString input;
    QList<QPair<QString, QString>> settings;
    int steps = 100;
};

Recipe readRecipe(const QString& folder)
{
    Recipe recipe;
    QFile file(TestSupport::examplePath(folder + QStringLiteral("/recipe")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return recipe;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString option = line.section(QLatin1Char(' '), 0, 0);
        const QString argument = line.section(QLatin1Char(' '), 1).trimmed();
        if (option == QLatin1String("--input"))
            recipe.input = TestSupport::examplePath(folder + QLatin1Char('/') + argument);
        else if (option == QLatin1String("--set"))
            recipe.settings.append({argument.section(QLatin1Char('='), 0, 0),
                                    argument.section(QLatin1Char('='), 1)});
        else if (option == QLatin1String("--steps"))
            recipe.steps = argument.toInt();
    }
    return recipe;
}

} // namespace

TEST(OxidationExamples, EachExampleBuildsThroughTheFactoryAndGrowsVisibleOxide)
{
    for (const Example& example : examples) {
        SCOPED_TRACE(example.label);
        const Recipe recipe = readRecipe(QString::fromLatin1(example.folder));
        ASSERT_TRUE(QFileInfo::exists(recipe.input));

        TestSupport::ScriptedScope script;
        script->queueOpenFile(recipe.input);
        for (const auto& setting : recipe.settings)
            script->addSetting(setting.first, setting.second);
        const int index = Input::Catalogue::indexOf(QString::fromLatin1(example.label));
        std::unique_ptr<OxidationAutomaton2D> model(
            dynamic_cast<OxidationAutomaton2D*>(Input::AutomatonFactory(index, nullptr)));
        ASSERT_NE(model, nullptr);
        EXPECT_TRUE(script->unusedSettings().isEmpty());
        EXPECT_TRUE(script->settingErrors().isEmpty());

        const std::size_t count = static_cast<std::size_t>(model->getWidth()) * model->getHeight();
        const std::vector<FilmCell> initial(model->getCells(), model->getCells() + count);
        const int oxideBefore = OxidationTest::countType(initial.data(), count, Oxide);
        const int siliconBefore = OxidationTest::countType(initial.data(), count, Silicon);
        ASSERT_GT(oxideBefore, 0);
        ASSERT_GT(siliconBefore, 0);
        ASSERT_GT(OxidationTest::countType(initial.data(), count, Film), 0);

        for (int k = 0; k < recipe.steps; ++k)
            model->step();

        const FilmCell* cells = model->getCells();
        // Visible growth: the initial oxide is two rows thick in the mask
        // openings; at least five rows' worth of silicon and some ambient turn
        // into oxide, while most of the silicon is left.
        int siliconConsumed = 0;
        int ambientConsumed = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (cells[i].type != Oxide)
                continue;
            siliconConsumed += initial[i].type == Silicon;
            ambientConsumed += initial[i].type == Empty;
        }
        EXPECT_GE(siliconConsumed, 5 * oxideBefore / 2);
        EXPECT_GT(ambientConsumed, 0);
        EXPECT_GE(OxidationTest::countType(cells, count, Silicon), siliconBefore / 2);
        for (std::size_t i = 0; i < count; ++i) {
            if (initial[i].type == Film) {
                ASSERT_EQ(cells[i].type, Film) << "mask cell " << i;
            } else {
                // Nothing turns into mask.
                ASSERT_NE(cells[i].type, Film) << "cell " << i;
            }
            if (initial[i].type == Oxide) {
                ASSERT_EQ(cells[i].type, Oxide) << "oxide cell " << i;
            }
            // Consumed material never comes back.
            ASSERT_LE(cells[i].value, initial[i].value) << "cell " << i;
        }
        EXPECT_GT(model->getTime(), 0.0);
    }
}

TEST(OxidationExamples, BatchRunnerRunsEachExample)
{
    if (!QFileInfo::exists(TestSupport::batchProgram()))
        GTEST_SKIP() << "lithoscope-batch is not built";
    for (const Example& example : examples) {
        QTemporaryDir dir;
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {QString::fromLatin1(example.label), QStringLiteral("--example"),
             QStringLiteral("--quiet")},
            dir.path());
        EXPECT_EQ(result.exitCode, 0) << example.label << ": " << result.err.toStdString();
    }
}
