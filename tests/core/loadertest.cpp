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

std::unique_ptr<Recorder> loadPlain()
{
    return std::unique_ptr<Recorder>(static_cast<Recorder*>(PlainRecorderLoader(nullptr).load()));
}

std::unique_ptr<Recorder> loadFlipped()
{
    return std::unique_ptr<Recorder>(static_cast<Recorder*>(FlippedRecorderLoader(nullptr, true).load()));
}

// A 2 x 3 picture whose top-left pixel is the only coloured one; alpha does
// not take part in colour tables.
QString writeCornerImage(const QTemporaryDir& dir)
{
    return TestSupport::writePicture(dir, {"r.", "..", ".."}, {{'r', qRgba(255, 0, 0, 17)}, {'.', qRgb(0, 0, 0)}});
}

} // namespace

TEST(Loaders, PlainLoaderKeepsImageRowsAndLoader2DStandsThePictureUpright)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    script->queueOpenFile(writeCornerImage(dir));
    script->queueOpenFile(writeCornerImage(dir));
    const auto plain = loadPlain();
    const auto flipped = loadFlipped();
    ASSERT_TRUE(plain && flipped);
    EXPECT_EQ(std::make_pair(plain->getWidth(), plain->getHeight()), std::make_pair(2, 3));
    EXPECT_TRUE(plain->at(0, 0) == 1 && plain->at(0, 2) == 0);
    EXPECT_TRUE(flipped->at(0, 2) == 1 && flipped->at(0, 0) == 0);
    EXPECT_EQ(script->fileDialogCaptions(), (QStringList{QStringLiteral("Open Image"), QStringLiteral("Open Image")}));
    EXPECT_EQ(script->fileDialogFolders().first(), Persistence::ImageFiles::examplesFolder());
    EXPECT_EQ(FlippedRecorderLoader::rememberedFolder().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(script->messages().isEmpty());
}

// A picture too large is refused from its header alone, before decoding.
TEST(Loaders, CancelledUnreadableAndAbsurdlyLargeImagesBuildNothingWithTheirMessages)
{
    TestSupport::ScriptedScope script;
    QTemporaryDir dir;
    const QDir before = FlippedRecorderLoader::rememberedFolder();
    EXPECT_EQ(loadFlipped(), nullptr);
    EXPECT_TRUE(script->messages().isEmpty()); // a cancelled Loader2D says nothing
    EXPECT_EQ(FlippedRecorderLoader::rememberedFolder(), before);
    EXPECT_EQ(loadPlain(), nullptr);

    const QString broken = dir.filePath(QStringLiteral("broken.png")), huge = dir.filePath(QStringLiteral("huge.ppm"));
    ASSERT_TRUE(TestSupport::writeFile(broken, "not an image") && TestSupport::writeFile(huge, "P6\n20000 20000\n255\n"));
    script->queueOpenFile(broken);
    script->queueOpenFile(broken);
    script->queueOpenFile(huge);
    EXPECT_EQ(loadFlipped(), nullptr);
    EXPECT_EQ(loadPlain(), nullptr);
    EXPECT_EQ(loadPlain(), nullptr);
    EXPECT_EQ(TestSupport::shown(script->messages()),
              (QStringList{QStringLiteral("(warning) : Could not open input file!"),
                           QStringLiteral("(warning) Loader error: The image could not be opened!"),
                           QStringLiteral("(warning) : Could not open input file!"),
                           QStringLiteral("(warning) : The image is too large: 20000 x 20000 pixels; at most "
                                          "268435456 pixels can be loaded."),
                           QStringLiteral("(warning) : Could not open input file!")}));
}

TEST(Catalogue, IndicesOutsideTheCatalogueBuildNothingSilently)
{
    TestSupport::ScriptedScope script;
    for (int index : {-1, 46, 1000})
        EXPECT_EQ(Input::AutomatonFactory(index, nullptr), nullptr);
    EXPECT_TRUE(script->messages().isEmpty() && script->dialogTitles().isEmpty()
                && script->fileDialogCaptions().isEmpty());
}

TEST(Loaders, ModelBeyondTheMemoryBudgetIsRefusedWithTheSizeWarningAndNotBuilt)
{
    QTemporaryDir dir;
    const QString corner = writeCornerImage(dir);
    // The loader's cells, the lattice's two buffers and three colour planes.
    const long long needed = 2 * 3 * (3 * static_cast<long long>(sizeof(int)) + 3);
    TestSupport::ScriptedScope script;
    {
        TestSupport::BudgetScope budget(needed - 1);
        script->queueOpenFile(corner);
        script->queueOpenFile(corner);
        EXPECT_EQ(loadPlain(), nullptr);
        EXPECT_EQ(loadFlipped(), nullptr);
    }
    const QString warning = QStringLiteral("(warning) : A model of 2 x 3 cells needs %1 bytes of memory, more "
                                           "than the %2 bytes that can be used.").arg(needed).arg(needed - 1);
    EXPECT_EQ(TestSupport::shown(script->messages()), (QStringList{warning, warning}));
    TestSupport::BudgetScope budget(needed);
    script->queueOpenFile(corner);
    EXPECT_NE(loadPlain(), nullptr);
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
    EXPECT_EQ(TestSupport::shown(script->messages()),
              (QStringList{QStringLiteral("(warning) : Images must have the same size!"),
                           QStringLiteral("(warning) : Could not open input file %1!").arg(missing)}));
}
