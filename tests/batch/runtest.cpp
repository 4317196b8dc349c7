#include "batchfixture.h"

#include <QFile>
#include <QRegularExpression>

using TestSupport::label;

class BatchRunTest : public BatchTest {};

TEST_F(BatchRunTest, EntriesNotInTheProgramBuildNothing)
{
    int missing = -1;
    for (int index = 0; index < 46 && missing < 0; ++index)
        if (!TestSupport::isBuilt(index))
            missing = index;
    if (missing < 0)
        GTEST_SKIP() << "every entry is in the program";
    const TestSupport::BatchResult result = run({QString::number(missing)});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, QStringLiteral("Lithoscope: \"%1\" is not available in this version.\n")
                              .arg(label(missing)));
}

TEST_F(BatchRunTest, UnusedSettingsAndInputsAfterABuildAreUsageErrors)
{
    const QString image = writePattern("p.png", 10, 6, [](int x, int) { return x < 5; });

    expectRefused({"29", "--input", image, "--set", "noSuchWidget=1", "--steps", "2"}, 2, "noSuchWidget");
    expectRefused({"29", "--input", image, "--input", "second.png"}, 2, "second.png");
    expectRefused({"29", "--input", image, "--steps", "2", "--at", "1", "someField=3"}, 2, "someField");
}

// A decimal field of a listed dialog: a value outside its range is
// refused, its minimum taken; numbers are C-locale numbers whatever the
// system's locale. A rejected dialog builds nothing.
TEST_F(BatchRunTest, DialogNumbersAreCheckedAgainstTheRangeInTheCLocale)
{
    const QString entry = QStringLiteral("2D Oxidation");
    const QStringList field = entryListing().value(entry).value(1).split(QStringLiteral(" | "));
    ASSERT_EQ(field.value(1), QStringLiteral("double"));
    const QString name = field[0];
    const double minimum = field[4].section(QStringLiteral(".."), 0, 0).toDouble();
    const double maximum = field[4].section(QStringLiteral(".."), 1, 1).toDouble();
    auto runWith = [&](const QString& value) {
        return run({entry, "--example", "--steps", "1", "--quiet", "--set", name + QLatin1Char('=') + value});
    };
    expectRefused({entry, "--example", "--set", name + "=" + QString::number(maximum * 2 + 1, 'f', 0)}, 2, name);
    EXPECT_EQ(runWith(QString::number(minimum, 'g', 15)).exitCode, 0);

    const EnvironmentScope german("LC_ALL", "de_DE.UTF-8");
    const QString middle = QString::number((minimum + maximum) / 2 + 0.25, 'f', 2);
    EXPECT_EQ(runWith(middle).exitCode, 0);
    EXPECT_EQ(runWith(QString(middle).replace('.', ',')).exitCode, 2);

    EXPECT_EQ(expectRefused({entry, "--example", "--reject"}, 3).err, QString());
}

TEST_F(BatchRunTest, StatusAndBenchLinesCloseTheRun)
{
    const QString image = writePattern("p.png", 30, 20, [](int x, int y) { return (x + y) % 3 == 0; });
    const TestSupport::BatchResult result =
        run({"29", "--input", image, "--steps", "5", "--status-every", "2", "--bench", "--quiet"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList out = lines(result.out);
    ASSERT_EQ(out.size(), 4) << result.out.toStdString();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(out[i].startsWith(QStringLiteral("Current time: "))) << out[i].toStdString();
    const QRegularExpression bench(QStringLiteral(
        "^bench: steps=5 seconds=[0-9.]+ steps_per_second=[0-9.e+]+ sites=600 mlups=[0-9.e+]+$"));
    EXPECT_TRUE(bench.match(out[3]).hasMatch()) << out[3].toStdString();
}

TEST_F(BatchRunTest, SaveThatCannotBeWrittenExitsFour)
{
    const QString image = writePattern("p.png", 16, 9, [](int x, int y) { return (x * 5 + y * 3) % 7 < 3; });
    // A series name without an image suffix would be asked for forever.
    expectRefused({"29", "--input", image, "--steps", "3", "--save-all", "run.txt", "--quiet"}, 4, "run.txt");
    EXPECT_EQ(run({"29", "--input", image, "--steps", "1", "--save", "no-such-folder/s.png"}).exitCode, 4);
}
