#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Persistence/automatonarchiver.h"
#include "testsupport.h"

namespace {

struct Planes {
    std::vector<unsigned char> r, g, b;
    Planes(int count, unsigned char red, unsigned char green, unsigned char blue)
        : r(count, red), g(count, green), b(count, blue)
    {
    }
};

} // namespace

TEST(AutomatonArchiver, PictureHasLatticeRowZeroOnTopInSixteenBitColours)
{
    // 3 x 2 lattice: element x * 2 + y. Give cell (0, 0) red, cell (2, 0) a
    // grey of 100, everything else blue.
    Planes p(6, 0, 0, 255);
    p.r[0] = 255;
    p.b[0] = 0;
    p.r[4] = p.g[4] = p.b[4] = 100;
    const QImage image = Persistence::AutomatonArchiver::buildImage(p.r.data(), p.g.data(),
                                                                    p.b.data(), 3, 2);
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB16);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 255));
    // 5 bits of red and blue, 6 of green: 100 lands on the nearest grid value below.
    const QRgb grey = image.pixel(2, 0);
    EXPECT_EQ(qRed(grey) >> 3, 100 >> 3);
    EXPECT_EQ(qGreen(grey) >> 2, 100 >> 2);
    EXPECT_NE(qRed(grey), 100);
}

TEST(AutomatonArchiver, SeriesNamesFollowTheChosenSuffixInLowerCase)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    script->queueSaveFile(dir.filePath(QStringLiteral("Shot.PNG")));
    Persistence::AutomatonArchiver archiver;
    Planes p(6, 255, 0, 0);
    archiver.saveStep(p.r.data(), p.g.data(), p.b.data(), 3, 2);
    archiver.saveStep(p.r.data(), p.g.data(), p.b.data(), 3, 2);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Shot00000.png"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Shot00001.png"))));
    EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Save File")});
    const QImage back(dir.filePath(QStringLiteral("Shot00001.png")));
    EXPECT_EQ(back.pixel(2, 1), qRgb(255, 0, 0));
}

TEST(AutomatonArchiver, NameWithoutImageSuffixIsAskedAgain)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    script->queueSaveFile(dir.filePath(QStringLiteral("notes.txt")));
    script->queueSaveFile(QString()); // a cancelled dialog is asked again too
    script->queueSaveFile(dir.filePath(QStringLiteral("run.bmp")));
    Persistence::AutomatonArchiver archiver;
    Planes p(1, 0, 0, 0);
    archiver.saveStep(p.r.data(), p.g.data(), p.b.data(), 1, 1);
    EXPECT_EQ(script->fileDialogCaptions().size(), 3);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("run00000.bmp"))));
    EXPECT_FALSE(script->questionRepeated());

    // A script without a valid name ends instead of asking forever.
    script->queueSaveFile(QStringLiteral("series-without-suffix"));
    Persistence::AutomatonArchiver unnamed;
    unnamed.saveStep(p.r.data(), p.g.data(), p.b.data(), 1, 1);
    EXPECT_TRUE(script->questionRepeated());
    EXPECT_FALSE(unnamed.isNameChosen());
    EXPECT_EQ(unnamed.getFileCounter(), 0);
}

TEST(AutomatonArchiver, SingleSaveRemembersTheFolder)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("one.png"));
    script->queueSaveFile(name);
    Persistence::AutomatonArchiver archiver;
    Planes p(4, 0, 255, 0);
    archiver.save(p.r.data(), p.g.data(), p.b.data(), 2, 2);
    EXPECT_TRUE(QFile::exists(name));
    EXPECT_EQ(Persistence::AutomatonArchiver::rememberedPath().absolutePath(),
              QDir(name).absolutePath());
    // A cancelled single save writes nothing and keeps the remembered path.
    archiver.save(p.r.data(), p.g.data(), p.b.data(), 2, 2);
    EXPECT_EQ(script->fileDialogFolders().last(), QDir(name).absolutePath());
}
