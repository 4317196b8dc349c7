#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>
#include <vector>

#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include "Automata/Interpolation/singledimensionlinearinterpolation.h"
#include "Automata/Interpolation/singledimensionnonlinearinterpolation.h"
#include "Automata/painter.h"
#include "Input/catalogue.h"
#include "Ui/doubledelegate.h"
#include "Ui/singledimensioninterpolationinputdialog.h"
#include "testsupport.h"
#include "viewrenderer.h"

using namespace Automata::Interpolation;
using Ui::SingleDimensionInterpolationInputDialog;

namespace {

double sum(const std::vector<double>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0);
}

double spread(const std::vector<double>& v)
{
    const double mean = sum(v) / v.size();
    double s = 0.0;
    for (double x : v)
        s += (x - mean) * (x - mean);
    return s;
}

QString writeFile(QTemporaryDir& folder, const QString& name, const QString& text)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Text);
    QTextStream(&file) << text;
    return path;
}

// Presses Load in the dialog, answering its file dialog with the given file.
QList<Input::ScriptedInteraction::Message> loadCsv(SingleDimensionInterpolationInputDialog& dialog,
                                                   const QString& file)
{
    TestSupport::ScriptedScope script;
    script->queueOpenFile(file);
    dialog.findChild<QPushButton*>(QStringLiteral("btnLoad"))->click();
    return script->messages();
}

} // namespace

TEST(LinearInterpolation, OneStepAveragesTheTwoNeighboursOnTheRing)
{
    SingleDimensionLinearInterpolation model({0.0, 10.0, 0.0, 0.0}, {false, false, false, false});
    model.step();
    EXPECT_EQ(model.getValues(), (std::vector<double>{5.0, 0.0, 5.0, 0.0}));
    EXPECT_DOUBLE_EQ(model.getDeltaSquared(), 25.0 + 100.0 + 25.0);
    EXPECT_EQ(model.getTime(), 1.0);
    EXPECT_EQ(model.getTimeInfo(), " steps Delta Squared = 150");
}

TEST(LinearInterpolation, FixedValuesHoldAndASingleValueNeverChanges)
{
    for (bool fixed : {true, false}) {
        SingleDimensionLinearInterpolation single({3.25}, {fixed});
        single.step();
        EXPECT_EQ(single.getValues()[0], 3.25);
        EXPECT_EQ(single.getDeltaSquared(), 0.0);
        SingleDimensionNonlinearInterpolation cubic({3.25}, {fixed});
        cubic.step();
        EXPECT_EQ(cubic.getValues()[0], 3.25);
    }
    SingleDimensionLinearInterpolation allFixed({1.0, 7.0, -2.0}, {true, true, true});
    allFixed.step();
    EXPECT_EQ(allFixed.getValues(), (std::vector<double>{1.0, 7.0, -2.0}));
    EXPECT_EQ(allFixed.getDeltaSquared(), 0.0);
    EXPECT_EQ(allFixed.getTimeInfo(), " steps Delta Squared = 0");
}

TEST(LinearInterpolation, WithoutFixedValuesTheMeanIsKeptAndTheRingFlattens)
{
    std::vector<double> values(31);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = std::sin(0.7 * i) * 10.0 + static_cast<double>(i % 4);
    SingleDimensionLinearInterpolation model(values, std::vector<bool>(values.size(), false));
    const double total = sum(values);
    double previousSpread = spread(values);
    for (int k = 0; k < 50; ++k) {
        model.step();
        EXPECT_NEAR(sum(model.getValues()), total, 1e-9);
        const double s = spread(model.getValues());
        EXPECT_LE(s, previousSpread + 1e-12);
        previousSpread = s;
    }
    EXPECT_LT(previousSpread, spread(values) / 10.0);
}

TEST(LinearInterpolation, FreeValuesRelaxToStraightLinesBetweenFixedOnes)
{
    // Fixed 0 at site 0 and 10 at site 5 of a ring of 10: the free sites
    // approach 2, 4, 6, 8 on one side and 8, 6, 4, 2 on the other.
    std::vector<double> values(10, 0.0);
    std::vector<bool> fixed(10, false);
    values[5] = 10.0;
    fixed[0] = fixed[5] = true;
    SingleDimensionLinearInterpolation model(values, fixed);
    for (int k = 0; k < 400; ++k)
        model.step();
    const double expected[10] = {0, 2, 4, 6, 8, 10, 8, 6, 4, 2};
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(model.getValues()[static_cast<std::size_t>(i)], expected[i], 1e-6) << i;
    EXPECT_LT(model.getDeltaSquared(), 1e-12);
    EXPECT_EQ(model.getStepCount(), 400);
}

