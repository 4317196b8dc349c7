#include "batchfixture.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

void writeText(const QString& file, const QString& text)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream(&out) << text;
}

} // namespace

TEST_F(BatchTest, ListPrintsEveryEntryWithItsIndex)
{
    const TestSupport::BatchResult result = run({QStringLiteral("--list")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList labels = Input::Catalogue::labels();
    ASSERT_EQ(labels.size(), 46);
    EXPECT_EQ(QStringList(labels).removeDuplicates(), 0) << "a label names one entry";
    QStringList expected;
    for (int i = 0; i < labels.size(); ++i)
        expected.append(QString::number(i) + QLatin1Char('\t') + labels.at(i));
    EXPECT_EQ(lines(result.out), expected);
}

TEST_F(BatchTest, NoArgumentsPrintsUsageAndExitsTwo)
{
    const TestSupport::BatchResult none = run({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.err.contains(QStringLiteral("Usage"))) << none.err.toStdString();

    const TestSupport::BatchResult help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--save-all FILE")));
}

TEST_F(BatchTest, BadUsageExitsTwoWithAOneLineReason)
{
    struct Case {
        QStringList arguments;
        QString named; // what the reason must mention
    };
    const QList<Case> cases = {
        {{"--frobnicate", "29"}, "--frobnicate"},
        {{"46"}, "46"},
        {{"-1"}, "-1"},
        {{"No Such Model"}, "No Such Model"},
        {{"annealing rule"}, "annealing rule"}, // labels are exact
        {{"0", "29"}, "29"},
        {{"29", "--steps", "ten"}, "ten"},
        {{"29", "--steps", "-1"}, "-1"},
        {{"29", "--steps", "1,5"}, "1,5"}, // C locale: no decimal comma, no fraction
        {{"29", "--steps"}, "--steps"},
        {{"29", "--interval", "0"}, "0"},
        {{"29", "--threads", "0"}, "0"},
        {{"29", "--seed", "x"}, "x"},
        {{"29", "--status-every", "0"}, "0"},
        {{"29", "--view-size", "800"}, "800"},
        {{"29", "--view-size", "0x10"}, "0"},
        {{"29", "--view-angle", "1,2"}, "1,2"},
        {{"29", "--set", "novalue"}, "novalue"},
        {{"29", "--set", "=5"}, "=5"},
        {{"29", "--steps", "5", "--at", "6", "x=1"}, "--at 6"},
        {{"29", "--at", "101", "x=1"}, "--at 101"}, // beyond the default of 100 steps
        {{"29", "--save", ""}, "--save"},
        {{"--example", "29", "--recipe", "no-such-recipe"}, "no-such-recipe"},
    };
    for (const Case& c : cases) {
        const TestSupport::BatchResult result = run(c.arguments);
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.exitCode, 2) << what << "\n" << result.err.toStdString();
        const QStringList err = lines(result.err);
        ASSERT_EQ(err.size(), 1) << what << "\n" << result.err.toStdString();
        EXPECT_TRUE(err.first().startsWith(QStringLiteral("lithoscope-batch: "))) << what;
        EXPECT_TRUE(err.first().contains(c.named)) << what << "\n" << err.first().toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << what;
    }
    const TestSupport::BatchResult atEnd =
        run({"29", "--steps", "5", "--at", "5", "x=1", "--input", ""});
    EXPECT_NE(atEnd.exitCode, 2) << "--at equal to --steps is allowed";
}

TEST_F(BatchTest, RecipeErrorsNameTheFileAndLine)
{
    writeText(path("bad"), QStringLiteral("# a comment\n\n--steps 5\n--frobnicate now\n"));
    expectRefused({"29", "--recipe", "bad"}, 2, "bad:4: unknown option --frobnicate");
    // A value left out is a mistake; an empty one is written ''.
    writeText(path("bare"), QStringLiteral("--input\n"));
    expectRefused({"29", "--recipe", "bare"}, 2, "bare:1");
    writeText(path("loop"), QStringLiteral("--steps 5\n--recipe loop\n"));
    EXPECT_EQ(lines(expectRefused({"29", "--recipe", "loop"}, 2).err).size(), 1);
}

// Inputs resolve against the recipe's folder, outputs against the working
// folder; options stand where the recipe is named, so later ones override it.
TEST_F(BatchTest, RecipeOptionsStandWhereTheRecipeIsNamedAndAgreeWithTheCommandLine)
{
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("recipes")));
    writePattern(QStringLiteral("recipes/noise.png"), 24, 16,
                 [](int x, int y) { return (x * 7 + y * 13 + x * y) % 5 < 2; });
    writeText(path("recipes/run"),
              QStringLiteral("# input beside the recipe\n--input noise.png\n--steps 7\n--save from-recipe.png\n"));
    auto benchSteps = [this](const QStringList& arguments) {
        const TestSupport::BatchResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        for (const QString& line : lines(result.out))
            if (line.startsWith(QStringLiteral("bench: ")))
                return line.section(QLatin1Char(' '), 1, 1);
        return QString();
    };
    EXPECT_EQ(benchSteps({"29", "--recipe", "recipes/run", "--bench", "--quiet"}), "steps=7");
    EXPECT_TRUE(QFile::exists(path("from-recipe.png")));
    EXPECT_FALSE(QFile::exists(path("recipes/from-recipe.png")));
    const TestSupport::BatchResult byHand = run({"Annealing Rule", "--input", "recipes/noise.png",
                                                 "--steps", "7", "--save", "by-hand.png"});
    ASSERT_EQ(byHand.exitCode, 0) << byHand.err.toStdString();
    EXPECT_TRUE(sameFile(path("from-recipe.png"), path("by-hand.png")));

    EXPECT_EQ(benchSteps({"29", "--recipe", "recipes/run", "--steps", "3", "--bench"}), "steps=3");
    EXPECT_EQ(benchSteps({"29", "--steps", "3", "--recipe", "recipes/run", "--bench"}), "steps=7");
}
