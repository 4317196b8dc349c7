#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "Automata/Interpolation/annealingrulemooreneighborhood.h"
#include "Automata/Interpolation/singledimensionlinearinterpolation.h"
#include "Automata/Interpolation/singledimensionnonlinearinterpolation.h"
#include "Automata/painter.h"
#include "Persistence/interpolationcsv.h"
#include "Ui/doubledelegate.h"
#include "Ui/singledimensioninterpolationinputdialog.h"
#include "testsupport.h"
#include "viewrenderer.h"

using namespace Automata::Interpolation;
using Ui::SingleDimensionInterpolationInputDialog;
using Text = std::vector<std::string>;
using Values = std::vector<double>;
using Flags = std::vector<bool>;

namespace {

// A lattice from text rows, row y = 0 first: '#' true, '.' false.
std::unique_ptr<AnnealingRuleMooreNeighborhood> build(const Text& rows)
{
    const int height = static_cast<int>(rows.size()), width = static_cast<int>(rows[0].size());
    std::unique_ptr<bool[]> cells(new bool[static_cast<std::size_t>(width * height)]);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            cells[x * height + y] = rows[y][x] == '#';
    return std::make_unique<AnnealingRuleMooreNeighborhood>(width, height, cells.get());
}

bool at(AnnealingRuleMooreNeighborhood& model, int x, int y)
{
    return model.getCells()[x * model.getHeight() + y];
}

std::vector<float> colour(AnnealingRuleMooreNeighborhood& model, int x, int y)
{
    const float* c = model.getColor(model.getCells()[x * model.getHeight() + y]);
    return std::vector<float>(c, c + 3);
}

// A dialog with its spin box and table.
struct Dialog {
    SingleDimensionInterpolationInputDialog dialog;
    QSpinBox* spin = dialog.findChild<QSpinBox*>(QStringLiteral("sbxPointsInLattice"));
    QTableWidget* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblInitialStates"));
    QTemporaryDir folder;
    QStringList asked; // the file dialog's caption and start folder

    QString write(const QString& csv)
    {
        const QString name = folder.filePath(QStringLiteral("v.csv"));
        EXPECT_TRUE(TestSupport::writeFile(name, csv.toUtf8()));
        return name;
    }

    // Presses Load, answering the file dialog with the file (empty: cancel);
    // returns the messages shown.
    QStringList open(const QString& file)
    {
        TestSupport::ScriptedScope script;
        script->queueOpenFile(file);
        dialog.findChild<QPushButton*>(QStringLiteral("btnLoad"))->click();
        asked = script->fileDialogCaptions() + script->fileDialogFolders();
        return TestSupport::shown(script->messages());
    }
};

} // namespace

TEST(Annealing, OnlyBlackIsTrueAndTheTwistedMajorityRuleRunsOnTheTorus)
{
    EXPECT_TRUE(AnnealingRuleMooreNeighborhood::convertColor(0, 0, 0));
    EXPECT_FALSE(AnnealingRuleMooreNeighborhood::convertColor(0, 0, 1));
    EXPECT_FALSE(AnnealingRuleMooreNeighborhood::convertColor(255, 255, 255));
    const bool table[10] = {false, false, false, false, true, false, true, true, true, true};
    for (int s = 0; s <= 9; ++s)
        EXPECT_EQ(AnnealingRuleMooreNeighborhood::nextValue(s), table[s]) << s;
    // One cell after one step; without the twist "five" would stay true, and
    // without the wrap the edge and corner cells would die.
    const struct {
        Text rows;
        int x, y;
        bool expected;
    } cases[] = {
        {{".....", ".....", "..#..", ".....", "....."}, 2, 2, false},                  // isolated
        {{".......", "..##...", "..##...", "......."}, 3, 2, true},                    // four
        {{".......", "..###..", "..##...", "......."}, 3, 2, false},                   // five
        {{"......", "#.....", "#....#", "#.....", "......", "......"}, 0, 2, true},    // left edge
        {{"..###.", "......", "......", "......", "......", "...#.."}, 3, 0, true},    // top edge
        {{"#....#", "......", "......", "......", "......", "#....#"}, 0, 0, true},    // corners
        {{"#....#", "......", "......", "......", "......", "#....#"}, 5, 5, true},
    };
    for (const auto& c : cases) {
        auto model = build(c.rows);
        model->step();
        EXPECT_EQ(at(*model, c.x, c.y), c.expected) << c.x << "," << c.y << " of " << c.rows[0];
    }
}

