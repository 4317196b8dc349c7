#include <gtest/gtest.h>

#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Persistence/automatonarchiver.h"
#include "Persistence/screenarchiver.h"
#include "testsupport.h"

namespace {

const unsigned char grey[4] = {100, 100, 100, 100};

void saveStep(Persistence::Archiver& archiver)
{
    archiver.saveStep(grey, grey, grey, 2, 2);
}

QString missingFolderText(const QString& file, const QString& folder)
{
    return QStringLiteral("Could not write %1: the folder %2 does not exist.").arg(file, folder);
}

} // namespace

// A series into a folder that does not exist warns once, naming the picture
// and the folder, and goes on numbering; pictures are written again as soon
// as the folder is there. Saves of what the view shows do the same.
TEST(ArchiverFailures, SeriesWarnsAtItsFirstPictureThatCannotBeWritten)
{
    TestSupport::FakeView view;
    view.picture = QImage(4, 4, QImage::Format_RGB32);
    view.picture.fill(Qt::green);
    for (const bool screen : {false, true}) {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("later"));
        TestSupport::ScriptedScope script;
        script->queueSaveFile(folder + QStringLiteral("/run.png"));
        std::unique_ptr<Persistence::AutomatonArchiver> archiver(
            screen ? new Persistence::ScreenArchiver(Interaction::frameSource())
                   : new Persistence::AutomatonArchiver);
        // A view's series takes its name at the first call and draws from the next.
        if (screen)
            saveStep(*archiver);
        saveStep(*archiver);
        saveStep(*archiver);
        EXPECT_EQ(TestSupport::shown(script->messages()),
                  QStringList{QStringLiteral("(warning) File Error: ")
                              + missingFolderText(folder + QStringLiteral("/run00000.png"), folder)}) << screen;

        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("later")));
        saveStep(*archiver);
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/run00002.png"))) << screen;
        EXPECT_EQ(script->messages().size(), 1);
    }
    EXPECT_EQ(view.grabs, 3);
}

// Every single save that cannot be written says so; one that is written, or
// a cancelled one, says nothing.
TEST(ArchiverFailures, SingleSavesReportEachFailure)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("plain-file"));
    ASSERT_TRUE(TestSupport::writeFile(blocker, QByteArray()));
    const QString missing = dir.filePath(QStringLiteral("missing"));

    TestSupport::ScriptedScope script;
    script->queueSaveFile(missing + QStringLiteral("/a.png"));
    script->queueSaveFile(blocker + QStringLiteral("/b.png"));
    script->queueSaveFile(dir.filePath(QStringLiteral("c.png")));
    Persistence::AutomatonArchiver archiver;
    for (int i = 0; i < 4; ++i)
        archiver.save(grey, grey, grey, 2, 2);
    EXPECT_EQ(TestSupport::shown(script->messages()),
              (QStringList{QStringLiteral("(warning) File Error: ") + missingFolderText(missing + QStringLiteral("/a.png"), missing),
                           QStringLiteral("(warning) File Error: Could not write %1/b.png: %1 is not a folder.").arg(blocker)}));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("c.png"))));
}