TEST(CubicInterpolation, OneStepUsesTheFourNeighbourEstimate)
{
    SingleDimensionNonlinearInterpolation model({0.0, 0.0, 8.0, 0.0, 0.0},
                                                {false, false, false, false, false});
    model.step();
    // 0.5 (v[i-1] + v[i+1]) + 0.125 (2 v[i] - v[i-2] - v[i+2]), wrapping.
    EXPECT_EQ(model.getValues(), (std::vector<double>{-1.0, 4.0, 2.0, 4.0, -1.0}));
    EXPECT_DOUBLE_EQ(model.getDeltaSquared(), 1.0 + 16.0 + 36.0 + 16.0 + 1.0);
}

TEST(CubicInterpolation, FreeValuesSettleOnASmoothCurveThroughTheFixedOnes)
{
    std::vector<double> values(40, 0.0);
    std::vector<bool> fixed(40, false);
    for (int i : {0, 10, 20, 30}) {
        fixed[static_cast<std::size_t>(i)] = true;
        values[static_cast<std::size_t>(i)] = i == 10 ? 6.0 : i == 30 ? -6.0 : 0.0;
    }
    SingleDimensionNonlinearInterpolation model(values, fixed);
    for (int k = 0; k < 5000; ++k)
        model.step();
    EXPECT_LT(model.getDeltaSquared(), 1e-12);
    EXPECT_EQ(model.getValues()[10], 6.0);
    EXPECT_EQ(model.getValues()[30], -6.0);
    // The curve overshoots no more than a little beyond the fixed peak and
    // passes the zero points with the sign change between them.
    EXPECT_GT(model.getValues()[5], 0.0);
    EXPECT_LT(model.getValues()[25], 0.0);
    for (double v : model.getValues())
        EXPECT_LT(std::fabs(v), 7.0);
}

TEST(LinearInterpolation, AModelDerivedFurtherKeepsItsOwnCellRule)
{
    // A rule that halves every free value, through the step of the base.
    class Halving : public SingleDimensionLinearInterpolation {
    public:
        using SingleDimensionLinearInterpolation::SingleDimensionLinearInterpolation;
        void updateCell(int i) override
        {
            setNext(i, fixed[static_cast<std::size_t>(i)] ? at(i, 0) : at(i, 0) * 0.5);
        }
    };
    Halving model({4.0, 8.0, 2.0}, {false, true, false});
    model.step();
    EXPECT_EQ(model.getValues(), (std::vector<double>{2.0, 8.0, 1.0}));
    EXPECT_DOUBLE_EQ(model.getDeltaSquared(), 4.0 + 1.0);
}

TEST(InterpolationPainter, ExtentIsFiveUnitsPerSiteAndPerValue)
{
    SingleDimensionLinearInterpolation model({1.0, 2.0, 3.0}, {false, true, false});
    EXPECT_EQ(model.getPainter()->getWidth(), 15);
    EXPECT_EQ(model.getPainter()->getHeight(), 500);
}

TEST(InterpolationDialog, StartsWithOneFreeZeroRow)
{
    SingleDimensionInterpolationInputDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("1D Interpolation Input"));
    auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("sbxPointsInLattice"));
    ASSERT_TRUE(spin);
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 9999);
    EXPECT_EQ(spin->value(), 1);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblInitialStates"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Fixed Value"));
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
    EXPECT_EQ(table->item(0, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("0"));
    EXPECT_TRUE(qobject_cast<Ui::DoubleDelegate*>(table->itemDelegate()));
    EXPECT_EQ(dialog.getValues(), std::vector<double>{0.0});
    EXPECT_EQ(dialog.getFixed(), std::vector<bool>{false});
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("btnLoad")));
}

