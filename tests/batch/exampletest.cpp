#include "batchfixture.h"

#include <QDir>
#include <QFile>

#include "Input/catalogue.h"

namespace {

QString recipeText(const QString& folder)
{
    QFile recipe(TestSupport::examplePath(folder + QStringLiteral("/recipe")));
    if (!recipe.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(recipe.readAll());
}

// A short run of the example: few steps, unless the recipe acts on a form
// after a given step, which a shorter run would not reach.
QStringList shortRun(int index, const QString& recipe)
{
    QStringList arguments{QString::number(index), QStringLiteral("--example")};
    if (!recipe.contains(QStringLiteral("--at ")))
        arguments << QStringLiteral("--steps") << QStringLiteral("3");
    return arguments;
}

} // namespace

// Every example folder belongs to a catalogue entry.
TEST_F(BatchTest, ExampleFoldersAreNamedAfterCatalogueLabels)
{
    QStringList slugs;
    for (const QString& label : Input::Catalogue::labels())
        slugs.append(slug(label));
    EXPECT_EQ(slug(QStringLiteral("2D Oxidation (Deal-Grove)")), QStringLiteral("2d-oxidation-deal-grove"));
    const QDir examples(TestSupport::examplePath(QString()));
    for (const QString& folder : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        EXPECT_TRUE(slugs.contains(folder)) << folder.toStdString();
        EXPECT_TRUE(QFile::exists(examples.filePath(folder + QStringLiteral("/recipe"))))
            << folder.toStdString();
    }
}

// Each built entry's example runs and leaves its output: the saved state, or
// the view for models whose Save writes nothing.
TEST_F(BatchTest, EveryBuiltExampleRunsAndProducesItsOutput)
{
    int ran = 0;
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!built(index) || !hasExample(index))
            continue;
        ++ran;
        const QString out = path(QStringLiteral("example-%1.png").arg(index));
        const QStringList arguments = shortRun(index, recipeText(slug(label(index))));
        const TestSupport::BatchResult result =
            run(arguments + QStringList{"--save", out, "--quiet"});
        ASSERT_EQ(result.exitCode, 0) << label(index).toStdString() << "\n" << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QStringLiteral("Current time: "))) << label(index).toStdString();
        if (QFile::exists(out))
            continue;
        EXPECT_TRUE(result.err.contains(QStringLiteral("note:"))) << label(index).toStdString();
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            continue;
        const TestSupport::BatchResult view =
            run(arguments + QStringList{"--view", out, "--view-size", "160x120", "--quiet"});
        EXPECT_EQ(view.exitCode, 0) << label(index).toStdString() << "\n" << view.err.toStdString();
        EXPECT_EQ(QImage(out).size(), QSize(160, 120)) << label(index).toStdString();
    }
    if (ran == 0)
        GTEST_SKIP() << "no entry with an example yet";
}

// For every built entry with an example: where building opens a file dialog
// by itself (not through a button of an option dialog), cancelling it builds
// nothing; and a --set naming no widget stops the run before it
// starts.
TEST_F(BatchTest, EveryBuiltEntryRefusesCancelledInputsAndUnknownWidgets)
{
    int checked = 0;
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!built(index) || !hasExample(index))
            continue;
        ++checked;
        const std::string name = label(index).toStdString();
        const QString folder = slug(label(index));
        QStringList recipe = recipeText(folder).split(QLatin1Char('\n'));
        const bool asksByButton = recipe.join(QLatin1Char('\n')).contains(QStringLiteral("=click"));
        for (QString& line : recipe) {
            if (asksByButton)
                break;
            if (line.trimmed().startsWith(QStringLiteral("--input "))) {
                line = QStringLiteral("--input ''");
                const QString cancelling = path(folder + QStringLiteral("-cancelled"));
                QFile file(cancelling);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
                file.write(recipe.join(QLatin1Char('\n')).toUtf8());
                file.close();
                const TestSupport::BatchResult cancelled =
                    run({QString::number(index), "--recipe", cancelling});
                EXPECT_EQ(cancelled.exitCode, 3) << name << "\n" << cancelled.err.toStdString();
                EXPECT_FALSE(cancelled.out.contains(QStringLiteral("Current time"))) << name;
                break;
            }
        }
        const TestSupport::BatchResult unknown =
            run(shortRun(index, recipeText(folder)) + QStringList{"--set", "noSuchWidgetAnywhere=1"});
        EXPECT_EQ(unknown.exitCode, 2) << name << "\n" << unknown.err.toStdString();
        EXPECT_TRUE(unknown.err.contains(QStringLiteral("noSuchWidgetAnywhere"))) << name;
    }
    if (checked == 0)
        GTEST_SKIP() << "no entry with an example yet";
}

// The entries whose rules draw no random numbers. Every other entry's run must
// depend on --seed, also where the model never seeds the generator itself.
static const QStringList deterministicEntries = {
    QStringLiteral("Sand Automaton"),
    QStringLiteral("2D Film Deposition"),
    QStringLiteral("3D Film Deposition"),
    QStringLiteral("CVD Binary 2D Automaton"),
    QStringLiteral("Isotropic GA"),
    QStringLiteral("2D Oxidation"),
    QStringLiteral("2D Oxidation (Deal-Grove)"),
    QStringLiteral("2D Variable Step Oxidation"),
    QStringLiteral("Annealing Rule"),
    QStringLiteral("Linear Interpolation Rule (1D)"),
    QStringLiteral("Cubic Interpolation Rule (1D)"),
};

// With its example, a random entry repeats its run for one seed and changes it
// for another; a deterministic entry gives the same for both. The saved state
// is compared, or the view where Save writes nothing (random entries only, as
// the view is slow to draw).
TEST_F(BatchTest, SeedDecidesTheRunOfEveryRandomEntry)
{
    int checked = 0;
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!built(index) || !hasExample(index))
            continue;
        const std::string name = label(index).toStdString();
        const bool deterministic = deterministicEntries.contains(label(index));
        // Enough steps for an ensemble to average once, unless the recipe
        // acts after a given step.
        QStringList arguments{QString::number(index), "--example", "--quiet"};
        if (!recipeText(slug(label(index))).contains(QStringLiteral("--at ")))
            arguments << "--steps" << "12";
        QStringList output{"--save"};
        auto runWithSeed = [&](const char* seed, const QString& file) {
            const TestSupport::BatchResult result =
                run(arguments + QStringList{"--seed", seed} + output + QStringList{file});
            EXPECT_EQ(result.exitCode, 0) << name << "\n" << result.err.toStdString();
            return file;
        };
        const QString prefix = QStringLiteral("seed-%1-").arg(index);
        QString first = runWithSeed("7", path(prefix + "a.png"));
        if (!QFile::exists(first)) {
            if (deterministic || qEnvironmentVariableIsEmpty("DISPLAY"))
                continue;
            output = QStringList{"--view-size", "160x120", "--view"};
            first = runWithSeed("7", path(prefix + "view-a.png"));
        }
        ++checked;
        const QString other = runWithSeed("8", path(prefix + "b.png"));
        EXPECT_EQ(sameFile(first, other), deterministic) << name;
        if (!deterministic) {
            EXPECT_TRUE(sameFile(first, runWithSeed("7", path(prefix + "c.png")))) << name;
        }
    }
    if (checked == 0)
        GTEST_SKIP() << "no entry with an example yet";
}
