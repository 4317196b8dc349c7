#include "batchfixture.h"

#include <QFile>

#include "Automata/automaton.h"
#include "Input/catalogue.h"
#include "batch/batchrun.h"

namespace {

using Message = Interaction::ScriptedInteraction::Message;

constexpr int SandAutomaton = 0;
constexpr int ProbabilisticSand = 1;
constexpr int Fhp = 4;
constexpr int MultiFhp = 18;
constexpr int Oxidation = 19;
constexpr int AnnealingRule = 29;
constexpr int LinearInterpolation = 30;

// Skips a test while an entry it needs is not in the program.
#define REQUIRE_ENTRY(index)                                                                       \
    do {                                                                                           \
        if (!TestSupport::isBuilt(index))                                                          \
            GTEST_SKIP() << TestSupport::label(index).toStdString() << " is not in the program yet"; \
    } while (false)

// A model that does nothing and notes its own deletion.
class IdleModel : public Automata::Automaton {
public:
    explicit IdleModel(bool* deleted) : deleted(deleted) {}
    ~IdleModel() override { *deleted = true; }
    void step() override {}
    void save() override {}
    void setSaveAll(bool, int) override {}
    Automata::Painter* getPainter() override { return nullptr; }

private:
    bool* deleted;
};

// Runs the catalogue's factory inside a batch run and keeps the messages
// shown while the model was built.
struct RecordedRun {
    int exitCode = -1;
    QList<Message> messages;

    explicit RecordedRun(const Batch::BatchOptions& options)
    {
        exitCode = Batch::BatchRun(options, [this](int index, QWidget* parent) {
                       Automata::Automaton* model = Input::AutomatonFactory(index, parent);
                       messages = static_cast<Interaction::ScriptedInteraction&>(
                                      Interaction::interaction())
                                      .messages();
                       return model;
                   }).execute();
    }
};

Batch::BatchOptions multiFhpOptions(const QString& image, int members, int stepsToAverage)
{
    Batch::BatchOptions options;
    options.modelIndex = MultiFhp;
    options.steps = 1;
    options.quiet = true;
    options.settings = {{QStringLiteral("initialStateLineEdit"), image},
                        {QStringLiteral("automataToRunSpinBox"), QString::number(members)},
                        {QStringLiteral("stepsToAverageSpinBox"), QString::number(stepsToAverage)}};
    return options;
}

} // namespace

TEST_F(BatchTest, NotANumberIsRefusedLikeAnyValueOutsideTheRange)
{
    REQUIRE_ENTRY(Oxidation);
    for (const char* value : {"nan", "NaN", "inf", "-inf"}) {
        const TestSupport::BatchResult result =
            run({QString::number(Oxidation), "--example", "--steps", "1", "--set",
                 QStringLiteral("cellSizeSpinBox=") + QLatin1String(value)});
        EXPECT_EQ(result.exitCode, 2) << value;
        EXPECT_TRUE(result.err.contains(QStringLiteral("cellSizeSpinBox"))) << result.err.toStdString();
        EXPECT_FALSE(result.out.contains(QStringLiteral("Current time"))) << value;
    }
}

// A table the 1D dialog refuses leaves its default of one point, which the
// run must not take for the input.
TEST_F(BatchTest, TablesRefusedWhileTheModelIsBuiltEndTheRunWithTheirMessage)
{
    REQUIRE_ENTRY(LinearInterpolation);
    ASSERT_TRUE(TestSupport::writeFile(path("garbage.csv"), QByteArray("\x89PNG garbage", 12)));
    ASSERT_TRUE(TestSupport::writeFile(path("negative.csv"), "10,-3\n"));
    ASSERT_TRUE(TestSupport::writeFile(path("huge.csv"), "3,1\n0,1e308\n"));
    ASSERT_TRUE(TestSupport::writeFile(path("good.csv"), "3,1\n1,4\n"));
    const QList<QPair<QString, QString>> cases = {
        {"garbage.csv", "Parse Error: Error reading vector size.\n"},
        {"negative.csv", "Parse Error: Invalid number of fixed values -3.\n"},
        {"huge.csv", "Parse Error: Invalid value in line 1: values lie between -1e+100 and 1e+100.\n"},
        {"missing.csv", "File Error: Unable to open selected file!\n"
                        "lithoscope-batch: " + path("missing.csv") + ": no such file\n"},
        {".", "File Error: Unable to open selected file!\n"
              "lithoscope-batch: " + path(".") + ": a folder, not a file\n"},
    };
    for (const auto& c : cases) {
        const TestSupport::BatchResult result =
            run({QString::number(LinearInterpolation), "--set", "btnLoad=click", "--input", c.first});
        EXPECT_EQ(result.exitCode, 3) << c.first.toStdString();
        EXPECT_EQ(result.err, c.second);
        EXPECT_TRUE(result.out.isEmpty()) << c.first.toStdString();
    }
    const TestSupport::BatchResult good = run(
        {QString::number(LinearInterpolation), "--set", "btnLoad=click", "--input", "good.csv", "--quiet"});
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
}

