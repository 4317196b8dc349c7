#include "batchfixture.h"

#include <QFile>

#include "batch/optionparser.h"

namespace {

using namespace TestSupport;

// The example's arguments with its first file dialog cancelled; nothing is run.
QStringList cancelledExample(int index)
{
    const Recipe recipe = exampleRecipe(index);
    QStringList arguments{QString::number(index), QStringLiteral("--steps"), QStringLiteral("0")};
    for (int i = 0; i < recipe.inputs.size(); ++i)
        arguments << QStringLiteral("--input") << (i == 0 ? QString() : recipe.inputs[i]);
    for (const auto& setting : recipe.settings)
        arguments << QStringLiteral("--set") << setting.first + QLatin1Char('=') + setting.second;
    return arguments;
}

QString cancelledOutcome(const BatchResult& result)
{
    const QString shown = result.err.trimmed().replace(QLatin1Char('\n'), QStringLiteral(" / "));
    if (result.exitCode == 0)
        return QStringLiteral("(builds)");
    if (result.exitCode != 3)
        return QStringLiteral("(exit %1) %2").arg(result.exitCode).arg(shown);
    return shown.isEmpty() ? QStringLiteral("(no message)") : shown;
}

} // namespace

// The listing holds exactly the built entries. Numbers are described in the C
// locale whatever the system's is.
TEST_F(BatchTest, EveryBuiltEntryShowsTheListedDialogsAndMessages)
{
    const QMap<QString, QStringList> expected = entryListing();
    const EnvironmentScope german("LC_ALL", "de_DE.UTF-8");
    QStringList listedEntries;
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!isBuilt(index))
            continue;
        SCOPED_TRACE(label(index).toStdString());
        listedEntries.append(label(index));
        const BatchResult described = run({QString::number(index), "--example", "--describe"});
        EXPECT_EQ(described.exitCode, 0) << described.err.toStdString();
        QStringList shown;
        for (const QString& line : lines(described.out))
            shown.append(listed(line));
        shown.append(QStringLiteral("cancelled input: ") + cancelledOutcome(run(cancelledExample(index))));
        EXPECT_EQ(shown, expected.value(label(index)));
    }
    listedEntries.sort();
    EXPECT_EQ(QStringList(expected.keys()), listedEntries);
}

// The entries whose rules draw no random numbers. Every other entry's run must
// depend on --seed, also where the model never seeds the generator itself.
const QStringList deterministicEntries = {
    QStringLiteral("Sand Automaton"),
    QStringLiteral("Si Etch"),
    QStringLiteral("2D Film Deposition"),
    QStringLiteral("3D Film Deposition"),
    QStringLiteral("Octree"),
    QStringLiteral("Atomistic Simulator"),
    QStringLiteral("Simple Atomistic Simulator"),
    QStringLiteral("DRIE Atomistic Simulator"),
    QStringLiteral("Multi-Automata Etcher"),
    QStringLiteral("CVD Binary 2D Automaton"),
    QStringLiteral("Isotropic GA"),
    QStringLiteral("Photolithographic Simulator"),
    QStringLiteral("2D Oxidation"),
    QStringLiteral("2D Oxidation (Deal-Grove)"),
    QStringLiteral("2D Variable Step Oxidation"),
    QStringLiteral("2D Continuos Film Deposition (FTS)"),
    QStringLiteral("2D Continuos Film Deposition (VTS)"),
    QStringLiteral("Isotropic Film Deposition (Envelope)"),
    QStringLiteral("Huygen's Source Film Deposition (Envelope)"),
    QStringLiteral("Simple 3D Film Etch/Deposition"),
    QStringLiteral("Isotropic (Envelope) 3D Film Etch/Deposition"),
    QStringLiteral("Microfabrication automata"),
    QStringLiteral("Annealing Rule"),
    QStringLiteral("Linear Interpolation Rule (1D)"),
    QStringLiteral("Cubic Interpolation Rule (1D)"),
    QStringLiteral("2D Film Height Deposition"),
    QStringLiteral("2D Film Distance Deposition"),
    QStringLiteral("3D Film Distance Deposition"),
    QStringLiteral("Bilinear Interpolation Rule (2D)"),
    QStringLiteral("Variable Rectangular Neighborhood Interpolation"),
    // Its seed vectors are drawn at random but scaled by D / 20 cells, 0 at the defaults.
    QStringLiteral("Ti Nanotubes"),
    QStringLiteral("Anisotropic Huygens Deposition"),
    QStringLiteral("Anisotropic Huygens Deposition 2"),
    QStringLiteral("Anisotropic Huygens Deposition 3D"),
};

