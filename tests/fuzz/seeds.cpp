#include "seeds.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>

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

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

Corpus Seeds::picture(const QString& example)
{
    Corpus corpus;
    for (const Sample& picture : exampleFiles(QStringLiteral("*.png"))) {
        if (!picture.name.startsWith(example + QLatin1Char('/'))) {
            corpus.others.append(picture);
            continue;
        }
        corpus.seeds.append(picture);
        const QImage image = QImage::fromData(picture.bytes);
        for (const char* format : {"BMP", "JPG"}) {
            corpus.seeds.append(
                Sample{picture.name + QStringLiteral(" as ") + QLatin1String(format),
                       encoded(image, format), Sample::Seed});
        }
    }
    return corpus;
}

Corpus Seeds::tables()
{
    return Corpus{exampleFiles(QStringLiteral("*.csv")), {}};
}

} // namespace Fuzz
