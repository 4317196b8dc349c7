#pragma once

#include <cstddef>

#include <QColor>
#include <QImage>
#include <QString>

class QWidget;

namespace Input {

// What image loaders share: asking for an image, reading it, comparing pixel
// colours and turning pixels into cells.
class ImageInput {
public:
    // The bundled examples/ folder (next to the program or in the source tree),
    // or the current folder when there is none.
    static QString examplesFolder();

    // The "Open Image" dialog with the image filter; empty when cancelled.
    static QString askImageName(QWidget* parent, const QString& folder,
                                const QString& caption = QStringLiteral("Open Image"));
    static QString imageFilter() { return QStringLiteral("Image Files (*.png *.jpg *.bmp)"); }

    // Reads an image; a null image when the name is empty or the file
    // unreadable. An image of more than maxPixels pixels is not decoded: a
    // warning says so and the result is null, so the caller reports its usual
    // failure instead of running out of memory.
    static QImage read(const QString& name);
    static constexpr long long maxPixels = 1LL << 28;

    // Colour tables compare red, green and blue only; alpha is ignored.
    static bool sameRgb(QRgb pixel, QRgb reference)
    {
        return (pixel & 0x00FFFFFFu) == (reference & 0x00FFFFFFu);
    }
    static bool isRgb(QRgb pixel, int red, int green, int blue)
    {
        return qRed(pixel) == red && qGreen(pixel) == green && qBlue(pixel) == blue;
    }

    // Converts every pixel into a new array of width x height cells in lattice
    // order (x * height + y). Pixel (x, y) becomes cell (x, y), or with
    // flipped set, pixel (x, height - 1 - y) does, so the picture stands upright.
    template <typename T, typename Convert>
    static T* convertPixels(const QImage& image, bool flipped, Convert convert)
    {
        const int width = image.width();
        const int height = image.height();
        const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
        T* cells = new T[static_cast<std::size_t>(width) * height];
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            const int cellY = flipped ? height - 1 - y : y;
            for (int x = 0; x < width; ++x)
                cells[x * height + cellY] = convert(line[x]);
        }
        return cells;
    }
};

} // namespace Input
