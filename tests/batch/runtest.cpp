#include "batchfixture.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The first entry with a bundled example whose loading shows a dialog with a
// number field, described as --describe prints it.
struct DescribedField {
    int index = -1;
    QString dialogLine;
    QString name;
    QString kind;
    double minimum = 0.0;
    double maximum = 0.0;
};

} // namespace

class BatchRunTest : public BatchTest {
protected:
    DescribedField findNumberField(const QString& onlyKind = QString())
    {
        DescribedField field;
        for (int index = 0; index < 46 && field.index < 0; ++index) {
            if (!built(index) || !hasExample(index))
                continue;
            const TestSupport::BatchResult result =
                run({QString::number(index), "--example", "--describe"});
            if (result.exitCode != 0)
                continue;
            QString title;
            for (const QString& line : lines(result.out)) {
                if (line.startsWith(QLatin1Char('['))) {
                    title = line;
                    continue;
                }
                const QStringList parts = line.split(QLatin1Char('\t'));
                const bool number = onlyKind.isEmpty() ? parts.value(1) == "spin" || parts.value(1) == "double"
                                                        : parts.value(1) == onlyKind;
                if (parts.size() == 5 && number && !title.isEmpty()) {
                    field.index = index;
                    field.dialogLine = title;
                    field.name = parts[0];
                    field.kind = parts[1];
                    field.minimum = parts[4].section(QStringLiteral(".."), 0, 0).toDouble();
                    field.maximum = parts[4].section(QStringLiteral(".."), 1, 1).toDouble();
                    break;
                }
            }
        }
        return field;
    }
};

TEST_F(BatchRunTest, CancelledImageDialogsShowTheirLoadersMessages)
{
    REQUIRE_ENTRY(SandAutomaton);
    REQUIRE_ENTRY(AnnealingRule);
    // A plain loader reports the cancelled dialog; the upright loader says nothing.
    const TestSupport::BatchResult plain = run({"0", "--input", ""});
    EXPECT_EQ(plain.exitCode, 3);
    EXPECT_EQ(plain.err, QStringLiteral("Could not open input file!\n"));
    EXPECT_TRUE(plain.out.isEmpty());

    const TestSupport::BatchResult upright = run({"29", "--input", ""});
    EXPECT_EQ(upright.exitCode, 3);
    EXPECT_EQ(upright.err, QString());

    const TestSupport::BatchResult unreadable = run({"29", "--input", "missing.png"});
    EXPECT_EQ(unreadable.exitCode, 3);
    EXPECT_EQ(unreadable.err, QStringLiteral("Loader error: The image could not be opened!\n"
                                             "lithoscope-batch: %1: no such file\n")
                                  .arg(path("missing.png")));
}

TEST_F(BatchRunTest, EntriesNotInTheProgramBuildNothing)
{
    int missing = -1;
    for (int index = 0; index < 46 && missing < 0; ++index)
        if (!built(index))
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
    REQUIRE_ENTRY(AnnealingRule);
    const QString image = writePattern("p.png", 10, 6, [](int x, int) { return x < 5; });

    const TestSupport::BatchResult unknownName =
        run({"29", "--input", image, "--set", "noSuchWidget=1", "--steps", "2"});
    EXPECT_EQ(unknownName.exitCode, 2);
    EXPECT_TRUE(unknownName.err.contains(QStringLiteral("noSuchWidget"))) << unknownName.err.toStdString();
    EXPECT_FALSE(unknownName.out.contains(QStringLiteral("Current time"))) << "the model must not run";

    const TestSupport::BatchResult extraInput = run({"29", "--input", image, "--input", "second.png"});
    EXPECT_EQ(extraInput.exitCode, 2);
    EXPECT_TRUE(extraInput.err.contains(QStringLiteral("second.png"))) << extraInput.err.toStdString();

    const TestSupport::BatchResult noForm =
        run({"29", "--input", image, "--steps", "2", "--at", "1", "someField=3"});
    EXPECT_EQ(noForm.exitCode, 2);
    EXPECT_TRUE(noForm.err.contains(QStringLiteral("someField"))) << noForm.err.toStdString();
}

