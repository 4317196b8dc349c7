#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

#include "Automata/FilmDeposition/oxidationautomaton2d.h"
#include "Input/catalogue.h"
#include "testsupport.h"

using namespace Automata::FilmDeposition;

// Each example is built through the factory from its recipe's input and
// settings and run for its steps, here in the program itself so the cells can
// be compared before and after.
TEST(OxidationExamples, EachExampleBuildsThroughTheFactoryAndGrowsVisibleOxide)
{
    for (const char* label :
         {"2D Oxidation", "2D Oxidation (Deal-Grove)", "2D Variable Step Oxidation"}) {
        SCOPED_TRACE(label);
        const QString folder = QString::fromLatin1(label).toLower().replace(' ', '-').remove(
            QRegularExpression(QStringLiteral("[()]")));
        TestSupport::ScriptedScope script;
        int steps = 0;
        QFile file(TestSupport::examplePath(folder + "/recipe"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            const QString argument = line.section(' ', 1).trimmed();
            if (line.startsWith(QStringLiteral("--input ")))
                script->queueOpenFile(TestSupport::examplePath(folder + '/' + argument));
            else if (line.startsWith(QStringLiteral("--set ")))
                script->addSetting(argument.section('=', 0, 0), argument.section('=', 1));
            else if (line.startsWith(QStringLiteral("--steps ")))
                steps = argument.toInt();
        }
        const int entry = Input::Catalogue::indexOf(QString::fromLatin1(label));
        std::unique_ptr<OxidationAutomaton2D> model(
            dynamic_cast<OxidationAutomaton2D*>(Input::AutomatonFactory(entry, nullptr)));
        ASSERT_NE(model, nullptr);
        EXPECT_TRUE(script->unusedSettings().isEmpty() && script->settingErrors().isEmpty());
        ASSERT_GT(steps, 0);

        const std::size_t count = static_cast<std::size_t>(model->getWidth()) * model->getHeight();
        const std::vector<FilmCell> initial(model->getCells(), model->getCells() + count);
        for (int k = 0; k < steps; ++k)
            model->step();
        const FilmCell* cells = model->getCells();
        int masks = 0;
        int oxideBefore = 0;
        int siliconLeft = 0;
        int siliconConsumed = 0;
        int ambientConsumed = 0;
        for (std::size_t i = 0; i < count; ++i) {
            // Mask and oxide stay, nothing turns into mask, and consumed
            // material never comes back.
            ASSERT_EQ(initial[i].type == Film, cells[i].type == Film) << "cell " << i;
            ASSERT_TRUE(initial[i].type != Oxide || cells[i].type == Oxide) << "cell " << i;
            ASSERT_LE(cells[i].value, initial[i].value) << "cell " << i;
            masks += initial[i].type == Film;
            oxideBefore += initial[i].type == Oxide;
            siliconLeft += cells[i].type == Silicon;
            siliconConsumed += initial[i].type == Silicon && cells[i].type == Oxide;
            ambientConsumed += initial[i].type == Empty && cells[i].type == Oxide;
        }
        // Visible growth: the initial oxide is two rows thick in the mask
        // openings; at least five rows' worth of silicon and some ambient turn
        // into oxide, while most of the silicon is left.
        EXPECT_GT(masks, 0);
        ASSERT_GT(oxideBefore, 0);
        EXPECT_GE(siliconConsumed, 5 * oxideBefore / 2);
        EXPECT_GT(ambientConsumed, 0);
        EXPECT_GE(siliconLeft, siliconConsumed);
        EXPECT_GT(model->getTime(), 0.0);
    }
}