// The entries whose random choices show only after many steps: an exposed
// atom of the isotropic etch goes on its 101st hit, so 12 steps remove none.
const QStringList seedShowsLate = {QStringLiteral("Isotropic Atomistic Simulator")};

// The entries whose Save writes what the view shows.
const QStringList savesTheView = {QStringLiteral("Atomistic Simulator")};

// The entries whose rules give each worker a random engine of its own over
// its own range of cells: their runs repeat for a seed and a worker count.
const QStringList workerDependentEntries = {
    QStringLiteral("Ti Oxidation"),
    QStringLiteral("Ti Anodization"),
    QStringLiteral("Ti Oxidation and Etching"),
};

// Each built entry's example runs and saves its state or, for models whose
// Save writes nothing, says so (examples/README.md names those, in one paragraph); while Save All is on, every step writes one
// picture. The state, or else the view, is the same with one worker or
// several, and for one seed; another seed changes it unless the entry is
// deterministic.
TEST_F(BatchTest, EveryBuiltExampleRunsTheSameWithOneWorkerOrManyAndDependsOnTheSeed)
{
    const struct {
        const char *seed, *threads;
    } runs[] = {{"7", "1"}, {"7", "4"}, {"8", "1"}};
    QFile readme(examplePath(QStringLiteral("README.md")));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const int start = text.indexOf(QStringLiteral("Save writes no picture for"));
    ASSERT_GE(start, 0);
    const QString noPicture = text.mid(start, text.indexOf(QStringLiteral("\n\n"), start) - start);
    const int tableStart = text.indexOf(QStringLiteral("Save writes a result table"));
    ASSERT_GE(tableStart, 0);
    const QString resultTables = text.mid(tableStart, text.indexOf(QStringLiteral("\n\n"), tableStart) - tableStart);
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!isBuilt(index))
            continue;
        SCOPED_TRACE(label(index).toStdString());
        // Enough steps for an ensemble to average once, unless the recipe
        // acts on a form after its last one or the seed shows late.
        const Recipe recipe = exampleRecipe(index);
        const int steps = recipe.actsOnForms || seedShowsLate.contains(label(index)) ? recipe.steps : 12;
        const QStringList example{QString::number(index), "--example", "--quiet", "--steps", QString::number(steps)};
        const QString frame = QStringLiteral("-%1.png");
        bool viewed = false;
        QStringList outputs;
        for (const auto& r : runs) {
            const QStringList arguments = example + QStringList{"--seed", r.seed, "--threads", r.threads};
            const QString name = path(QStringLiteral("%1-%2-%3").arg(index).arg(r.seed).arg(r.threads));
            outputs.append(name + QStringLiteral(".png"));
            if (!viewed) {
                const BatchResult result =
                    run(arguments + QStringList{"--save", outputs.last(), "--save-all", name + "-.png"});
                ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
                EXPECT_TRUE(result.out.contains(QStringLiteral("Current time: ")));
                for (const QString& line : lines(result.err))
                    EXPECT_TRUE(line.startsWith(QStringLiteral("lithoscope-batch: note: "))) << line.toStdString();
                const bool saved = QFile::exists(outputs.last());
                EXPECT_NE(saved, noPicture.contains(QLatin1Char('`') + Batch::OptionParser::slug(label(index)) +
                                                    QLatin1Char('`')));
                if (saved) {
                    // A model that saves a result table has no series of pictures; a
                    // series of the view starts with the second step, once it has its name.
                    const bool table = resultTables.contains(QLatin1Char('`') + Batch::OptionParser::slug(label(index)) +
                                                             QLatin1Char('`'));
                    const int last = savesTheView.contains(label(index)) ? steps - 2 : steps - 1;
                    EXPECT_NE(QFile::exists(name + frame.arg(last, 5, 10, QLatin1Char('0'))), table);
                    EXPECT_FALSE(QFile::exists(name + frame.arg(last + 1, 5, 10, QLatin1Char('0'))));
                    continue;
                }
                // Save writes nothing: the view is compared instead, which needs a display.
                EXPECT_TRUE(result.err.contains(QStringLiteral("note:")));
                if (qEnvironmentVariableIsEmpty("DISPLAY"))
                    break;
                viewed = true;
            }
            const BatchResult view = run(arguments + QStringList{"--view", outputs.last(), "--view-size", "160x120"});
            EXPECT_EQ(view.exitCode, 0) << view.err.toStdString();
        }
        if (outputs.size() < 3 || !QFile::exists(outputs[0]))
            continue;
        if (!workerDependentEntries.contains(label(index))) {
            EXPECT_TRUE(sameFile(outputs[0], outputs[1])) << "one worker or four";
        }
        EXPECT_EQ(sameFile(outputs[0], outputs[2]), deterministicEntries.contains(label(index))) << "seed 7 or 8";
    }
}