TEST_F(BatchRunTest, DialogValuesAreCheckedAgainstTheWidgetsRange)
{
    const DescribedField field = findNumberField();
    if (field.index < 0)
        GTEST_SKIP() << "no entry with an example and a number field yet";
    const QString index = QString::number(field.index);

    const QString tooLarge = QString::number(field.maximum * 2 + 1, 'f', 0);
    const TestSupport::BatchResult outside =
        run({index, "--example", "--steps", "1", "--set", field.name + "=" + tooLarge});
    EXPECT_EQ(outside.exitCode, 2) << field.name.toStdString() << "=" << tooLarge.toStdString();
    EXPECT_TRUE(outside.err.contains(field.name)) << outside.err.toStdString();

    const QString smallest = QString::number(field.minimum, 'g', 15);
    const TestSupport::BatchResult inside =
        run({index, "--example", "--steps", "1", "--quiet", "--set", field.name + "=" + smallest});
    EXPECT_EQ(inside.exitCode, 0) << inside.err.toStdString();

    const TestSupport::BatchResult rejected = run({index, "--example", "--reject"});
    EXPECT_EQ(rejected.exitCode, 3) << rejected.err.toStdString();
    EXPECT_FALSE(rejected.out.contains(QStringLiteral("Current time")));
}

TEST_F(BatchRunTest, NumbersAreReadAndWrittenInTheCLocaleWhateverTheSystemsIs)
{
    const DescribedField field = findNumberField(QStringLiteral("double"));
    if (field.index < 0)
        GTEST_SKIP() << "no entry with an example and a decimal field yet";
    const QByteArray previous = qgetenv("LC_ALL");
    qputenv("LC_ALL", "de_DE.UTF-8");
    const QString index = QString::number(field.index);
    const TestSupport::BatchResult described = run({index, "--example", "--describe"});
    // Halfway through the range, written with a decimal point.
    const QString middle = QString::number((field.minimum + field.maximum) / 2 + 0.25, 'f', 2);
    const TestSupport::BatchResult set =
        run({index, "--example", "--steps", "1", "--quiet", "--set", field.name + "=" + middle});
    const TestSupport::BatchResult comma = run(
        {index, "--example", "--steps", "1", "--quiet", "--set", field.name + "=" + QString(middle).replace('.', ',')});
    if (previous.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", previous);

    ASSERT_EQ(described.exitCode, 0);
    for (const QString& line : lines(described.out)) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.value(1) == QLatin1String("double")) {
            EXPECT_FALSE(parts[3].contains(QLatin1Char(','))) << line.toStdString();
            EXPECT_FALSE(parts[4].contains(QLatin1Char(','))) << line.toStdString();
        }
    }
    EXPECT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(comma.exitCode, 2) << comma.err.toStdString();
}

