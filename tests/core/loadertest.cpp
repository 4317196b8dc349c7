#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "Automata/automaton2d.h"
#include "Input/catalogue.h"
#include "Input/imageloader.h"
#include "Input/loader2d.h"
#include "testsupport.h"

namespace {

// A model that keeps the cells it was built from.
class Recorder : public Automata::Automaton2D<int> {
public:
    Recorder(int w, int h, const int* input) : Automaton2D<int>(w, h)
    {
        std::copy(input, input + cellCount(), cells);
    }
    void step() override {}
    void save() override {}
    int at(int x, int y) const { return cells[index(x, y)]; }
    static int convertColor(int red, int green, int blue) { return red + green + blue > 0 ? 1 : 0; }
};

class PlainRecorderLoader : public Input::ImageLoader<int> {
public:
    explicit PlainRecorderLoader(QWidget* parent) : ImageLoader<int>(parent)
    {
        readImage([](QRgb pixel) { return Input::ImageInput::isRgb(pixel, 255, 0, 0) ? 1 : 0; });
    }
    Automata::Automaton* load() override
    {
        return cells ? new Recorder(width, height, cells) : nullptr;
    }
};

using FlippedRecorderLoader = Input::Loader2D<int, Recorder>;

// A 2 x 3 picture whose top-left pixel is the only coloured one.
QString writeCornerImage(const QTemporaryDir& dir)
{
    QImage image(2, 3, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 255));
    image.setPixel(0, 0, qRgba(255, 0, 0, 17)); // alpha does not take part in colour tables
    const QString name = dir.filePath(QStringLiteral("corner.png"));
    image.save(name);
    return name;
}

} // namespace

TEST(Loaders, PlainLoaderKeepsImageRowsAsLatticeRows)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    script->queueOpenFile(writeCornerImage(dir));
    PlainRecorderLoader loader(nullptr);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    auto* recorder = dynamic_cast<Recorder*>(model.get());
    ASSERT_NE(recorder, nullptr);
    EXPECT_EQ(recorder->getWidth(), 2);
    EXPECT_EQ(recorder->getHeight(), 3);
    EXPECT_EQ(recorder->at(0, 0), 1);
    EXPECT_EQ(recorder->at(0, 2), 0);
    EXPECT_EQ(script->fileDialogCaptions(), QStringList{QStringLiteral("Open Image")});
    EXPECT_EQ(script->fileDialogFolders().first(), Input::ImageInput::examplesFolder());
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST(Loaders, Loader2DStandsThePictureUpright)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    script->queueOpenFile(writeCornerImage(dir));
    FlippedRecorderLoader loader(nullptr, true);
    std::unique_ptr<Automata::Automaton> model(loader.load());
    auto* recorder = dynamic_cast<Recorder*>(model.get());
    ASSERT_NE(recorder, nullptr);
    EXPECT_EQ(recorder->at(0, 2), 1);
    EXPECT_EQ(recorder->at(0, 0), 0);
    EXPECT_EQ(FlippedRecorderLoader::rememberedFolder().absolutePath(), QDir(dir.path()).absolutePath());
}

TEST(Loaders, CancelledDialogMessages)
{
    TestSupport::ScriptedScope script;
    const QDir before = FlippedRecorderLoader::rememberedFolder();
    {
        FlippedRecorderLoader loader(nullptr, true);
        EXPECT_EQ(loader.load(), nullptr);
    }
    EXPECT_TRUE(script->messages().isEmpty()); // a cancelled Loader2D says nothing
    EXPECT_EQ(FlippedRecorderLoader::rememberedFolder(), before);
    {
        PlainRecorderLoader loader(nullptr);
        EXPECT_EQ(loader.load(), nullptr);
    }
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].title, QString());
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("Could not open input file!"));
    EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
}

TEST(Loaders, UnreadableImageMessages)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    const QString bogus = dir.filePath(QStringLiteral("broken.png"));
    QFile file(bogus);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();
    script->queueOpenFile(bogus);
    script->queueOpenFile(bogus);
    {
        FlippedRecorderLoader loader(nullptr, true);
        EXPECT_EQ(loader.load(), nullptr);
    }
    {
        PlainRecorderLoader loader(nullptr);
        EXPECT_EQ(loader.load(), nullptr);
    }
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[0].title, QStringLiteral("Loader error"));
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("The image could not be opened!"));
    EXPECT_EQ(script->messages()[1].text, QStringLiteral("Could not open input file!"));
}

TEST(Catalogue, IndicesOutsideTheCatalogueBuildNothingSilently)
{
    TestSupport::ScriptedScope script;
    EXPECT_EQ(Input::AutomatonFactory(-1, nullptr), nullptr);
    EXPECT_EQ(Input::AutomatonFactory(46, nullptr), nullptr);
    EXPECT_EQ(Input::AutomatonFactory(1000, nullptr), nullptr);
    EXPECT_TRUE(script->messages().isEmpty());
    EXPECT_TRUE(script->dialogTitles().isEmpty());
    EXPECT_TRUE(script->fileDialogCaptions().isEmpty());
}

TEST(Loaders, ImageOfAbsurdSizeIsRefusedBeforeDecoding)
{
    // The header of a 20000 x 20000 picture: only the header is ever read.
    const QByteArray header("P6\n20000 20000\n255\n");
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("huge.ppm"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header);
    file.close();

    TestSupport::ScriptedScope script;
    script->queueOpenFile(name);
    PlainRecorderLoader loader(nullptr);
    EXPECT_EQ(loader.load(), nullptr);
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[0].text,
              QStringLiteral("The image is too large: 20000 x 20000 pixels; at most 268435456 "
                             "pixels can be loaded."));
    EXPECT_EQ(script->messages()[1].text, QStringLiteral("Could not open input file!"));
}
