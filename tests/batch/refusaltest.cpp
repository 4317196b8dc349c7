#include "batchfixture.h"

#include "batch/batchrun.h"

namespace {

using Message = Interaction::ScriptedInteraction::Message;

// Runs a batch run in this process, keeping the messages shown while the
// model was built.
struct RecordedRun {
    int exitCode = -1;
    QList<Message> messages;

    RecordedRun(int index, const QStringList& inputs, const QList<Batch::WidgetSetting>& settings = {})
    {
        Batch::BatchOptions options;
        options.modelIndex = index;
        options.inputs = inputs;
        options.settings = settings;
        options.steps = 1;
        options.quiet = true;
        exitCode = Batch::BatchRun(options, [this](int entry, QWidget* parent) {
                       Automata::Automaton* model = Input::AutomatonFactory(entry, parent);
                       messages = static_cast<Interaction::ScriptedInteraction&>(Interaction::interaction()).messages();
                       return model;
                   }).execute();
    }

    // Refused with the size warning alone, so nothing was decoded or built.
    void expectSizeWarning(const QString& extent) const
    {
        EXPECT_EQ(exitCode, Batch::ExitNoModel) << extent.toStdString();
        ASSERT_EQ(messages.size(), 1) << extent.toStdString();
        EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("A model of %1 cells needs ").arg(extent)))
            << messages[0].text.toStdString();
    }
};

QList<Batch::WidgetSetting> multiFhp(const QString& image, int members, int stepsToAverage)
{
    return {{QStringLiteral("initialStateLineEdit"), image},
            {QStringLiteral("automataToRunSpinBox"), QString::number(members)},
            {QStringLiteral("stepsToAverageSpinBox"), QString::number(stepsToAverage)}};
}

} // namespace

TEST_F(BatchTest, NotANumberIsRefusedLikeAnyValueOutsideTheRange)
{
    for (const char* value : {"nan", "-nan", "inf"})
        expectRefused({"2D Oxidation", "--example", "--set", QStringLiteral("cellSizeSpinBox=") + value}, 2,
                      QStringLiteral("cellSizeSpinBox"));
}

// A table the 1D dialog refuses leaves its default of one point, which the
// run must not take for the input: the message shown ends it.
TEST_F(BatchTest, WarningsWhileTheModelIsBuiltRefuseTheInput)
{
    ASSERT_TRUE(TestSupport::writeFile(path("garbage.csv"), QByteArray("\x89PNG\0garbage", 12)));
    ASSERT_TRUE(TestSupport::writeFile(path("negative.csv"), "10,-3\n"));
    ASSERT_TRUE(TestSupport::writeFile(path("good.csv"), "3,1\n1,4\n"));
    const QList<QPair<QString, QString>> cases = {
        {"garbage.csv", "Parse Error: Error reading vector size.\n"},
        {"negative.csv", "Parse Error: Invalid number of fixed values -3.\n"},
        {"missing.csv", "File Error: Unable to open selected file!\nlithoscope-batch: " + path("missing.csv") +
                            ": no such file\n"},
    };
    const QStringList entry{"Linear Interpolation Rule (1D)", "--set", "btnLoad=click", "--input"};
    for (const auto& c : cases)
        EXPECT_EQ(expectRefused(entry + QStringList{c.first}, 3).err, c.second);
    EXPECT_EQ(run(entry + QStringList{"good.csv", "--quiet"}).exitCode, 0);
}

// A message that only informs does not refuse the input; a critical one does.
TEST(BatchRefusal, OnlyWarningsAndErrorsRefuse)
{
    EXPECT_FALSE(Batch::BatchRun::refusesInput(Message{QMessageBox::Information, "Lithoscope", "Not available."}));
    EXPECT_TRUE(Batch::BatchRun::refusesInput(Message{QMessageBox::Critical, "Parse Error", "Too many values."}));
}

