#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QDoubleSpinBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThreadPool>

#include "Automata/Interpolation/twodimensionalinterpolation.h"
#include "Automata/Interpolation/variableneighborhoodinterpolation.h"
#include "Input/catalogue.h"
#include "Persistence/interpolationdat.h"
#include "Ui/twodimensionalinterpolationoptionsdialog.h"
#include "testsupport.h"

using namespace Automata::Interpolation;
using Persistence::InterpolationDat;
using Values = std::vector<double>;
using Flags = std::vector<bool>;

namespace {

const int bilinearEntry = 32;
const int variableEntry = 36;

// Runs the grid's step on the given number of workers.
void stepOn(InterpolationGrid& grid, int workers)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int previous = pool->maxThreadCount();
    pool->setMaxThreadCount(workers);
    grid.step();
    pool->setMaxThreadCount(previous);
}

// A pseudo-random field, the same in every run.
Values field(int count)
{
    Values values;
    for (int i = 0; i < count; ++i)
        values.push_back(std::sin(i * 1.7) * 10.0 + i % 5);
    return values;
}

// The options dialog with a DAT file to load.
struct Dialog {
    Ui::TwoDimensionalInterpolationOptionsDialog dialog;
    QTemporaryDir folder;

    template <typename W>
    W* widget(const char* name) { return dialog.findChild<W*>(QString::fromLatin1(name)); }

    // Presses Load answered with the text as a DAT file; the messages shown.
    QStringList load(const QByteArray& text)
    {
        const QString name = folder.filePath(QStringLiteral("points.dat"));
        EXPECT_TRUE(TestSupport::writeFile(name, text));
        TestSupport::ScriptedScope script;
        script->queueOpenFile(name);
        widget<QPushButton>("btnLoad")->click();
        return TestSupport::shown(script->messages());
    }

    // The cells' values and flags rebuilt from the table; the messages shown.
    QStringList rebuild()
    {
        TestSupport::ScriptedScope script;
        dialog.getValues();
        return TestSupport::shown(script->messages());
    }

    void setRow(int row, double x, double y, double value)
    {
        QTableWidget* table = widget<QTableWidget>("tblInitialStates");
        if (row >= table->rowCount())
            widget<QPushButton>("btnAddFixedValue")->click();
        const double numbers[] = {x, y, value};
        for (int column = 0; column < 3; ++column)
            table->item(row, column)->setData(Qt::EditRole, numbers[column]);
    }
};

} // namespace

TEST(BilinearInterpolation, FreeCellsTakeTheMeanOfTheirMirroredEdgeNeighbours)
{
    // One fixed cell keeps its value.
    TwoDimensionalInterpolation one(1, 1, 1.0, {0, 0}, {5.0}, {true});
    one.step();
    EXPECT_EQ(one.getValues()[0], 5.0);
    EXPECT_EQ(one.getDeltaSquared(), 0.0);

    // 3 x 1, ends fixed at 0 and 4: the middle takes (0 + 4 + v + v) / 4 and converges to 2.
    TwoDimensionalInterpolation row(3, 1, 1.0, {0, 0}, {0, 0, 4}, {true, false, true});
    row.step();
    EXPECT_EQ(row.getValues()[1], 1.0);
    EXPECT_EQ(row.getTimeInfo(), " steps  Delta Squared: 1");
    row.step();
    EXPECT_EQ(row.getValues()[1], 1.5);
    for (int i = 0; i < 60; ++i)
        row.step();
    EXPECT_NEAR(row.getValues()[1], 2.0, 1e-12);

    // 3 x 2, all free: every neighbour beyond an edge is the mirrored one.
    const Values v{1, 2, 3, 4, 5, 6}; // (x, y) is v[2x + y]
    TwoDimensionalInterpolation grid(3, 2, 1.0, {0, 0}, v, Flags(6, false));
    grid.step();
    const Values expected{(3 + 3 + 2 + 2) / 4.0, (4 + 4 + 1 + 1) / 4.0, (1 + 5 + 4 + 4) / 4.0,
                          (2 + 6 + 3 + 3) / 4.0, (3 + 3 + 6 + 6) / 4.0, (4 + 4 + 5 + 5) / 4.0};
    EXPECT_EQ(grid.getValues(), expected);
}

