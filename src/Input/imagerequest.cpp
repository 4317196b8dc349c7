#include "imagerequest.h"

#include <QFileInfo>

#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"

namespace Input {

using Persistence::ImageFiles;

namespace {

QString askName(QWidget* parent, const QString& folder)
{
    return Interaction::interaction().openFileName(parent, ImageRequest::caption(), folder,
                                                   ImageFiles::filter());
}

} // namespace

QImage ImageRequest::askPlain(QWidget* parent, const QString& folder)
{
    return readPlain(askName(parent, folder));
}

QImage ImageRequest::readPlain(const QString& name)
{
    const QImage image = ImageFiles::read(name);
    if (image.isNull())
        Interaction::interaction().warning(nullptr, QString(),
                                           QStringLiteral("Could not open input file!"));
    return image;
}

QImage ImageRequest::askRemembering(QWidget* parent, QDir& folder)
{
    const QString name = askName(parent, folder.absolutePath());
    if (name.isEmpty())
        return QImage();
    const QImage image = ImageFiles::read(name);
    if (image.isNull()) {
        Interaction::interaction().warning(parent, QStringLiteral("Loader error"),
                                           QStringLiteral("The image could not be opened!"));
        return image;
    }
    folder = QFileInfo(name).absoluteDir();
    return image;
}

std::vector<QImage> ImageRequest::readSameSize(const QStringList& names)
{
    std::vector<QImage> images;
    for (const QString& name : names) {
        const QImage image = ImageFiles::read(name);
        if (image.isNull()) {
            Interaction::interaction().warning(
                nullptr, QString(), QStringLiteral("Could not open input file %1!").arg(name));
            return {};
        }
        if (!images.empty() && image.size() != images.front().size()) {
            Interaction::interaction().warning(nullptr, QString(),
                                               QStringLiteral("Images must have the same size!"));
            return {};
        }
        images.push_back(image);
    }
    return images;
}

} // namespace Input