// Lattice models stop at the first picture of a series that cannot be
// written, naming the folder.
TEST_F(BatchTest, SaveAllIntoAMissingFolderStopsAtTheFirstFrame)
{
    for (const char* entry : {"Sand Automaton", "Probabilistic Sand Automaton", "FHP", "Annealing Rule"}) {
        const TestSupport::BatchResult result =
            expectRefused({entry, "--example", "--steps", "5", "--save-all", "missing/run.png"}, 4);
        EXPECT_EQ(result.err, QStringLiteral("File Error: Could not write %1/run00000.png: the folder %1 does not "
                                             "exist.\n").arg(path("missing")))
            << entry;
    }
}

// Unreadable pictures keep the loader's message and add one line naming the
// file and the reason; what the PNG library prints about a broken file goes
// into that line.
TEST_F(BatchTest, UnreadablePicturesAreNamedWithTheirReason)
{
    QFile example(TestSupport::examplePath(QStringLiteral("fhp/channel.png")));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    ASSERT_TRUE(TestSupport::writeFile(path("truncated.png"), example.read(40)));
    ASSERT_TRUE(TestSupport::writeFile(path("text.png"), "no picture here\n"));
    const QList<QPair<QString, QString>> cases = {
        {"missing.png", "no such file"},
        {".", "a folder, not a file"},
        {"text.png", "not an image: "},
        {"truncated.png", "corrupt image: Unable to read image data (libpng error: "},
    };
    for (const auto& c : cases) {
        const QStringList err = lines(expectRefused({"FHP", "--input", c.first}, 3).err);
        ASSERT_EQ(err.size(), 2);
        EXPECT_EQ(err[0], QStringLiteral("Could not open input file!"));
        EXPECT_TRUE(err[1].startsWith(QStringLiteral("lithoscope-batch: %1: %2").arg(path(c.first), c.second)))
            << err[1].toStdString();
    }
}

TEST_F(BatchTest, DescribeSaysWhatAnEntryAsksFor)
{
    const TestSupport::BatchResult noDialog = run({"Sand Automaton", "--example", "--describe"});
    EXPECT_EQ(noDialog.out + noDialog.err,
              QStringLiteral("lithoscope-batch: note: \"Sand Automaton\" opens no dialog or form\n"));

    EXPECT_EQ(expectRefused({"Sand Automaton", "--describe"}, 3).err,
              QStringLiteral("Could not open input file!\nlithoscope-batch: no --input for the \"Open Image\" "
                             "dialog (Image Files (*.png *.jpg *.bmp))\n"));
    // A picture named in an option dialog's field.
    EXPECT_EQ(expectRefused({"Multi FHP Automaton", "--describe"}, 3).err,
              QStringLiteral("Could not open input file!\nlithoscope-batch: no picture file was named in the dialog\n"));
}

// A model whose buffers, counted before anything is allocated, would not fit
// is refused with the size warning alone: also an ensemble by its members or
// its averaging arrays, and also a picture whose header is all there is,
// which no decoding gets past.
TEST(BatchRefusal, ModelsBeyondTheBudgetAreRefusedBeforeDecodingOrBuilding)
{
    QTemporaryDir dir;
    QImage white(40, 20, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString image = dir.filePath(QStringLiteral("white.png"));
    ASSERT_TRUE(white.save(image));
    const QString header = dir.filePath(QStringLiteral("header.ppm"));
    ASSERT_TRUE(TestSupport::writeFile(header, "P6\n2000 3000\n255\n"));

    // A thousand bytes a site hold one member averaging over ten steps, but
    // neither two hundred members nor two hundred steps to average.
    TestSupport::BudgetScope budget(1000LL * 40 * 20);
    EXPECT_EQ(RecordedRun(18, {}, multiFhp(image, 1, 10)).exitCode, Batch::ExitOk);
    RecordedRun(18, {}, multiFhp(image, 200, 1)).expectSizeWarning(QStringLiteral("40 x 20"));
    RecordedRun(18, {}, multiFhp(image, 1, 200)).expectSizeWarning(QStringLiteral("40 x 20"));
    RecordedRun(18, {}, multiFhp(header, 1, 1)).expectSizeWarning(QStringLiteral("2000 x 3000"));
    for (const int plainAndUpright : {0, 29})
        RecordedRun(plainAndUpright, {header}).expectSizeWarning(QStringLiteral("2000 x 3000"));
}
