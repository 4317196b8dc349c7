#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "Persistence/resultswriter.h"
#include "testsupport.h"

namespace {

QString readAll(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

// Numbers do not follow a comma locale, and read back exactly.
TEST(ResultsWriter, WritesValuesEachFollowedBySeparatorInTheCLocale)
{
    TestSupport::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("table.txt"));
    script->queueSaveFile(name);
    Persistence::ResultsWriter writer;
    ASSERT_TRUE(writer.openSingle());
    writer.write(QStringLiteral("Size"));
    writer.write(qint32(-7));
    writer.write(quint32(4000000000u));
    writer.endLine();
    writer.write(0.9);
    writer.write(2000.0);
    writer.write(1e-7);
    writer.write(1234.5);
    writer.write(4123456.5);
    writer.write(0.1 + 0.2);
    writer.endLine();
    writer.close();
    EXPECT_EQ(readAll(name), QStringLiteral("Size;-7;4000000000;\n0.9;2000;1e-07;1234.5;4123456.5;0.30000000000000004;\n"));
    EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Save results")});
}

TEST(ResultsWriter, SeriesCountFromOneWithSixDigitsAfterTheNamesExtensionOrTxt)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    script->queueSaveFile(dir.filePath(QStringLiteral("base.dat")));
    Persistence::ResultsWriter writer;
    ASSERT_TRUE(writer.openNext());
    EXPECT_EQ(writer.currentFileName(), dir.filePath(QStringLiteral("base000001.dat")));
    writer.write(1.5);
    ASSERT_TRUE(writer.openNext());
    EXPECT_EQ(writer.currentFileName(), dir.filePath(QStringLiteral("base000002.dat")));
    writer.close();
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("base000001.dat"))), QStringLiteral("1.5;"));
    EXPECT_EQ(script->fileDialogCaptions().size(), 1);

    // A name without a dot gets .txt, also when a folder's name has one.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("run.d")));
    for (const char* name : {"series", "run.d/table"}) {
        script->queueSaveFile(dir.filePath(QString::fromLatin1(name)));
        Persistence::ResultsWriter plain;
        ASSERT_TRUE(plain.askSeriesName());
        ASSERT_TRUE(plain.openNext());
        EXPECT_EQ(plain.currentFileName(), dir.filePath(QString::fromLatin1(name) + QStringLiteral("000001.txt")));
    }
}

TEST(ResultsWriter, FailuresShowFileErrorAndLeaveTheWriterClosed)
{
    TestSupport::ScriptedScope script;
    Persistence::ResultsWriter writer;
    EXPECT_FALSE(writer.openSingle()); // cancelled
    script->queueSaveFile(QStringLiteral("/nonexistent-folder/x/out.txt"));
    EXPECT_FALSE(writer.openSingle());
    EXPECT_FALSE(writer.isOpen());
    writer.write(1.0); // writing to a closed writer does nothing
    writer.endLine();
    EXPECT_EQ(TestSupport::shown(script->messages()),
              (QStringList{QStringLiteral("(warning) File Error: Unable to create/overwrite selected file!"),
                           QStringLiteral("(warning) File Error: Unable to save to selected file!")}));
    // A cancelled series name leaves no series and no message.
    EXPECT_FALSE(writer.askSeriesName());
    EXPECT_FALSE(writer.openNext());
    EXPECT_EQ(script->messages().size(), 2);
}