TEST_F(BatchRunTest, DescribeListsTheDialogInsteadOfRunning)
{
    const DescribedField field = findNumberField();
    if (field.index < 0)
        GTEST_SKIP() << "no entry with an example and a number field yet";
    const TestSupport::BatchResult result =
        run({QString::number(field.index), "--example", "--describe"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_FALSE(result.out.contains(QStringLiteral("Current time")));
    for (const QString& line : lines(result.out)) {
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        ASSERT_EQ(parts.size(), 5) << line.toStdString();
        EXPECT_FALSE(parts[0].isEmpty());
        EXPECT_TRUE(QStringList({"spin", "double", "line", "check", "radio", "combo", "slider", "button"})
                        .contains(parts[1]))
            << line.toStdString();
        if (parts[1] == "spin" || parts[1] == "double" || parts[1] == "slider") {
            const double value = parts[3].toDouble();
            EXPECT_LE(parts[4].section(QStringLiteral(".."), 0, 0).toDouble(), value) << line.toStdString();
            EXPECT_GE(parts[4].section(QStringLiteral(".."), 1, 1).toDouble(), value) << line.toStdString();
        }
    }
}

TEST_F(BatchRunTest, StatusAndBenchLinesCloseTheRun)
{
    REQUIRE_ENTRY(AnnealingRule);
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

TEST_F(BatchRunTest, SaveWritesTheLatticeAndSaveAllASeries)
{
    REQUIRE_ENTRY(AnnealingRule);
    int black = 0;
    const QString image = writePattern("p.png", 16, 9, [&black](int x, int y) {
        const bool on = (x * 5 + y * 3) % 7 < 3;
        black += on;
        return on;
    });
    const TestSupport::BatchResult single = run({"29", "--input", image, "--steps", "0", "--save", "s.png"});
    ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();
    const QImage saved(path("s.png"));
    ASSERT_EQ(saved.size(), QSize(16, 9));
    int savedBlack = 0;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 16; ++x)
            savedBlack += saved.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_EQ(savedBlack, black);

    const TestSupport::BatchResult series =
        run({"29", "--input", image, "--steps", "3", "--save-all", "run.PNG", "--quiet"});
    ASSERT_EQ(series.exitCode, 0) << series.err.toStdString();
    for (const char* name : {"run00000.png", "run00001.png", "run00002.png"})
        EXPECT_TRUE(QFile::exists(path(name))) << name;
    EXPECT_FALSE(QFile::exists(path("run00003.png")));

    // A series name without an image suffix would be asked for forever.
    const TestSupport::BatchResult endless =
        run({"29", "--input", image, "--steps", "3", "--save-all", "run.txt", "--quiet"});
    EXPECT_EQ(endless.exitCode, 4);
    EXPECT_FALSE(endless.err.isEmpty());

    const TestSupport::BatchResult unwritable =
        run({"29", "--input", image, "--steps", "1", "--save", "no-such-folder/s.png"});
    EXPECT_EQ(unwritable.exitCode, 4) << unwritable.err.toStdString();
}

TEST_F(BatchRunTest, ViewDrawsOneCellPerPixelCentred)
{
    REQUIRE_ENTRY(AnnealingRule);
    // An asymmetric pattern with both colours in every border row and column.
    auto pattern = [](int x, int y) { return (x * 3 + y * 5 + (x > 12 ? y : 0)) % 4 < 2; };
    const QString image = writePattern("p.png", 20, 10, pattern);

    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        const TestSupport::BatchResult result =
            run({"29", "--input", image, "--steps", "0", "--view", "v.png"});
        EXPECT_EQ(result.exitCode, 4);
        EXPECT_TRUE(result.err.contains(QStringLiteral("display"))) << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("v.png")));
        return;
    }
    const TestSupport::BatchResult result =
        run({"29", "--input", image, "--steps", "0", "--view", "v.png", "--view-size", "64x48"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QImage view(path("v.png"));
    ASSERT_EQ(view.size(), QSize(64, 48));

    const QRgb background = view.pixel(0, 0);
    int left = 64, right = -1, top = 48, bottom = -1;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (view.pixel(x, y) == background)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    ASSERT_EQ(right - left + 1, 20);
    ASSERT_EQ(bottom - top + 1, 10);
    EXPECT_NEAR(left, 22, 1);
    EXPECT_NEAR(top, 19, 1);
    // Every cell is one pixel of its state's colour, the picture upright.
    const QRgb on = view.pixel(left, top);
    const bool onState = pattern(0, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(view.pixel(left + x, top + y) == on, pattern(x, y) == onState)
                << "cell " << x << "," << y;
}

TEST_F(BatchRunTest, WorkerCountDoesNotChangeThreadedResults)
{
    REQUIRE_ENTRY(Fhp);
    if (!hasExample(Fhp))
        GTEST_SKIP() << "FHP has no example yet";
    for (const char* threads : {"1", "4"}) {
        const TestSupport::BatchResult result =
            run({"FHP", "--example", "--steps", "12", "--seed", "3", "--threads", threads, "--save",
                 QStringLiteral("t%1.png").arg(threads), "--quiet"});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    }
    EXPECT_TRUE(sameFile(path("t1.png"), path("t4.png")));
}