// Information is shown and the run goes on; a warning refuses the input and
// the model built after it is released unrun.
TEST(BatchRefusal, WarningsWhileBuildingRefuseInformationDoesNot)
{
    for (const QMessageBox::Icon icon : {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical}) {
        bool deleted = false;
        Batch::BatchOptions options;
        options.modelIndex = 0;
        options.steps = 2;
        options.quiet = true;
        const int code = Batch::BatchRun(options, [&](int, QWidget*) {
                             Interaction::interaction().message(icon, nullptr, QStringLiteral("Note"),
                                                                QStringLiteral("Something to know."));
                             return new IdleModel(&deleted);
                         }).execute();
        EXPECT_EQ(code, icon == QMessageBox::Information ? Batch::ExitOk : Batch::ExitNoModel) << icon;
        EXPECT_TRUE(deleted) << icon;
    }
}

TEST(BatchRefusal, KeptWarningsAreMatchedByTitleAndTheStartOfTheirText)
{
    const QList<Batch::BatchRun::KeptWarning> kept = {
        {QStringLiteral("Surface"), QStringLiteral("The surface is too large")}};
    auto refuses = [&kept](QMessageBox::Icon icon, const char* title, const char* text) {
        return Batch::BatchRun::refusesInput(Message{icon, QString::fromLatin1(title), QString::fromLatin1(text)},
                                             kept);
    };
    EXPECT_FALSE(refuses(QMessageBox::Warning, "Surface", "The surface is too large: points are drawn."));
    EXPECT_TRUE(refuses(QMessageBox::Warning, "Surface", "Something else."));
    EXPECT_TRUE(refuses(QMessageBox::Warning, "", "The surface is too large: points are drawn."));
    EXPECT_TRUE(refuses(QMessageBox::Critical, "Parse Error", "Too many fixed values."));
    EXPECT_FALSE(refuses(QMessageBox::Information, "Lithoscope", "Not available."));
    EXPECT_FALSE(refuses(QMessageBox::Question, "Are you sure?", "Close?"));
}

// Every lattice model that saves pictures stops at the first picture of a
// series that cannot be written, naming the folder.
TEST_F(BatchTest, SaveAllIntoAMissingFolderStopsAtTheFirstFrame)
{
    int checked = 0;
    for (const int index : {SandAutomaton, ProbabilisticSand, Fhp, AnnealingRule}) {
        if (!TestSupport::isBuilt(index))
            continue;
        ++checked;
        const QString folder = path(QStringLiteral("missing"));
        const TestSupport::BatchResult result =
            run({QString::number(index), "--example", "--steps", "5", "--save-all", "missing/run.png"});
        EXPECT_EQ(result.exitCode, 4) << TestSupport::label(index).toStdString();
        EXPECT_EQ(result.err, QStringLiteral("File Error: Could not write %1/run00000.png: the folder %1 "
                                             "does not exist.\n")
                                  .arg(folder))
            << TestSupport::label(index).toStdString();
        EXPECT_FALSE(result.out.contains(QStringLiteral("Current time"))) << TestSupport::label(index).toStdString();
    }
    if (checked == 0)
        GTEST_SKIP() << "no lattice entry with an example yet";
}

// Unreadable pictures keep the loader's message and add one line naming the
// file and the reason; what the PNG library prints about a broken file goes
// into that line.
TEST_F(BatchTest, UnreadablePicturesAreNamedWithTheirReason)
{
    REQUIRE_ENTRY(Fhp);
    QFile example(TestSupport::examplePath(QStringLiteral("fhp/channel.png")));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    ASSERT_TRUE(TestSupport::writeFile(path("truncated.png"), example.read(40)));
    ASSERT_TRUE(TestSupport::writeFile(path("text.png"), "no picture here\n"));
    const QList<QPair<QString, QString>> cases = {
        {"missing.png", "no such file"},
        {".", "a folder, not a file"},
        {"text.png", "not an image: "},
        {"truncated.png", "corrupt image: "},
    };
    for (const auto& c : cases) {
        const TestSupport::BatchResult result = run({QString::number(Fhp), "--input", c.first});
        EXPECT_EQ(result.exitCode, 3);
        const QStringList err = lines(result.err);
        ASSERT_EQ(err.size(), 2) << result.err.toStdString();
        EXPECT_EQ(err[0], QStringLiteral("Could not open input file!"));
        EXPECT_TRUE(err[1].startsWith(QStringLiteral("lithoscope-batch: %1: %2").arg(path(c.first), c.second)))
            << err[1].toStdString();
    }
    const TestSupport::BatchResult truncated = run({QString::number(Fhp), "--input", "truncated.png"});
    EXPECT_TRUE(lines(truncated.err).value(1).contains(QStringLiteral("(libpng error: "))) << truncated.err.toStdString();
}

