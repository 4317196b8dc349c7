#include "imagegrids.h"

#include <algorithm>

namespace Persistence {

int ImageGrids::heightMapDepth(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    int tallest = 1;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            tallest = std::max(tallest, qRed(line[x]));
    }
    return 2 * tallest;
}

Grid<unsigned char> ImageGrids::redMask(const QImage& image)
{
    return plain<unsigned char>(image, [](QRgb pixel) -> unsigned char {
        return isRgb(pixel, 255, 0, 0) ? 1 : 0;
    });
}

} // namespace Persistence
