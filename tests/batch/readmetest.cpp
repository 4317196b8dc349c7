#include "batchfixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "Input/catalogue.h"
#include "batch/optionparser.h"

// The commands, recipes and options the two READMEs show are run or checked
// here, so that a sample cannot fall behind the program.

namespace {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(LITHOSCOPE_SOURCE_DIR "/") + relative;
}

QByteArray fileBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A README as the samples in it: indented blocks, each with the line of text
// before it, and the inline code spans of the text.
struct Readme {
    struct Block {
        QString before;
        QStringList lines;
    };
    QList<Block> blocks;
    QStringList spans;
    QString text;

    explicit Readme(const QString& relative)
    {
        text = QString::fromUtf8(fileBytes(sourcePath(relative)));
        QString lastText;
        bool inBlock = false;
        static const QRegularExpression span(QStringLiteral("`([^`]+)`"));
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QStringLiteral("    "))) {
                if (!inBlock)
                    blocks.append(Block{lastText, {}});
                inBlock = true;
                blocks.last().lines.append(line.mid(4));
                continue;
            }
            inBlock = false;
            if (line.trimmed().isEmpty())
                continue;
            lastText = line;
            for (auto match = span.globalMatch(line); match.hasNext();)
                spans.append(match.next().captured(1));
        }
    }

    // Command lines of the blocks, without comments.
    QStringList commands() const
    {
        QStringList found;
        for (const Block& block : blocks) {
            for (const QString& line : block.lines) {
                const QString command = line.section(QLatin1Char('#'), 0, 0).trimmed();
                if (!command.isEmpty() && !command.startsWith(QStringLiteral("--")))
                    found.append(command);
            }
        }
        return found;
    }
};

// Splits a command line as a shell would for these samples: words, with
// double- or single-quoted words kept whole.
QStringList words(const QString& command)
{
    QStringList result;
    static const QRegularExpression word(QStringLiteral("\"([^\"]*)\"|'([^']*)'|(\\S+)"));
    for (auto match = word.globalMatch(command); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        result.append(m.captured(1) + m.captured(2) + m.captured(3));
    }
    return result;
}

bool isBatchProgram(const QString& word)
{
    return word == QLatin1String("lithoscope-batch") || word.endsWith(QStringLiteral("/lithoscope-batch"));
}

} // namespace

class ReadmeTest : public BatchTest {
protected:
    // Runs a lithoscope-batch command line of a README in a scratch folder:
    // it must succeed and write the files it names.
    void runCommand(const QString& command)
    {
        QStringList arguments = words(command);
        if (arguments.value(0) == QLatin1String("xvfb-run")) {
            if (qEnvironmentVariableIsEmpty("DISPLAY"))
                return; // the suite runs under Xvfb; without it there is nothing to draw on
            arguments.removeFirst();
            while (arguments.value(0).startsWith(QLatin1Char('-')))
                arguments.removeFirst();
        }
        ASSERT_TRUE(isBatchProgram(arguments.value(0))) << command.toStdString();
        arguments.removeFirst();
        const TestSupport::BatchResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << command.toStdString() << "\n" << result.err.toStdString();
        for (int i = 0; i + 1 < arguments.size(); ++i) {
            if (arguments[i] == QLatin1String("--save") || arguments[i] == QLatin1String("--view")) {
                EXPECT_TRUE(QFile::exists(path(arguments[i + 1]))) << command.toStdString();
            }
        }
    }

    static QString labelOfFolder(const QString& folder)
    {
        for (const QString& label : Input::Catalogue::labels())
            if (Batch::OptionParser::slug(label) == folder)
                return label;
        return QString();
    }
};

TEST_F(ReadmeTest, EveryBatchCommandShownRuns)
{
    int ran = 0;
    for (const QString& file : {QStringLiteral("README.md"), QStringLiteral("examples/README.md")}) {
        const Readme readme(file);
        QStringList commands = readme.commands();
        for (const QString& span : readme.spans)
            if (span.startsWith(QStringLiteral("lithoscope-batch ")))
                commands.append(span);
        for (const QString& command : commands) {
            if (!isBatchProgram(words(command).value(0)) && words(command).value(0) != QLatin1String("xvfb-run"))
                continue;
            // A placeholder stands for every entry with an example.
            if (words(command).contains(QStringLiteral("MODEL"))) {
                for (int index = 0; index < Input::Catalogue::size(); ++index) {
                    if (TestSupport::isBuilt(index))
                        runCommand(QString(command).replace(QStringLiteral("MODEL"), QString::number(index)));
                }
            } else {
                runCommand(command);
            }
            ++ran;
        }
    }
    EXPECT_GE(ran, 5);
}

// make runs the suite itself, so its targets are only checked to exist.
TEST_F(ReadmeTest, EveryMakeTargetShownExists)
{
    const QString makefile = QString::fromUtf8(fileBytes(sourcePath(QStringLiteral("Makefile"))));
    int checked = 0;
    for (const QString& file : {QStringLiteral("README.md"), QStringLiteral("examples/README.md")}) {
        const Readme readme(file);
        for (const QString& command : readme.commands() + readme.spans) {
            const QStringList parts = words(command);
            if (parts.value(0) != QLatin1String("make") || parts.size() != 2)
                continue;
            ++checked;
            const QRegularExpression target(QStringLiteral("^%1:").arg(QRegularExpression::escape(parts[1])),
                                            QRegularExpression::MultilineOption);
            EXPECT_TRUE(target.match(makefile).hasMatch()) << command.toStdString();
        }
    }
    EXPECT_GE(checked, 3);
}