TEST(InterpolationDialog, TheTableFollowsTheCountAndFeedsTheArrays)
{
    SingleDimensionInterpolationInputDialog dialog;
    auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("sbxPointsInLattice"));
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblInitialStates"));
    table->item(0, 1)->setData(Qt::EditRole, 2.5);
    spin->setValue(4);
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(3, 1)->text(), QStringLiteral("0"));
    table->item(2, 1)->setData(Qt::EditRole, -1.25);
    table->item(2, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.getValues(), (std::vector<double>{2.5, 0.0, -1.25, 0.0}));
    EXPECT_EQ(dialog.getFixed(), (std::vector<bool>{false, false, true, false}));
    spin->setValue(2);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(dialog.getValues(), (std::vector<double>{2.5, 0.0}));
}

TEST(InterpolationCsv, ReadsSizeAndFixedValues)
{
    QTemporaryDir folder;
    SingleDimensionInterpolationInputDialog dialog;
    TestSupport::ScriptedScope script;
    script->queueOpenFile(writeFile(folder, QStringLiteral("v.csv"), QStringLiteral("5,2\n0,1.5\n 4 , -2e1\n")));
    dialog.findChild<QPushButton*>(QStringLiteral("btnLoad"))->click();
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Choose File")});
    EXPECT_EQ(script->fileDialogFolders(), QStringList{QDir::homePath()});
    EXPECT_EQ(dialog.getValues(), (std::vector<double>{1.5, 0.0, 0.0, 0.0, -20.0}));
    EXPECT_EQ(dialog.getFixed(), (std::vector<bool>{true, false, false, false, true}));
}

TEST(InterpolationCsv, ErrorsStopReadingWithTheirTexts)
{
    QTemporaryDir folder;
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"x,1\n", "Error reading vector size."},
        {"3", "Error reading vector size."},
        {"3,\n", "Error reading number of fixed values."},
        {"3,5\n0,1\n", "Too many fixed values."},
        {"3,5", "Too many fixed values."},
        {"3,2\n0,1\n", "Error reading fixed value 1."},
        {"3,2\n0,1\n1,abc\n", "Error reading fixed value 1."},
        {"3,1\n3,1\n", "Invalid index in line 1."},
        {"3,2\n0,1\n-1,1\n", "Invalid index in line 2."},
    };
    for (const auto& c : cases) {
        SingleDimensionInterpolationInputDialog dialog;
        const auto messages =
            loadCsv(dialog, writeFile(folder, QStringLiteral("e.csv"), QString::fromLatin1(c.text)));
        ASSERT_EQ(messages.size(), 1) << c.text;
        EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
        EXPECT_EQ(messages[0].title, QStringLiteral("Parse Error")) << c.text;
        EXPECT_EQ(messages[0].text, QString::fromLatin1(c.error)) << c.text;
    }
    // Rows read before the error stay set.
    SingleDimensionInterpolationInputDialog dialog;
    loadCsv(dialog, writeFile(folder, QStringLiteral("p.csv"), QStringLiteral("3,2\n1,4\n7,1\n")));
    EXPECT_EQ(dialog.getValues(), (std::vector<double>{0.0, 4.0, 0.0}));
    EXPECT_EQ(dialog.getFixed(), (std::vector<bool>{false, true, false}));
}

