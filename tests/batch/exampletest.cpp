#include "batchfixture.h"

#include <QDir>
#include <QFile>

#include "Input/catalogue.h"

// Every example folder belongs to a catalogue entry.
TEST_F(BatchTest, ExampleFoldersAreNamedAfterCatalogueLabels)
{
    QStringList slugs;
    for (const QString& label : Input::Catalogue::labels())
        slugs.append(slug(label));
    EXPECT_EQ(slug(QStringLiteral("2D Oxidation (Deal-Grove)")), QStringLiteral("2d-oxidation-deal-grove"));
    const QDir examples(TestSupport::examplePath(QString()));
    for (const QString& folder : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        EXPECT_TRUE(slugs.contains(folder)) << folder.toStdString();
        EXPECT_TRUE(QFile::exists(examples.filePath(folder + QStringLiteral("/recipe"))))
            << folder.toStdString();
    }
}

// Each built entry's example runs and leaves its output: the saved state, or
// the view for models whose Save writes nothing.
TEST_F(BatchTest, EveryBuiltExampleRunsAndProducesItsOutput)
{
    int ran = 0;
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        if (!built(index) || !hasExample(index))
            continue;
        ++ran;
        const QString out = path(QStringLiteral("example-%1.png").arg(index));
        const TestSupport::BatchResult result =
            run({QString::number(index), "--example", "--steps", "3", "--save", out, "--quiet"});
        ASSERT_EQ(result.exitCode, 0) << label(index).toStdString() << "\n" << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QStringLiteral("Current time: "))) << label(index).toStdString();
        if (QFile::exists(out))
            continue;
        EXPECT_TRUE(result.err.contains(QStringLiteral("note:"))) << label(index).toStdString();
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            continue;
        const TestSupport::BatchResult view = run({QString::number(index), "--example", "--steps", "3",
                                                   "--view", out, "--view-size", "160x120", "--quiet"});
        EXPECT_EQ(view.exitCode, 0) << label(index).toStdString() << "\n" << view.err.toStdString();
        EXPECT_EQ(QImage(out).size(), QSize(160, 120)) << label(index).toStdString();
    }
    if (ran == 0)
        GTEST_SKIP() << "no entry with an example yet";
}
