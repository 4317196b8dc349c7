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

// Shows the warning for a picture that could not be read, followed by a note
// naming the file and the reason. A refusal by size has shown its own message.
void reportFailure(const QString& name, const QString& failure, QWidget* parent,
                   const QString& title, const QString& text)
{
    if (!name.isEmpty() && failure.isEmpty())
        return;
    Interaction::interaction().warning(parent, title, text);
    if (!name.isEmpty())
        Interaction::interaction().note(name + QStringLiteral(": ") + failure);
}

QString plainFailure()
{
    return QStringLiteral("Could not open input file!");
}

QImage readPlainNamed(const QString& name, const ImageFiles::SizeFilter& accept)
{
    QString failure;
    const QImage image = ImageFiles::read(name, &failure, accept);
    if (image.isNull())
        reportFailure(name, failure, nullptr, QString(), plainFailure());
    return image;
}

} // namespace

QImage ImageRequest::askPlain(QWidget* parent, const QString& folder, const ImageFiles::SizeFilter& accept,
                              QString* chosen)
{
    const QString name = askName(parent, folder);
    const QImage image = readPlainNamed(name, accept);
    if (chosen && !image.isNull())
        *chosen = name;
    return image;
}

QImage ImageRequest::readPlain(const QString& name, const ImageFiles::SizeFilter& accept)
{
    // A cancelled file dialog is the user's choice; a dialog field left empty
    // is worth a word about what was missing.
    if (name.isEmpty()) {
        Interaction::interaction().warning(nullptr, QString(), plainFailure());
        Interaction::interaction().note(QStringLiteral("no picture file was named in the dialog"));
        return QImage();
    }
    return readPlainNamed(name, accept);
}

QImage ImageRequest::askRemembering(QWidget* parent, QDir& folder, const ImageFiles::SizeFilter& accept)
{
    const QString name = askName(parent, folder.absolutePath());
    if (name.isEmpty())
        return QImage();
    QString failure;
    const QImage image = ImageFiles::read(name, &failure, accept);
    if (image.isNull()) {
        reportFailure(name, failure, parent, QStringLiteral("Loader error"),
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
        QString failure;
        const QImage image = ImageFiles::read(name, &failure);
        if (image.isNull()) {
            reportFailure(name, failure, nullptr, QString(),
                          QStringLiteral("Could not open input file %1!").arg(name));
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