TEST(VariableNeighborhoodInterpolation, FreeCellsTakeTheInverseDistanceMeanOfTheCellsInReach)
{
    // nbX 1, nbY 0: left and right count alike; at the left edge only the right one.
    VariableNeighborhoodInterpolation row(3, 1, 1.0, {0, 0}, 1, 0, {2, 4, 10}, Flags(3, false));
    row.step();
    EXPECT_EQ(row.getValues(), (Values{4, 6, 4}));

    // A 0 x 0 rectangle, and a neighbourhood with no cell inside the grid:
    // the free cell keeps its value.
    VariableNeighborhoodInterpolation none(2, 2, 1.0, {0, 0}, 0, 0, {1, 2, 3, 4}, Flags(4, false));
    none.step();
    EXPECT_EQ(none.getValues(), (Values{1, 2, 3, 4}));
    VariableNeighborhoodInterpolation alone(1, 1, 1.0, {0, 0}, 3, 3, {7}, {false});
    alone.step();
    EXPECT_EQ(alone.getValues(), Values{7});

    // Every cell against the weighted sum written out, on a grid large enough
    // to have inner cells and edges; one fixed cell copies its value.
    const int nx = 9, ny = 7, nbX = 2, nbY = 1;
    const Values start = field(nx * ny);
    Flags fixed(nx * ny, false);
    fixed[20] = true;
    VariableNeighborhoodInterpolation grid(nx, ny, 1.0, {0, 0}, nbX, nbY, start, fixed);
    grid.step();
    for (int x = 0; x < nx; ++x) {
        for (int y = 0; y < ny; ++y) {
            double sw = 0, swv = 0;
            for (int dx = -nbX; dx <= nbX; ++dx)
                for (int dy = -nbY; dy <= nbY; ++dy)
                    if ((dx || dy) && x + dx >= 0 && x + dx < nx && y + dy >= 0 && y + dy < ny) {
                        const double w = 1.0 / std::sqrt(dx * dx + dy * dy);
                        sw += w;
                        swv += w * start[(x + dx) * ny + y + dy];
                    }
            const double expected = x * ny + y == 20 ? start[20] : swv / sw;
            EXPECT_NEAR(grid.getValues()[x * ny + y], expected, 1e-12) << x << "," << y;
        }
    }
}

TEST(GridInterpolation, DeltaSquaredIsTheSameOnOneAndTwoWorkers)
{
    const int nx = 301, ny = 57;
    Flags fixed(nx * ny, false);
    for (std::size_t k = 0; k < fixed.size(); k += 97)
        fixed[k] = true;
    std::unique_ptr<InterpolationGrid> pairs[2][2];
    for (auto& pair : pairs) {
        pair[0] = std::make_unique<TwoDimensionalInterpolation>(nx, ny, 1.0, Values{0, 0}, field(nx * ny), fixed);
        pair[1] = std::make_unique<VariableNeighborhoodInterpolation>(nx, ny, 1.0, Values{0, 0}, 2, 2,
                                                                      field(nx * ny), fixed);
    }
    for (int model = 0; model < 2; ++model) {
        for (int s = 0; s < 3; ++s) {
            stepOn(*pairs[0][model], 1);
            stepOn(*pairs[1][model], 2);
        }
        EXPECT_EQ(pairs[0][model]->getDeltaSquared(), pairs[1][model]->getDeltaSquared());
        EXPECT_EQ(pairs[0][model]->getValues(), pairs[1][model]->getValues());
    }
}

TEST(InterpolationDat, RowsColumnsAndTheGridThatHoldsThePoints)
{
    const QByteArray header = "title\n3\nX\nY\nZ\n";
    // A 0.5 grid from (0, 0) to (2, 1), the last row without a line break.
    QByteArray regular = header;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 2; ++j)
            regular += QByteArray::number(i * 0.5) + ' ' + QByteArray::number(j * 0.5) + " 1\n";
    regular.chop(1);
    InterpolationDat::Result read = InterpolationDat::read(regular);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.points.size(), 15u);
    InterpolationDat::Grid grid = InterpolationDat::gridFor(read.points);
    EXPECT_EQ(grid.sizeX, 5);
    EXPECT_EQ(grid.sizeY, 3);
    EXPECT_EQ(grid.baseX, 0.0);
    EXPECT_EQ(grid.spacing, 0.5);

    // Four columns: the fourth is the variable; reading stops at a bad row.
    read = InterpolationDat::read("t\n4\na\nb\nc\nd\n1 2 3 4 extra\n5 6 7 8\n9 x 1 1\n3 3 3 3\n");
    EXPECT_TRUE(read.extraColumns());
    ASSERT_EQ(read.points.size(), 2u);
    EXPECT_EQ(read.points[0].value, 4.0);
    EXPECT_EQ(read.points[1].x, 5.0);

    // Coincident points do not set the spacing; all at one place give one cell of 1.
    read = InterpolationDat::read(header + "1 1 2\n1 1 4\n1 1.25 0\n");
    grid = InterpolationDat::gridFor(read.points);
    EXPECT_EQ(grid.spacing, 0.25);
    EXPECT_EQ(grid.sizeY, 2);
    EXPECT_EQ(grid.fill, 2.0);
    grid = InterpolationDat::gridFor(InterpolationDat::read(header + "3 4 1\n3 4 1\n").points);
    EXPECT_EQ(grid.spacing, 1.0);
    EXPECT_EQ(grid.sizeX, 1);

    // Refusals, also a column count far beyond the file.
    EXPECT_EQ(InterpolationDat::read("t\n2\nX\nY\n1 2\n").error,
              "This automaton requires at least 3 columns: X coordinate, Y coordinate and Variable.");
    EXPECT_EQ(InterpolationDat::read(header).error, "The file contains no data rows.");
    EXPECT_EQ(InterpolationDat::read("t\n999999999\n1 2 3\n").error, "The file contains no data rows.");

    // The smallest distance against every pair.
    std::vector<InterpolationDat::Point> points;
    for (int i = 0; i < 200; ++i)
        points.push_back({std::fmod(i * 7.31, 13.0), std::fmod(i * 3.77, 9.0), 0.0});
    double best = 1e300;
    for (const auto& p : points)
        for (const auto& q : points)
            if (p.x != q.x || p.y != q.y)
                best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
    EXPECT_EQ(InterpolationDat::smallestDistance(points), best);
}