TEST(InterpolationCsv, ASizeBeyondTheTableIsClampedAndItsIndicesChecked)
{
    QTemporaryDir folder;
    SingleDimensionInterpolationInputDialog dialog;
    const auto messages = loadCsv(
        dialog, writeFile(folder, QStringLiteral("big.csv"), QStringLiteral("20000,2\n9998,1\n15000,2\n")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("Invalid index in line 2."));
    ASSERT_EQ(dialog.getValues().size(), 9999u);
    EXPECT_EQ(dialog.getValues()[9998], 1.0);
}

TEST(InterpolationCsv, UnreadableFileAndCancelledDialog)
{
    SingleDimensionInterpolationInputDialog dialog;
    auto messages = loadCsv(dialog, QStringLiteral("/nonexistent/values.csv"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Unable to open selected file!"));
    messages = loadCsv(dialog, QString());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialog.getValues(), std::vector<double>{0.0});
}

TEST(InterpolationCsv, TheSameSizeKeepsRowsTheFileDoesNotList)
{
    QTemporaryDir folder;
    SingleDimensionInterpolationInputDialog dialog;
    auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("sbxPointsInLattice"));
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblInitialStates"));
    spin->setValue(3);
    table->item(1, 1)->setData(Qt::EditRole, 9.0);
    table->item(1, 0)->setCheckState(Qt::Checked);
    loadCsv(dialog, writeFile(folder, QStringLiteral("s.csv"), QStringLiteral("3,1\n2,5\n")));
    EXPECT_EQ(dialog.getValues(), (std::vector<double>{0.0, 9.0, 5.0}));
    EXPECT_EQ(dialog.getFixed(), (std::vector<bool>{false, true, true}));
}

TEST(InterpolationEndToEnd, EntriesBuildFromTheExampleCsv)
{
    for (int index : {30, 31}) {
        const QString slug = index == 30 ? QStringLiteral("linear-interpolation-rule-1d")
                                         : QStringLiteral("cubic-interpolation-rule-1d");
        TestSupport::ScriptedScope script;
        script->addSetting(QStringLiteral("btnLoad"), QStringLiteral("click"));
        script->queueOpenFile(TestSupport::examplePath(slug + QStringLiteral("/values.csv")));
        std::unique_ptr<Automata::Automaton> built(Input::AutomatonFactory(index, nullptr));
        auto* model = dynamic_cast<SingleDimensionLinearInterpolation*>(built.get());
        ASSERT_TRUE(model);
        EXPECT_EQ(dynamic_cast<SingleDimensionNonlinearInterpolation*>(model) != nullptr, index == 31);
        EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("1D Interpolation Input")});
        ASSERT_EQ(model->getValues().size(), 60u);
        EXPECT_EQ(std::count(model->getFixed().begin(), model->getFixed().end(), true), 5);
        EXPECT_EQ(model->getValues()[12], 40.0);
        for (int k = 0; k < 20000; ++k)
            model->step();
        EXPECT_EQ(model->getValues()[12], 40.0);
        EXPECT_EQ(model->getValues()[25], 10.0);
        EXPECT_LT(model->getDeltaSquared(), 1e-6);
        if (index == 30) { // halfway between 0 at site 0 and 40 at site 12
            EXPECT_NEAR(model->getValues()[6], 20.0, 1e-3);
        }
    }
}

TEST(InterpolationEndToEnd, CancellingTheDialogBuildsNothing)
{
    TestSupport::ScriptedScope script;
    script->rejectNextDialog();
    EXPECT_EQ(Input::AutomatonFactory(30, nullptr), nullptr);
}

TEST(InterpolationEndToEnd, BatchRunsBothExamples)
{
    if (!QFile::exists(TestSupport::batchProgram()))
        GTEST_SKIP() << "lithoscope-batch is not built";
    QTemporaryDir folder;
    for (const QString& model : {QStringLiteral("30"), QStringLiteral("Cubic Interpolation Rule (1D)")}) {
        const TestSupport::BatchResult result = TestSupport::runBatch(
            {model, QStringLiteral("--example"), QStringLiteral("--steps"), QStringLiteral("7"),
             QStringLiteral("--quiet")},
            folder.path());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE((result.out + result.err).contains(QStringLiteral("7 steps Delta Squared = ")))
            << result.out.toStdString() << result.err.toStdString();
    }
}

TEST(InterpolationPainter, HeightFollowsTheLargestValueOfTheLastFrame)
{
    SingleDimensionLinearInterpolation model({1.0, 12.5, 3.0, -4.0}, {false, true, false, false});
    QString error;
    // The view centres the drawing by the height the painter reports before
    // painting, so the first frame settles the height and the second shows the curve.
    const QImage first = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 40, 80, &error);
    if (first.isNull())
        GTEST_SKIP() << error.toStdString();
    EXPECT_EQ(model.getPainter()->getHeight(), 62);
    const QImage frame = ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 40, 160);
    EXPECT_EQ(model.getPainter()->getWidth(), 20);
    bool curve = false, fixedMark = false, freeMark = false;
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb c = frame.pixel(x, y) & 0xFFFFFF;
            curve = curve || c == 0x00CC00u;
            fixedMark = fixedMark || c == 0xFFFF00u;
            freeMark = freeMark || c == 0x0000FFu;
        }
    EXPECT_TRUE(curve);
    EXPECT_TRUE(fixedMark);
    EXPECT_TRUE(freeMark);
}
