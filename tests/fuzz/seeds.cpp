#include "seeds.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>

#include "Input/catalogue.h"
#include "batch/optionparser.h"
#include "testsupport.h"

namespace Fuzz {

namespace {

// The files of examples/*/ matching the pattern, in name order, each content
// once.
QList<Sample> exampleFiles(const QString& pattern)
{
    QList<Sample> samples;
    QSet<QByteArray> seen;
    const QDir examples(TestSupport::examplePath(QString()));
    for (const QString& folder :
         examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir entry(examples.filePath(folder));
        for (const QString& name : entry.entryList({pattern}, QDir::Files, QDir::Name)) {
            QFile file(entry.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            if (seen.contains(bytes))
                continue;
            seen.insert(bytes);
            samples.append(Sample{folder + QLatin1Char('/') + name, bytes, Sample::Seed});
        }
    }
    return samples;
}

struct ExampleRecipe {
    int index;
    QString label;
    QString slug; // the example's folder
    QByteArray text;
};

// The catalogue entries that have an example recipe, in catalogue order.
QList<ExampleRecipe> exampleRecipes()
{
    QList<ExampleRecipe> examples;
    for (int index = 0; index < Input::Catalogue::size(); ++index) {
        QFile file(Batch::OptionParser::exampleRecipe(index));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString label = QString::fromUtf8(Input::Catalogue::entry(index)->label);
        examples.append(
            ExampleRecipe{index, label, Batch::OptionParser::slug(label), file.readAll()});
    }
    return examples;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

Corpus Seeds::picture(const QString& example, const QList<QByteArray>& formats)
{
    Corpus corpus;
    for (const Sample& picture : exampleFiles(QStringLiteral("*.png"))) {
        if (!picture.name.startsWith(example + QLatin1Char('/'))) {
            corpus.others.append(picture);
            continue;
        }
        corpus.seeds.append(picture);
        const QImage image = QImage::fromData(picture.bytes);
        for (const QByteArray& format : formats) {
            corpus.seeds.append(
                Sample{picture.name + QStringLiteral(" as ") + QString::fromLatin1(format),
                       encoded(image, format.constData()), Sample::Seed});
        }
    }
    return corpus;
}

Corpus Seeds::recipes()
{
    Corpus corpus;
    for (const ExampleRecipe& example : exampleRecipes()) {
        corpus.seeds.append(Sample{example.slug + QStringLiteral("/recipe"),
                                   example.label.toUtf8() + '\n' + example.text, Sample::Seed});
    }
    return corpus;
}

Corpus Seeds::commandLines()
{
    Corpus corpus;
    const auto add = [&corpus](const QString& name, const QStringList& arguments) {
        corpus.seeds.append(Sample{name, arguments.join(QLatin1Char('\n')).toUtf8(), Sample::Seed});
    };
    for (const ExampleRecipe& example : exampleRecipes()) {
        add(example.slug + QStringLiteral(" --example"),
            {example.label, QStringLiteral("--example")});
        add(example.slug + QStringLiteral(" --recipe"),
            {QString::number(example.index), QStringLiteral("--recipe"),
             example.slug + QStringLiteral("/recipe")});
    }
    add(QStringLiteral("--list"), {QStringLiteral("--list")});
    add(QStringLiteral("--help"), {QStringLiteral("--help")});
    add(QStringLiteral("every option"), {"29",      "--input",      "noise.png",  "--set",
                                         "a=1",     "--reject",     "--at",       "3",
                                         "b=2",     "--steps",      "5",          "--save",
                                         "out.png", "--save-all",   "all.png",    "--interval",
                                         "2",       "--seed",       "7",          "--threads",
                                         "2",       "--view",       "view.png",   "--view-size",
                                         "64x48",   "--view-angle", "10,20,30",   "--status-every",
                                         "2",       "--bench",      "--describe", "--quiet"});
    return corpus;
}

Corpus Seeds::tables()
{
    return Corpus{exampleFiles(QStringLiteral("*.csv")), {}};
}

Corpus Seeds::points()
{
    return Corpus{exampleFiles(QStringLiteral("*.dat")), {}};
}

Corpus Seeds::resultTables()
{
    return Corpus{exampleFiles(QStringLiteral("*.txt")), {}};
}

} // namespace Fuzz
