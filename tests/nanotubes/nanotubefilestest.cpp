#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/NanoTubes/combinedetchingoxidation.h"
#include "Automata/NanoTubes/nanotubeanodization.h"
#include "Automata/NanoTubes/nanotubeoxidationautomaton.h"
#include "testsupport.h"

using namespace Automata::NanoTubes;

namespace {

// A 2 x 2 table of each layout, as Save writes it.
QByteArray table(bool field, bool fluorine)
{
    QByteArray text = "Size;2;2;\nTi p;0.8;\nTiOxide p;0.9;\nElectrolyte p;0.1;\nCell dimension;1;\n"
                      "Time step;1;\nBoundary Conditions;1;2;0;0;\nBoundary p;0.6;\n";
    text += fluorine ? "Boundary oxygen concentration;500;\nBoundary fluorine concentration;500;\n"
                     : "Boundary concentration;500;\n";
    text += "Atomic concentration;2000;\nReaction p;0.9;\n";
    if (field)
        text += "Electric field;1000000;\n";
    text += "Steps simulated;4;\n0;0;\n1;2;\n\n5;0;\n0;0;\n\n";
    if (fluorine)
        text += "3;0;\n0;0;\n\n0;0;0;0;\n2000;0;0;7;\n\n";
    else
        text += "0;0;\n2000;0;\n\n";
    return text + "4;2;\n";
}

} // namespace

// Malformed tables are refused at their first bad line, whichever the layout.
TEST(NanotubeFiles, TablesAreReadWholeOrRefusedAtTheirFirstBadLine)
{
    using Reader = ParticleResults::Data (*)(const QByteArray&);
    const struct {
        Reader read;
        bool field, fluorine;
    } layouts[] = {{&NanotubeOxidationAutomaton::readResults, false, false},
                   {&NanotubeAnodization::readResults, true, false},
                   {&CombinedEtchingOxidation::readResults, true, true}};
    for (const auto& layout : layouts) {
        const QByteArray good = table(layout.field, layout.fluorine);
        const ParticleResults::Data read = layout.read(good);
        ASSERT_TRUE(read.ok()) << read.badLine;
        EXPECT_EQ(read.times, std::vector<double>{4.0});
        EXPECT_EQ(layout.read(QByteArray(good).replace("\n", "\r\n")).badLine, 0) << "CRLF lines";
        const int steps = layout.fluorine ? 14 : layout.field ? 13 : 12;
        const int phases = steps + 1;
        const struct {
            QByteArray from, to;
            int line;
        } faults[] = {
            {"Size;2;2;", "Size;0;2;", 1},
            {"Ti p;0.8;", "Ti p;1.5;", 2},
            {"TiOxide p;0.9;", "TiOxide p;0,9;", 3},
            {"Cell dimension;1;", "Cell dimension;0;", 5},
            {"Boundary Conditions;1;2;0;0;", "Boundary Conditions;1;3;0;0;", 7},
            {"Boundary Conditions;1;2;0;0;", "Boundary Conditions;1;2;0;", 7},
            {"Atomic concentration;2000;", "Atomic concentration;2e9;", layout.fluorine ? 11 : 10},
            {"Steps simulated;4;", "Steps;4;", steps},
            // A continued run must still be able to count its steps.
            {"Steps simulated;4;", "Steps simulated;2147483647;", steps},
            {"0;0;\n1;2;\n\n", "0;0;\n1;4;\n\n", phases + 1},
            {"0;0;\n1;2;\n\n", "0;0;\n1;2;\n", phases + 2},
            {"\n5;0;\n", "\n5;0;0;\n", phases + 3},
            {"\n5;0;\n", "\n5;-1;\n", phases + 3},
            {"\n5;0;\n", "\n100000001;0;\n", phases + 3},
            {"4;2;\n", "4;\n", layout.fluorine ? phases + 12 : phases + 9},
        };
        for (const auto& fault : faults) {
            QByteArray bad = good;
            bad.replace(fault.from, fault.to);
            EXPECT_EQ(layout.read(bad).badLine, fault.line) << fault.to.constData();
        }
        EXPECT_EQ(layout.read(good.left(good.indexOf("\n\n"))).badLine, phases + 2) << "cut short";
    }
}

// Loading through the catalogue: an image goes through the dialog, whose
// values are checked; a table continues its run; failures say why.
TEST(NanotubeFiles, LoadersBuildFromImagesAndTablesAndRefuseWithAReason)
{
    QTemporaryDir folder;
    const QString picture = TestSupport::writePicture(folder, {"ww", "gg"}, {{'w', qRgb(255, 255, 255)},
                                                                            {'g', qRgb(128, 128, 128)}});
    for (int entry : {43, 44, 45}) {
        SCOPED_TRACE(entry);
        {
            TestSupport::ScriptedScope script;
            script->queueOpenFile(picture);
            script->addSetting(QStringLiteral("linCellSize"), QStringLiteral("1e-9"));
            script->addSetting(QStringLiteral("linStepDuration"), QStringLiteral("1e-6"));
            EXPECT_TRUE(TestSupport::buildEntry(entry));
            EXPECT_TRUE(script->messages().isEmpty());
        }
        TestSupport::ScriptedScope script;
        script->queueOpenFile(picture);
        EXPECT_FALSE(TestSupport::buildEntry(entry)) << "cell size left empty";
        script->queueOpenFile(picture);
        script->addSetting(QStringLiteral("linCellSize"), QStringLiteral("1"));
        script->addSetting(QStringLiteral("linStepDuration"), QStringLiteral("1"));
        EXPECT_FALSE(TestSupport::buildEntry(entry)) << "5e22 particles a cell";
        script->queueOpenFile(folder.filePath(QStringLiteral("missing.txt")));
        EXPECT_FALSE(TestSupport::buildEntry(entry));
        const QString broken = folder.filePath(QStringLiteral("broken.txt"));
        ASSERT_TRUE(TestSupport::writeFile(broken, table(entry != 43, entry == 45).replace("Ti p", "Ti")));
        script->queueOpenFile(broken);
        EXPECT_FALSE(TestSupport::buildEntry(entry));
        EXPECT_EQ(TestSupport::shown(script->messages()),
                  (QStringList{QStringLiteral("(warning) Invalid parameters: Cell Size must be greater than 0 (m)."),
                               QStringLiteral("(warning) Invalid parameters: %1 must lie between 0 and 100000000 "
                                              "particles per cell (density times Cell Size cubed).")
                                   .arg(entry == 45 ? "Oxygen Boundary Density" : "Boundary Particle Density"),
                               QStringLiteral("(warning) Loader error: The save file could not be opened!"),
                               QStringLiteral("(warning) Loader error: The save file could not be read (line 2)!")}));
        const QString good = folder.filePath(QStringLiteral("good.txt"));
        ASSERT_TRUE(TestSupport::writeFile(good, table(entry != 43, entry == 45)));
        const auto model = TestSupport::buildEntry(entry, good);
        ASSERT_TRUE(model);
        EXPECT_EQ(model->getTime(), 4.0);
    }
}
