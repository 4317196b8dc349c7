#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "Automata/automaton2d.h"
#include "Input/catalogue.h"
#include "Input/imagerequest.h"
#include "Input/imageloader.h"
#include "Input/loader2d.h"
#include "Persistence/imagefiles.h"
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
        readImage([](QRgb pixel) { return Persistence::ImageGrids::isRgb(pixel, 255, 0, 0) ? 1 : 0; });
    }
    Automata::Automaton* load() override { return build<Recorder>(); }
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
    EXPECT_EQ(script->fileDialogFolders().first(), Persistence::ImageFiles::examplesFolder());
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

TEST(Loaders, ModelBeyondTheMemoryBudgetIsRefusedWithTheSizeWarningAndNotBuilt)
{
    QTemporaryDir dir;
    const QString corner = writeCornerImage(dir);
    // The loader's cells, the lattice's two buffers and three colour planes.
    const long long needed = 2 * 3 * (3 * static_cast<long long>(sizeof(int)) + 3);
    const QString warning =
        QStringLiteral("A model of 2 x 3 cells needs %1 bytes of memory, more than the %2 bytes "
                       "that can be used.")
            .arg(needed)
            .arg(needed - 1);
    TestSupport::ScriptedScope script;
    {
        TestSupport::BudgetScope budget(needed - 1);
        script->queueOpenFile(corner);
        script->queueOpenFile(corner);
        EXPECT_EQ(PlainRecorderLoader(nullptr).load(), nullptr);
        EXPECT_EQ(FlippedRecorderLoader(nullptr, true).load(), nullptr);
    }
    ASSERT_EQ(script->messages().size(), 2);
    for (const auto& message : script->messages()) {
        EXPECT_EQ(message.icon, QMessageBox::Warning);
        EXPECT_EQ(message.text, warning);
    }

    TestSupport::BudgetScope budget(needed);
    script->queueOpenFile(corner);
    std::unique_ptr<Automata::Automaton> model(PlainRecorderLoader(nullptr).load());
    EXPECT_NE(model, nullptr);
    EXPECT_EQ(script->messages().size(), 2);
}

TEST(ImageRequest, SeveralImagesMustEachLoadAndShareOneSize)
{
    QTemporaryDir dir;
    const QString corner = writeCornerImage(dir);
    const QString other = dir.filePath(QStringLiteral("other.png"));
    QImage(3, 2, QImage::Format_RGB32).save(other);
    const QString missing = dir.filePath(QStringLiteral("missing.png"));

    TestSupport::ScriptedScope script;
    const std::vector<QImage> pair = Input::ImageRequest::readSameSize({corner, corner});
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[1].size(), QSize(2, 3));
    EXPECT_TRUE(script->messages().isEmpty());

    EXPECT_TRUE(Input::ImageRequest::readSameSize({corner, other}).empty());
    EXPECT_TRUE(Input::ImageRequest::readSameSize({corner, missing}).empty());
    ASSERT_EQ(script->messages().size(), 2);
    EXPECT_EQ(script->messages()[0].text, QStringLiteral("Images must have the same size!"));
    EXPECT_EQ(script->messages()[1].text, QStringLiteral("Could not open input file %1!").arg(missing));
}
