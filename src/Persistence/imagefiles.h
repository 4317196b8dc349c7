#pragma once

#include <QImage>
#include <QString>

namespace Persistence {

// Reading input pictures: where the file dialogs open, which files they offer,
// and how large a picture may be before it is decoded.
class ImageFiles {
public:
    // The bundled examples/ folder (next to the program or in the source tree),
    // or the current folder when there is none.
    static QString examplesFolder();

    static QString filter() { return QStringLiteral("Image Files (*.png *.jpg *.bmp)"); }

    // Reads an image; a null image when the name is empty or the file
    // unreadable. An image of more than maxPixels pixels is not decoded: a
    // warning says so and the result is null, so the caller reports its usual
    // failure instead of running out of memory.
    static QImage read(const QString& name);
    static constexpr long long maxPixels = 1LL << 28;
};

} // namespace Persistence
