#pragma once

#include <functional>

#include <QImage>
#include <QSize>
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

    // Decides from a picture's size, before it is decoded, whether it may be;
    // when it refuses it shows its own message.
    using SizeFilter = std::function<bool(const QSize& size)>;

    // Reads an image; a null image when the name is empty or the file
    // unreadable. An image of more than maxPixels pixels is not decoded: a
    // warning says so and the result is null, so the caller reports its usual
    // failure instead of running out of memory. When the result is null,
    // `failure` says why in a few words ("no such file", "a folder, not a
    // file", "not an image: ...", "corrupt image: ..."); it stays empty for an
    // empty name and when `accept`, asked with the size from the file's
    // header, refused.
    static QImage read(const QString& name, QString* failure = nullptr,
                       const SizeFilter& accept = SizeFilter());
    static constexpr long long maxPixels = 1LL << 28;
};

} // namespace Persistence
