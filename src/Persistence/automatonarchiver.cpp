#include "automatonarchiver.h"

#include <QFileInfo>

#include "Interaction/interaction.h"

namespace Persistence {

namespace {

// Why a picture could not be written under `name`, as far as can be told.
QString writeFailure(const QString& name)
{
    const QFileInfo file(name);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    if (!folder.isDir())
        return QStringLiteral("%1 is not a folder").arg(folder.filePath());
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 cannot be written to").arg(folder.filePath());
    return QStringLiteral("the picture could not be written into the folder %1").arg(folder.filePath());
}

} // namespace

QDir& AutomatonArchiver::rememberedPath()
{
    static QDir path = QDir::current();
    return path;
}

QString AutomatonArchiver::askFileName()
{
    const QString name = Interaction::interaction().saveFileName(
        nullptr, QStringLiteral("Save File"), rememberedPath().absolutePath(),
        QStringLiteral("Images (*.png *.bmp *.jpg)"));
    if (!name.isEmpty())
        rememberedPath() = QDir(name);
    return name;
}

QImage AutomatonArchiver::buildImage(const unsigned char* red, const unsigned char* green,
                                     const unsigned char* blue, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB16);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const int i = x * height + y;
            image.setPixel(x, y, qRgba(red[i], green[i], blue[i], 255));
        }
    }
    return image;
}

void AutomatonArchiver::save(const unsigned char* red, const unsigned char* green,
                             const unsigned char* blue, int width, int height)
{
    const QString name = askFileName();
    if (name.isEmpty())
        return;
    writePicture(buildImage(red, green, blue, width, height), name, false);
}

void AutomatonArchiver::writePicture(const QImage& picture, const QString& name, bool series)
{
    if (picture.save(name) || (series && seriesFailureShown))
        return;
    seriesFailureShown = seriesFailureShown || series;
    Interaction::interaction().warning(nullptr, QStringLiteral("File Error"),
                                       QStringLiteral("Could not write %1: %2.").arg(name, writeFailure(name)));
}

void AutomatonArchiver::splitName(const QString& name)
{
    static const char* const suffixes[] = {".png", ".jpg", ".bmp"};
    for (const char* suffix : suffixes) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
            baseName = name.left(name.size() - 4);
            extension = QLatin1String(suffix);
            nameChosen = true;
            return;
        }
    }
}

bool AutomatonArchiver::chooseSeriesName()
{
    while (!nameChosen) {
        splitName(askFileName());
        if (!nameChosen && !Interaction::interaction().mayAskAgain())
            return false;
    }
    return true;
}

QString AutomatonArchiver::seriesFileName() const
{
    return baseName + QStringLiteral("%1").arg(fileCounter, 5, 10, QLatin1Char('0')) + extension;
}

void AutomatonArchiver::saveStep(const unsigned char* red, const unsigned char* green,
                                 const unsigned char* blue, int width, int height)
{
    if (!chooseSeriesName())
        return;
    // A picture that cannot be written is skipped; the series still advances.
    writePicture(buildImage(red, green, blue, width, height), seriesFileName(), true);
    ++fileCounter;
}

} // namespace Persistence
