#include "batchfixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "batch/optionparser.h"

// The commands, options and recipes the two READMEs show are run or checked
// here, so that a sample cannot fall behind the program.

namespace {

QByteArray fileBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A README's samples: the lines of its indented blocks, each with the line
// of text before its block, and the inline code spans of its text.
struct Readme {
    struct Sample {
        QString text;
        QString before;
    };
    QList<Sample> blockLines;
    QStringList spans;

    explicit Readme(const QString& relative)
    {
        const QString text = QString::fromUtf8(fileBytes(QStringLiteral(LITHOSCOPE_SOURCE_DIR "/") + relative));
        static const QRegularExpression span(QStringLiteral("`([^`]+)`"));
        QString before;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QStringLiteral("    "))) {
                blockLines.append(Sample{line.mid(4), before});
            } else if (!line.trimmed().isEmpty()) {
                before = line;
                for (auto match = span.globalMatch(line); match.hasNext();)
                    spans.append(match.next().captured(1));
            }
        }
    }
};

// Splits a command line as a shell would for these samples.
QStringList words(const QString& command)
{
    QStringList result;
    static const QRegularExpression word(QStringLiteral("\"([^\"]*)\"|'([^']*)'|(\\S+)"));
    for (auto match = word.globalMatch(command.section(QLatin1Char('#'), 0, 0)); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        result.append(m.captured(1) + m.captured(2) + m.captured(3));
    }
    return result;
}

} // namespace

class ReadmeTest : public BatchTest {
protected:
    // A lithoscope-batch command must succeed and write the files it names.
    // The suite runs under Xvfb, so xvfb-run is left out; without a display
    // such a command is not run.
    void runBatchCommand(QStringList arguments)
    {
        const std::string command = arguments.join(QLatin1Char(' ')).toStdString();
        if (arguments.first() == QLatin1String("xvfb-run")) {
            if (qEnvironmentVariableIsEmpty("DISPLAY"))
                return;
            while (!arguments.first().endsWith(QStringLiteral("lithoscope-batch")))
                arguments.removeFirst();
        }
        arguments.removeFirst();
        const TestSupport::BatchResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << command << "\n" << result.err.toStdString();
        for (int i = 0; i + 1 < arguments.size(); ++i) {
            if (arguments[i] == QLatin1String("--save") || arguments[i] == QLatin1String("--view")) {
                EXPECT_TRUE(QFile::exists(path(arguments[i + 1]))) << command;
            }
        }
    }

    // `python3 make.py` redraws each example's input exactly as it is kept.
    void runGenerators()
    {
        // The generators need Python's standard library and nothing else.
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            return;
        const QDir examples(TestSupport::examplePath(QString()));
        ASSERT_TRUE(QFile::copy(examples.filePath(QStringLiteral("pngwriter.py")), path(QStringLiteral("pngwriter.py"))));
        for (const QString& folder : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir source(examples.filePath(folder));
            if (!source.exists(QStringLiteral("make.py")) || !QDir(scratch.path()).mkdir(folder))
                continue;
            const QDir copy(path(folder));
            ASSERT_TRUE(QFile::copy(source.filePath(QStringLiteral("make.py")), copy.filePath(QStringLiteral("make.py"))));
            QProcess process;
            process.setWorkingDirectory(copy.path());
            process.start(python, {QStringLiteral("make.py")});
            ASSERT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0) << folder.toStdString();
            for (const QString& made : copy.entryList(QDir::Files))
                EXPECT_EQ(fileBytes(copy.filePath(made)), fileBytes(source.filePath(made))) << made.toStdString();
        }
    }
};

// Batch commands run (MODEL standing for every entry in the program), make
// targets exist (make runs this suite, so they are not run), options named
// are ones the runner knows, and the example generators redraw their inputs.
TEST_F(ReadmeTest, EveryCommandShownRunsOrIsChecked)
{
    const QString makefile = QString::fromUtf8(fileBytes(QStringLiteral(LITHOSCOPE_SOURCE_DIR "/Makefile")));
    int batchCommands = 0;
    for (const QString& file : {QStringLiteral("README.md"), QStringLiteral("examples/README.md")}) {
        const Readme readme(file);
        QStringList samples = readme.spans;
        for (const Readme::Sample& line : readme.blockLines)
            samples.append(line.text);
        for (const QString& sample : samples) {
            const QStringList parts = words(sample);
            const QString first = parts.value(0);
            if ((first.endsWith(QStringLiteral("lithoscope-batch")) && parts.size() > 1) ||
                first == QLatin1String("xvfb-run")) {
                ++batchCommands;
                if (!parts.contains(QStringLiteral("MODEL")))
                    runBatchCommand(parts);
                for (int index = 0; index < Input::Catalogue::size() && parts.contains(QStringLiteral("MODEL")); ++index) {
                    if (TestSupport::isBuilt(index))
                        runBatchCommand(QStringList(parts).replaceInStrings(QStringLiteral("MODEL"), QString::number(index)));
                }
            } else if (first == QLatin1String("make")) {
                EXPECT_TRUE(makefile.contains(QRegularExpression(QStringLiteral("(^|\\n)%1:").arg(parts.value(1)))))
                    << sample.toStdString();
            } else if (first.startsWith(QStringLiteral("--"))) {
                Batch::OptionParser parser(scratch.path());
                parser.parse({first});
                EXPECT_FALSE(parser.error().contains(QStringLiteral("unknown option"))) << sample.toStdString();
            } else if (sample == QLatin1String("python3 make.py")) {
                runGenerators();
            }
        }
    }
    EXPECT_GE(batchCommands, 5);
}

// A recipe shown is the named example's recipe, word for word.
TEST_F(ReadmeTest, RecipesShownAreTheExamplesOwn)
{
    QMap<QString, QStringList> shown;
    static const QRegularExpression named(QStringLiteral("`([a-z0-9-]+/recipe)`"));
    for (const Readme::Sample& line : Readme(QStringLiteral("examples/README.md")).blockLines) {
        const QRegularExpressionMatch match = named.match(line.before);
        if (line.text.startsWith(QLatin1Char('#')) || line.text.startsWith(QStringLiteral("--")))
            shown[match.captured(1)].append(line.text);
    }
    EXPECT_FALSE(shown.contains(QString())) << "a recipe sample names no example";
    EXPECT_FALSE(shown.isEmpty());
    for (auto recipe = shown.begin(); recipe != shown.end(); ++recipe)
        EXPECT_EQ(QString::fromUtf8(fileBytes(TestSupport::examplePath(recipe.key()))),
                  recipe.value().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
