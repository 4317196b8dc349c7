#pragma once

#include <vector>

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include "Persistence/imagefiles.h"

class QWidget;

namespace Input {

// Asks the user for input pictures and reports the ones that cannot be used,
// in the two ways the loaders have.
class ImageRequest {
public:
    // The plain loaders' way: an "Open Image" dialog in `folder`. When no
    // image can be read, also after a cancelled dialog, a parentless warning
    // says "Could not open input file!" and the result is null. `accept`
    // may refuse the picture by its size before it is decoded.
    // When `chosen` is given, it becomes the file's name once the image loaded.
    static QImage askPlain(QWidget* parent, const QString& folder,
                           const Persistence::ImageFiles::SizeFilter& accept = {},
                           QString* chosen = nullptr);
    // The same for a picture named in a dialog; an empty name is noted as missing.
    static QImage readPlain(const QString& name,
                            const Persistence::ImageFiles::SizeFilter& accept = {});

    // The remembering loaders' way: an "Open Image" dialog in `folder`, which
    // becomes the image's own folder when it loads. A file that does not load
    // gives "Loader error" / "The image could not be opened!"; a cancelled
    // dialog says nothing. The result is null on either.
    static QImage askRemembering(QWidget* parent, QDir& folder,
                                 const Persistence::ImageFiles::SizeFilter& accept = {});

    // Reads several named pictures that must share one size, such as the top
    // and bottom masks of one substrate. A name that does not load gives
    // "Could not open input file NAME!", differing sizes give "Images must
    // have the same size!"; on either the result is empty.
    //
    // Each warning about a file that was named but could not be read is
    // followed by a note naming the file and the reason.
    static std::vector<QImage> readSameSize(const QStringList& names);

    static QString caption() { return QStringLiteral("Open Image"); }
};

} // namespace Input