TEST(TwoDimensionalInterpolationDialog, TableRowsBecomeFixedCellsAndDatFilesFillTheDialog)
{
    Dialog d;
    d.widget<QSpinBox>("sbxSizeX")->setValue(3);
    d.widget<QSpinBox>("sbxSizeY")->setValue(2);
    d.setRow(0, 0.2, 0.1, 1.0);
    d.setRow(1, 0.7, 0.9, 5.0); // the same cell: the mean, 3
    d.setRow(2, -0.5, 0.0, 9.0); // left of Base X
    d.setRow(3, 2.5, 1.5, 4123456.5);
    EXPECT_EQ(d.rebuild(), QStringList("(warning) Incoherent values: Problem in values from row 3."));
    EXPECT_EQ(d.dialog.getValues(), (Values{3, 0, 0, 0, 0, 4123456.5}));
    EXPECT_EQ(d.dialog.getFixed(), (Flags{true, false, false, false, false, true}));

    // Through Save the value is written exactly.
    TwoDimensionalInterpolation model(3, 2, 0.5, {-1, 2}, d.dialog.getValues(), d.dialog.getFixed());
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("grid.txt"));
    {
        TestSupport::ScriptedScope script;
        script->queueSaveFile(saved);
        model.save();
    }
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "-1;2;3;\n-1;2.5;0;\n-0.5;2;0;\n-0.5;2.5;0;\n0;2;0;\n0;2.5;4123456.5;\n");

    // A grid of 2/3: the boxes show six decimals, the cells use the exact spacing.
    QByteArray thirds = "t\n3\nX\nY\nZ\n";
    for (int i = 0; i < 4; ++i)
        thirds += QByteArray::number(0.1 + i * 2.0 / 3.0, 'g', 17) + " 0.1 " + (i < 3 ? QByteArray::number(i) : "4123456.5") + "\n";
    EXPECT_EQ(d.load(thirds), QStringList());
    EXPECT_EQ(d.widget<QSpinBox>("sbxSizeX")->value(), 4);
    EXPECT_EQ(d.widget<QDoubleSpinBox>("dbxSpacing")->value(), 0.666667);
    EXPECT_EQ(d.widget<QTableWidget>("tblInitialStates")->item(3, 2)->text(), "4123456.5");
    EXPECT_EQ(d.dialog.getValues(), (Values{0, 1, 2, 4123456.5}));
    EXPECT_EQ(d.dialog.getFixed(), Flags(4, true));
    // A grid of 0.1 cell by cell.
    QByteArray tenths = "t\n3\nX\nY\nZ\n";
    for (int i = 0; i < 10; ++i)
        tenths += "0 " + QByteArray::number(i * 0.1) + ' ' + QByteArray::number(i) + "\n";
    EXPECT_EQ(d.load(tenths), QStringList());
    EXPECT_EQ(d.dialog.getValues(), (Values{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // Four columns inform first; a file without rows leaves the dialog as it was.
    EXPECT_EQ(d.load("t\n4\na\nb\nc\nd\n"),
              QStringList({"Parse Info: This automaton can only use 3 columns: X coordinate, Y coordinate and "
                           "Variable. Input file contains 4 columns. Data will be parsed using column 1 as X, "
                           "column 2 as Y and column 4 as Variable",
                           "(warning) Parse Error: The file contains no data rows."}));
    EXPECT_EQ(d.widget<QTableWidget>("tblInitialStates")->rowCount(), 10);
    EXPECT_EQ(d.widget<QSpinBox>("sbxSizeY")->value(), 10);
}

TEST(GridInterpolationEntries, ExamplesBuildAndCellSpacingZeroIsRefused)
{
    auto bilinear = TestSupport::buildExample<TwoDimensionalInterpolation>(bilinearEntry);
    ASSERT_TRUE(bilinear);
    EXPECT_EQ(bilinear->getSizeX(), 41);
    bilinear->step();
    auto variable = TestSupport::buildExample<VariableNeighborhoodInterpolation>(variableEntry);
    ASSERT_TRUE(variable);
    EXPECT_EQ(variable->getNeighborhoodX(), 3);
    EXPECT_EQ(variable->getNeighborhoodY(), 2);

    TestSupport::ScriptedScope script;
    script->addSetting(QStringLiteral("dbxSpacing"), QStringLiteral("0"));
    EXPECT_FALSE(TestSupport::buildEntry(bilinearEntry));
    EXPECT_EQ(TestSupport::shown(script->messages()),
              QStringList("(warning) Incoherent values: Cell Spacing must not be 0."));
}