TEST(Annealing, CellsAreColouredByCurrentAndInitialValueInEveryPassAndSavedInBlackAndWhite)
{
    // After one step (1, 1) has died, (2, 1) stays true, (2, 2) has become
    // true and (6, 6) stays false.
    auto model = build({"........", ".###....", ".#......", "........", "........", "........", "........", "........"});
    model->step();
    auto other = build({"#####", "#####"});
    const std::vector<float> died{0.5f, 0.0f, 0.0f}, stayed{0.75f, 0.0f, 0.0f}, became{1.0f, 0.0f, 0.0f};
    for (int pass = 0; pass < 2; ++pass) {
        // Colouring a second model in between disturbs nothing.
        for (int x = 0; x < 5; ++x)
            colour(*other, x, 0);
        EXPECT_EQ(colour(*model, 1, 1), died);
        EXPECT_EQ(colour(*model, 2, 1), stayed);
        EXPECT_EQ(colour(*model, 2, 2), became);
        EXPECT_EQ(colour(*model, 6, 6), (std::vector<float>{1.0f, 1.0f, 1.0f}));
    }
    const QImage image = TestSupport::savedPicture(*model);
    ASSERT_EQ(image.size(), QSize(8, 8));
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(6, 6) & 0xFFFFFF, 0xFFFFFFu);
    // The generic painter hands the model its lattice's own cells, draws
    // lattice row 0 at the bottom of the frame, the same in every frame; the
    // reds within the frame buffer's rounding.
    QString error;
    const QImage frame = ViewRenderer::renderOffscreen(model->getPainter(), ViewCamera(), 8, 8, &error);
    if (frame.isNull())
        GTEST_SKIP() << error.toStdString();
    for (const auto& red : {std::make_pair(QPoint(1, 6), 127.5), std::make_pair(QPoint(2, 6), 191.25),
                            std::make_pair(QPoint(2, 5), 255.0)}) {
        EXPECT_NEAR(qRed(frame.pixel(red.first)), red.second, 1);
        EXPECT_EQ(frame.pixel(red.first) & 0xFFFF, 0u);
    }
    EXPECT_EQ(frame.pixel(6, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(ViewRenderer::renderOffscreen(model->getPainter(), ViewCamera(), 8, 8), frame);
}

TEST(Interpolation, OneStepOfEachRuleOnTheRing)
{
    // Value 2 is fixed.
    SingleDimensionLinearInterpolation linear({0.0, 10.0, 0.0, 0.0}, {false, false, true, false});
    linear.step();
    EXPECT_EQ(linear.getValues(), (Values{5.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(linear.getTime(), 1.0);
    EXPECT_EQ(linear.getTimeInfo(), " steps Delta Squared = 125");
    // 0.5 (v[i-1] + v[i+1]) + 0.125 (2 v[i] - v[i-2] - v[i+2]), wrapping.
    SingleDimensionNonlinearInterpolation cubic({0.0, 0.0, 8.0, 0.0, 0.0}, Flags(5, false));
    cubic.step();
    EXPECT_EQ(cubic.getValues(), (Values{-1.0, 4.0, 2.0, 4.0, -1.0}));
    EXPECT_DOUBLE_EQ(cubic.getDeltaSquared(), 1.0 + 16.0 + 36.0 + 16.0 + 1.0);
}

TEST(Interpolation, ASingleValueNeverChangesFixedOrNot)
{
    for (bool fixed : {true, false}) {
        SingleDimensionLinearInterpolation linear({3.25}, {fixed});
        SingleDimensionNonlinearInterpolation cubic({3.25}, {fixed});
        linear.step();
        cubic.step();
        EXPECT_EQ(linear.getValues(), Values{3.25});
        EXPECT_EQ(cubic.getValues(), Values{3.25});
        EXPECT_EQ(linear.getDeltaSquared(), 0.0);
    }
}

TEST(InterpolationPainter, FiveUnitsPerSiteAndPerValueUpToTheLargestValueDrawn)
{
    SingleDimensionLinearInterpolation model({1.0, 12.5, 3.0, -4.0}, {false, true, false, false});
    EXPECT_EQ(model.getPainter()->getWidth(), 20);
    EXPECT_EQ(model.getPainter()->getHeight(), 500);
    QString error;
    // The view centres the drawing by the height the painter reports before
    // painting, so a frame drawn settles the height.
    if (ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 40, 80, &error).isNull())
        GTEST_SKIP() << error.toStdString();
    EXPECT_EQ(model.getPainter()->getHeight(), 62);
    // The largest values a table may hold still give a height the view can centre.
    SingleDimensionLinearInterpolation largest({0.0, 1e100, 0.0}, {false, true, false});
    ASSERT_FALSE(ViewRenderer::renderOffscreen(largest.getPainter(), ViewCamera(), 40, 80, &error).isNull());
    EXPECT_EQ(largest.getPainter()->getHeight(), std::numeric_limits<int>::max());
}

TEST(InterpolationDialog, OneFreeZeroRowAtFirstAndTheTableFollowsTheCount)
{
    Dialog d;
    ASSERT_TRUE(d.spin && d.table);
    EXPECT_EQ(d.table->horizontalHeaderItem(0)->text() + "|" + d.table->horizontalHeaderItem(1)->text(), "Fixed Value|Value");
    EXPECT_TRUE(qobject_cast<Ui::DoubleDelegate*>(d.table->itemDelegate()));
    EXPECT_EQ(d.table->rowCount(), 1);
    EXPECT_EQ(d.table->item(0, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(d.table->item(0, 1)->text(), QStringLiteral("0"));
    EXPECT_EQ(d.dialog.getValues(), Values{0.0});
    EXPECT_EQ(d.dialog.getFixed(), Flags{false});
    d.table->item(0, 1)->setData(Qt::EditRole, 2.5);
    d.spin->setValue(4);
    ASSERT_EQ(d.table->rowCount(), 4);
    d.table->item(2, 1)->setData(Qt::EditRole, -1.25);
    d.table->item(2, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(d.dialog.getValues(), (Values{2.5, 0.0, -1.25, 0.0}));
    EXPECT_EQ(d.dialog.getFixed(), (Flags{false, false, true, false}));
}

// Any run of white space and other characters separates numbers.
TEST(InterpolationCsv, ReadsSizeAndFixedValuesAndKeepsRowsTheFileDoesNotList)
{
    Dialog d;
    EXPECT_TRUE(d.open(d.write(QStringLiteral("  5 ; 2\r\n0,1.5\n\n 4 x -2e1"))).isEmpty());
    EXPECT_EQ(d.asked, (QStringList{QStringLiteral("Choose File"), QDir::homePath()}));
    EXPECT_EQ(d.dialog.getValues(), (Values{1.5, 0.0, 0.0, 0.0, -20.0}));
    EXPECT_EQ(d.dialog.getFixed(), (Flags{true, false, false, false, true}));
    // The same size again: the table is not reset.
    d.table->item(1, 1)->setData(Qt::EditRole, 9.0);
    d.open(d.write(QStringLiteral("5,1\n2,5\n")));
    EXPECT_EQ(d.dialog.getValues(), (Values{1.5, 9.0, 5.0, 0.0, -20.0}));
    EXPECT_EQ(d.dialog.getFixed(), (Flags{true, false, true, false, true}));
}

// Values the model cannot use are refused like the malformed ones, each with
// its text and the line of the text it stands on, and nothing of the table.
TEST(InterpolationCsv, ErrorsNameTheirLine)
{
    const struct {
        const char* text;
        const char* error;
        int line;
    } cases[] = {
        {"\n\nx,1\n", "Error reading vector size.", 3},
        {"3", "Error reading vector size.", 1},
        {"3,\n", "Error reading number of fixed values.", 1},
        {"0,0\n", "Invalid vector size 0: the lattice holds 1 to 9999 points.", 1},
        {"2147483647,1\n0,1\n", "Invalid vector size 2147483647: the lattice holds 1 to 9999 points.", 1},
        {"10,-3\n", "Invalid number of fixed values -3.", 1},
        {"3,5\n0,1\n", "Too many fixed values.", 1},
        {"3,5", "Too many fixed values.", 1},
        {"3,2\n0,1\n\n2,\n", "Error reading fixed value 1.", 4},
        {"3,2\n0,1\n1,abc\n", "Error reading fixed value 1.", 3},
        {"3,1\n0,1e999\n", "Error reading fixed value 0.", 2},
        {"3,1\n3,1\n", "Invalid index in line 1.", 2},
        {"3,2\n0,1\n-1,1\n", "Invalid index in line 2.", 3},
        {"3,2\n0,1\n1,-2e100\n", "Invalid value in line 2: values lie between -1e+100 and 1e+100.", 3},
    };
    for (const auto& c : cases) {
        const Persistence::InterpolationCsv::Result result = Persistence::InterpolationCsv::read(QByteArray(c.text));
        EXPECT_EQ(result.error, QString::fromLatin1(c.error)) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_TRUE(result.table.fixedValues.empty()) << c.text;
    }
    // The limits themselves are accepted.
    EXPECT_TRUE(Persistence::InterpolationCsv::read("9999,1\n9998,-1e100\n").ok());
}

// A refused file leaves the dialog's table as it was, also where records
// before the error were good; an unreadable file or a cancelled file dialog
// changes nothing either.
TEST(InterpolationCsv, RefusedFilesLeaveTheTableAsItWas)
{
    Dialog d;
    ASSERT_TRUE(d.open(d.write(QStringLiteral("4,2\n1,2.5\n3,-1\n"))).isEmpty());
    const Values values = d.dialog.getValues();
    const Flags fixed = d.dialog.getFixed();
    const std::pair<QString, QString> cases[] = {
        {d.write(QStringLiteral("6,2\n0,7\n1,1e308\n")),
         QStringLiteral("(warning) Parse Error: Invalid value in line 2: values lie between -1e+100 and 1e+100.")},
        {QStringLiteral("/nonexistent/values.csv"), QStringLiteral("(warning) File Error: Unable to open selected file!")},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(d.open(c.first).join(QString()), c.second);
        EXPECT_EQ(d.dialog.getValues(), values) << c.second.toStdString();
        EXPECT_EQ(d.dialog.getFixed(), fixed) << c.second.toStdString();
        EXPECT_EQ(d.table->rowCount(), 4);
    }
}

TEST(InterpolationEntries, BothBuildFromTheExampleCsvOrNothingOnCancel)
{
    for (int index : {30, 31}) {
        const auto model = TestSupport::buildExample<SingleDimensionLinearInterpolation>(index);
        ASSERT_TRUE(model);
        EXPECT_EQ(dynamic_cast<SingleDimensionNonlinearInterpolation*>(model.get()) != nullptr, index == 31);
        ASSERT_EQ(model->getValues().size(), 60u);
        EXPECT_EQ(std::count(model->getFixed().begin(), model->getFixed().end(), true), 5);
        EXPECT_TRUE(model->getFixed()[12] && model->getValues()[12] == 40.0);
        TestSupport::ScriptedScope cancelling;
        cancelling->rejectNextDialog();
        EXPECT_EQ(Input::AutomatonFactory(index, nullptr), nullptr);
    }
}
