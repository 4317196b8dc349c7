#include <gtest/gtest.h>

#include <limits>

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "Automata/Interpolation/singledimensionlinearinterpolation.h"
#include "Persistence/interpolationcsv.h"
#include "Ui/singledimensioninterpolationinputdialog.h"
#include "testsupport.h"
#include "viewrenderer.h"

using Persistence::InterpolationCsv;

namespace {

InterpolationCsv::Result read(const char* text)
{
    return InterpolationCsv::read(QByteArray(text));
}

} // namespace

TEST(InterpolationCsvRead, ReadsTheWholeTableWithWhiteSpaceAndOtherSeparators)
{
    const InterpolationCsv::Result result = read("  6 ; 2\r\n0,1.5\n\n 5 x -2e1");
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.table.size, 6);
    ASSERT_EQ(result.table.fixedValues.size(), 2u);
    EXPECT_TRUE(result.table.fixedValues[0].index == 0 && result.table.fixedValues[0].value == 1.5);
    EXPECT_TRUE(result.table.fixedValues[1].index == 5 && result.table.fixedValues[1].value == -20.0);
    // The limits themselves are accepted.
    EXPECT_TRUE(read("9999,1\n9998,-1e100\n").ok());
}

// Values the model cannot use are refused like the malformed ones, each with
// its text and the line of the text it stands on.
TEST(InterpolationCsvRead, ErrorsNameTheirLine)
{
    const struct {
        const char* text;
        const char* error;
        int line;
    } cases[] = {
        {"\n\nx,1\n", "Error reading vector size.", 3},
        {"0,0\n", "Invalid vector size 0: the lattice holds 1 to 9999 points.", 1},
        {"2147483647,1\n0,1\n", "Invalid vector size 2147483647: the lattice holds 1 to 9999 points.", 1},
        {"10,-3\n", "Invalid number of fixed values -3.", 1},
        {"3,2\n0,1\n\n2,\n", "Error reading fixed value 1.", 4},
        {"3,2\n0,1\n3,1\n", "Invalid index in line 2.", 3},
        {"3,2\n0,1\n1,-2e100\n", "Invalid value in line 2: values lie between -1e+100 and 1e+100.", 3},
        {"3,1\n0,1e999\n", "Error reading fixed value 0.", 2},
    };
    for (const auto& c : cases) {
        const InterpolationCsv::Result result = read(c.text);
        EXPECT_EQ(result.error, QString::fromLatin1(c.error)) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_TRUE(result.table.fixedValues.empty()) << c.text;
    }
}

// A file with an error leaves the dialog's table exactly as it was, also
// where records before the error were good.
TEST(InterpolationCsvRead, DialogKeepsItsTableWhenAFileIsRefused)
{
    Ui::SingleDimensionInterpolationInputDialog dialog;
    QTemporaryDir folder;
    auto load = [&](const char* text) {
        const QString name = folder.filePath(QStringLiteral("values.csv"));
        EXPECT_TRUE(TestSupport::writeFile(name, text));
        TestSupport::ScriptedScope script;
        script->queueOpenFile(name);
        dialog.findChild<QPushButton*>(QStringLiteral("btnLoad"))->click();
        return script->messages();
    };
    ASSERT_TRUE(load("4,2\n1,2.5\n3,-1\n").isEmpty());
    const std::vector<double> values = dialog.getValues();
    const std::vector<bool> fixed = dialog.getFixed();

    for (const char* refused : {"2147483647,1\n0,1\n", "6,2\n0,7\n1,1e308\n"}) {
        const auto messages = load(refused);
        ASSERT_EQ(messages.size(), 1) << refused;
        EXPECT_EQ(messages[0].title, QStringLiteral("Parse Error")) << refused;
        EXPECT_EQ(dialog.getValues(), values) << refused;
        EXPECT_EQ(dialog.getFixed(), fixed) << refused;
        EXPECT_EQ(dialog.findChild<QTableWidget*>()->rowCount(), 4) << refused;
    }
}

// The largest values a table may hold draw at a height the view can centre.
TEST(InterpolationCsvRead, LargestValuesAcceptedGiveAHeightThatFitsAnInt)
{
    const InterpolationCsv::Result result = read("3,1\n1,1e100\n");
    ASSERT_TRUE(result.ok());
    std::vector<double> values(3, 0.0);
    std::vector<bool> fixed(3, false);
    values[1] = result.table.fixedValues[0].value;
    fixed[1] = true;
    Automata::Interpolation::SingleDimensionLinearInterpolation model(values, fixed);
    QString error;
    if (ViewRenderer::renderOffscreen(model.getPainter(), ViewCamera(), 40, 80, &error).isNull())
        GTEST_SKIP() << error.toStdString();
    EXPECT_EQ(model.getPainter()->getHeight(), std::numeric_limits<int>::max());
}
