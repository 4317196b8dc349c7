#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "Input/catalogue.h"
#include "Persistence/imagefiles.h"
#include "allocationwatch.h"
#include "batch/optionparser.h"
#include "pngchunks.h"
#include "testsupport.h"

namespace {

QByteArray exampleBytes(const QString& relative)
{
    QFile file(TestSupport::examplePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Decodes bytes that give no picture under a memory budget of 16 MiB; returns
// the largest single allocation made meanwhile.
std::size_t largestAllocationRefusing(const QByteArray& bytes)
{
    TestSupport::BudgetScope budget(16LL << 20);
    Fuzz::AllocationWatch watch;
    EXPECT_TRUE(Persistence::ImageFiles::decode(bytes).isNull());
    return watch.largest();
}

} // namespace

TEST(Readers, PictureInMemoryDecodesAsTheSameFile)
{
    const QString example = QStringLiteral("fhp/channel.png");
    TestSupport::ScriptedScope script;
    const QImage decoded = Persistence::ImageFiles::decode(exampleBytes(example));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded, Persistence::ImageFiles::read(TestSupport::examplePath(example)));
    EXPECT_TRUE(Persistence::ImageFiles::decode(QByteArray("not a picture")).isNull());
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST(Readers, PictureLargerThanTheBudgetIsRefusedFromItsHeaderBeforeDecoding)
{
    // A small file whose header claims 3000 x 3000 pixels: decoded, 36 000 000
    // bytes, more than the budget of 16 MiB, whoever reads it.
    QList<Fuzz::PngChunks::Chunk> chunks;
    ASSERT_TRUE(
        Fuzz::PngChunks::split(exampleBytes(QStringLiteral("1d-diffusion/row.png")), &chunks));
    chunks.front().data.replace(
        0, 8, Fuzz::PngChunks::bigEndian(3000) + Fuzz::PngChunks::bigEndian(3000));
    const QByteArray claimsLarge = Fuzz::PngChunks::join(chunks);

    TestSupport::ScriptedScope script;
    EXPECT_LT(largestAllocationRefusing(claimsLarge), std::size_t(1) << 20);
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages().front().icon, QMessageBox::Warning);
    EXPECT_EQ(script->messages().front().text,
              QStringLiteral("A model of 3000 x 3000 cells needs 34.3 MiB of memory, more than the "
                             "16.0 MiB that can be used."));

    // The same picture within the budget is decoded (and fails on its data).
    script->clearMessages();
    TestSupport::BudgetScope budget(40LL << 20);
    EXPECT_TRUE(Persistence::ImageFiles::decode(claimsLarge).isNull());
    EXPECT_TRUE(script->messages().isEmpty());
}

TEST(Readers, PictureInMemoryIsReadAsAFileWouldBe)
{
    // An icon directory whose entry points past the end of the file at what
    // claims to be a PNG of over two gigabytes. Read from a file, the icon reader
    // finds nothing there; read from a memory buffer, which refuses the seek,
    // it would ask the buffer for the claimed size at once.
    const QByteArray icon =
        QByteArray::fromHex("0000020000080a1a0a0000000d4948445289504e866689504e470d0a1a0a");
    TestSupport::ScriptedScope script;
    EXPECT_LT(largestAllocationRefusing(icon), std::size_t(1) << 20);
}

TEST(Readers, RecipeTextReadsAsTheRecipeFileItStandsFor)
{
    const QString folder = TestSupport::examplePath(QString());
    const QString label = QStringLiteral("Multi FHP Automaton");
    Batch::OptionParser fromFile(folder);
    ASSERT_TRUE(fromFile.parse({label, QStringLiteral("--recipe"),
                                QStringLiteral("multi-fhp-automaton/recipe")}))
        << fromFile.error().toStdString();
    Batch::OptionParser fromText(folder);
    ASSERT_TRUE(fromText.parseRecipe(label.toUtf8() + '\n' +
                                         exampleBytes(QStringLiteral("multi-fhp-automaton/recipe")),
                                     QStringLiteral("multi-fhp-automaton/recipe")))
        << fromText.error().toStdString();

    const Batch::BatchOptions& file = fromFile.options();
    const Batch::BatchOptions& text = fromText.options();
    EXPECT_EQ(text.modelIndex, Input::Catalogue::indexOf(label));
    EXPECT_EQ(text.inputs, file.inputs);
    EXPECT_EQ(text.inputs, QStringList{TestSupport::examplePath(
                               QStringLiteral("multi-fhp-automaton/shear.png"))});
    EXPECT_EQ(text.steps, file.steps);
    ASSERT_EQ(text.settings.size(), file.settings.size());
    for (int i = 0; i < text.settings.size(); ++i) {
        EXPECT_EQ(text.settings[i].name, file.settings[i].name);
        EXPECT_EQ(text.settings[i].value, file.settings[i].value);
    }

    // An error names the recipe and its line.
    Batch::OptionParser broken(folder);
    EXPECT_FALSE(broken.parseRecipe("--steps 5\n--frobnicate\n", QStringLiteral("some/recipe")));
    EXPECT_EQ(broken.error(), TestSupport::examplePath(QStringLiteral("some/recipe")) +
                                  QStringLiteral(":2: unknown option --frobnicate"));
}
