#include "inputfiles.h"

#include <QFileInfo>

namespace Persistence {

QString InputFiles::unreadable(const QString& name)
{
    const QFileInfo info(name);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("a folder, not a file");
    if (!info.isReadable())
        return QStringLiteral("not readable");
    return QString();
}

} // namespace Persistence