TEST_F(BatchTest, DescribeSaysWhatAnEntryAsksFor)
{
    REQUIRE_ENTRY(SandAutomaton);
    const TestSupport::BatchResult withInput = run({QString::number(SandAutomaton), "--example", "--describe"});
    EXPECT_EQ(withInput.exitCode, 0) << withInput.err.toStdString();
    EXPECT_TRUE(withInput.out.isEmpty()) << withInput.out.toStdString();
    EXPECT_EQ(withInput.err, QStringLiteral("lithoscope-batch: note: \"Sand Automaton\" opens no dialog or form\n"));

    const TestSupport::BatchResult withoutInput = run({QString::number(SandAutomaton), "--describe"});
    EXPECT_EQ(withoutInput.exitCode, 3);
    EXPECT_EQ(withoutInput.err, QStringLiteral("Could not open input file!\nlithoscope-batch: no --input for the "
                                               "\"Open Image\" dialog (Image Files (*.png *.jpg *.bmp))\n"));
    // An input given as empty cancels on purpose: nothing is missing.
    const TestSupport::BatchResult cancelled = run({QString::number(SandAutomaton), "--input", ""});
    EXPECT_EQ(cancelled.err, QStringLiteral("Could not open input file!\n"));

    // A picture named in an option dialog's field.
    if (!TestSupport::isBuilt(MultiFhp))
        return;
    const TestSupport::BatchResult unnamed = run({QString::number(MultiFhp), "--describe"});
    EXPECT_EQ(unnamed.exitCode, 3);
    EXPECT_TRUE(unnamed.out.startsWith(QStringLiteral("[Dialog]\n"))) << unnamed.out.toStdString();
    EXPECT_EQ(unnamed.err, QStringLiteral("Could not open input file!\n"
                                          "lithoscope-batch: no picture file was named in the dialog\n"));
}

// An ensemble whose members, or whose averaging arrays, would not fit is
// refused with the size warning before any member exists, also when only the
// picture's header can be read.
TEST(BatchRefusal, MultiFhpCountsEveryMemberAndItsAveragingArrays)
{
    QTemporaryDir dir;
    QImage white(40, 20, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString image = dir.filePath(QStringLiteral("white.png"));
    ASSERT_TRUE(white.save(image));
    const QString sizeWarning = QStringLiteral("A model of 40 x 20 cells needs ");

    // A thousand bytes a site holds one member averaging over ten steps, but
    // neither two hundred members nor two hundred steps to average.
    TestSupport::BudgetScope budget(1000LL * 40 * 20);
    EXPECT_EQ(RecordedRun(multiFhpOptions(image, 1, 10)).exitCode, Batch::ExitOk);
    for (const auto& sizes : {std::make_pair(200, 1), std::make_pair(1, 200)}) {
        const RecordedRun refused(multiFhpOptions(image, sizes.first, sizes.second));
        EXPECT_EQ(refused.exitCode, Batch::ExitNoModel) << sizes.first << " x " << sizes.second;
        ASSERT_EQ(refused.messages.size(), 1);
        EXPECT_EQ(refused.messages[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(refused.messages[0].text.startsWith(sizeWarning)) << refused.messages[0].text.toStdString();
    }

    // A header without pixels: decoding would fail, so the size warning
    // alone shows that nothing was decoded.
    const QString header = dir.filePath(QStringLiteral("header.ppm"));
    ASSERT_TRUE(TestSupport::writeFile(header, "P6\n2000 2000\n255\n"));
    const RecordedRun headerOnly(multiFhpOptions(header, 1, 10));
    EXPECT_EQ(headerOnly.exitCode, Batch::ExitNoModel);
    ASSERT_EQ(headerOnly.messages.size(), 1);
    EXPECT_TRUE(headerOnly.messages[0].text.startsWith(QStringLiteral("A model of 2000 x 2000 cells needs ")))
        << headerOnly.messages[0].text.toStdString();
}

// The plain and the upright loaders refuse a picture from its header too.
TEST(BatchRefusal, LoadersRefuseAPictureFromItsHeaderBeforeDecodingIt)
{
    QTemporaryDir dir;
    const QString header = dir.filePath(QStringLiteral("header.ppm"));
    ASSERT_TRUE(TestSupport::writeFile(header, "P6\n3000 2000\n255\n"));
    TestSupport::BudgetScope budget(1 << 20);
    for (const int index : {0, 29}) {
        Batch::BatchOptions options;
        options.modelIndex = index;
        options.quiet = true;
        options.inputs = QStringList{header};
        const RecordedRun refused(options);
        EXPECT_EQ(refused.exitCode, Batch::ExitNoModel) << index;
        ASSERT_EQ(refused.messages.size(), 1) << index;
        EXPECT_TRUE(refused.messages[0].text.startsWith(QStringLiteral("A model of 3000 x 2000 cells needs ")))
            << refused.messages[0].text.toStdString();
    }
}
