#include "imagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include "Interaction/interaction.h"

namespace Persistence {

QString ImageFiles::examplesFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        candidates << appDir + QStringLiteral("/examples") << appDir + QStringLiteral("/../examples")
                   << appDir + QStringLiteral("/../../examples");
    }
#ifdef LITHOSCOPE_SOURCE_DIR
    candidates << QStringLiteral(LITHOSCOPE_SOURCE_DIR "/examples");
#endif
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isDir())
            return info.canonicalFilePath();
    }
    return QDir::currentPath();
}

QImage ImageFiles::read(const QString& name)
{
    if (name.isEmpty())
        return QImage();
    QImageReader reader(name);
    const QSize size = reader.size();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > maxPixels) {
        Interaction::interaction().warning(nullptr, QString(),
                                           QStringLiteral("The image is too large: %1 x %2 pixels; at most "
                                                          "%3 pixels can be loaded.")
                                               .arg(size.width())
                                               .arg(size.height())
                                               .arg(maxPixels));
        return QImage();
    }
    return reader.read();
}

} // namespace Persistence