// Every option named in the text is one the runner knows.
TEST_F(ReadmeTest, EveryOptionNamedIsKnown)
{
    int named = 0;
    for (const QString& file : {QStringLiteral("README.md"), QStringLiteral("examples/README.md")}) {
        for (const QString& span : Readme(file).spans) {
            if (!span.startsWith(QStringLiteral("--")))
                continue;
            ++named;
            Batch::OptionParser parser(scratch.path());
            parser.parse({words(span).value(0)});
            EXPECT_FALSE(parser.error().contains(QStringLiteral("unknown option")))
                << file.toStdString() << ": " << span.toStdString();
        }
    }
    EXPECT_GE(named, 5);
}

// A recipe shown is the named example's recipe, word for word, and runs.
TEST_F(ReadmeTest, RecipesShownAreTheExamplesOwn)
{
    const Readme readme(QStringLiteral("examples/README.md"));
    int shown = 0;
    for (const Readme::Block& block : readme.blocks) {
        bool recipeLines = true;
        for (const QString& line : block.lines)
            recipeLines = recipeLines && (line.startsWith(QLatin1Char('#')) || line.startsWith(QStringLiteral("--")));
        if (!recipeLines)
            continue;
        ++shown;
        const QRegularExpressionMatch named =
            QRegularExpression(QStringLiteral("`([a-z0-9-]+)/recipe`")).match(block.before);
        ASSERT_TRUE(named.hasMatch()) << block.before.toStdString();
        const QString recipe = TestSupport::examplePath(named.captured(1) + QStringLiteral("/recipe"));
        EXPECT_EQ(QString::fromUtf8(fileBytes(recipe)), block.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        const QString label = labelOfFolder(named.captured(1));
        ASSERT_FALSE(label.isEmpty()) << named.captured(1).toStdString();
        const TestSupport::BatchResult result = run({label, "--recipe", recipe, "--steps", "2", "--quiet"});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    }
    EXPECT_GE(shown, 1);
}

// The entries said to save no picture are exactly those whose Save writes none.
TEST_F(ReadmeTest, PicturesSectionNamesTheModelsWhoseSaveWritesNone)
{
    const Readme readme(QStringLiteral("examples/README.md"));
    const int start = readme.text.indexOf(QStringLiteral("Save writes no picture for"));
    ASSERT_GE(start, 0);
    const QString paragraph = readme.text.mid(start, readme.text.indexOf(QStringLiteral("\n\n"), start) - start);
    QStringList listed;
    static const QRegularExpression span(QStringLiteral("`([a-z0-9-]+)`"));
    for (auto match = span.globalMatch(paragraph); match.hasNext();)
        listed.append(match.next().captured(1));
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!TestSupport::isBuilt(index))
            continue;
        const QString out = path(QStringLiteral("save-%1.png").arg(index));
        const TestSupport::BatchResult result = run({QString::number(index), "--example", "--save", out, "--quiet"});
        const QString label = TestSupport::label(index);
        EXPECT_EQ(result.exitCode, 0) << label.toStdString();
        EXPECT_EQ(QFile::exists(out), !listed.contains(Batch::OptionParser::slug(label))) << label.toStdString();
    }
}

// `python3 make.py` redraws each example's input exactly as it is kept.
TEST_F(ReadmeTest, EveryGeneratorRedrawsItsInput)
{
    ASSERT_TRUE(Readme(QStringLiteral("examples/README.md")).spans.contains(QStringLiteral("python3 make.py")));
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QDir examples(TestSupport::examplePath(QString()));
    ASSERT_TRUE(QFile::copy(examples.filePath(QStringLiteral("pngwriter.py")), path(QStringLiteral("pngwriter.py"))));
    int redrawn = 0;
    for (const QString& folder : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir source(examples.filePath(folder));
        if (!source.exists(QStringLiteral("make.py")))
            continue;
        ASSERT_TRUE(QDir(scratch.path()).mkdir(folder));
        const QDir copy(path(folder));
        ASSERT_TRUE(QFile::copy(source.filePath(QStringLiteral("make.py")), copy.filePath(QStringLiteral("make.py"))));
        QProcess process;
        process.setWorkingDirectory(copy.path());
        process.start(python, {QStringLiteral("make.py")});
        ASSERT_TRUE(process.waitForFinished(60000)) << folder.toStdString();
        ASSERT_EQ(process.exitCode(), 0) << folder.toStdString() << process.readAllStandardError().toStdString();
        for (const QString& made : copy.entryList(QDir::Files)) {
            if (made == QLatin1String("make.py"))
                continue;
            ++redrawn;
            EXPECT_EQ(fileBytes(copy.filePath(made)), fileBytes(source.filePath(made)))
                << (folder + QLatin1Char('/') + made).toStdString();
        }
    }
    EXPECT_GT(redrawn, 0);
}
