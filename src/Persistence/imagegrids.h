#pragma once

#include <QImage>
#include <QRgb>

#include "grid.h"

namespace Persistence {

// Pure mappings from a picture to an owned grid of cells. Pixel (x, y) is in
// Qt's coordinates: y = 0 is the top row of the picture. Colour tables compare
// red, green and blue only; alpha plays no part.
class ImageGrids {
public:
    static bool isRgb(QRgb pixel, int red, int green, int blue)
    {
        return qRed(pixel) == red && qGreen(pixel) == green && qBlue(pixel) == blue;
    }

    // Pixel (x, y) becomes cell (x, y) through convert(QRgb): the top row of
    // the picture is lattice row 0, which a view drawing y upwards shows at
    // the bottom.
    template <typename T, typename Convert>
    static Grid<T> plain(const QImage& image, Convert convert)
    {
        return map<T>(image, false, convert);
    }

    // Pixel (x, height - 1 - y) becomes cell (x, y), so the picture stands
    // upright in a view drawing y upwards.
    template <typename T, typename Convert>
    static Grid<T> flipped(const QImage& image, Convert convert)
    {
        return map<T>(image, true, convert);
    }

    // A height map's depth: twice its tallest column (the red value of a
    // pixel), at least 2, so there is as much room above the tallest column
    // as it is high.
    static int heightMapDepth(const QImage& image);

    // The volume of a height map, heightMapDepth(image) voxels deep: voxel
    // (x, y, z) is `solid` below the red value of pixel (x, y) and `empty`
    // from there up.
    template <typename T>
    static Grid<T> heightMap(const QImage& image, const T& solid, const T& empty)
    {
        return heightMap(image, solid, empty, heightMapDepth(image));
    }

    // The same in a volume of the given depth: columns taller than it are cut.
    template <typename T>
    static Grid<T> heightMap(const QImage& image, const T& solid, const T& empty, int depth)
    {
        const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
        const int h = rgb.height();
        Grid<T> volume(rgb.width(), h, depth);
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x) {
                const int columnHeight = qRed(line[x]);
                T* column = &volume.at(x, y);
                for (int z = 0; z < depth; ++z)
                    column[z] = z < columnHeight ? solid : empty;
            }
        }
        return volume;
    }

    // One byte per pixel in plain order: 1 where the pixel is pure red
    // (255, 0, 0), else 0. Masks are read this way.
    static Grid<unsigned char> redMask(const QImage& image);

private:
    template <typename T, typename Convert>
    static Grid<T> map(const QImage& image, bool flipped, Convert convert)
    {
        const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
        const int h = rgb.height();
        Grid<T> grid(rgb.width(), h);
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            const int cellY = flipped ? h - 1 - y : y;
            for (int x = 0; x < rgb.width(); ++x)
                grid.at(x, cellY) = convert(line[x]);
        }
        return grid;
    }
};

} // namespace Persistence
